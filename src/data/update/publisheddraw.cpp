// SPDX-License-Identifier: MIT
#include "data/update/publisheddraw.h"

#include <algorithm>

namespace zelpo::update {

namespace {

QString drawName(const PublishedDraw& draw)
{
    return QStringLiteral("draw %1").arg(draw.kaisai);
}

// The fault of one amount, or an empty text.
QString amountFault(const PublishedDraw& draw, const char* name, const Amount& amount)
{
    if (!amount)
        return {};
    if (*amount < 0 || *amount >= kAmountLimit) {
        return QStringLiteral("%1: %2 %3 is not from 0 to %4")
            .arg(drawName(draw), QLatin1String(name))
            .arg(*amount)
            .arg(kAmountLimit - 1);
    }
    return {};
}

QString numbersFault(Game game, const PublishedDraw& draw)
{
    const auto count = static_cast<std::size_t>(numberCount(game));
    if (draw.numbers.size() != count) {
        return QStringLiteral("%1 has %2 numbers; a %3 draw has %4")
            .arg(drawName(draw))
            .arg(draw.numbers.size())
            .arg(gameTitle(game))
            .arg(count);
    }
    if (game != Game::MiniLoto) {
        for (const int digit : draw.numbers) {
            if (digit < 0 || digit > 9)
                return QStringLiteral("%1: %2 is not a digit from 0 to 9").arg(drawName(draw)).arg(digit);
        }
        if (draw.bonus)
            return QStringLiteral("%1: a %2 draw has no bonus number").arg(drawName(draw), gameTitle(game));
        return {};
    }
    for (std::size_t i = 0; i < count; ++i) {
        const int number = draw.numbers[i];
        if (number < 1 || number > 31)
            return QStringLiteral("%1: %2 is not a number from 1 to 31").arg(drawName(draw)).arg(number);
        if (std::count(draw.numbers.begin(), draw.numbers.end(), number) > 1)
            return QStringLiteral("%1: %2 is drawn twice").arg(drawName(draw)).arg(number);
    }
    if (!draw.bonus)
        return QStringLiteral("%1 has no bonus number").arg(drawName(draw));
    if (*draw.bonus < 1 || *draw.bonus > 31)
        return QStringLiteral("%1: bonus %2 is not a number from 1 to 31").arg(drawName(draw)).arg(*draw.bonus);
    if (std::find(draw.numbers.begin(), draw.numbers.end(), *draw.bonus) != draw.numbers.end())
        return QStringLiteral("%1: bonus %2 is also a drawn number").arg(drawName(draw)).arg(*draw.bonus);
    return {};
}

QString payoutsFault(Game game, const PublishedDraw& draw)
{
    const Payouts& pay = draw.payouts;
    const bool numbers = game != Game::MiniLoto;
    const bool anyNumbers = pay.straight || pay.box || pay.setStraight || pay.setBox || pay.mini;
    const bool anyMiniLoto
        = std::any_of(pay.prize.begin(), pay.prize.end(), [](const Amount& a) { return a.has_value(); })
        || std::any_of(pay.winners.begin(), pay.winners.end(), [](const Amount& a) { return a.has_value(); });
    if ((numbers && anyMiniLoto) || (!numbers && anyNumbers) || (game == Game::Numbers4 && pay.mini))
        return QStringLiteral("%1 holds payouts of classes a %2 draw does not have")
            .arg(drawName(draw), gameTitle(game));
    const std::pair<const char*, const Amount*> amounts[] = {
        { "straight", &pay.straight },
        { "box", &pay.box },
        { "set_straight", &pay.setStraight },
        { "set_box", &pay.setBox },
        { "mini", &pay.mini },
        { "prize1", &pay.prize[0] },
        { "winners1", &pay.winners[0] },
        { "prize2", &pay.prize[1] },
        { "winners2", &pay.winners[1] },
        { "prize3", &pay.prize[2] },
        { "winners3", &pay.winners[2] },
        { "prize4", &pay.prize[3] },
        { "winners4", &pay.winners[3] },
    };
    for (const auto& [name, amount] : amounts) {
        QString fault = amountFault(draw, name, *amount);
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

} // namespace

QString gameKey(Game game)
{
    const std::string_view key = gameId(game);
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

QString gameTitle(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return QStringLiteral("Numbers 3");
    case Game::Numbers4:
        return QStringLiteral("Numbers 4");
    case Game::MiniLoto:
        return QStringLiteral("Mini Loto");
    }
    return {};
}

int numberCount(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return 3;
    case Game::Numbers4:
        return 4;
    case Game::MiniLoto:
        return 5;
    }
    return 0;
}

Parsed failed(QString error)
{
    return Parsed { {}, std::move(error) };
}

QString checkDraws(Game game, const std::vector<PublishedDraw>& draws)
{
    const PublishedDraw* previous = nullptr;
    const PublishedDraw* previousDated = nullptr;
    for (const PublishedDraw& draw : draws) {
        if (draw.game != game)
            return QStringLiteral("%1 is a %2 draw, not %3").arg(drawName(draw), gameTitle(draw.game), gameTitle(game));
        if (draw.kaisai < 1 || draw.kaisai > kHighestDraw)
            return QStringLiteral("draw number %1 is not from 1 to %2").arg(draw.kaisai).arg(kHighestDraw);
        if (previous && draw.kaisai <= previous->kaisai) {
            return draw.kaisai == previous->kaisai ? QStringLiteral("%1 appears twice").arg(drawName(draw))
                                                   : QStringLiteral("the draws are not in ascending order");
        }
        if (draw.date.isNull()) {
            // no date to check
        } else if (!draw.date.isValid()) {
            return QStringLiteral("%1 has no valid date").arg(drawName(draw));
        } else if (previousDated && draw.date <= previousDated->date) {
            return QStringLiteral("%1 is dated %2, not after draw %3 (%4)")
                .arg(drawName(draw), draw.date.toString(Qt::ISODate))
                .arg(previousDated->kaisai)
                .arg(previousDated->date.toString(Qt::ISODate));
        }
        QString fault = numbersFault(game, draw);
        if (fault.isEmpty())
            fault = payoutsFault(game, draw);
        if (!fault.isEmpty())
            return fault;
        previous = &draw;
        if (!draw.date.isNull())
            previousDated = &draw;
    }
    return {};
}

Parsed checked(Game game, std::vector<PublishedDraw> draws)
{
    std::stable_sort(
        draws.begin(), draws.end(), [](const PublishedDraw& a, const PublishedDraw& b) { return a.kaisai < b.kaisai; });
    QString fault = checkDraws(game, draws);
    if (!fault.isEmpty())
        return failed(std::move(fault));
    return Parsed { std::move(draws), {} };
}

} // namespace zelpo::update
