// SPDX-License-Identifier: MIT
// The Numbers 3 prediction: the digit chains over three positions, combined
// into five three-digit texts.
#pragma once

#include "cores/numbers/digitchains.h"

#include <array>
#include <span>
#include <string>

namespace zelpo::numbers3 {

using Digits = std::array<int, 3>; // hundreds, tens, units
using Predictions = numbers::Predictions;

// The five three-digit texts from the choices of every position: the first,
// second and third choices of every position, then the tens choices in rank
// order, then the units choices in rank order.
Predictions compose(const numbers::DigitChains<3>& chains);

// The same five predictions as digits (compose() writes them out), for work
// that needs no texts: a backtest predicts every draw of the history.
using PredictedDigits = std::array<Digits, 5>;
PredictedDigits composeDigits(const numbers::DigitChains<3>& chains);

// Feeds draws one at a time, oldest first, so that a reader need not keep them.
class Predictor {
public:
    void add(const Digits& draw) { m_chains.add(draw); }
    void addAll(std::span<const Digits> draws) { m_chains.addAll(draws); }
    Predictions result() const { return compose(m_chains); }
    PredictedDigits digits() const { return composeDigits(m_chains); }

private:
    numbers::DigitChains<3> m_chains;
};

// The five predictions for the draw after `history` (oldest first).
Predictions predict(std::span<const Digits> history);

} // namespace zelpo::numbers3
