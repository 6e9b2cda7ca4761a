// SPDX-License-Identifier: MIT
#include "cores/analysis/binomial.h"
#include "cores/analysis/minilototrends.h"
#include "cores/analysis/numberstrends.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace zelpo::analysis;

namespace {

const TrendRow& rowOf(const Trends& trends, std::string_view section, std::string_view label)
{
    const std::vector<TrendRow>& rows = trends.section(section)->rows;
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const TrendRow& r) { return r.label == label; });
    return row != rows.end() ? *row : throw std::out_of_range(std::string(section) + ' ' + std::string(label));
}

template <std::size_t D>
std::vector<std::array<int, D>> everyNumber()
{
    std::vector<std::array<int, D>> all(D == 3 ? 1000 : 10000);
    for (std::size_t n = 0; n < all.size(); ++n) {
        for (std::size_t position = 0, rest = n; position < D; ++position, rest /= 10)
            all[n][D - 1 - position] = static_cast<int>(rest % 10);
    }
    return all;
}

std::vector<std::array<int, 5>> everySet()
{
    std::vector<std::array<int, 5>> all;
    for (int a = 1; a <= 31; ++a)
        for (int b = a + 1; b <= 31; ++b)
            for (int c = b + 1; c <= 31; ++c)
                for (int d = c + 1; d <= 31; ++d)
                    for (int e = d + 1; e <= 31; ++e)
                        all.push_back({ a, b, c, d, e });
    return all;
}

using Dfs = std::vector<std::pair<std::string, int>>;

// With every outcome drawn once, each count is the brute-force count of that
// outcome, which an exact expectation must equal (pulls aside: they count
// what follows what). Gives every test's section/label and df.
Dfs expectCountsAreExpected(const Trends& trends)
{
    Dfs dfs;
    for (const TrendSection& section : trends.sections) {
        if (section.name != "pulls" && section.name != "gaps") {
            for (const TrendRow& row : section.rows)
                EXPECT_NEAR(row.expected, row.observed, 1e-9 * row.observed) << section.name << ' ' << row.label;
        }
        for (const TrendTest& test : section.tests)
            dfs.emplace_back(section.name + '/' + test.label, test.df);
    }
    return dfs;
}

// The pulls' shares beside the brute-force share of each count of repeats
// of `previous` among all outcomes.
template <class Draw, class Repeats>
void expectPullShares(const Trends& trends, const std::vector<Draw>& all, const Draw& previous, Repeats repeats)
{
    std::vector<double> counts(previous.size() + 1);
    for (const Draw& draw : all)
        ++counts[static_cast<std::size_t>(repeats(previous, draw))];
    for (std::size_t k = 0; k < counts.size(); ++k) {
        EXPECT_NEAR(rowOf(trends, "pulls", std::to_string(k)).expected / (trends.draws - 1),
            counts[k] / static_cast<double>(all.size()), 1e-15)
            << "repeats " << k;
    }
}

template <std::size_t D>
void expectNumbersExpectations(const Dfs& dfs)
{
    const auto all = everyNumber<D>();
    const Trends trends = numbersTrends(all);
    EXPECT_EQ(expectCountsAreExpected(trends), dfs);
    const auto samePositions = [](const std::array<int, D>& a, const std::array<int, D>& b) {
        return std::inner_product(a.begin(), a.end(), b.begin(), 0, std::plus<>(), std::equal_to<>());
    };
    expectPullShares(trends, all, std::array<int, D> { 3, 1, 4 }, samePositions);
}

// The degrees of freedom worked out by hand: with one draw per outcome, the
// rarest sums (1 and 3 ways; 1 way for Numbers 4) merge inward, and the
// pulls of every position (0.999 expected) join the row before.
TEST(TrendExpectations, NumbersAreTheCountsOverAllNumbers)
{
    expectNumbersExpectations<3>({ { "digits/1", 9 }, { "digits/2", 9 }, { "digits/3", 9 }, { "sums/sums", 23 },
        { "patterns/patterns", 2 }, { "odd_even/odd_even", 3 }, { "high_low/high_low", 3 }, { "pulls/pulls", 2 } });
    expectNumbersExpectations<4>(
        { { "digits/1", 9 }, { "digits/2", 9 }, { "digits/3", 9 }, { "digits/4", 9 }, { "sums/sums", 34 },
            { "patterns/patterns", 4 }, { "odd_even/odd_even", 4 }, { "high_low/high_low", 4 }, { "pulls/pulls", 3 } });
}

