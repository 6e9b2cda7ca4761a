// SPDX-License-Identifier: MIT
#include "cores/tickets/results.h"

#include <bit>

namespace zelpo::tickets {
namespace {

// The prize the kind pays for the classes the ticket won: the classes are
// those of the game's hit classes (Numbers 3 straight, box, mini; Numbers 4
// straight, box; Mini Loto 1 to 4).
Prize prizeOf(TicketKind kind, analysis::ClassSet classes)
{
    const auto has = [classes](unsigned bit) { return (classes >> bit & 1u) != 0; };
    switch (kind) {
    case TicketKind::Straight:
        return has(0) ? Prize::Straight : Prize::None;
    case TicketKind::Box:
        return has(1) ? Prize::Box : Prize::None;
    case TicketKind::Set:
        return has(0) ? Prize::SetStraight : has(1) ? Prize::SetBox : Prize::None;
    case TicketKind::Mini:
        return has(2) ? Prize::Mini : Prize::None;
    case TicketKind::MiniLoto: {
        const int c = std::countr_zero(classes & 15u);
        return c < 4 ? static_cast<Prize>(static_cast<int>(Prize::First) + c) : Prize::None;
    }
    }
    return Prize::None;
}

DrawResult resultOf(const Ticket& ticket, int kaisai, const DrawBook& book)
{
    DrawResult result;
    result.draw = kaisai;
    const analysis::Draw* draw = book.draw(ticket.game, kaisai);
    if (!draw)
        return result;
    const analysis::DrawPayout* payout = book.payout(ticket.game, kaisai);
    const std::optional<Yen> won = analysis::winnings(ticket.game, ticket.kind, ticket.numbers, *draw, payout);
    const std::optional<Yen> chance = analysis::chanceWinnings(ticket.game, ticket.kind, *draw, payout);
    // The prize is known from the numbers alone; its amount needs the payouts.
    result.prize = prizeOf(ticket.kind, analysis::classesWon(ticket.game, ticket.numbers, *draw));
    if (!won || !chance) {
        result.outcome = Outcome::Unknown;
        return result;
    }
    result.outcome = result.prize == Prize::None ? Outcome::Lost : Outcome::Won;
    result.amount = result.prize == Prize::None ? 0 : *won * ticket.units;
    result.chance = *chance * ticket.units;
    return result;
}

} // namespace

void DrawBook::setGame(Game game, std::vector<analysis::Draw> draws, analysis::Payouts payouts,
    std::vector<std::pair<int, std::string>> dates)
{
    Stored& stored = m_games[static_cast<std::size_t>(game)];
    stored = Stored {};
    stored.draws = std::move(draws);
    stored.payouts = payouts.game() == game ? std::move(payouts) : analysis::Payouts();
    int highest = 0;
    for (const analysis::Draw& draw : stored.draws)
        highest = std::max(highest, draw.kaisai);
    const auto size = static_cast<std::size_t>(highest) + 1;
    stored.index.assign(size, -1);
    stored.payoutOf.assign(size, nullptr);
    stored.dates.assign(size, {});
    std::size_t next = 0;
    for (std::size_t i = 0; i < stored.draws.size(); ++i) {
        const int kaisai = stored.draws[i].kaisai;
        if (kaisai < 1 || stored.index[static_cast<std::size_t>(kaisai)] >= 0)
            continue;
        stored.index[static_cast<std::size_t>(kaisai)] = static_cast<int>(i);
        stored.payoutOf[static_cast<std::size_t>(kaisai)] = stored.payouts.find(kaisai, next);
    }
    for (auto& [kaisai, date] : dates) {
        if (kaisai >= 1 && static_cast<std::size_t>(kaisai) < size)
            stored.dates[static_cast<std::size_t>(kaisai)] = std::move(date);
    }
}

const analysis::Draw* DrawBook::draw(Game game, int kaisai) const
{
    const Stored& stored = of(game);
    if (kaisai < 1 || static_cast<std::size_t>(kaisai) >= stored.index.size())
        return nullptr;
    const int i = stored.index[static_cast<std::size_t>(kaisai)];
    return i < 0 ? nullptr : &stored.draws[static_cast<std::size_t>(i)];
}

const analysis::DrawPayout* DrawBook::payout(Game game, int kaisai) const
{
    const Stored& stored = of(game);
    if (kaisai < 1 || static_cast<std::size_t>(kaisai) >= stored.payoutOf.size())
        return nullptr;
    return stored.payoutOf[static_cast<std::size_t>(kaisai)];
}

std::string_view DrawBook::date(Game game, int kaisai) const
{
    const Stored& stored = of(game);
    if (!draw(game, kaisai))
        return {};
    return stored.dates[static_cast<std::size_t>(kaisai)];
}

int DrawBook::nextDraw(Game game) const
{
    const Stored& stored = of(game);
    return stored.index.empty() ? 1 : static_cast<int>(stored.index.size());
}

std::string_view outcomeName(Outcome outcome)
{
    static constexpr std::string_view kNames[] = { "pending", "won", "lost", "unknown" };
    return kNames[static_cast<std::size_t>(outcome)];
}

std::string_view outcomeLabel(Outcome outcome)
{
    static constexpr std::string_view kLabels[] = { "未抽せん", "当せん", "はずれ", "配当不明" };
    return kLabels[static_cast<std::size_t>(outcome)];
}

std::string_view prizeName(Prize prize)
{
    static constexpr std::string_view kNames[]
        = { "", "straight", "box", "set_straight", "set_box", "mini", "1", "2", "3", "4" };
    return kNames[static_cast<std::size_t>(prize)];
}

std::string_view prizeLabel(Prize prize)
{
    static constexpr std::string_view kLabels[] = { "", "ストレート", "ボックス", "セット（ストレート）",
        "セット（ボックス）", "ミニ", "1等", "2等", "3等", "4等" };
    return kLabels[static_cast<std::size_t>(prize)];
}

std::vector<DrawResult> check(const Ticket& ticket, const DrawBook& book)
{
    std::vector<DrawResult> results;
    results.reserve(static_cast<std::size_t>(std::max(ticket.draws, 0)));
    for (int d = ticket.firstDraw; d <= ticket.lastDraw(); ++d)
        results.push_back(resultOf(ticket, d, book));
    return results;
}

Checked::Checked(std::span<const Ticket> tickets, const DrawBook& book)
{
    m_starts.reserve(tickets.size() + 1);
    m_starts.push_back(0);
    for (const Ticket& ticket : tickets) {
        for (int d = ticket.firstDraw; d <= ticket.lastDraw(); ++d)
            m_results.push_back(resultOf(ticket, d, book));
        m_starts.push_back(m_results.size());
    }
}

std::span<const DrawResult> Checked::of(std::size_t ticket) const
{
    if (ticket + 1 >= m_starts.size())
        return {};
    return std::span(m_results).subspan(m_starts[ticket], m_starts[ticket + 1] - m_starts[ticket]);
}

} // namespace zelpo::tickets
