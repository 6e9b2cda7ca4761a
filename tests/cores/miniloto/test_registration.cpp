// SPDX-License-Identifier: MIT
#include "cores/miniloto/registration.h"

#include <gtest/gtest.h>

using zelpo::miniloto::DrawEntry;

namespace {

DrawEntry exampleEntry()
{
    return { "123", { "3", "12", "17", "25", "30" }, "7",
        { "1-5-9-20-31", "2-4-6-8-10", "3-13-23-28-29", "11-14-19-22-27" } };
}

} // namespace

TEST(MiniLotoInsert, ListsTheTwelveValuesInTableOrder)
{
    EXPECT_EQ(zelpo::miniloto::insertStatement(exampleEntry()),
        "INSERT INTO ミニロト VALUES (123,3,12,17,25,30,'7','1-5-9-20-31','2-4-6-8-10','3-13-23-28-29',"
        "'11-14-19-22-27',' ')");
}

TEST(MiniLotoInsert, KeepsTextsAsTypedAndNumbersWithTheirZeros)
{
    DrawEntry entry = exampleEntry();
    entry.numbers[0] = "03";
    entry.bonus = "'); DROP TABLE ミニロト; --";
    entry.predictions = { "", "it's", "''", "　" };
    EXPECT_EQ(zelpo::miniloto::insertStatement(entry),
        "INSERT INTO ミニロト VALUES (123,03,12,17,25,30,'''); DROP TABLE ミニロト; --','','it''s','''''','　',' ')");
}

class MiniLotoInsertBareValue : public ::testing::TestWithParam<const char*> { };

TEST_P(MiniLotoInsertBareValue, RefusesAnythingButDigits)
{
    for (int field = 0; field < 6; ++field) {
        DrawEntry entry = exampleEntry();
        std::string& target = field == 0 ? entry.kaisai : entry.numbers[static_cast<std::size_t>(field - 1)];
        target = GetParam();
        EXPECT_FALSE(zelpo::miniloto::insertStatement(entry)) << "field " << field;
        if (field == 0) {
            EXPECT_FALSE(zelpo::miniloto::storedDrawQuery(entry.kaisai));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MiniLotoInsertBareValue, ::testing::Values("", "-3", " 3", "3 ", "1a", "3'", "1,2", "３", "0x1"));

// Found by fuzzing: a NUL cuts the statement, which the engine then refuses.
TEST(MiniLotoInsert, RefusesATextHoldingANulCharacter)
{
    const std::string nulFirst("\0"
                               "25",
        3);
    DrawEntry entry { "300", { "3", "12", "17", "25", "30" }, "7", { nulFirst, "3-5-9-20-31", "it", "" } };
    EXPECT_FALSE(zelpo::miniloto::insertStatement(entry));
    entry.predictions[0] = "25";
    EXPECT_TRUE(zelpo::miniloto::insertStatement(entry));
    entry.bonus = std::string("7\0", 2);
    EXPECT_FALSE(zelpo::miniloto::insertStatement(entry));
}

TEST(MiniLotoInsert, AsksForTheDrawNumber)
{
    EXPECT_EQ(zelpo::miniloto::storedDrawQuery("501"), "SELECT kaisai FROM ミニロト WHERE kaisai=501");
}

TEST(MiniLotoInsert, OnlyTheFiveNumbersAreRequired)
{
    DrawEntry entry = exampleEntry();
    entry.kaisai.clear();
    entry.bonus.clear();
    entry.predictions = {};
    EXPECT_FALSE(zelpo::miniloto::missingNumber(entry));
    for (std::size_t i = 0; i < 5; ++i) {
        DrawEntry missing = exampleEntry();
        missing.numbers[i].clear();
        EXPECT_TRUE(zelpo::miniloto::missingNumber(missing)) << i;
    }
}
