// SPDX-License-Identifier: MIT
#include "cores/analysis/money.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace zelpo::analysis {
namespace {

constexpr KindName kNumbers3Kinds[] = {
    { TicketKind::Straight, "straight", "ストレート" },
    { TicketKind::Box, "box", "ボックス" },
    { TicketKind::Set, "set", "セット" },
    { TicketKind::Mini, "mini", "ミニ" },
};
constexpr KindName kNumbers4Kinds[] = {
    { TicketKind::Straight, "straight", "ストレート" },
    { TicketKind::Box, "box", "ボックス" },
    { TicketKind::Set, "set", "セット" },
};
constexpr KindName kMiniLotoKinds[] = { { TicketKind::MiniLoto, "ticket", "ミニロト" } };

// What the money needs to know of a draw.
struct Shape {
    bool judged = false;   // a draw the payouts can be read against
    bool allEqual = false; // Numbers: every digit the same
    int orderings = 0;     // Numbers: the distinct orderings of the digits
};

Shape shapeOf(Game game, const Draw& draw)
{
    if (game == Game::MiniLoto) {
        // Chance's counts hold for five distinct numbers from 1 to 31 only.
        std::uint32_t numbers = 0;
        for (const int n : draw.numbers) {
            if (n < 1 || n > 31 || (numbers >> n) & 1u)
                return {};
            numbers |= 1u << n;
        }
        return { true, false, 0 };
    }
    if (!isScorable(game, draw))
        return {};
    const int orderings = chanceNumerators(game, Ticket { draw.numbers })[1];
    return { true, orderings == 1, orderings };
}

bool hasKind(Game game, TicketKind kind)
{
    const std::span<const KindName> kinds = ticketKinds(game);
    return std::any_of(kinds.begin(), kinds.end(), [kind](const KindName& k) { return k.kind == kind; });
}

bool allDigitsEqual(Game game, const Ticket& ticket)
{
    const auto digits = std::span(ticket.numbers).first(game == Game::Numbers3 ? 3 : 4);
    return std::all_of(digits.begin(), digits.end(), [&](int d) { return d == digits[0]; });
}

// A kind of the game: whether the ticket is sold in it.
bool sold(Game game, TicketKind kind, const Ticket& ticket)
{
    return (kind != TicketKind::Box && kind != TicketKind::Set) || !allDigitsEqual(game, ticket);
}

// A kind of the game: whether the draw's payouts tell what its tickets win.
bool known(TicketKind kind, const Shape& shape, const DrawPayout* payout)
{
    if (!payout || !shape.judged)
        return false;
    switch (kind) {
    case TicketKind::Straight:
        return payout->has(kStraightYen);
    case TicketKind::Box:
        return shape.allEqual || payout->has(kBoxYen);
    case TicketKind::Set:
        return shape.allEqual || (payout->has(kSetStraightYen) && payout->has(kSetBoxYen));
    case TicketKind::Mini:
        return payout->has(kMiniYen);
    case TicketKind::MiniLoto:
        return payout->has(kPrize1Yen) && payout->has(kPrize1Yen + 1) && payout->has(kPrize1Yen + 2)
            && payout->has(kPrize1Yen + 3);
    }
    return false;
}

// A known kind: what a ticket sold in it wins, by the most valuable class it
// won (index 4: none). Numbers' classes are straight, box and mini: a box
// that is no straight never holds the last two digits in order, so one class
// decides every kind. A Mini Loto ticket waiting for its bonus holds class 3
// until then.
using Pays = std::array<Yen, 5>;

Pays paysOf(TicketKind kind, const Shape& shape, const DrawPayout& payout)
{
    const auto yen = [&payout](std::size_t k) -> Yen { return payout.amounts[k]; };
    switch (kind) {
    case TicketKind::Straight:
        return { yen(kStraightYen), 0, 0, 0, 0 };
    case TicketKind::Box:
        return shape.allEqual ? Pays {} : Pays { yen(kBoxYen), yen(kBoxYen), 0, 0, 0 };
    case TicketKind::Set:
        return shape.allEqual ? Pays {} : Pays { yen(kSetStraightYen), yen(kSetBoxYen), 0, 0, 0 };
    case TicketKind::Mini:
        return { yen(kMiniYen), 0, yen(kMiniYen), 0, 0 };
    case TicketKind::MiniLoto:
        return { yen(kPrize1Yen), yen(kPrize1Yen + 1), yen(kPrize1Yen + 2), yen(kPrize1Yen + 3), 0 };
    }
    return {};
}

Yen wonWith(const Pays& pays, ClassSet classes)
{
    return pays[static_cast<std::size_t>(std::countr_zero((classes & 15u) | 16u))];
}

// A known kind: the sum of what every ticket it sells wins, over the count of
// those tickets in chanceDenominator() terms.
Yen chanceOf(TicketKind kind, const Shape& shape, const DrawPayout& payout)
{
    const auto yen = [&payout](std::size_t k) -> Yen { return payout.amounts[k]; };
    switch (kind) {
    case TicketKind::Straight:
        return yen(kStraightYen);
    case TicketKind::Box:
        return shape.allEqual ? 0 : shape.orderings * yen(kBoxYen);
    case TicketKind::Set:
        return shape.allEqual ? 0 : yen(kSetStraightYen) + (shape.orderings - 1) * yen(kSetBoxYen);
    case TicketKind::Mini:
        return yen(kMiniYen);
    case TicketKind::MiniLoto: {
        // The tickets of each class among all sets of five: 1, 5, 125, 3250.
        const std::array<int, kMaxClasses> tickets = chanceNumerators(Game::MiniLoto, Ticket {});
        Yen sum = 0;
        for (std::size_t c = 0; c < 4; ++c)
            sum += tickets[c] * yen(kPrize1Yen + c);
        return sum;
    }
    }
    return 0;
}

double rate(double won, Yen cost)
{
    return cost > 0 ? won / static_cast<double>(cost) : 0.0;
}

} // namespace

