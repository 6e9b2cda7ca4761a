// SPDX-License-Identifier: MIT
// The Numbers 4 prediction: the digit chains over four positions, with its
// own way of combining the choices.
#pragma once

#include "cores/numbers/digitchains.h"

#include <array>
#include <span>
#include <string>

namespace zelpo::numbers4 {

using Digits = std::array<int, 4>; // thousands, hundreds, tens, units
using Predictions = numbers::Predictions;

// With T, H, t, U the choices of thousands, hundreds, tens and units:
// T1H1t1U1, T2H2t2U2, T3H3t3U3, then the mixed T2H1t2U1 and T3H2t3U2.
Predictions compose(const numbers::DigitChains<4>& chains);

// The same five predictions as digits (compose() writes them out), for work
// that needs no texts: a backtest predicts every draw of the history.
using PredictedDigits = std::array<Digits, 5>;
PredictedDigits composeDigits(const numbers::DigitChains<4>& chains);

// Feeds draws one at a time, oldest first, so that a reader need not keep them.
class Predictor {
public:
    void add(const Digits& draw) { m_chains.add(draw); }
    void addAll(std::span<const Digits> draws) { m_chains.addAll(draws); }
    Predictions result() const { return compose(m_chains); }
    PredictedDigits digits() const { return composeDigits(m_chains); }

private:
    numbers::DigitChains<4> m_chains;
};

// The five four-digit predictions for the draw after `history` (oldest first).
Predictions predict(std::span<const Digits> history);

} // namespace zelpo::numbers4
