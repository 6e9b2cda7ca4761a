// SPDX-License-Identifier: MIT
// What the tickets would have cost and paid against what chance pays: the
// kinds a ticket can be bought in, what one ticket of a kind wins on a draw
// from the draw's published payouts, what a uniformly random ticket of the
// kind wins there on average, and the money of a set of tickets counted draw
// by draw beside chance's.
#pragma once

#include "cores/analysis/hits.h"
#include "cores/analysis/payouts.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zelpo::analysis {

inline constexpr Yen kTicketPrice = 200;

// The share of the sales the game's rules pay back as prizes, as a reference
// beside the returns.
double nominalPayoutRate(Game game);

enum class TicketKind { Straight, Box, Set, Mini, MiniLoto };

// A kind as the command line names it ("straight", "ticket") and as the
// window shows it.
struct KindName {
    TicketKind kind;
    std::string_view name;
    std::string_view label;
};

// The game's kinds in the order the reports list them: Numbers 3 straight,
// box, set, mini; Numbers 4 straight, box, set; Mini Loto ticket.
std::span<const KindName> ticketKinds(Game game);

// Whether the game sells the ticket in the kind: box and set are not sold
// for a ticket whose digits are all equal.
bool canBuy(Game game, TicketKind kind, const Ticket& ticket);

// What one ticket the kind sells wins on a scorable draw: straight wins
// `straight` for the digits in order; box wins `box` for the digits in any
// order; set wins `set_straight` in order, else `set_box` in any order; mini
// wins `mini` for the last two digits in order; Mini Loto wins prize1 to
// prize4 for classes 1 to 4. Box and set win nothing on a draw whose digits
// are all equal. Nothing when the payouts leave it unknown: the draw has no
// row (null), or a NULL the kind can win.
std::optional<Yen> winnings(
    Game game, TicketKind kind, const Ticket& ticket, const Draw& draw, const DrawPayout* payout);

// What a ticket drawn uniformly from those the kind sells wins on the draw on
// average, as a whole number of chanceDenominator(); nothing when unknown.
std::optional<Yen> chanceWinnings(Game game, TicketKind kind, const Draw& draw, const DrawPayout* payout);
// The count of tickets the kind sells: 1,000 (10,000) for straight, 990
// (9,990) for box and set, 100 for mini (each of its 1,000 tickets shares
// its last two digits with nine others), 169,911 for Mini Loto.
Yen chanceDenominator(Game game, TicketKind kind);

// A sum of yen in fractions of one denominator, kept exactly: whole yen, and
// a numerator folded into them before it could overflow.
struct ExactYen {
    Yen denominator = 1;
    Yen whole = 0;
    Yen numerator = 0;

    void add(Yen numerator);
    // The sum less `yen`, as a double only now.
    double value(Yen less = 0) const;
    // The sum to the yen, a half rounded up: what a person rounding the
    // exact figure writes, the same in the window and on the command line.
    Yen rounded() const;
};

// The money of one kind.
struct KindMoney {
    TicketKind kind = TicketKind::Straight;
    int tickets = 0;
    Yen won = 0;
    ExactYen chance;             // what as many random tickets of the kind win on the same draws
    int drawsWithoutPayouts = 0; // draws left out: the payouts leave the kind unknown
    int firstWithoutPayouts = 0; // the first and last of them (0 when none)
    int lastWithoutPayouts = 0;

    Yen cost() const { return kTicketPrice * tickets; }
    double chanceWon() const { return chance.value(); }
    Yen chanceWonYen() const { return chance.rounded(); }
    // Won over cost; 0 when nothing was bought.
    double returnRate() const;
    double chanceReturnRate() const;
};

// The balance of one kind after a draw: won - cost, and chance's expected
// won - cost.
struct Balance {
    int draw = 0;
    Yen balance = 0;
    double chanceBalance = 0;
};

class Money {
public:
    // Payouts given for another game count as none.
    Money(Game game, Payouts payouts, bool keepBalances = false);

    // Counts the tickets of a scored draw; `won` holds the classes each won
    // (DrawMatcher). A Mini Loto ticket still waiting for its bonus counts as
    // class 3 until settleBonuses(). `payout`, when given, is the draw's row
    // as a reader found it with the draw (null: none), in place of the row
    // the payouts hold for it.
    void add(const Draw& draw, std::span<const NumberedTicket> tickets, std::span<const ClassSet> won,
        std::optional<const DrawPayout*> payout = std::nullopt);

    // The tickets add() saw with kBonusUndecided, counted from 0 in the order
    // they came: those listed won class 2, the others class 3.
    void settleBonuses(std::span<const std::size_t> withBonus);

    // One per kind of the game, in the order of ticketKinds().
    std::span<const KindMoney> kinds() const;
    // Empty unless asked for: one entry per draw added, for kinds()[kind].
    std::span<const Balance> balances(std::size_t kind) const;

private:
    struct Pending {
        std::size_t step; // the draw's entry among the balances
        Yen difference;   // prize2 - prize3, or 0 when the draw was left out
    };

    Game m_game;
    Payouts m_payouts;
    std::size_t m_nextRow = 0; // where the next draw's row is looked for first
    bool m_keepBalances;
    std::size_t m_kindCount;
    std::array<KindMoney, 4> m_kinds {};
    std::array<std::vector<Balance>, 4> m_balances;
    std::size_t m_steps = 0;
    std::vector<Pending> m_pending;
};

} // namespace zelpo::analysis
