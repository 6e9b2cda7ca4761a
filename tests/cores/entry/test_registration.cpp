// SPDX-License-Identifier: MIT
#include "cores/entry/registration.h"

#include <gtest/gtest.h>

using zelpo::entry::NumbersDraw;
using zelpo::entry::NumbersGame;

namespace {

struct StatementCase {
    const char* name;
    NumbersGame game;
    NumbersDraw draw;
    const char* expected;
};

class NumbersInsert : public testing::TestWithParam<StatementCase> { };

TEST_P(NumbersInsert, IsTheStatementOfTheTypedRow)
{
    const StatementCase& c = GetParam();
    EXPECT_EQ(zelpo::entry::insertStatement(c.game, c.draw), std::optional<std::string>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Registration, NumbersInsert,
    testing::Values(StatementCase { "Numbers3", NumbersGame::Numbers3,
                        { "812", { "5", "0", "7" }, { "123", "456", "789", "012", "345" } },
                        "INSERT INTO ナンバーズ3 VALUES (812,5,0,7,'123','456','789','012','345',' ')" },
        StatementCase { "Numbers4", NumbersGame::Numbers4,
            { "812", { "1", "2", "3", "4" }, { "1234", "5678", "9012", "3456", "7890" } },
            "INSERT INTO ナンバーズ4 VALUES (812,1,2,3,4,'1234','5678','9012','3456','7890',' ')" },
        // A quote typed into a prediction is doubled, so it is stored as typed.
        StatementCase { "QuoteInPrediction", NumbersGame::Numbers3,
            { "1", { "0", "0", "0" }, { "1'2", "'", "", "x', 'y", "345" } },
            "INSERT INTO ナンバーズ3 VALUES (1,0,0,0,'1''2','''','','x'', ''y','345',' ')" }),
    [](const testing::TestParamInfo<StatementCase>& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    NumbersGame game;
    NumbersDraw draw;
};

class NumbersInsertRefused : public testing::TestWithParam<RefusedCase> { };

// Only digits are ever placed bare into the statement.
TEST_P(NumbersInsertRefused, BuildsNothing)
{
    EXPECT_EQ(zelpo::entry::insertStatement(GetParam().game, GetParam().draw), std::nullopt);
}

const std::array<std::string, 5> kPredictions { "111", "222", "333", "444", "555" };

INSTANTIATE_TEST_SUITE_P(Registration, NumbersInsertRefused,
    testing::Values(RefusedCase { "LetterDigit", NumbersGame::Numbers3, { "5", { "1", "a", "3" }, kPredictions } },
        RefusedCase { "QuoteDigit", NumbersGame::Numbers4, { "5", { "1", "2", "3", "'" }, kPredictions } },
        RefusedCase { "EmptyDigit", NumbersGame::Numbers3, { "5", { "1", "", "3" }, kPredictions } },
        RefusedCase { "FullWidthDigit", NumbersGame::Numbers3, { "5", { "1", "\xEF\xBC\x92", "3" }, kPredictions } },
        RefusedCase { "EmptyDrawNumber", NumbersGame::Numbers3, { "", { "1", "2", "3" }, kPredictions } },
        RefusedCase {
            "DrawNumberWithClause", NumbersGame::Numbers4, { "5) --", { "1", "2", "3", "4" }, kPredictions } },
        RefusedCase { "ThreeDigitsForNumbers4", NumbersGame::Numbers4, { "5", { "1", "2", "3" }, kPredictions } },
        RefusedCase { "FourDigitsForNumbers3", NumbersGame::Numbers3, { "5", { "1", "2", "3", "4" }, kPredictions } },
        // SQL text ends at a NUL: the engine would refuse the cut statement (found by fuzzing).
        RefusedCase { "NulInPrediction", NumbersGame::Numbers4,
            { "5", { "1", "2", "3", "4" }, { "111", std::string("2\0'2", 4), "333", "444", "555" } } }),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(Registration, StoredDrawQueryAsksForThatDrawNumberOnly)
{
    EXPECT_EQ(zelpo::entry::storedDrawQuery(NumbersGame::Numbers3, "812"),
        std::optional<std::string>("SELECT kaisai FROM ナンバーズ3 WHERE kaisai=812"));
    EXPECT_EQ(zelpo::entry::storedDrawQuery(NumbersGame::Numbers4, "1"),
        std::optional<std::string>("SELECT kaisai FROM ナンバーズ4 WHERE kaisai=1"));
    EXPECT_EQ(zelpo::entry::storedDrawQuery(NumbersGame::Numbers4, "1 OR 1=1"), std::nullopt);
    EXPECT_EQ(zelpo::entry::storedDrawQuery(NumbersGame::Numbers3, ""), std::nullopt);
}

TEST(Registration, AnyEmptyDigitOrPredictionMakesTheDrawIncomplete)
{
    const NumbersDraw full { "", { "0", "1", "2", "3" }, { "a", "b", "c", "d", "e" } };
    EXPECT_TRUE(zelpo::entry::complete(full)); // the draw number is not part of the test
    for (std::size_t i = 0; i < full.digits.size(); ++i) {
        NumbersDraw draw = full;
        draw.digits[i].clear();
        EXPECT_FALSE(zelpo::entry::complete(draw)) << "digit " << i;
    }
    for (std::size_t i = 0; i < full.predictions.size(); ++i) {
        NumbersDraw draw = full;
        draw.predictions[i].clear();
        EXPECT_FALSE(zelpo::entry::complete(draw)) << "prediction " << i;
    }
}

} // namespace
