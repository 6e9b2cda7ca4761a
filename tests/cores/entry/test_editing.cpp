// SPDX-License-Identifier: MIT
#include "cores/entry/editing.h"

#include <gtest/gtest.h>

using namespace zelpo::entry;

namespace {

EditorFields numbers3Fields()
{
    EditorFields fields;
    fields.numbers = { "5", "0", "7", "", "" };
    fields.purchases = { "123", "", "789", "012", "345" };
    fields.drawNumber = "812";
    return fields;
}

} // namespace

TEST(EditorUpdate, Numbers3StatementFillsEmptyPurchasesWithAFullWidthBlank)
{
    const Update update = buildUpdate(EditedGame::Numbers3, numbers3Fields());
    ASSERT_EQ(update.check, SaveCheck::Ready);
    EXPECT_EQ(update.sql,
        "UPDATE ナンバーズ3 SET N100=5,N10=0,N1=7,kounyu1='123',kounyu2='　',kounyu3='789',kounyu4='012',"
        "kounyu5='345',atari=' ' WHERE kaisai=812");
}

TEST(EditorUpdate, Numbers4AndMiniLotoStatements)
{
    EditorFields fields;
    fields.numbers = { "0", "1", "2", "3", "" };
    fields.purchases = { "", "", "", "", "" };
    fields.drawNumber = "7";
    EXPECT_EQ(buildUpdate(EditedGame::Numbers4, fields).sql,
        "UPDATE ナンバーズ4 SET N1000=0,N100=1,N10=2,N1=3,kounyu1='　',kounyu2='　',kounyu3='　',kounyu4='　',"
        "kounyu5='　',atari=' ' WHERE kaisai=7");

    // The leading zeros the editor shows go in unquoted, so the engine stores 3, 9.
    fields.numbers = { "03", "09", "10", "21", "30" };
    fields.purchases = { "5", "1-2-3-4-5", "", "", "" };
    EXPECT_EQ(buildUpdate(EditedGame::MiniLoto, fields).sql,
        "UPDATE ミニロト SET NO1=03,NO2=09,NO3=10,NO4=21,NO5=30,kounyu1='5',kounyu2='1-2-3-4-5',kounyu3='　',"
        "kounyu4='　',kounyu5='　',atari=' ' WHERE kaisai=7");
}

TEST(EditorUpdate, AQuoteIsStoredAsTyped)
{
    EditorFields fields = numbers3Fields();
    fields.purchases[0] = "it's";
    const Update update = buildUpdate(EditedGame::Numbers3, fields);
    ASSERT_EQ(update.check, SaveCheck::Ready);
    EXPECT_NE(update.sql.find(",kounyu1='it''s',"), std::string::npos);
}

struct SaveCase {
    const char* name;
    EditedGame game;
    std::array<const char*, 5> numbers;
    const char* bonus; // field 1010
    const char* drawNumber;
    SaveCheck expected;
};

class EditorSaveCheck : public testing::TestWithParam<SaveCase> { };

