// SPDX-License-Identifier: MIT
#include "cores/numbers/digitchains.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

using zelpo::numbers::DigitChains;

namespace {

// The rankings, checked on one position whose latest digit is 9 and whose
// followers of 9 occur as often as given.
struct RankingCase {
    const char* name;
    std::vector<std::pair<int, int>> followers; // (digit, times), digits 0..8, fed in this order
    DigitChains<3>::Ranking expected;
};

class DigitRanking : public ::testing::TestWithParam<RankingCase> { };

TEST_P(DigitRanking, RanksTheFollowersOfTheLatestDigit)
{
    DigitChains<3> chains;
    const auto add = [&chains](int digit) { ASSERT_TRUE(chains.add({ digit, 0, 0 })); };
    add(9);
    for (const auto& [digit, times] : GetParam().followers) {
        for (int i = 0; i < times; ++i) {
            add(digit);
            add(9);
        }
    }
    EXPECT_EQ(chains.ranking(0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, DigitRanking,
    ::testing::Values(RankingCase { "nothing_followed", {}, { 0, 0, 0 } },
        // An unfilled place keeps 0 even when 0 already holds a place.
        RankingCase { "zero_second_and_unfilled_third", { { 0, 1 }, { 1, 3 } }, { 1, 0, 0 } },
        RankingCase { "a_later_equal_count_does_not_displace", { { 1, 2 }, { 2, 2 }, { 3, 1 } }, { 1, 2, 3 } },
        RankingCase { "each_new_best_pushes_the_others_down", { { 1, 1 }, { 2, 2 }, { 3, 3 } }, { 3, 2, 1 } },
        RankingCase { "a_new_second_pushes_the_second_to_third", { { 2, 1 }, { 4, 5 }, { 6, 3 }, { 7, 3 }, { 8, 4 } },
            { 4, 8, 6 } },
        RankingCase { "three_way_tie_in_digit_order", { { 8, 2 }, { 5, 2 }, { 0, 2 } }, { 0, 5, 8 } },
        RankingCase { "a_fourth_digit_drops_out", { { 1, 4 }, { 2, 3 }, { 3, 2 }, { 4, 1 } }, { 1, 2, 3 } },
        // 3 takes second place from 2: 2's count moves down with it, so a later 4
        // (one follower) cannot displace 2 from third.
        RankingCase { "the_old_second_count_moves_to_third", { { 1, 5 }, { 2, 2 }, { 3, 3 }, { 4, 1 } }, { 1, 3, 2 } }),
    [](const auto& info) { return std::string(info.param.name); });

// After every draw of a long random walk (few digits, so that counts tie
// often), each position's ranking is the three most frequent followers of its
// latest digit, equal counts to the lower digit, as counting them afresh gives.
TEST(DigitChains, EveryRankingMatchesTheFollowersCountedAfresh)
{
    std::mt19937 random(3);
    DigitChains<4> chains;
    std::array<std::array<std::array<int, 10>, 10>, 4> counts {};
    std::array<int, 4> last {};
    for (int step = 0; step < 3000; ++step) {
        const int span = step < 1500 ? 4 : 10;
        DigitChains<4>::Draw draw {};
        for (int& digit : draw)
            digit = static_cast<int>(random() % span);
        ASSERT_TRUE(chains.add(draw));
        for (std::size_t p = 0; p < 4; ++p) {
            if (step > 0)
                ++counts[p][last[p]][draw[p]];
            last[p] = draw[p];
            const std::array<int, 10>& row = counts[p][last[p]];
            std::array<int, 10> order {};
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [&row](int a, int b) { return row[a] > row[b]; });
            DigitChains<4>::Ranking expected {};
            for (std::size_t k = 0; k < 3; ++k)
                expected[k] = row[order[k]] > 0 ? order[k] : 0;
            ASSERT_EQ(chains.ranking(p), expected) << step << ' ' << p;
        }
    }
}

} // namespace
