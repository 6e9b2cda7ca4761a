// SPDX-License-Identifier: MIT
#include "cores/numbers4/prediction.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using zelpo::numbers4::Digits;
using zelpo::numbers4::Predictions;

namespace {

// "1234" -> {1, 2, 3, 4}
std::vector<Digits> draws(std::initializer_list<const char*> texts)
{
    std::vector<Digits> result;
    for (const char* text : texts)
        result.push_back({ text[0] - '0', text[1] - '0', text[2] - '0', text[3] - '0' });
    return result;
}

struct PredictionCase {
    const char* name;
    std::vector<Digits> history; // oldest first
    Predictions expected;
};

class Numbers4Prediction : public ::testing::TestWithParam<PredictionCase> { };

TEST_P(Numbers4Prediction, GivesTheFiveTexts)
{
    EXPECT_EQ(zelpo::numbers4::predict(GetParam().history), GetParam().expected);
}

const Predictions kNothing { "0000", "0000", "0000", "0000", "0000" };

INSTANTIATE_TEST_SUITE_P(Histories, Numbers4Prediction,
    ::testing::Values(PredictionCase { "no_draws", {}, kNothing },
        PredictionCase { "one_draw", draws({ "1234" }), kNothing },
        PredictionCase { "latest_digits_never_followed", draws({ "1234", "5678" }), kNothing },
        // Units 4 was followed by 8 and 9 once each: the tie goes to 8.
        PredictionCase { "tie_in_the_units", draws({ "1234", "5678", "1234", "5679", "1234" }),
            { "5678", "0009", "0000", "0608", "0009" } },
        PredictionCase { "same_places_in_every_position",
            draws({ "0000", "1111", "0000", "2222", "0000", "1111", "0000" }),
            { "1111", "2222", "0000", "2121", "0202" } },
        // Three distinct places in every position show where each place goes:
        // T1H1t1U1, T2H2t2U2, T3H3t3U3, T2H1t2U1, T3H2t3U2.
        PredictionCase { "mixed_compositions",
            draws({ "0000", "1471", "0000", "1471", "0000", "1471", "0000", "2582", "0000", "2582", "0000", "3693",
                "0000" }),
            { "1471", "2582", "3693", "2481", "3592" } },
        PredictionCase {
            "order_matters_a", draws({ "1234", "5678", "1234" }), { "5678", "0000", "0000", "0608", "0000" } },
        PredictionCase {
            "order_matters_b", draws({ "5678", "1234", "1234" }), { "1234", "0000", "0000", "0204", "0000" } },
        PredictionCase {
            "leading_zeros_are_kept", draws({ "0012", "0034", "0012" }), { "0034", "0000", "0000", "0004", "0000" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Numbers4Prediction, DrawsWithOtherThanDigitsAreLeftOut)
{
    std::vector<Digits> history = draws({ "1234", "5678" });
    history.push_back({ 1, 2, 3, 10 });
    history.push_back({ 1, 2, 3, 4 });
    history.push_back({ -1, 0, 0, 0 });
    EXPECT_EQ(zelpo::numbers4::predict(history), zelpo::numbers4::predict(draws({ "1234", "5678", "1234" })));
    EXPECT_EQ(zelpo::numbers4::predict(history)[0], "5678");
}

// Each position is its own chain: rewriting one position's digits in the whole
// history changes only that position's character of every result.
TEST(Numbers4Prediction, PositionsAreIndependent)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<Digits> history(400);
    for (Digits& draw : history)
        draw = { digit(random), digit(random), digit(random), digit(random) };
    const Predictions base = zelpo::numbers4::predict(history);

    for (std::size_t position = 0; position < 4; ++position) {
        std::vector<Digits> changed = history;
        for (Digits& draw : changed)
            draw[position] = (draw[position] * 3 + 1) % 10;
        const Predictions other = zelpo::numbers4::predict(changed);
        bool anyChange = false;
        for (std::size_t result = 0; result < 5; ++result) {
            for (std::size_t character = 0; character < 4; ++character) {
                if (character == position) {
                    anyChange = anyChange || other[result][character] != base[result][character];
                } else {
                    EXPECT_EQ(other[result][character], base[result][character])
                        << "position " << position << " result " << result;
                }
            }
        }
        EXPECT_TRUE(anyChange) << "the rewrite of position " << position << " should change its choices";
    }
}

} // namespace
