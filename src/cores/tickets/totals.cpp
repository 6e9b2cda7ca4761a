// SPDX-License-Identifier: MIT
#include "cores/tickets/totals.h"

#include "cores/tickets/text_p.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace zelpo::tickets {
namespace {

// Chance's sums, one per game and kind, each exact in its own denominator.
class ChanceSums {
public:
    void add(const Ticket& ticket, Yen numerator)
    {
        analysis::ExactYen& sum = m_sums[slot(ticket)];
        sum.denominator = analysis::chanceDenominator(ticket.game, ticket.kind);
        sum.add(numerator);
    }
    double value() const
    {
        double total = 0;
        for (const analysis::ExactYen& sum : m_sums)
            total += sum.value();
        return total;
    }

private:
    static std::size_t slot(const Ticket& ticket)
    {
        return static_cast<std::size_t>(ticket.game) * 5 + static_cast<std::size_t>(ticket.kind);
    }
    std::array<analysis::ExactYen, 15> m_sums {};
};

// What one date's decided draws add to the balances.
struct Step {
    Yen balance = 0;
    ChanceSums chance;
};

} // namespace

bool Filter::admits(std::string_view date) const
{
    if (date.empty())
        return to.empty();
    return (from.empty() || date >= from) && (to.empty() || date <= to);
}

Summary summarize(std::span<const Ticket> tickets, const Checked& checked, const DrawBook& book, const Filter& filter)
{
    Summary summary;
    ChanceSums chance;
    std::map<std::string, Step> steps;
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        const Ticket& ticket = tickets[i];
        if (!filter.admits(ticket))
            continue;
        bool admitted = false;
        for (const DrawResult& result : checked.of(i)) {
            const std::string_view date = book.date(ticket.game, result.draw);
            if (!filter.admits(date))
                continue;
            admitted = true;
            Totals& totals = summary.totals;
            if (result.outcome == Outcome::Pending) {
                ++totals.pending;
                continue;
            }
            if (result.outcome == Outcome::Unknown) {
                ++totals.unknown;
                continue;
            }
            const Yen cost = analysis::kTicketPrice * ticket.units;
            ++totals.decided;
            totals.cost += cost;
            totals.won += result.amount;
            chance.add(ticket, result.chance);
            Step& step = steps[std::string(date)];
            step.balance += result.amount - cost;
            step.chance.add(ticket, result.chance - cost * analysis::chanceDenominator(ticket.game, ticket.kind));
        }
        if (admitted)
            summary.tickets.push_back(i);
    }
    summary.totals.chanceWon = chance.value();
    std::sort(summary.tickets.begin(), summary.tickets.end(), [&](std::size_t a, std::size_t b) {
        return tickets[a].id > tickets[b].id || (tickets[a].id == tickets[b].id && a > b);
    });
    Yen balance = 0;
    double chanceBalance = 0;
    for (const auto& [date, step] : steps) {
        balance += step.balance;
        chanceBalance += step.chance.value();
        summary.balances.push_back({ date, balance, chanceBalance });
    }
    return summary;
}

std::string comparison(const Totals& totals)
{
    if (totals.decided == 0)
        return totals.pending > 0 ? "まだ抽せんの済んだ券がありません。" : "抽せんの済んだ券がありません。";
    const auto percent = [](double rate) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f%%", rate * 100);
        return std::string(text);
    };
    const double mine = totals.returnRate();
    const double chance = totals.chanceReturnRate();
    const std::string start
        = concat("払戻率は", percent(mine), "で、同じ種類・口数を無作為に買った場合の期待値", percent(chance));
    if (std::fabs(mine - chance) < 0.005)
        return concat(start, "とほぼ同じです。");
    return concat(start, mine > chance ? "より高くなっています。" : "より低くなっています。",
        "当せんは偶然によるもので、これからの結果を約束するものではありません。");
}

std::vector<Win> winsAmong(std::span<const Ticket> tickets, const Checked& checked, Game game, int first, int last)
{
    std::vector<Win> wins;
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        if (tickets[i].game != game)
            continue;
        for (const DrawResult& result : checked.of(i)) {
            const bool won
                = result.outcome == Outcome::Won || (result.outcome == Outcome::Unknown && result.prize != Prize::None);
            if (won && result.draw >= first && result.draw <= last)
                wins.push_back({ i, result });
        }
    }
    std::stable_sort(
        wins.begin(), wins.end(), [](const Win& a, const Win& b) { return a.result.draw < b.result.draw; });
    return wins;
}

std::string announcement(std::span<const Ticket> tickets, std::span<const Win> wins)
{
    if (wins.empty())
        return {};
    std::string text = "購入記録の券が当せんしました";
    for (const Win& win : wins) {
        const Ticket& ticket = tickets[win.ticket];
        text += concat("\n", gameLabel(ticket.game), " 第", std::to_string(win.result.draw), "回 ",
            kindLabel(ticket.game, ticket.kind), " ", numbersText(ticket.game, ticket.numbers), " ",
            std::to_string(ticket.units), "口: ", prizeLabel(win.result.prize),
            win.result.outcome == Outcome::Won ? concat(" ", yenText(win.result.amount), "円") : "（配当は未記録）");
    }
    return text;
}

std::string yenText(Yen yen)
{
    const std::string digits = std::to_string(yen < 0 ? -yen : yen);
    std::string text = yen < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

} // namespace zelpo::tickets
