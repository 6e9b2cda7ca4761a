// SPDX-License-Identifier: MIT
#include "cores/miniloto/prediction.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <sstream>
#include <vector>

using zelpo::miniloto::History;
using zelpo::miniloto::predict;
using zelpo::miniloto::Predictions;

namespace {

History historyOf(std::initializer_list<std::array<int, 5>> draws)
{
    History history;
    for (const auto& draw : draws)
        history.add(draw);
    return history;
}

// Answers the picks from a script and remembers the seed of every call.
struct ScriptedPick {
    std::vector<int> values;
    std::vector<std::uint32_t> seeds;

    int operator()(std::uint32_t seed)
    {
        seeds.push_back(seed);
        return values.at(seeds.size() - 1);
    }
};

std::vector<int> noRepeats(int passes)
{
    std::vector<int> values;
    for (int pass = 0; pass < passes; ++pass)
        values.insert(values.end(), { 1, 2, 3, 4, 5 });
    return values;
}

std::uint32_t bits(std::int32_t seed)
{
    return static_cast<std::uint32_t>(seed);
}

// Five different numbers from 1 to 31, ascending, decimal, joined by "-".
::testing::AssertionResult isPrediction(const std::string& text)
{
    std::vector<int> numbers;
    std::istringstream in(text);
    std::string part;
    while (std::getline(in, part, '-')) {
        if (part.empty() || part.size() > 2 || part[0] == '0'
            || part.find_first_not_of("0123456789") != std::string::npos)
            return ::testing::AssertionFailure() << "bad number '" << part << "' in " << text;
        numbers.push_back(std::stoi(part));
    }
    if (numbers.size() != 5 || text.back() == '-')
        return ::testing::AssertionFailure() << "not five numbers: " << text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < 1 || numbers[i] > 31 || (i > 0 && numbers[i] <= numbers[i - 1]))
            return ::testing::AssertionFailure() << "not ascending in 1..31: " << text;
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(MiniLotoGenerator, RepeatsThePlatformSequence)
{
    zelpo::miniloto::RuntimeRandom generator;
    generator.srand(1);
    const std::vector<int> expected { 41, 18467, 6334, 26500, 19169 };
    std::vector<int> values;
    for (int i = 0; i < 5; ++i)
        values.push_back(generator.rand());
    EXPECT_EQ(values, expected);

    // Re-seeding starts the same sequence again; any 32-bit pattern is a seed.
    generator.srand(bits(-1));
    const int first = generator.rand();
    generator.srand(0xFFFFFFFFu);
    EXPECT_EQ(generator.rand(), first);
    EXPECT_EQ(zelpo::miniloto::pick(1), 41 % 31 + 1);
}

TEST(MiniLotoPrediction, TwoDrawHistoryGivesTheKnownFirstPrediction)
{
    const Predictions predictions = predict(historyOf({ { 1, 2, 3, 4, 5 }, { 6, 7, 8, 9, 10 } }));
    EXPECT_EQ(predictions[0], "5-13-18-23-31");
    for (const std::string& text : predictions)
        EXPECT_TRUE(isPrediction(text));
}

TEST(MiniLotoPrediction, EmptyHistoryFallsBackInsteadOfHanging)
{
    const Predictions predictions = predict(History {});
    for (const std::string& text : predictions)
        EXPECT_EQ(text, "1-2-3-4-8");
}

TEST(MiniLotoPrediction, SeedsFollowTheFourPasses)
{
    ScriptedPick script { noRepeats(4), {} };
    predict(historyOf({ { 1, 2, 3, 4, 5 }, { 6, 7, 8, 9, 10 } }), std::ref(script));
    const std::vector<std::uint32_t> expected {
        14, 18, 22, 26, 30, // × count
        16, 20, 24, 28, 32, // + count
        32, 40, 48, 56, 64, // × count
        30, 38, 46, 54, 62, // − count
    };
    EXPECT_EQ(script.seeds, expected);
}

TEST(MiniLotoPrediction, AHalvedSeedCarriesIntoTheLaterPasses)
{
    // The third pick of the first pass repeats the first, so S3 is halved to 11
    // and every later pass starts from it.
    std::vector<int> values { 1, 2, 1, 3, 4, 5 };
    const std::vector<int> rest = noRepeats(3);
    values.insert(values.end(), rest.begin(), rest.end());
    ScriptedPick script { values, {} };
    const Predictions predictions = predict(historyOf({ { 1, 2, 3, 4, 5 }, { 6, 7, 8, 9, 10 } }), std::ref(script));
    const std::vector<std::uint32_t> expected {
        14, 18, 22, 11, 26, 30, //
        16, 20, 13, 28, 32,     //
        32, 40, 26, 56, 64,     //
        30, 38, 24, 54, 62,     //
    };
    EXPECT_EQ(script.seeds, expected);
    EXPECT_EQ(predictions[0], "1-2-3-4-5");
}

TEST(MiniLotoPrediction, NegativeSeedsAreHalvedTowardZero)
{
    // One draw: the first pass's seeds are the numbers themselves.
    std::vector<int> values { 1, 1, 1, 2, 3, 4, 5 };
    const std::vector<int> rest = noRepeats(3);
    values.insert(values.end(), rest.begin(), rest.end());
    ScriptedPick script { values, {} };
    predict(historyOf({ { 5, -7, 9, 10, 11 } }), std::ref(script));
    const std::vector<std::uint32_t> firstPass { 5, bits(-7), bits(-3), bits(-1), 9, 10, 11 };
    ASSERT_GE(script.seeds.size(), firstPass.size());
    EXPECT_EQ(std::vector<std::uint32_t>(script.seeds.begin(), script.seeds.begin() + 7), firstPass);
}

struct Halving {
    std::int32_t seed;
    std::int32_t half;
};

class MiniLotoHalving : public ::testing::TestWithParam<Halving> { };

TEST_P(MiniLotoHalving, TruncatesTowardZero)
{
    EXPECT_EQ(zelpo::miniloto::halve(bits(GetParam().seed)), bits(GetParam().half));
}

INSTANTIATE_TEST_SUITE_P(Seeds, MiniLotoHalving,
    ::testing::Values(Halving { 7, 3 }, Halving { -7, -3 }, Halving { -1, 0 }, Halving { 0, 0 }, Halving { 1, 0 },
        Halving { INT_MIN, INT_MIN / 2 }, Halving { INT_MAX, INT_MAX / 2 }));

TEST(MiniLotoPrediction, APickThatAlwaysRepeatsEndsOnTheFreeNumbers)
{
    // Every retry halves the seed down to 0; from there the smallest free number is taken.
    const Predictions predictions = predict(historyOf({ { 31, 30, 29, 28, 27 } }), [](std::uint32_t) { return 7; });
    for (const std::string& text : predictions)
        EXPECT_EQ(text, "1-2-3-4-7");
}

TEST(MiniLotoPrediction, OneDrawMakesTheThirdPredictionRepeatTheSecond)
{
    for (const auto& draw :
        { std::array { 3, 9, 17, 25, 30 }, std::array { 1, 2, 3, 4, 5 }, std::array { 31, 1, 16, 8, 24 } }) {
        const Predictions predictions = predict(historyOf({ draw }));
        EXPECT_EQ(predictions[2], predictions[1]) << draw[0];
    }
}

TEST(MiniLotoPrediction, OneDrawFourthPassWrapsBelowZero)
{
    // Retries halve some seeds down to 0; the fourth pass then subtracts the
    // count of 1 from them, which must wrap to 0xFFFFFFFF, not stop at 0.
    const Predictions predictions = predict(historyOf({ { 31, 19, 20, 1, 8 } }));
    EXPECT_EQ(predictions[3], "3-5-8-11-16");
}

struct Overflow {
    std::uint32_t draws;
    std::array<int, 5> numbers;
    std::array<std::uint32_t, 5> thirdPass; // the seeds after wrapping around
};

class MiniLotoOverflow : public ::testing::TestWithParam<Overflow> { };

TEST_P(MiniLotoOverflow, WrapsAroundAndStillPredicts)
{
    History history;
    for (std::uint32_t i = 0; i < GetParam().draws; ++i)
        history.add(GetParam().numbers);

    ScriptedPick script { noRepeats(4), {} };
    predict(history, std::ref(script));
    ASSERT_EQ(script.seeds.size(), 20u);
    EXPECT_EQ((std::array { script.seeds[10], script.seeds[11], script.seeds[12], script.seeds[13], script.seeds[14] }),
        GetParam().thirdPass);

    for (const std::string& text : predict(history))
        EXPECT_TRUE(isPrediction(text));
}

INSTANTIATE_TEST_SUITE_P(Histories, MiniLotoOverflow,
    ::testing::Values(
        Overflow { 1000, { 27, 28, 29, 30, 31 }, { 1231196224, 2231196224, 3231196224, 4231196224, 936228928 } },
        Overflow { 32767, { 31, 31, 31, 31, 31 }, { 2981858, 2981858, 2981858, 2981858, 2981858 } }));

TEST(MiniLotoPrediction, EveryHistoryGivesFourWellFormedPredictions)
{
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> number(1, 31);
    std::uniform_int_distribution<int> wild(-32768, 32767);
    for (int trial = 0; trial < 400; ++trial) {
        History history;
        const int draws = trial % 50;
        for (int d = 0; d < draws; ++d) {
            std::array<int, 5> numbers {};
            for (int& n : numbers)
                n = trial % 4 == 3 ? wild(random) : number(random);
            history.add(numbers);
        }
        for (const std::string& text : predict(history))
            ASSERT_TRUE(isPrediction(text)) << "trial " << trial;
    }
}
