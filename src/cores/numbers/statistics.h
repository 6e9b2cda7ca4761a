// SPDX-License-Identifier: MIT
// How often each digit has been drawn in each position, as the Numbers 3 and
// Numbers 4 windows show it: one row per position, units first, ten counts.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelpo::numbers {

class DigitCounts {
public:
    static constexpr int kMaxPositions = 4;

    // `positions` is 3 for Numbers 3 and 4 for Numbers 4.
    explicit DigitCounts(int positions);

    // Counts one draw, digits as stored, most significant first (N100, N10, N1).
    // A draw with a digit outside 0..9, or with the wrong number of digits, is
    // left out as a whole and false is returned, so that every row still sums
    // to draws().
    bool add(std::span<const int> digits);

    int positions() const { return m_positions; }
    int draws() const { return m_draws; }
    // Row 0 is the units digit, the last row the most significant one.
    int count(int row, int digit) const;

private:
    int m_positions;
    int m_draws = 0;
    std::array<std::array<std::int32_t, 10>, kMaxPositions> m_rows {};
};

struct StatisticsColumn {
    std::string_view header;
    int width; // pixels
};

// The eleven columns of the statistics list: "桁数", then "0" to "9"; all centred.
const std::array<StatisticsColumn, 11>& statisticsColumns();
inline constexpr int kStatisticsAlignment = 2;

// The rows as shown: the label (" 一桁目", " 二桁目", ...) then the ten counts
// in decimal, units row first.
std::vector<std::vector<std::string>> statisticsRows(const DigitCounts& counts);

} // namespace zelpo::numbers
