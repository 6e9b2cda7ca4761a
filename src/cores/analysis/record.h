// SPDX-License-Identifier: MIT
// The score of a set of tickets, built one ticket at a time: per class the
// hits and the expected hits, the winning tickets, and (for the chart) what
// each scored draw added.
#pragma once

#include "cores/analysis/hits.h"
#include "cores/analysis/money.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace zelpo::analysis {

struct ClassScore {
    int hits = 0;
    double expected = 0; // the sum of the tickets' chances

    // Hits over expected; nothing when nothing was expected.
    std::optional<double> ratio() const;
    // The chance of at least this many hits (Poisson upper tail).
    double p() const;
};

// One winning ticket.
struct Hit {
    int draw = 0;
    int prediction = 0; // counted from 1
    std::string ticket; // as it was written
    ClassSet classes = 0;
};

// The text of a prediction, asked for only when it won.
using PredictionText = std::function<std::string(int prediction)>;

// What one scored draw added to each class.
struct Step {
    int draw = 0;
    std::array<int, kMaxClasses> hits {};
    std::array<double, kMaxClasses> expected {};
};

class Record {
public:
    // With payouts the money is counted as well (no rows at all: every draw
    // is one without payouts); with steps, its balances too.
    explicit Record(Game game, bool keepSteps = false, const Payouts* payouts = nullptr);

    Game game() const { return m_game; }
    int draws() const { return m_draws; }
    int tickets() const { return m_tickets; }
    std::optional<int> first() const { return m_first; }
    std::optional<int> last() const { return m_last; }
    // One per class of the game, in the order of hitClasses().
    std::span<const ClassScore> classes() const;
    const std::vector<Hit>& hits() const { return m_hits; }
    // Empty unless asked for: one entry per scored draw, in order.
    const std::vector<Step>& steps() const { return m_steps; }
    // Null unless payouts were given.
    const Money* money() const { return m_money ? &*m_money : nullptr; }

    // Scores the tickets against a scorable draw. The draw counts as scored
    // when it has tickets or when `countEmpty`. `payout`: see Money::add().
    void score(const Draw& draw, std::span<const NumberedTicket> tickets, const PredictionText& textOf, bool countEmpty,
        std::optional<const DrawPayout*> payout = std::nullopt);

    // Mini Loto draws scored with kBonusUnread whose bonus decides between
    // class 2 and 3 (draw number, occurrence), in draw order.
    std::vector<std::pair<int, int>> undecidedDraws() const;
    // Decides them with their bonuses, in the order undecidedDraws() gave.
    void settleBonuses(std::span<const int> bonuses);

private:
    Game m_game;
    bool m_keepSteps;
    int m_draws = 0;
    int m_tickets = 0;
    std::optional<int> m_first;
    std::optional<int> m_last;
    std::array<ClassScore, kMaxClasses> m_classes {};
    std::array<long long, kMaxClasses> m_chanceSums {}; // in chanceDenominator(), exact
    std::vector<Hit> m_hits;
    std::vector<Step> m_steps;
    std::optional<Money> m_money;
    struct Undecided {
        std::size_t hit;
        std::size_t step; // or SIZE_MAX without steps
        int occurrence;
    };
    std::vector<Undecided> m_undecided;
};

// The hits a kind's winnings come from, as the 当たり page counts them:
// straight and mini their own class, box and set the box class (which holds
// the straights too), a Mini Loto ticket its four classes together (a sum of
// Poisson counts, tested as one).
ClassScore scoreBehind(const Record& record, TicketKind kind);

// The hit check of stored predictions, one draw at a time in draw order:
// `stored` holds the texts kept with the draw (Numbers kounyu1..kounyu5,
// Mini Loto kounyu2..kounyu5). Draws that are not scorable are skipped; a
// draw counts when it holds at least one ticket.
void checkStored(Record& record, const Draw& draw, std::span<const std::string> stored);

} // namespace zelpo::analysis
