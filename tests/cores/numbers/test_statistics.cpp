// SPDX-License-Identifier: MIT
#include "cores/numbers/statistics.h"

#include <gtest/gtest.h>

#include <random>

using zelpo::numbers::DigitCounts;
using zelpo::numbers::statisticsRows;

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string> row(const char* label, std::initializer_list<int> counts)
{
    std::vector<std::string> cells { label };
    for (const int count : counts)
        cells.push_back(std::to_string(count));
    return cells;
}

} // namespace

TEST(DigitStatistics, AnEmptyTableShowsZerosInEveryRow)
{
    EXPECT_EQ(statisticsRows(DigitCounts(3)),
        (Rows { row(" 一桁目", { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }), row(" 二桁目", { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }),
            row(" 三桁目", { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }) }));
    EXPECT_EQ(statisticsRows(DigitCounts(4)).size(), 4u);
}

TEST(DigitStatistics, PositionsAreNumberedFromTheRight)
{
    DigitCounts numbers3(3);
    EXPECT_TRUE(numbers3.add(std::array { 3, 0, 7 }));
    EXPECT_EQ(statisticsRows(numbers3),
        (Rows { row(" 一桁目", { 0, 0, 0, 0, 0, 0, 0, 1, 0, 0 }), row(" 二桁目", { 1, 0, 0, 0, 0, 0, 0, 0, 0, 0 }),
            row(" 三桁目", { 0, 0, 0, 1, 0, 0, 0, 0, 0, 0 }) }));

    DigitCounts numbers4(4);
    EXPECT_TRUE(numbers4.add(std::array { 0, 1, 2, 3 }));
    EXPECT_EQ(statisticsRows(numbers4),
        (Rows { row(" 一桁目", { 0, 0, 0, 1, 0, 0, 0, 0, 0, 0 }), row(" 二桁目", { 0, 0, 1, 0, 0, 0, 0, 0, 0, 0 }),
            row(" 三桁目", { 0, 1, 0, 0, 0, 0, 0, 0, 0, 0 }), row(" 四桁目", { 1, 0, 0, 0, 0, 0, 0, 0, 0, 0 }) }));
}

TEST(DigitStatistics, EveryRowSumsToTheDrawsCounted)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digit(0, 9);
    DigitCounts counts(4);
    for (int i = 0; i < 1234; ++i)
        counts.add(std::array { digit(random), digit(random), digit(random), digit(random) });
    // Draws that are not four digits 0..9 stay out of every row.
    EXPECT_FALSE(counts.add(std::array { 1, 2, 10, 4 }));
    EXPECT_FALSE(counts.add(std::array { -1, 2, 3, 4 }));
    EXPECT_FALSE(counts.add(std::array { 1, 2, 3 }));
    ASSERT_EQ(counts.draws(), 1234);
    for (const auto& cells : statisticsRows(counts)) {
        int sum = 0;
        for (std::size_t d = 1; d < cells.size(); ++d)
            sum += std::stoi(cells[d]);
        EXPECT_EQ(sum, 1234) << cells[0];
    }
}

TEST(DigitStatistics, ColumnsOfTheList)
{
    const auto& columns = zelpo::numbers::statisticsColumns();
    EXPECT_EQ(columns[0].header, "桁数");
    EXPECT_EQ(columns[0].width, 91);
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(columns[static_cast<std::size_t>(d + 1)].header, std::to_string(d));
        EXPECT_EQ(columns[static_cast<std::size_t>(d + 1)].width, 50);
    }
}
