// SPDX-License-Identifier: MIT
#include "bench/benchdb.h"

#include "data/db/create.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <random>

namespace zelpo::bench {

const QString& databaseWithDraws(int draws)
{
    static QTemporaryDir dir;
    static std::map<int, QString> made;
    if (auto found = made.find(draws); found != made.end())
        return found->second;

    const QString path = dir.filePath(QStringLiteral("draws-%1.mdb").arg(draws));
    db::createDatabaseFile(path);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-make"));
        database.setDatabaseName(path);
        database.open();
        QSqlQuery query(database);
        query.exec(QStringLiteral("BEGIN"));
        std::mt19937 random(12345);
        std::uniform_int_distribution<int> digit(0, 9);
        QSqlQuery n3(database), n4(database), mini(database), paid3(database), paid4(database), paidMini(database);
        // A payout row for every draw, as the built-in history has them.
        paid3.prepare(QStringLiteral("INSERT INTO ナンバーズ3配当 VALUES (?,'2026-01-05',?,?,?,?,?)"));
        paid4.prepare(QStringLiteral("INSERT INTO ナンバーズ4配当 VALUES (?,'2026-01-05',?,?,?,?)"));
        paidMini.prepare(QStringLiteral("INSERT INTO ミニロト配当 VALUES (?,'2026-01-06',?,1,?,20,?,700,?,20000)"));
        std::mt19937 money(54321); // apart, so the draws stay those of before
        std::uniform_int_distribution<int> yen(1000, 1000000);
        n3.prepare(QStringLiteral("INSERT INTO ナンバーズ3 VALUES (?,?,?,?,'123','456','789','012','345',' ')"));
        n4.prepare(QStringLiteral("INSERT INTO ナンバーズ4 VALUES (?,?,?,?,?,'1234','5678','9012','3456','7890',' ')"));
        mini.prepare(
            QStringLiteral("INSERT INTO ミニロト VALUES "
                           "(?,?,?,?,?,?,'7','1-2-3-4-5','6-7-8-9-10','11-12-13-14-15','16-17-18-19-20',' ')"));
        for (int kaisai = 1; kaisai <= draws; ++kaisai) {
            n3.addBindValue(kaisai);
            for (int i = 0; i < 3; ++i)
                n3.addBindValue(digit(random));
            n3.exec();
            n4.addBindValue(kaisai);
            for (int i = 0; i < 4; ++i)
                n4.addBindValue(digit(random));
            n4.exec();
            mini.addBindValue(kaisai);
            const int base = kaisai % 20;
            for (int i = 1; i <= 5; ++i)
                mini.addBindValue(base + i * 2);
            mini.exec();
            for (QSqlQuery* paid : { &paid3, &paid4, &paidMini }) {
                paid->addBindValue(kaisai);
                for (int i = paid == &paid3 ? 5 : 4; i > 0; --i)
                    paid->addBindValue(yen(money));
                paid->exec();
            }
        }
        query.exec(QStringLiteral("COMMIT"));
        n3.finish();
        n4.finish();
        mini.finish();
        for (QSqlQuery* paid : { &paid3, &paid4, &paidMini })
            paid->finish();
        query.finish();
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-make"));
    return made.emplace(draws, path).first->second;
}

} // namespace zelpo::bench
