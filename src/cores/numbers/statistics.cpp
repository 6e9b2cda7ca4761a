// SPDX-License-Identifier: MIT
#include "cores/numbers/statistics.h"

namespace zelpo::numbers {

DigitCounts::DigitCounts(int positions)
    : m_positions(positions < 1         ? 1
            : positions > kMaxPositions ? kMaxPositions
                                        : positions)
{
}

bool DigitCounts::add(std::span<const int> digits)
{
    if (static_cast<int>(digits.size()) != m_positions)
        return false;
    for (const int digit : digits) {
        if (digit < 0 || digit > 9)
            return false;
    }
    // Stored most significant first; rows are numbered from the right.
    for (int row = 0; row < m_positions; ++row)
        ++m_rows[static_cast<std::size_t>(row)]
                [static_cast<std::size_t>(digits[digits.size() - 1 - static_cast<std::size_t>(row)])];
    ++m_draws;
    return true;
}

int DigitCounts::count(int row, int digit) const
{
    if (row < 0 || row >= m_positions || digit < 0 || digit > 9)
        return 0;
    return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(digit)];
}

const std::array<StatisticsColumn, 11>& statisticsColumns()
{
    static constexpr std::array<StatisticsColumn, 11> kColumns {
        StatisticsColumn { "桁数", 91 },
        { "0", 50 },
        { "1", 50 },
        { "2", 50 },
        { "3", 50 },
        { "4", 50 },
        { "5", 50 },
        { "6", 50 },
        { "7", 50 },
        { "8", 50 },
        { "9", 50 },
    };
    return kColumns;
}

std::vector<std::vector<std::string>> statisticsRows(const DigitCounts& counts)
{
    static constexpr std::string_view kLabels[DigitCounts::kMaxPositions]
        = { " 一桁目", " 二桁目", " 三桁目", " 四桁目" };
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<std::size_t>(counts.positions()));
    for (int row = 0; row < counts.positions(); ++row) {
        std::vector<std::string> cells;
        cells.reserve(11);
        cells.emplace_back(kLabels[row]);
        for (int digit = 0; digit < 10; ++digit)
            cells.push_back(std::to_string(counts.count(row, digit)));
        rows.push_back(std::move(cells));
    }
    return rows;
}

} // namespace zelpo::numbers