double nominalPayoutRate(Game)
{
    // Numbers' straight pays about 90,000 yen at 1 in 1,000; Mini Loto's
    // classes about 10,046,800, 144,300, 10,000 and 1,000 yen: 45% of the
    // 200 yen, and so for every kind.
    return 0.45;
}

std::span<const KindName> ticketKinds(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return kNumbers3Kinds;
    case Game::Numbers4:
        return kNumbers4Kinds;
    case Game::MiniLoto:
        return kMiniLotoKinds;
    }
    return {};
}

bool canBuy(Game game, TicketKind kind, const Ticket& ticket)
{
    return hasKind(game, kind) && sold(game, kind, ticket);
}

std::optional<Yen> winnings(
    Game game, TicketKind kind, const Ticket& ticket, const Draw& draw, const DrawPayout* payout)
{
    const Shape shape = shapeOf(game, draw);
    if (!hasKind(game, kind) || !known(kind, shape, payout))
        return std::nullopt;
    return wonWith(paysOf(kind, shape, *payout), classesWon(game, ticket, draw));
}

std::optional<Yen> chanceWinnings(Game game, TicketKind kind, const Draw& draw, const DrawPayout* payout)
{
    const Shape shape = shapeOf(game, draw);
    if (!hasKind(game, kind) || !known(kind, shape, payout))
        return std::nullopt;
    return chanceOf(kind, shape, *payout);
}

Yen chanceDenominator(Game game, TicketKind kind)
{
    const bool four = game == Game::Numbers4;
    switch (kind) {
    case TicketKind::Straight:
        return four ? 10000 : 1000;
    case TicketKind::Box:
    case TicketKind::Set:
        return four ? 9990 : 990;
    case TicketKind::Mini:
        return 100;
    case TicketKind::MiniLoto:
        return 169911;
    }
    return 1;
}

double KindMoney::returnRate() const
{
    return rate(static_cast<double>(won), cost());
}

double KindMoney::chanceReturnRate() const
{
    return rate(chanceWon(), cost());
}

void ExactYen::add(Yen more)
{
    // A draw adds at most five tickets of 3,381 times kLargestPayout (Mini
    // Loto) each.
    constexpr Yen kFoldAbove = Yen { 1 } << 60;
    numerator += more;
    if (numerator > kFoldAbove) {
        whole += numerator / denominator;
        numerator %= denominator;
    }
}

Yen ExactYen::rounded() const
{
    // The numerator is never negative: chances add what a ticket wins.
    const Yen remainder = numerator % denominator;
    return whole + numerator / denominator + (2 * remainder >= denominator ? 1 : 0);
}

double ExactYen::value(Yen less) const
{
    return static_cast<double>(whole - less) + static_cast<double>(numerator) / static_cast<double>(denominator);
}

