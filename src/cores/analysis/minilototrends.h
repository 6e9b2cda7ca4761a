// SPDX-License-Identifier: MIT
// The trends of ミニロト (five of 1-31; the bonus number is not used),
// tallied one draw at a time: numbers, gaps, sums, odd_even, high_low,
// consecutive, pulls and pairs.
#pragma once

#include "cores/analysis/trends.h"

#include <array>
#include <cstdint>
#include <span>

namespace zelpo::analysis {

class MinilotoTrendTally {
public:
    // Whether add() takes the draw: five different numbers from 1 to 31.
    static bool accepts(const std::array<int, 5>& draw);
    // The five numbers of the next draw, in any order. A draw it does not
    // accept is left out as if it were not stored.
    void add(const std::array<int, 5>& draw);
    void addAll(std::span<const std::array<int, 5>> draws);

    // Every section, with the tests; first and last are left empty.
    Trends trends() const;

private:
    int m_draws = 0;
    std::array<int, 32> m_numbers {};
    std::array<int, 32> m_lastSeen {}; // 1-based index of the last draw holding it, 0: never
    std::array<int, 13> m_sums {};     // 15-24, 25-34, ..., 135-145
    std::array<int, 6> m_odd {};
    std::array<int, 6> m_high {};
    std::array<int, 2> m_consecutive {}; // with, without
    std::array<int, 6> m_pulls {};
    std::array<std::array<int, 32>, 32> m_pairs {}; // [smaller][larger]
    std::uint32_t m_previous = 0;                   // bit n: number n was drawn
};

// All sections over the window `draws` (oldest first).
Trends minilotoTrends(std::span<const std::array<int, 5>> draws);

} // namespace zelpo::analysis
