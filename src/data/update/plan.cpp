// SPDX-License-Identifier: MIT
#include "data/update/plan.h"

#include <algorithm>

namespace zelpo::update {
namespace {

QString isoDate(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

// "047" for Numbers; "03-09-17-25-30" for Mini Loto, with " (22)" for a bonus.
QString numbersText(Game game, const std::vector<int>& numbers, int bonus)
{
    QString text;
    for (const int number : numbers) {
        if (game == Game::MiniLoto) {
            if (!text.isEmpty())
                text += u'-';
            text += QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
        } else {
            text += QString::number(number);
        }
    }
    if (bonus > 0)
        text += QStringLiteral(" (%1)").arg(bonus, 2, 10, QLatin1Char('0'));
    return text;
}

std::vector<int> storedNumbers(Game game, const analysis::Draw& draw)
{
    std::vector<int> numbers(draw.numbers.begin(), draw.numbers.begin() + numberCount(game));
    return numbers;
}

void compareNumbers(Game game, const analysis::Draw& stored, const PublishedDraw& published, UpdatePlan& plan)
{
    std::vector<int> mine = storedNumbers(game, stored);
    std::vector<int> theirs = published.numbers;
    // Mini Loto's five numbers are a set: the registration keeps them as typed.
    if (game == Game::MiniLoto) {
        std::sort(mine.begin(), mine.end());
        std::sort(theirs.begin(), theirs.end());
    }
    const int publishedBonus = published.bonus.value_or(0);
    // A bonus left out at registration is no disagreement.
    const bool bonusDiffers = stored.bonus > 0 && stored.bonus != publishedBonus;
    if (mine == theirs && !bonusDiffers)
        return;
    plan.conflicts.push_back(
        { published.kaisai, Conflict::Kind::Numbers, {}, numbersText(game, storedNumbers(game, stored), stored.bonus),
            numbersText(game, published.numbers, publishedBonus) });
}

// What the stored draw lacks of the published date and payouts goes into a
// fill; what it holds must be the same.
void compareRecord(Game game, const StoredPayout* stored, const PublishedDraw& published, UpdatePlan& plan)
{
    PublishedDraw fill { game, published.kaisai, {}, {}, {}, {} };
    const QDate storedDate = stored ? stored->date : QDate();
    if (published.date.isValid()) {
        if (!storedDate.isValid())
            fill.date = published.date;
        else if (storedDate != published.date)
            plan.conflicts.push_back(
                { published.kaisai, Conflict::Kind::Date, {}, isoDate(storedDate), isoDate(published.date) });
    }
    Payouts storedPayouts = stored ? stored->payouts : Payouts {};
    Payouts publishedPayouts = published.payouts;
    const auto mine = amountFields(game, storedPayouts);
    const auto theirs = amountFields(game, publishedPayouts);
    const auto filled = amountFields(game, fill.payouts);
    for (std::size_t i = 0; i < mine.size(); ++i) {
        const Amount& storedAmount = *mine[i].second;
        const Amount& publishedAmount = *theirs[i].second;
        if (!publishedAmount)
            continue;
        if (!storedAmount)
            *filled[i].second = publishedAmount;
        else if (*storedAmount != *publishedAmount)
            plan.conflicts.push_back({ published.kaisai, Conflict::Kind::Amount, mine[i].first,
                QString::number(*storedAmount), QString::number(*publishedAmount) });
    }
    if (fill.date.isValid() || !fill.payouts.empty())
        plan.fills.push_back(std::move(fill));
}

// The newest date the file knows among its draws up to `highest`.
QDate latestStoredDate(const StoredGame& stored, int highest)
{
    for (auto it = stored.payouts.rbegin(); it != stored.payouts.rend(); ++it) {
        if (it->kaisai <= highest && it->date.isValid())
            return it->date;
    }
    return {};
}

void checkNewDates(const StoredGame& stored, UpdatePlan& plan)
{
    const QDate latest = latestStoredDate(stored, plan.highest);
    if (!latest.isValid())
        return;
    for (const PublishedDraw& draw : plan.appends) {
        if (!draw.date.isValid())
            continue;
        if (draw.date <= latest)
            plan.fault = QStringLiteral("draw %1 is dated %2, not after the stored draws (the latest dated %3)")
                             .arg(draw.kaisai)
                             .arg(isoDate(draw.date), isoDate(latest));
        return; // the published dates ascend from there
    }
}

// Moves the disagreements below the join (the kJoinDraws highest of `held`,
// the stored draws the source publishes) to the notes, with the fills of
// their draws: a draw the source disagrees on takes nothing from it.
void separateNotes(std::vector<int> held, UpdatePlan& plan)
{
    held.erase(std::unique(held.begin(), held.end()), held.end());
    if (held.size() <= kJoinDraws)
        return;
    const int lowestJoined = held[held.size() - kJoinDraws];
    const auto belowJoin = [lowestJoined](const Conflict& conflict) { return conflict.kaisai < lowestJoined; };
    std::vector<int> noted;
    for (const Conflict& conflict : plan.conflicts) {
        if (belowJoin(conflict)) {
            plan.notes.push_back(conflict);
            noted.push_back(conflict.kaisai);
        }
    }
    std::erase_if(plan.conflicts, belowJoin);
    std::erase_if(plan.fills, [&noted](const PublishedDraw& fill) {
        return std::find(noted.begin(), noted.end(), fill.kaisai) != noted.end();
    });
}

} // namespace

bool StoredGame::lacksDates() const
{
    auto payout = payouts.begin();
    for (const analysis::Draw& draw : draws) {
        while (payout != payouts.end() && payout->kaisai < draw.kaisai)
            ++payout;
        if (payout == payouts.end() || payout->kaisai != draw.kaisai || !payout->date.isValid())
            return true;
    }
    return false;
}

std::vector<int> StoredGame::lackingPayouts() const
{
    std::vector<int> lacking;
    auto payout = payouts.begin();
    for (const analysis::Draw& draw : draws) {
        while (payout != payouts.end() && payout->kaisai < draw.kaisai)
            ++payout;
        const bool known = payout != payouts.end() && payout->kaisai == draw.kaisai && !payout->payouts.empty();
        if (!known && (lacking.empty() || lacking.back() != draw.kaisai))
            lacking.push_back(draw.kaisai);
    }
    return lacking;
}

QString describe(const Conflict& conflict)
{
    switch (conflict.kind) {
    case Conflict::Kind::Numbers:
        return QStringLiteral("draw %1 is stored as %2 but published as %3")
            .arg(conflict.kaisai)
            .arg(conflict.stored, conflict.published);
    case Conflict::Kind::Date:
        return QStringLiteral("draw %1 is stored with the date %2 but published with %3")
            .arg(conflict.kaisai)
            .arg(conflict.stored, conflict.published);
    case Conflict::Kind::Amount:
        break;
    }
    return QStringLiteral("draw %1: %2 is stored as %3 but published as %4")
        .arg(conflict.kaisai)
        .arg(conflict.field, conflict.stored, conflict.published);
}

QString UpdatePlan::reason() const
{
    if (!conflicts.empty()) {
        QString text = describe(conflicts.front());
        if (conflicts.size() > 1)
            text += QStringLiteral(" (and %1 more)").arg(conflicts.size() - 1);
        return text;
    }
    return fault;
}

std::vector<std::pair<QString, Amount*>> amountFields(Game game, Payouts& payouts)
{
    if (game == Game::MiniLoto) {
        std::vector<std::pair<QString, Amount*>> fields;
        for (std::size_t i = 0; i < payouts.prize.size(); ++i) {
            fields.emplace_back(QStringLiteral("prize%1").arg(i + 1), &payouts.prize[i]);
            fields.emplace_back(QStringLiteral("winners%1").arg(i + 1), &payouts.winners[i]);
        }
        return fields;
    }
    std::vector<std::pair<QString, Amount*>> fields { { QStringLiteral("straight"), &payouts.straight },
        { QStringLiteral("box"), &payouts.box }, { QStringLiteral("set_straight"), &payouts.setStraight },
        { QStringLiteral("set_box"), &payouts.setBox } };
    if (game == Game::Numbers3)
        fields.emplace_back(QStringLiteral("mini"), &payouts.mini);
    return fields;
}

UpdatePlan planUpdate(Game game, const StoredGame& stored, const std::vector<PublishedDraw>& published)
{
    UpdatePlan plan;
    plan.highest = stored.highest();
    auto storedDraw = stored.draws.begin();
    auto storedPayout = stored.payouts.begin();
    std::vector<int> held; // the stored draws the source publishes, ascending
    for (const PublishedDraw& draw : published) {
        if (draw.kaisai > plan.highest) {
            const int expected = plan.appends.empty() ? plan.highest + 1 : plan.appends.back().kaisai + 1;
            if (draw.kaisai != expected) {
                plan.fault = QStringLiteral("draw %1 is missing (the source publishes draws up to %2)")
                                 .arg(expected)
                                 .arg(published.back().kaisai);
                plan.appends.clear();
                separateNotes(std::move(held), plan);
                return plan;
            }
            plan.appends.push_back(draw);
            continue;
        }
        while (storedDraw != stored.draws.end() && storedDraw->kaisai < draw.kaisai)
            ++storedDraw;
        bool isHeld = false;
        // A file made elsewhere may hold a draw number twice: each row must agree.
        for (auto row = storedDraw; row != stored.draws.end() && row->kaisai == draw.kaisai; ++row) {
            isHeld = true;
            compareNumbers(game, *row, draw, plan);
        }
        if (!isHeld)
            continue; // a draw the file skipped: an update only appends above the highest
        held.push_back(draw.kaisai);
        while (storedPayout != stored.payouts.end() && storedPayout->kaisai < draw.kaisai)
            ++storedPayout;
        const bool recorded = storedPayout != stored.payouts.end() && storedPayout->kaisai == draw.kaisai;
        compareRecord(game, recorded ? &*storedPayout : nullptr, draw, plan);
    }
    checkNewDates(stored, plan);
    separateNotes(std::move(held), plan);
    return plan;
}

} // namespace zelpo::update