Money::Money(Game game, Payouts payouts, bool keepBalances)
    : m_game(game)
    , m_payouts(payouts.game() == game ? std::move(payouts) : Payouts())
    , m_keepBalances(keepBalances)
    , m_kindCount(ticketKinds(game).size())
{
    for (std::size_t k = 0; k < m_kindCount; ++k) {
        m_kinds[k].kind = ticketKinds(game)[k].kind;
        m_kinds[k].chance.denominator = chanceDenominator(game, m_kinds[k].kind);
    }
}

void Money::add(const Draw& draw, std::span<const NumberedTicket> tickets, std::span<const ClassSet> won,
    std::optional<const DrawPayout*> given)
{
    const Shape shape = shapeOf(m_game, draw);
    const DrawPayout* payout = given ? *given : m_payouts.find(draw.kaisai, m_nextRow);
    const std::size_t count = std::min(tickets.size(), won.size());
    // Box and set are not sold for the tickets whose digits are all equal.
    const auto unsold
        = [&](std::size_t i) { return m_game != Game::MiniLoto && allDigitsEqual(m_game, tickets[i].ticket); };
    int unsoldCount = 0;
    ClassSet anyWon = 0;
    for (std::size_t i = 0; i < count; ++i) {
        unsoldCount += unsold(i);
        anyWon |= won[i];
    }
    for (std::size_t k = 0; k < m_kindCount; ++k) {
        KindMoney& money = m_kinds[k];
        if (!known(money.kind, shape, payout)) {
            if (money.drawsWithoutPayouts++ == 0)
                money.firstWithoutPayouts = draw.kaisai;
            money.lastWithoutPayouts = draw.kaisai;
            continue;
        }
        const bool boxOrSet = money.kind == TicketKind::Box || money.kind == TicketKind::Set;
        const int bought = static_cast<int>(count) - (boxOrSet ? unsoldCount : 0);
        money.tickets += bought;
        money.chance.add(bought * chanceOf(money.kind, shape, *payout));
        if (!anyWon)
            continue;
        const Pays pays = paysOf(money.kind, shape, *payout);
        for (std::size_t i = 0; i < count; ++i) {
            if (won[i] && !(boxOrSet && unsold(i)))
                money.won += wonWith(pays, won[i]);
        }
    }
    for (std::size_t i = 0; i < count && (anyWon & kBonusUndecided); ++i) {
        if (won[i] & kBonusUndecided) {
            // Mini Loto's one kind.
            const bool counted = known(TicketKind::MiniLoto, shape, payout);
            const Yen difference
                = counted ? Yen { payout->amounts[kPrize1Yen + 1] } - payout->amounts[kPrize1Yen + 2] : 0;
            m_pending.push_back({ m_steps, difference });
        }
    }
    if (m_keepBalances) {
        for (std::size_t k = 0; k < m_kindCount; ++k) {
            const Yen cost = m_kinds[k].cost();
            m_balances[k].push_back({ draw.kaisai, m_kinds[k].won - cost, m_kinds[k].chance.value(cost) });
        }
    }
    ++m_steps;
}

void Money::settleBonuses(std::span<const std::size_t> withBonus)
{
    std::vector<std::size_t> promoted(withBonus.begin(), withBonus.end());
    std::sort(promoted.begin(), promoted.end());
    promoted.erase(std::unique(promoted.begin(), promoted.end()), promoted.end());
    // Each difference moves the balances from its draw on.
    std::vector<Balance>& balances = m_balances[0];
    Yen offset = 0;
    std::size_t step = 0;
    for (const std::size_t index : promoted) {
        if (index >= m_pending.size())
            break;
        const Pending& pending = m_pending[index];
        m_kinds[0].won += pending.difference;
        for (; step < pending.step && step < balances.size(); ++step)
            balances[step].balance += offset;
        offset += pending.difference;
    }
    for (; step < balances.size(); ++step)
        balances[step].balance += offset;
    m_pending.clear();
}

std::span<const KindMoney> Money::kinds() const
{
    return std::span(m_kinds).first(m_kindCount);
}

std::span<const Balance> Money::balances(std::size_t kind) const
{
    return kind < m_kindCount ? std::span<const Balance>(m_balances[kind]) : std::span<const Balance>();
}

} // namespace zelpo::analysis
