// SPDX-License-Identifier: MIT
#include "cores/tickets/totals.h"

#include "cores/tickets/text_p.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

// What one draw's decided tickets add to the balances; the chart needs
// chance's only as closely as a double holds it.
struct Step {
    Yen balance = 0;
    double chance = 0;
    bool decided = false;
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
    // By game and draw number: tens of thousands of results fall on a few thousand draws.
    std::array<std::vector<Step>, 3> steps;
    for (const Game game : { Game::Numbers3, Game::Numbers4, Game::MiniLoto })
        steps[static_cast<std::size_t>(game)].resize(static_cast<std::size_t>(book.nextDraw(game)));
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        const Ticket& ticket = tickets[i];
        if (!filter.admits(ticket))
            continue;
        bool admitted = false;
        for (const DrawResult& result : checked.of(i)) {
            if (!filter.admits(book.date(ticket.game, result.draw)))
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
            // A decided draw is a stored one, within the book's numbers.
            Step& step = steps[static_cast<std::size_t>(ticket.game)][static_cast<std::size_t>(result.draw)];
            step.decided = true;
            step.balance += result.amount - cost;
            step.chance += static_cast<double>(result.chance)
                    / static_cast<double>(analysis::chanceDenominator(ticket.game, ticket.kind))
                - static_cast<double>(cost);
        }
        if (admitted)
            summary.tickets.push_back(i);
    }
    summary.totals.chanceWon = chance.value();
    std::sort(summary.tickets.begin(), summary.tickets.end(), [&](std::size_t a, std::size_t b) {
        return tickets[a].id > tickets[b].id || (tickets[a].id == tickets[b].id && a > b);
    });
    // The decided draws by date, the games' draws of one date taken together.
    std::vector<std::pair<std::string_view, const Step*>> dated;
    for (const Game game : { Game::Numbers3, Game::Numbers4, Game::MiniLoto }) {
        const std::vector<Step>& ofGame = steps[static_cast<std::size_t>(game)];
        for (std::size_t d = 0; d < ofGame.size(); ++d) {
            if (ofGame[d].decided)
                dated.emplace_back(book.date(game, static_cast<int>(d)), &ofGame[d]);
        }
    }
    std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    Yen balance = 0;
    double chanceBalance = 0;
    for (const auto& [date, step] : dated) {
        balance += step->balance;
        chanceBalance += step->chance;
        if (summary.balances.empty() || summary.balances.back().date != date)
            summary.balances.push_back({ std::string(date), balance, chanceBalance });
        else
            summary.balances.back() = { std::string(date), balance, chanceBalance };
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
