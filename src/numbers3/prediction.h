// SPDX-License-Identifier: MIT
// The Numbers 3 prediction: each digit position is a chain of its own through
// the history; the three digits that most often followed the latest draw's
// digit in a position are that position's first, second and third choice.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zelpo::numbers3 {

// Per-position counts of which digit followed which in consecutive draws.
// Shared by the Numbers 3 and Numbers 4 predictions, which differ only in the
// number of positions and in how they combine the choices.
template <std::size_t Positions>
class DigitChains {
public:
    using Draw = std::array<int, Positions>; // digits in position order
    using Ranking = std::array<int, 3>;      // first, second, third choice

    // Takes the next draw. A draw with a digit outside 0..9 is left out as if
    // it were not stored, and false is returned.
    bool add(const Draw& draw);
    // The same as add() on each draw in turn.
    void addAll(std::span<const Draw> draws);

    // The digits that most often followed the latest draw's digit in
    // `position`, best first; equal counts go to the lower digit, a digit that
    // never followed takes no place, and an untaken place holds 0.
    Ranking ranking(std::size_t position) const;

private:
    using Table = std::array<std::array<std::int32_t, 10>, 10>; // [earlier digit][later digit]

    bool m_hasDraw = false;
    std::array<int, Positions> m_last {};
    std::array<Table, Positions> m_counts {};
};

extern template class DigitChains<3>;
extern template class DigitChains<4>;

using Digits = std::array<int, 3>; // hundreds, tens, units
using Predictions = std::array<std::string, 5>;

// Feeds draws one at a time, oldest first, so that a reader need not keep them.
class Predictor {
public:
    void add(const Digits& draw) { m_chains.add(draw); }
    void addAll(std::span<const Digits> draws) { m_chains.addAll(draws); }
    Predictions result() const;

private:
    DigitChains<3> m_chains;
};

// The five three-digit predictions for the draw after `history` (oldest first):
// the first, second and third choices of every position, then the tens
// choices in rank order, then the units choices in rank order.
Predictions predict(std::span<const Digits> history);

} // namespace zelpo::numbers3
