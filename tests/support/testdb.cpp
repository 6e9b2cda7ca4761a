// SPDX-License-Identifier: MIT
#include "support/testdb.h"

#include "data/db/create.h"
#include "data/db/schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

namespace zelpo::test {
namespace {

int g_serial = 0;

template <class Work>
void withConnection(const QString& path, Work work)
{
    const QString name = QStringLiteral("test-%1").arg(++g_serial);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        if (!database.open()) {
            ADD_FAILURE() << "cannot open " << path.toStdString();
        } else {
            // Test files need no durability; this keeps bulk set-ups fast.
            QSqlQuery(database).exec(QStringLiteral("PRAGMA synchronous=OFF"));
            work(database);
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
}

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\'', QStringLiteral("''"));
    return u'\'' + escaped + u'\'';
}

QString kounyuValues(const QStringList& kounyu)
{
    QStringList values;
    for (int i = 0; i < 5; ++i)
        values << quoted(i < kounyu.size() ? kounyu[i] : QString());
    values << QStringLiteral("' '");
    return values.join(u',');
}

} // namespace

TempDatabase::TempDatabase(Tables tables)
    : m_path(m_dir.filePath(QStringLiteral("ナンバーズ.mdb")))
{
    if (tables == Tables::Keyed) {
        const db::CreateFailure failure = db::createDatabaseFile(m_path);
        EXPECT_TRUE(failure.ok()) << db::describe(failure).toStdString();
        return;
    }
    withConnection(m_path, [&](QSqlDatabase& database) {
        if (tables == Tables::None) {
            // A database file without tables, not an empty file.
            QSqlQuery(database).exec(QStringLiteral("PRAGMA user_version=1"));
            return;
        }
        for (const Game game : kGames) {
            QString statement = db::createTableStatement(game);
            statement.replace(QStringLiteral(" PRIMARY KEY"), QString());
            QSqlQuery query(database);
            EXPECT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
        }
    });
}

void TempDatabase::exec(const QString& sql) const
{
    withConnection(m_path, [&](QSqlDatabase& database) {
        QSqlQuery query(database);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
    });
}

QStringList TempDatabase::rows(const QString& sql) const
{
    QStringList result;
    withConnection(m_path, [&](QSqlDatabase& database) {
        QSqlQuery query(database);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            result << values.join(u'|');
        }
    });
    return result;
}

QStringList TempDatabase::dump() const
{
    QStringList lines = rows(QStringLiteral("SELECT name, sql FROM sqlite_master ORDER BY name"));
    for (const QString& table :
        rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"))) {
        withConnection(m_path, [&](QSqlDatabase& database) {
            QSqlQuery query(database);
            EXPECT_TRUE(query.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table)));
            while (query.next()) {
                QStringList values { table };
                for (int i = 0; i < query.record().count(); ++i) {
                    const QVariant value = query.value(i);
                    values << (value.isNull() ? QStringLiteral("NULL")
                                              : QString::fromLatin1(value.typeName()) + u':' + value.toString());
                }
                lines << values.join(u'|');
            }
        });
    }
    return lines;
}

void TempDatabase::addNumbers3(int kaisai, int h, int t, int u, const QStringList& kounyu) const
{
    exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES (%1,%2,%3,%4,%5)")
             .arg(kaisai)
             .arg(h)
             .arg(t)
             .arg(u)
             .arg(kounyuValues(kounyu)));
}

void TempDatabase::addNumbers4(int kaisai, int th, int h, int t, int u, const QStringList& kounyu) const
{
    exec(QStringLiteral("INSERT INTO ナンバーズ4 VALUES (%1,%2,%3,%4,%5,%6)")
             .arg(kaisai)
             .arg(th)
             .arg(h)
             .arg(t)
             .arg(u)
             .arg(kounyuValues(kounyu)));
}

void TempDatabase::addMiniLoto(int kaisai, std::initializer_list<int> numbers, const QStringList& kounyu) const
{
    QStringList values { QString::number(kaisai) };
    for (const int n : numbers)
        values << QString::number(n);
    exec(QStringLiteral("INSERT INTO ミニロト VALUES (%1,%2)").arg(values.join(u','), kounyuValues(kounyu)));
}

FileLock::FileLock(const QString& path)
    : m_connection(QStringLiteral("lock-%1").arg(++g_serial))
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    database.setDatabaseName(path);
    EXPECT_TRUE(database.open());
    QSqlQuery query(database);
    EXPECT_TRUE(query.exec(QStringLiteral("BEGIN EXCLUSIVE"))) << query.lastError().text().toStdString();
}

FileLock::~FileLock()
{
    {
        QSqlDatabase database = QSqlDatabase::database(m_connection, false);
        QSqlQuery query(database);
        query.exec(QStringLiteral("ROLLBACK"));
        query.finish();
        database.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

} // namespace zelpo::test
