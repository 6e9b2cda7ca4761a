// SPDX-License-Identifier: MIT
// The walk-forward backtest: every draw in turn is scored against the
// predictions the game's method made from the draws numbered before it, as
// the game window showed them just before that draw was registered. The
// method's counters are carried from draw to draw, so the whole history
// costs one pass.
#pragma once

#include "cores/analysis/record.h"
#include "cores/miniloto/prediction.h"
#include "cores/numbers3/prediction.h"
#include "cores/numbers4/prediction.h"

#include <optional>
#include <span>
#include <vector>

namespace zelpo::analysis {

class PredictionWalk {
public:
    explicit PredictionWalk(Game game);

    // The predictions for `draw` from every draw taken before it with a
    // lower number, or nothing when `draw` is no target: nothing earlier was
    // taken, or it holds a Numbers digit outside 0..9 (such a draw is never
    // taken into the history either). Draws come in ascending draw number;
    // draws sharing a number get the same predictions.
    std::span<const NumberedTicket> next(const Draw& draw);

    // The text of a prediction that next() gave last, as the window shows it.
    std::string text(int prediction) const;

private:
    void take(const Draw& draw);
    void predict();

    Game m_game;
    numbers3::Predictor m_numbers3;
    numbers4::Predictor m_numbers4;
    miniloto::History m_miniLoto;
    int m_taken = 0;
    std::vector<Draw> m_waiting; // draws of the current number, taken when the number changes
    std::array<NumberedTicket, 5> m_tickets;
    std::size_t m_ticketCount = 0;
    bool m_predictionsReady = false;
};

// Bounds of the target draw numbers, both inclusive.
struct Range {
    std::optional<int> from;
    std::optional<int> to;

    bool contains(int kaisai) const { return (!from || kaisai >= *from) && (!to || kaisai <= *to); }
};

class Backtest {
public:
    // Payouts: see Record.
    Backtest(Game game, Range range, bool keepSteps = false, const Payouts* payouts = nullptr);
    Backtest(const Backtest&) = delete;
    Backtest& operator=(const Backtest&) = delete;

    // Takes the next draw in ascending draw number (see PredictionWalk);
    // `payout`: see Money::add().
    void add(const Draw& draw, std::optional<const DrawPayout*> payout = std::nullopt);
    const Record& record() const { return m_record; }

private:
    PredictionWalk m_walk;
    Range m_range;
    Record m_record;
    PredictionText m_text; // of the walk's last predictions
};

Record backtest(
    Game game, std::span<const Draw> draws, Range range = {}, bool keepSteps = false, const Payouts* payouts = nullptr);

} // namespace zelpo::analysis
