// SPDX-License-Identifier: MIT
// The recorded responses of samples/, and the draws they hold.
#pragma once

#include "data/update/publisheddraw.h"

#include <QByteArray>
#include <QFile>
#include <QStringEncoder>

namespace zelpo::test {

inline QByteArray sample(const char* name)
{
    QFile file(QStringLiteral(ZELPO_UPDATE_SAMPLES "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray shiftJis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

// The latest draw of every sample, as each source publishes it in full.
inline update::PublishedDraw numbers3Draw7054()
{
    update::PublishedDraw draw { Game::Numbers3, 7054, QDate(2026, 8, 21), { 2, 8, 6 }, {}, {} };
    draw.payouts.straight = 100100;
    draw.payouts.box = 16600;
    draw.payouts.setStraight = 58300;
    draw.payouts.setBox = 8300;
    draw.payouts.mini = 10000;
    return draw;
}

inline update::PublishedDraw numbers4Draw7054()
{
    update::PublishedDraw draw { Game::Numbers4, 7054, QDate(2026, 8, 21), { 9, 5, 7, 7 }, {}, {} };
    draw.payouts.straight = 2128400;
    draw.payouts.box = 177300;
    draw.payouts.setStraight = 1152800;
    draw.payouts.setBox = 88600;
    return draw;
}

inline update::PublishedDraw miniLotoDraw1353()
{
    update::PublishedDraw draw { Game::MiniLoto, 1353, QDate(2025, 9, 23), { 6, 11, 13, 14, 18 }, 5, {} };
    draw.payouts.prize = { 9947500, 159900, 12200, 1000 };
    draw.payouts.winners = { 15, 67, 1512, 45382 };
    return draw;
}

inline update::PublishedDraw withoutPayouts(update::PublishedDraw draw)
{
    draw.payouts = {};
    return draw;
}

} // namespace zelpo::test
