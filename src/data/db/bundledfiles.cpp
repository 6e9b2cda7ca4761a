// SPDX-License-Identifier: MIT
#include "data/db/bundledfiles.h"

#include <QFile>
#include <QString>

namespace zelpo::db {
namespace {

QString gameFileStem(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return QStringLiteral("numbers3");
    case Game::Numbers4:
        return QStringLiteral("numbers4");
    case Game::MiniLoto:
        break;
    }
    return QStringLiteral("miniloto");
}

QByteArray resource(const QString& name)
{
    QFile file(QStringLiteral(":/zelpo/history/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QByteArray bundledHistory(Game game)
{
    return resource(gameFileStem(game) + QStringLiteral(".csv"));
}

QByteArray bundledPayoutFile(Game game)
{
    return resource(gameFileStem(game) + QStringLiteral("-payouts.csv"));
}

} // namespace zelpo::db