TEST(TrendExpectations, MinilotoAreTheCountsOverAllSets)
{
    const auto all = everySet();
    ASSERT_EQ(all.size(), 169911u);
    const Trends trends = minilotoTrends(all);
    EXPECT_EQ(expectCountsAreExpected(trends),
        (Dfs { { "numbers/numbers", 30 }, { "sums/sums", 12 }, { "odd_even/odd_even", 5 }, { "high_low/high_low", 5 },
            { "consecutive/consecutive", 1 }, { "pulls/pulls", 4 } }));
    expectPullShares(trends, all, std::array<int, 5> { 1, 2, 3, 4, 5 }, [](const auto& a, const auto& b) {
        return std::count_if(a.begin(), a.end(), [&](int n) { return std::find(b.begin(), b.end(), n) != b.end(); });
    });
    // Every pair is in C(29, 3) sets: the top ten are a tie, smaller pairs first.
    const TrendSection& pairs = *trends.section("pairs");
    EXPECT_EQ(pairs.rows.front().label, "1-2");
    EXPECT_EQ(pairs.rows.back().label, "1-11");
    EXPECT_EQ(pairs.rows.back().observed, 3654);
}

// A row's count and, for gaps and pairs, its p.
struct RowCase {
    std::string section;
    std::string label;
    int observed;
    std::optional<double> p = std::nullopt;
};

void expectRows(const Trends& trends, const std::vector<RowCase>& cases)
{
    for (const RowCase& c : cases) {
        const TrendRow& row = rowOf(trends, c.section, c.label);
        EXPECT_EQ(row.observed, c.observed) << c.section << ' ' << c.label;
        EXPECT_NEAR(row.p.value_or(-1), c.p.value_or(-1), 1e-15) << c.section << ' ' << c.label;
    }
}

TEST(TrendSections, Numbers3OnAShortHistory)
{
    const std::vector<std::array<int, 3>> history { { 1, 2, 3 }, { 1, 2, 1 }, { 9, 9, 9 }, { 1, 2, 0 } };
    const Trends trends = numbersTrends(history);
    EXPECT_EQ(trends.game, "numbers3");
    EXPECT_EQ(trends.draws, 4);
    expectRows(trends,
        { { "digits", "1:1", 3 }, { "digits", "1:9", 1 }, { "digits", "3:0", 1 }, { "gaps", "1:1", 0, 1.0 },
            { "gaps", "1:9", 1, 0.9 }, { "gaps", "3:1", 2, 0.81 }, { "gaps", "3:3", 3, 0.729 },
            { "gaps", "1:0", 4, 0.6561 }, // never drawn: |W|
            { "sums", "3", 1 }, { "sums", "5", 0 }, { "sums", "6", 1 }, { "sums", "27", 1 },
            { "patterns", "single", 2 }, { "patterns", "double", 1 }, { "patterns", "triple", 1 },
            { "odd_even", "0", 0 }, { "odd_even", "2", 2 }, { "odd_even", "3", 1 }, { "high_low", "0", 3 },
            { "high_low", "3", 1 }, { "pulls", "0", 2 }, { "pulls", "2", 1 } });
    EXPECT_EQ(rowOf(trends, "gaps", "2:5").expected, 10);
    EXPECT_DOUBLE_EQ(rowOf(trends, "pulls", "2").expected, 3 * 0.027); // over |W| - 1 draws
    for (const TrendSection& section : trends.sections)
        EXPECT_TRUE(section.tests.empty()) << section.name << ": too few draws for a test";
}

