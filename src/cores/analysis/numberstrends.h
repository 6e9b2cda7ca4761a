// SPDX-License-Identifier: MIT
// The trends of ナンバーズ3 and 4, tallied one draw at a time: digits, gaps,
// sums, patterns, odd_even, high_low and pulls.
#pragma once

#include "cores/analysis/trends.h"

#include <array>
#include <cstddef>
#include <span>

namespace zelpo::analysis {

template <std::size_t D>
class NumbersTrendTally {
public:
    // Whether add() takes the draw: every place holds a digit 0-9.
    static bool accepts(const std::array<int, D>& draw);
    // The digits of the next draw, leftmost first. A draw it does not accept
    // is left out as if it were not stored.
    void add(const std::array<int, D>& draw);
    void addAll(std::span<const std::array<int, D>> draws);

    // Every section, with the tests; first and last are left empty.
    Trends trends() const;

private:
    static constexpr std::size_t kPatterns = D == 3 ? 3 : 5;

    int m_draws = 0;
    std::array<std::array<int, 10>, D> m_digits {};
    std::array<std::array<int, 10>, D> m_lastSeen {}; // 1-based index of the last draw holding it, 0: never
    std::array<int, 9 * D + 1> m_sums {};
    std::array<int, kPatterns> m_patterns {};
    std::array<int, D + 1> m_odd {};
    std::array<int, D + 1> m_high {};
    std::array<int, D + 1> m_pulls {};
    std::array<int, D> m_previous {};
};

extern template class NumbersTrendTally<3>;
extern template class NumbersTrendTally<4>;

// All sections over the window `draws` (oldest first).
Trends numbersTrends(std::span<const std::array<int, 3>> draws);
Trends numbersTrends(std::span<const std::array<int, 4>> draws);

} // namespace zelpo::analysis
