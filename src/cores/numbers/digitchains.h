// SPDX-License-Identifier: MIT
// The digit chains behind both Numbers predictions: each digit position is a
// chain of its own through the history, and the digits that most often
// followed the latest draw's digit in a position are that position's first,
// second and third choice. The games differ only in the number of positions
// and in how they combine the choices into five texts.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zelpo::numbers {

// The five predicted texts of a Numbers game, each one digit per position.
using Predictions = std::array<std::string, 5>;

// Per-position counts of which digit followed which in consecutive draws.
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
    using Counts = std::array<std::int32_t, 10>; // how often each digit followed
    using Table = std::array<Counts, 10>;        // [earlier digit][later digit]
    // The ranking of one row of a table, kept as the row grows: a walk over
    // the history asks for one after every draw.
    struct Places {
        Ranking digits {};
        int taken = 0;
    };

    static void raise(Places& places, const Counts& counts, int digit);

    bool m_hasDraw = false;
    std::array<int, Positions> m_last {};
    std::array<Table, Positions> m_counts {};
    std::array<std::array<Places, 10>, Positions> m_places {};
};

extern template class DigitChains<3>;
extern template class DigitChains<4>;

} // namespace zelpo::numbers
