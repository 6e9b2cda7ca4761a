// SPDX-License-Identifier: MIT
#include "cores/analysis/binomial.h"
#include "cores/analysis/chisquare.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

using namespace zelpo::analysis;

namespace {

struct MergeCase {
    const char* name;
    std::vector<double> expected;
    std::vector<double> mergedExpected;
};

class MergeTowardMiddle : public ::testing::TestWithParam<MergeCase> { };

TEST_P(MergeTowardMiddle, AddsSmallRowsInwardAndKeepsTheObservedWithThem)
{
    std::vector<Cell> cells;
    for (std::size_t i = 0; i < GetParam().expected.size(); ++i)
        cells.push_back({ static_cast<double>(i + 1), GetParam().expected[i] });
    const std::vector<Cell> merged = mergeTowardMiddle(cells);
    std::vector<double> expected;
    double observed = 0;
    for (const Cell& cell : merged) {
        expected.push_back(cell.expected);
        observed += cell.observed;
    }
    EXPECT_EQ(expected, GetParam().mergedExpected);
    EXPECT_EQ(observed, cells.size() * (cells.size() + 1) / 2.0);
}

INSTANTIATE_TEST_SUITE_P(Rows, MergeTowardMiddle,
    ::testing::Values(MergeCase { "nothing_small", { 5, 6, 7 }, { 5, 6, 7 } },
        MergeCase { "both_ends_into_neighbours", { 3, 4, 10, 10, 10, 4, 3 }, { 7, 10, 10, 10, 7 } },
        // What was added counts: 1 + 2 is still below 5 and goes on into the middle.
        MergeCase { "chains_to_the_middle", { 1, 2, 10, 2, 1 }, { 16 } },
        MergeCase { "even_rows_middle_is_the_lower_one", { 2, 8, 8, 2 }, { 10, 10 } },
        MergeCase { "small_middle_stays", { 10, 1, 10 }, { 10, 1, 10 } },
        MergeCase { "two_rows_first_is_the_middle", { 3, 20 }, { 3, 20 } },
        MergeCase { "two_rows_last_goes_into_first", { 20, 3 }, { 23 } },
        MergeCase { "five_is_not_below_five", { 4, 1, 0.5, 9, 9, 9, 9 }, { 5, 9.5, 9, 9, 9 } },
        MergeCase { "all_empty", { 0, 0, 0, 0 }, { 0 } }),
    [](const auto& info) { return info.param.name; });

// The chi-square tail in closed form, in long double: for even df a finite
// Poisson sum, for odd df erfc plus a finite sum.
long double closedFormTail(int df, long double x)
{
    const long double h = x / 2;
    if (df % 2 == 0) {
        long double term = std::exp(-h);
        long double sum = 0;
        for (int j = 0; j < df / 2; ++j) {
            sum += term;
            term *= h / (j + 1);
        }
        return sum;
    }
    long double sum = std::erfc(std::sqrt(h));
    long double term = std::exp(-h) * std::sqrt(h) * 2 / std::sqrt(std::numbers::pi_v<long double>);
    for (int j = 1; j <= (df - 1) / 2; ++j) {
        sum += term;
        term *= h / (j + 0.5L);
    }
    return sum;
}

TEST(ChiSquareTail, MatchesTheClosedFormsFromTheBodyToTheFarTail)
{
    for (const int df : { 1, 2, 3, 4, 9, 12, 27, 30, 31, 36 }) {
        for (const double x : { 0.01, 0.5, 1.0, df * 0.5, df - 1.0, df + 0.0, df + 1.0, df * 2.0, df + 60.0, 400.0 }) {
            if (x <= 0)
                continue;
            const long double want = closedFormTail(df, x);
            EXPECT_NEAR(chiSquareUpperTail(x, df) / static_cast<double>(want), 1.0, 1e-12) << "df " << df << " x " << x;
        }
    }
}

TEST(ChiSquareTail, GivesTheTabledCriticalValues)
{
    const std::vector<std::array<double, 3>> table { // x, df, p
        { 3.841458820694124, 1, 0.05 }, { 6.6348966010212145, 1, 0.01 }, { 5.991464547107979, 2, 0.05 },
        { 16.918977604620448, 9, 0.05 }, { 43.77297182574219, 30, 0.05 }, { 0, 9, 1 }, { -1, 9, 1 }
    };
    for (const auto& [x, df, p] : table)
        EXPECT_NEAR(chiSquareUpperTail(x, static_cast<int>(df)), p, 1e-7) << "df " << df << " x " << x;
}

TEST(PearsonTest, SumsOverMergedCellsScalesAndNeedsTwoCells)
{
    // (10 - 5)^2 / 5 + (0 - 5)^2 / 5 = 10 with one degree of freedom.
    const std::vector<Cell> two { { 10, 5 }, { 0, 5 } };
    EXPECT_NEAR(pearsonTest(two)->p, std::erfc(std::sqrt(5.0)), 1e-15);
    EXPECT_EQ(pearsonTest(two)->df, 1);
    EXPECT_DOUBLE_EQ(pearsonTest(two, 1.5)->statistic, 15);
    EXPECT_FALSE(pearsonTest(std::vector<Cell> { { 3, 20 }, { 1, 3 } }));          // one cell left
    EXPECT_FALSE(pearsonTest(std::vector<Cell> { { 5, 5 }, { 1, 0 }, { 5, 5 } })); // a middle expecting nothing
}

// P(X >= k) summed over the whole upper tail in long double.
long double binomialReference(int k, int n, long double p)
{
    long double term = std::pow(1 - p, static_cast<long double>(n));
    long double sum = 0;
    for (int j = 0; j <= n; ++j) {
        if (j >= k)
            sum += term;
        term *= (n - j) / (j + 1.0L) * p / (1 - p);
    }
    return sum;
}

TEST(BinomialTail, MatchesTheLongDoubleSumInBothTails)
{
    struct TailCase {
        int k;
        int n;
        double p;
    };
    for (const TailCase& c : { TailCase { 1, 10, 0.5 }, TailCase { 3, 3, 0.3 }, TailCase { 5, 1353, 2.0 / 93 },
             TailCase { 29, 1353, 2.0 / 93 }, TailCase { 45, 1353, 2.0 / 93 }, TailCase { 160, 7054, 2.0 / 93 },
             TailCase { 260, 7054, 2.0 / 93 }, TailCase { 800, 32767, 2.0 / 93 }, TailCase { 2, 3, 2.0 / 93 } }) {
        const long double want = binomialReference(c.k, c.n, c.p);
        EXPECT_NEAR(binomialUpperTail(c.k, c.n, c.p) / static_cast<double>(want), 1.0, 1e-12)
            << "k " << c.k << " n " << c.n;
    }
    EXPECT_EQ(binomialUpperTail(0, 0, 0.5), 1.0);
    EXPECT_EQ(binomialUpperTail(4, 3, 0.5), 0.0);
    EXPECT_EQ(binomialUpperTail(1, 3, 0.0), 0.0);
}

} // namespace
