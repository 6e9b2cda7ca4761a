// SPDX-License-Identifier: MIT
#include "data/db/schema.h"

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

} // namespace zelpo::db
