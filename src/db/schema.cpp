// SPDX-License-Identifier: MIT
#include "db/schema.h"

#include "db/query.h"

#include <QFile>

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace zelpo::db {

QString tableName(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return QStringLiteral("ナンバーズ3");
    case Game::Numbers4:
        return QStringLiteral("ナンバーズ4");
    case Game::MiniLoto:
        return QStringLiteral("ミニロト");
    }
    return {};
}

const QStringList& columns(Game game)
{
    static const QStringList numbers3 = QStringList { QStringLiteral("kaisai"), QStringLiteral("N100"),
        QStringLiteral("N10"), QStringLiteral("N1"), QStringLiteral("kounyu1"), QStringLiteral("kounyu2"),
        QStringLiteral("kounyu3"), QStringLiteral("kounyu4"), QStringLiteral("kounyu5"), QStringLiteral("atari") };
    static const QStringList numbers4 = QStringList { QStringLiteral("kaisai"), QStringLiteral("N1000"),
        QStringLiteral("N100"), QStringLiteral("N10"), QStringLiteral("N1"), QStringLiteral("kounyu1"),
        QStringLiteral("kounyu2"), QStringLiteral("kounyu3"), QStringLiteral("kounyu4"), QStringLiteral("kounyu5"),
        QStringLiteral("atari") };
    static const QStringList miniloto = QStringList { QStringLiteral("kaisai"), QStringLiteral("NO1"),
        QStringLiteral("NO2"), QStringLiteral("NO3"), QStringLiteral("NO4"), QStringLiteral("NO5"),
        QStringLiteral("kounyu1"), QStringLiteral("kounyu2"), QStringLiteral("kounyu3"), QStringLiteral("kounyu4"),
        QStringLiteral("kounyu5"), QStringLiteral("atari") };
    switch (game) {
    case Game::Numbers3:
        return numbers3;
    case Game::Numbers4:
        return numbers4;
    case Game::MiniLoto:
        break;
    }
    return miniloto;
}

QStringList numberColumns(Game game)
{
    const QStringList& all = columns(game);
    const int count = game == Game::Numbers3 ? 3 : game == Game::Numbers4 ? 4 : 5;
    return all.mid(1, count);
}

QString createTableStatement(Game game)
{
    QStringList defs;
    for (const QString& column : columns(game)) {
        if (column == QLatin1String("kaisai"))
            defs << QStringLiteral("kaisai INTEGER PRIMARY KEY");
        else if (column.startsWith(QLatin1String("kounyu")) || column == QLatin1String("atari"))
            defs << column + QStringLiteral(" TEXT");
        else
            defs << column + QStringLiteral(" INTEGER");
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(tableName(game), defs.join(QStringLiteral(", ")));
}

QString createDatabaseFile(const QString& path, const FillTables& fill)
{
    if (path.isEmpty())
        return QStringLiteral("no file name was given");
    // The engine reads "file:..." as a URI and ":memory:" as no file at all;
    // the plain path is always the file it names.
    const QString file = plainFilePath(path);
    if (QFileInfo::exists(file))
        return QStringLiteral("%1 already exists; it is left as it is").arg(path);

    // The only place that may create a file: a connection with the create flag.
    const QString name = QStringLiteral("zelpo-init");
    QString failure;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(file);
        if (!database.open()) {
            failure = database.lastError().text();
        } else {
            QSqlQuery query(database);
            const bool ok = query.exec(QStringLiteral("BEGIN")) && query.exec(createTableStatement(Game::Numbers3))
                && query.exec(createTableStatement(Game::Numbers4)) && query.exec(createTableStatement(Game::MiniLoto))
                && (!fill || fill(query)) && query.exec(QStringLiteral("COMMIT"));
            if (!ok)
                failure = query.lastError().text();
            query.finish();
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (failure.isEmpty() && !QFileInfo(file).isFile())
        failure = QStringLiteral("the file is not there after creating it");
    if (failure.isEmpty())
        return {};
    QFile::remove(file);
    return QStringLiteral("cannot create %1: %2").arg(path, failure);
}

} // namespace zelpo::db