TEST_P(EditorSaveCheck, RefusesWhatCannotBeWritten)
{
    const SaveCase& c = GetParam();
    EditorFields fields;
    for (std::size_t i = 0; i < 5; ++i)
        fields.numbers[i] = c.numbers[i];
    fields.purchases[0] = c.bonus;
    fields.drawNumber = c.drawNumber;
    const Update update = buildUpdate(c.game, fields);
    EXPECT_EQ(update.check, c.expected);
    EXPECT_EQ(update.sql.empty(), c.expected != SaveCheck::Ready);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditorSaveCheck,
    testing::Values(
        SaveCase { "Numbers3Complete", EditedGame::Numbers3, { "1", "2", "3", "", "" }, "", "5", SaveCheck::Ready },
        SaveCase {
            "Numbers3UnitsEmpty", EditedGame::Numbers3, { "1", "2", "", "", "" }, "", "5", SaveCheck::MissingField },
        SaveCase {
            "Numbers4UnitsEmpty", EditedGame::Numbers4, { "1", "2", "3", "", "" }, "", "5", SaveCheck::MissingField },
        SaveCase {
            "MiniLotoFifthEmpty", EditedGame::MiniLoto, { "1", "2", "3", "4", "" }, "6", "5", SaveCheck::MissingField },
        SaveCase {
            "MiniLotoBonusEmpty", EditedGame::MiniLoto, { "1", "2", "3", "4", "5" }, "", "5", SaveCheck::MissingField },
        // A gap row shows no draw number: there is no row to write to.
        SaveCase { "GapRow", EditedGame::Numbers3, { "1", "2", "3", "", "" }, "", "", SaveCheck::Unwritable },
        SaveCase { "DrawNumberNotANumber", EditedGame::Numbers3, { "1", "2", "3", "", "" }, "", "5 OR 1=1",
            SaveCheck::Unwritable },
        // A value no draw of the game can hold is refused as a missing number.
        SaveCase { "NotADigit", EditedGame::Numbers3, { "1", "x", "3", "", "" }, "", "5", SaveCheck::MissingField },
        SaveCase { "TwoDigitsInANumbersField", EditedGame::Numbers4, { "1", "2", "3", "10", "" }, "", "5",
            SaveCheck::MissingField },
        SaveCase { "ThreeDigitsInAMiniLotoField", EditedGame::MiniLoto, { "1", "2", "3", "4", "100" }, "6", "5",
            SaveCheck::MissingField },
        SaveCase { "MiniLotoAboveThirtyOne", EditedGame::MiniLoto, { "1", "2", "3", "4", "32" }, "6", "5",
            SaveCheck::MissingField },
        SaveCase {
            "MiniLotoZero", EditedGame::MiniLoto, { "00", "2", "3", "4", "5" }, "6", "5", SaveCheck::MissingField },
        SaveCase { "MiniLotoLeadingZeroAndHighest", EditedGame::MiniLoto, { "03", "9", "10", "21", "31" }, "6", "5",
            SaveCheck::Ready },
        SaveCase { "NegativeDrawNumberFromASearch", EditedGame::Numbers3, { "1", "2", "3", "", "" }, "", "-2",
            SaveCheck::Ready }),
    [](const testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

// Found by fuzzing: a NUL would cut the UPDATE short, which the engine refuses.
TEST(EditorUpdate, ATextHoldingANulCharacterCannotBeWritten)
{
    for (const EditedGame game : { EditedGame::Numbers3, EditedGame::MiniLoto }) {
        EditorFields fields { { "1", "2", "3", "4", "5" }, { "6", "", "", "", "" }, "5" };
        EXPECT_EQ(buildUpdate(game, fields).check, SaveCheck::Ready);
        fields.purchases[3] = std::string("x\0'", 3);
        EXPECT_EQ(buildUpdate(game, fields).check, SaveCheck::Unwritable);
        EXPECT_TRUE(buildUpdate(game, fields).sql.empty());
    }
}

struct StepCase {
    const char* name;
    bool up;
    const char* shown;
    const char* nextDraw;
    bool tenfold;
    int expectedDraw; // 0: the message instead
};

class EditorNavigation : public testing::TestWithParam<StepCase> { };

TEST_P(EditorNavigation, StaysWithinTheStoredDraws)
{
    const StepCase& c = GetParam();
    const Step step = c.up ? stepUp(c.shown, c.nextDraw, c.tenfold) : stepDown(c.shown, c.tenfold);
    if (c.expectedDraw == 0) {
        EXPECT_FALSE(step.allowed());
        EXPECT_EQ(step.message, c.up ? kNoHigherMessage : kNoLowerMessage);
    } else {
        EXPECT_TRUE(step.allowed()) << step.message;
        EXPECT_EQ(step.drawNumber, c.expectedDraw);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EditorNavigation,
    testing::Values(StepCase { "UpFromTheLastDraw", true, "500", "501", false, 0 },
        StepCase { "UpByOne", true, "499", "501", false, 500 },
        StepCase { "UpByTenOntoTheNextDraw", true, "491", "501", true, 0 },
        StepCase { "UpByTen", true, "490", "501", true, 500 },
        StepCase { "DownFromTheFirstDraw", false, "1", "501", false, 0 },
        StepCase { "DownByOne", false, "2", "501", false, 1 },
        StepCase { "DownByTenFromTen", false, "10", "501", true, 0 },
        StepCase { "DownByTenFromEleven", false, "11", "501", true, 1 },
        // A gap row shows an empty draw number, which counts as 0.
        StepCase { "UpFromAGapRow", true, "", "501", false, 1 },
        StepCase { "UpByTenFromAGapRow", true, "", "501", true, 10 },
        StepCase { "DownFromAGapRow", false, "", "501", false, 0 },
        StepCase { "UpInAnEmptyTable", true, "", "1", false, 0 },
        StepCase { "UpPastAHugeNumber", true, "2147483647", "9999999999", false, 0 }),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(EditorTexts, LeadingIntegerReadsAsAtoiDoes)
{
    EXPECT_EQ(leadingInteger(""), 0);
    EXPECT_EQ(leadingInteger("  42abc"), 42);
    EXPECT_EQ(leadingInteger("-7"), -7);
    EXPECT_EQ(leadingInteger("abc"), 0);
    EXPECT_EQ(leadingInteger("99999999999999999999"), INT_MAX);
}

TEST(EditorTexts, GameCodesAndShownNumbers)
{
    EXPECT_EQ(gameFromCode("3"), EditedGame::Numbers3);
    EXPECT_EQ(gameFromCode("4"), EditedGame::Numbers4);
    EXPECT_EQ(gameFromCode("5"), EditedGame::MiniLoto);
    EXPECT_EQ(gameFromCode("6"), std::nullopt);
    EXPECT_EQ(gameFromCode(""), std::nullopt);

    EXPECT_EQ(shownNumber(EditedGame::MiniLoto, 3), "03");
    EXPECT_EQ(shownNumber(EditedGame::MiniLoto, 0), "00");
    EXPECT_EQ(shownNumber(EditedGame::MiniLoto, 10), "10");
    EXPECT_EQ(shownNumber(EditedGame::Numbers3, 3), "3");

    EXPECT_EQ(drawClause("812"), "WHERE kaisai=812");
    EXPECT_EQ(drawClause(""), std::nullopt);
    EXPECT_EQ(drawClause("1;DROP"), std::nullopt);
}
