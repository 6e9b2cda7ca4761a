// SPDX-License-Identifier: MIT
#include "cores/numbers3/prediction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using zelpo::numbers3::Digits;
using zelpo::numbers3::Predictions;

namespace {

std::vector<Digits> draws(std::initializer_list<Digits> list)
{
    return list;
}

struct PredictionCase {
    const char* name;
    std::vector<Digits> history; // oldest first
    Predictions expected;
};

class Numbers3Prediction : public ::testing::TestWithParam<PredictionCase> { };

TEST_P(Numbers3Prediction, GivesTheFiveTexts)
{
    EXPECT_EQ(zelpo::numbers3::predict(GetParam().history), GetParam().expected);
}

const Predictions kNothing { "000", "000", "000", "000", "000" };

INSTANTIATE_TEST_SUITE_P(Histories, Numbers3Prediction,
    ::testing::Values(PredictionCase { "worked_example",
                          draws({ { 1, 0, 6 }, { 2, 5, 1 }, { 1, 0, 6 }, { 4, 5, 2 }, { 1, 0, 6 }, { 7, 3, 8 },
                              { 1, 0, 4 }, { 2, 5, 4 }, { 1, 8, 4 }, { 4, 8, 4 }, { 1, 0, 6 } }),
                          { "251", "432", "708", "530", "128" } },
        PredictionCase { "no_draws", {}, kNothing }, PredictionCase { "one_draw", draws({ { 1, 2, 3 } }), kNothing },
        PredictionCase { "latest_digits_never_followed", draws({ { 1, 2, 3 }, { 4, 5, 6 } }), kNothing },
        PredictionCase { "one_follower_leaves_places_unfilled", draws({ { 1, 2, 3 }, { 1, 2, 3 } }),
            { "123", "000", "000", "200", "300" } },
        // 5 was followed once by 0 and once by 9: the tie goes to 0.
        PredictionCase { "zero_wins_a_tie", draws({ { 5, 5, 5 }, { 0, 0, 0 }, { 5, 5, 5 }, { 9, 9, 9 }, { 5, 5, 5 } }),
            { "000", "999", "000", "090", "090" } },
        PredictionCase { "leading_zero_is_kept",
            draws({ { 0, 1, 2 }, { 0, 3, 4 }, { 0, 1, 2 }, { 0, 5, 6 }, { 0, 1, 2 } }),
            { "034", "056", "000", "350", "460" } },
        // The same draws in another order give other counts and another latest draw.
        PredictionCase { "order_matters_a", draws({ { 1, 2, 3 }, { 4, 5, 6 }, { 1, 2, 3 } }),
            { "456", "000", "000", "500", "600" } },
        PredictionCase { "order_matters_b", draws({ { 4, 5, 6 }, { 1, 2, 3 }, { 1, 2, 3 } }),
            { "123", "000", "000", "200", "300" } },
        // A draw holding something other than a digit is left out as if it were not stored:
        // its neighbours become consecutive, and it never becomes the latest draw.
        PredictionCase { "draw_with_a_two_digit_value_is_skipped",
            draws({ { 1, 0, 6 }, { 2, 5, 1 }, { 1, 10, 6 }, { 1, 0, 6 } }), { "251", "000", "000", "500", "100" } },
        PredictionCase { "draw_with_a_negative_value_is_skipped",
            draws({ { 1, 2, 3 }, { 4, 5, 6 }, { 1, 2, 3 }, { -1, 0, 0 } }), { "456", "000", "000", "500", "600" } },
        PredictionCase { "only_invalid_draws", draws({ { 10, 0, 0 }, { 0, 0, 99 } }), kNothing }),
    [](const auto& info) { return std::string(info.param.name); });

// Each position is its own chain: rewriting one position's digits in the whole
// history changes only the characters that come from that position.
TEST(Numbers3Prediction, PositionsAreIndependent)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<Digits> history(300);
    for (Digits& draw : history)
        draw = { digit(random), digit(random), digit(random) };
    const Predictions base = zelpo::numbers3::predict(history);

    // Which characters of the five results each position feeds.
    const std::vector<std::vector<std::pair<int, int>>> feeds {
        { { 0, 0 }, { 1, 0 }, { 2, 0 } },
        { { 0, 1 }, { 1, 1 }, { 2, 1 }, { 3, 0 }, { 3, 1 }, { 3, 2 } },
        { { 0, 2 }, { 1, 2 }, { 2, 2 }, { 4, 0 }, { 4, 1 }, { 4, 2 } },
    };
    for (std::size_t position = 0; position < 3; ++position) {
        std::vector<Digits> changed = history;
        for (Digits& draw : changed)
            draw[position] = (draw[position] * 7 + 3) % 10;
        const Predictions other = zelpo::numbers3::predict(changed);
        for (int result = 0; result < 5; ++result) {
            for (int character = 0; character < 3; ++character) {
                const bool fed
                    = std::find(feeds[position].begin(), feeds[position].end(), std::pair { result, character })
                    != feeds[position].end();
                if (!fed) {
                    EXPECT_EQ(other[result][character], base[result][character])
                        << "position " << position << " result " << result << " character " << character;
                }
            }
        }
        EXPECT_NE(other, base) << "the rewrite of position " << position << " should change something";
    }
}

} // namespace