TEST(TrendSections, MinilotoOnAShortHistory)
{
    // The second draw comes unsorted: order within a draw does not matter.
    const std::vector<std::array<int, 5>> history { { 1, 2, 3, 4, 5 }, { 31, 20, 17, 3, 1 }, { 2, 3, 16, 30, 31 } };
    const Trends trends = minilotoTrends(history);
    EXPECT_EQ(trends.game, "miniloto");
    const double twice = binomialUpperTail(2, 3, 20 / 930.0);
    const double once = binomialUpperTail(1, 3, 20 / 930.0);
    expectRows(trends,
        { { "numbers", "3", 3 }, { "numbers", "1", 2 }, { "numbers", "6", 0 }, { "gaps", "3", 0, 1.0 },
            { "gaps", "1", 1, 26 / 31.0 }, { "gaps", "4", 2, 676 / 961.0 }, { "gaps", "6", 3, std::pow(26 / 31.0, 3) },
            { "sums", "15-24", 1 }, { "sums", "65-74", 1 }, { "sums", "75-84", 1 }, { "odd_even", "2", 1 },
            { "odd_even", "3", 1 }, { "odd_even", "4", 1 }, { "high_low", "0", 1 }, { "high_low", "3", 2 },
            { "consecutive", "with", 2 }, { "consecutive", "without", 1 }, { "pulls", "2", 2 }, { "pulls", "0", 0 } });
    EXPECT_DOUBLE_EQ(rowOf(trends, "gaps", "9").expected, 6.2);
    std::vector<RowCase> pairs;
    for (const char* label : { "1-3", "2-3", "3-31" })
        pairs.push_back({ "pairs", label, 2, twice });
    for (const char* label : { "1-2", "1-4", "1-5", "1-17", "1-20", "1-31", "2-4" })
        pairs.push_back({ "pairs", label, 1, once });
    expectRows(trends, pairs);
    ASSERT_EQ(trends.section("pairs")->rows.size(), 10u);
    EXPECT_EQ(trends.section("pairs")->rows[3].label, "1-2"); // the ties by the smaller pair
}

TEST(TrendSections, SumBinsHoldTheirEnds)
{
    const std::vector<std::array<int, 5>> history { { 1, 2, 3, 4, 14 }, { 1, 2, 3, 4, 15 }, { 24, 25, 27, 28, 30 },
        { 27, 28, 29, 30, 31 }, { 26, 28, 29, 30, 31 } };
    expectRows(minilotoTrends(history),
        { { "sums", "15-24", 1 }, { "sums", "25-34", 1 }, { "sums", "125-134", 1 }, { "sums", "135-145", 2 } });
}

TEST(TrendSections, DrawsThatCannotBeAreLeftOut)
{
    const std::vector<std::array<int, 3>> digits { { 1, 2, 3 }, { 1, 10, 6 }, { -1, 0, 0 }, { 1, 2, 3 } };
    const Trends numbers = numbersTrends(digits);
    EXPECT_EQ(numbers.draws, 2);
    expectRows(numbers, { { "pulls", "3", 1 }, { "digits", "2:0", 0 } });
    const std::vector<std::array<int, 5>> sets { { 1, 2, 3, 4, 5 }, { 0, 1, 2, 3, 4 }, { 1, 2, 3, 4, 32 },
        { 1, 1, 2, 3, 4 }, { 1, 2, 3, 4, 5 } };
    const Trends miniloto = minilotoTrends(sets);
    EXPECT_EQ(miniloto.draws, 2);
    expectRows(miniloto, { { "pulls", "5", 1 }, { "numbers", "1", 2 } });
}

TEST(TrendTests, StatisticsWorkedByHand)
{
    // 50 times 000: per position (50 - 5)^2 / 5 + 9 * 5 = 450.
    const Trends zeros = numbersTrends(std::vector<std::array<int, 3>>(50, { 0, 0, 0 }));
    ASSERT_EQ(zeros.section("digits")->tests.size(), 3u);
    for (const TrendTest& test : zeros.section("digits")->tests) {
        EXPECT_DOUBLE_EQ(test.statistic, 450);
        EXPECT_EQ(test.df, 9);
    }
    // 1-5 drawn 31 times: 5 * 26^2 / 5 + 26 * 5 = 806, times 30/26.
    const Trends same = minilotoTrends(std::vector<std::array<int, 5>>(31, { 1, 2, 3, 4, 5 }));
    EXPECT_DOUBLE_EQ(same.section("numbers")->tests.at(0).statistic, 930);
    EXPECT_EQ(same.section("numbers")->tests.at(0).df, 30);
    EXPECT_LT(same.section("numbers")->tests.at(0).p, 1e-100);
}

TEST(TrendTests, NoDrawsGiveEmptyCountsAndNoTests)
{
    for (const Trends& trends : { numbersTrends(std::span<const std::array<int, 3>>()),
             numbersTrends(std::span<const std::array<int, 4>>()), minilotoTrends({}) }) {
        EXPECT_EQ(trends.draws, 0);
        for (const TrendSection& section : trends.sections) {
            EXPECT_TRUE(section.tests.empty()) << section.name;
            for (const TrendRow& row : section.rows)
                EXPECT_EQ(row.observed, 0) << section.name << ' ' << row.label;
        }
    }
}

} // namespace
