// SPDX-License-Identifier: MIT
#include "cores/csv/draws.h"
#include "cores/csv/encoding.h"
#include "cores/csv/problem.h"
#include "cores/csv/records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zelpo::db::csv;

namespace {

// Records as "line:field|field" strings, easy to compare and to read.
std::vector<std::string> flatten(const Records& split)
{
    std::vector<std::string> result;
    for (const Record& record : split.records) {
        std::string text = std::to_string(record.line) + ':';
        for (std::size_t i = 0; i < record.fields.size(); ++i)
            text += (i ? "|" : "") + record.fields[i];
        result.push_back(text);
    }
    return result;
}

const std::string kSpace = "\u3000";

} // namespace

// ---- Splitting records -----------------------------------------------------

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> records;
};

class SplitRecords : public testing::TestWithParam<SplitCase> { };

TEST_P(SplitRecords, FieldsAndLineNumbers)
{
    const Records split = splitRecords(GetParam().text);
    EXPECT_FALSE(split.problem) << describe(*split.problem);
    EXPECT_EQ(flatten(split), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(Rfc4180, SplitRecords,
    testing::Values(SplitCase { "lf", "a,b\nc,d\n", { "1:a|b", "2:c|d" } },
        SplitCase { "crlf", "a,b\r\nc,d\r\n", { "1:a|b", "2:c|d" } },
        SplitCase { "lone_cr", "a,b\rc,d", { "1:a|b", "2:c|d" } },
        SplitCase { "no_final_break", "a\nb", { "1:a", "2:b" } },
        SplitCase { "comma_in_quotes", "\"1,5\",x\n", { "1:1,5|x" } },
        SplitCase { "doubled_quotes", "\"say \"\"hi\"\"\",x", { "1:say \"hi\"|x" } },
        SplitCase { "lf_in_quotes_moves_lines", "\"a\nb\",c\nd,e\n", { "1:a\nb|c", "3:d|e" } },
        SplitCase { "crlf_in_quotes_kept", "\"a\r\nb\",c\r\nd\r\n", { "1:a\r\nb|c", "3:d" } },
        SplitCase { "blank_lines_skipped", "a\n\n\r\n\nb\n", { "1:a", "5:b" } },
        SplitCase { "empty_fields", ",,\n\"\",x", { "1:||", "2:|x" } },
        SplitCase { "quote_inside_unquoted_field", "5\"x,y", { "1:5\"x|y" } },
        SplitCase { "multibyte_untouched", "予想,\u3000\n", { "1:予想|\u3000" } }),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(SplitRecordsProblem, AQuoteNeverClosedIsReportedAtTheLineItOpens)
{
    const Records split = splitRecords("kaisai,N1\n1,\"2\n3,4\n5,6\n");
    ASSERT_TRUE(split.problem);
    EXPECT_EQ(split.problem->line, 2u);
    EXPECT_EQ(split.problem->reason, "a quoted field is never closed");
}

TEST(SplitRecordsProblem, TextAfterAClosingQuote)
{
    const Records split = splitRecords("a\n\"1\"2,3\n");
    ASSERT_TRUE(split.problem);
    EXPECT_EQ(split.problem->line, 2u);
}

// ---- Writing fields --------------------------------------------------------

TEST(Field, QuotesOnlyWhatWouldOtherwiseBeReadDifferently)
{
    const std::vector<std::pair<std::string, std::string>> cases {
        { "123", "123" },
        { "", "" },
        { kSpace, kSpace },
        { "1,2", "\"1,2\"" },
        { "a\"b", "\"a\"\"b\"" },
        { "a\nb", "\"a\nb\"" },
        { "a\rb", "\"a\rb\"" },
        { " ", "\" \"" },
        { "x ", "\"x \"" },
        { "O'Neil", "O'Neil" },
    };
    for (const auto& [value, written] : cases)
        EXPECT_EQ(field(value), written) << value;
}

TEST(Field, EveryWrittenRecordSplitsBackIntoTheSameFields)
{
    const std::vector<std::string> nasty { "", " ", kSpace, "a,b", "\"", "\"\"", "x\r\ny", "\n", "予想\t",
        "1-2-3-4-5" };
    std::string text;
    for (const std::string& value : nasty)
        appendRecord(text, { "k", value, value });
    const Records split = splitRecords(text);
    ASSERT_FALSE(split.problem);
    ASSERT_EQ(split.records.size(), nasty.size());
    for (std::size_t i = 0; i < nasty.size(); ++i)
        EXPECT_EQ(split.records[i].fields, (std::vector<std::string> { "k", nasty[i], nasty[i] })) << i;
}

// ---- Encodings -------------------------------------------------------------

TEST(Encodings, NamesUsersGive)
{
    for (const char* name : { "utf-8", "UTF8", " Utf-8 " })
        EXPECT_EQ(encodingNamed(name), Encoding::Utf8) << name;
    for (const char* name : { "shift_jis", "Shift-JIS", "sjis", "CP932", "windows-31j" })
        EXPECT_EQ(encodingNamed(name), Encoding::ShiftJis) << name;
    for (const char* name : { "", "latin1", "utf-16", "euc-jp" })
        EXPECT_FALSE(encodingNamed(name)) << name;
}

struct DetectCase {
    const char* name;
    std::string bytes;
    Encoding encoding;
};

class DetectEncoding : public testing::TestWithParam<DetectCase> { };

TEST_P(DetectEncoding, FromTheBytes)
{
    EXPECT_EQ(detectEncoding(GetParam().bytes), GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(Files, DetectEncoding,
    testing::Values(DetectCase { "ascii", "kaisai,N1\n1,2\n", Encoding::Utf8 },
        DetectCase { "empty", "", Encoding::Utf8 }, DetectCase { "utf8_japanese", "kaisai,日付\n", Encoding::Utf8 },
        DetectCase { "utf8_bom", "\xEF\xBB\xBFkaisai\n", Encoding::Utf8 },
        // 予想 in Shift_JIS; the trail byte 0x5C of 予 is an ASCII backslash.
        DetectCase { "shift_jis", "kaisai,kounyu1\n1,\x97\x5C\x91\x7A\n", Encoding::ShiftJis },
        DetectCase { "shift_jis_halfwidth_kana", "\xB1\xB2\n", Encoding::ShiftJis },
        DetectCase { "utf16le_bom", std::string("\xFF\xFEk\0", 4), Encoding::Utf16 },
        DetectCase { "utf16be_bom", std::string("\xFE\xFF\0k", 4), Encoding::Utf16 }),
    [](const testing::TestParamInfo<DetectCase>& info) { return info.param.name; });

TEST(Encodings, InvalidUtf8IsFoundWhereItStarts)
{
    const std::vector<std::pair<std::string, std::optional<std::size_t>>> cases {
        { "abc", std::nullopt }, { "a\u3000\U0001F600", std::nullopt }, { "ab\xC0\x80", 2 }, // overlong NUL
        { "a\xE0\x80\xAF", 1 },                                                              // overlong slash
        { "\xED\xA0\x80", 0 },                                                               // surrogate
        { "x\xF4\x90\x80\x80", 1 },                                                          // above U+10FFFF
        { "xy\xF5\x80\x80\x80", 2 },                                                         // no such lead byte
        { "\xE3\x80", 0 },                                                                   // cut short
        { "a\x80", 1 },                                                                      // stray continuation byte
    };
    for (const auto& [bytes, offset] : cases)
        EXPECT_EQ(firstInvalidUtf8(bytes), offset) << testing::PrintToString(bytes);
    EXPECT_EQ(lineAt("a\nb\r\nc\rd", 8), 4u);
    EXPECT_EQ(lineAt("a\r\nb", 1), 1u);
}

// ---- Reading draws ---------------------------------------------------------

TEST(ReadDraws, ColumnsInAnyOrderUnknownOnesIgnoredNamesInAnyCase)
{
    const Draws read = readDraws(Table::Numbers3, "date,n1,KAISAI,memo,N10,N100\n2024-01-05,3,17,\"a,b\",2,1\n");
    ASSERT_FALSE(read.problem) << describe(*read.problem);
    ASSERT_EQ(read.draws.size(), 1u);
    const Draw& draw = read.draws[0];
    EXPECT_EQ(draw.kaisai, 17);
    EXPECT_EQ((std::vector<int>(draw.numbers.begin(), draw.numbers.begin() + 3)), (std::vector<int> { 1, 2, 3 }));
    EXPECT_EQ(draw.line, 2u);
    for (const std::string& kounyu : draw.kounyu)
        EXPECT_EQ(kounyu, kSpace);
}

TEST(ReadDraws, PredictionColumnsAreStoredAsGivenAndMissingOnesAsTheEmptyValue)
{
    const Draws read = readDraws(
        Table::Numbers4, "kaisai,N1000,N100,N10,N1,kounyu2,kounyu1,kounyu4,atari\n1,0,0,7,9,\"12,3\",0123,,x\n");
    ASSERT_FALSE(read.problem) << describe(*read.problem);
    ASSERT_EQ(read.draws.size(), 1u);
    EXPECT_EQ(read.draws[0].kounyu, (std::array<std::string, 5> { "0123", "12,3", kSpace, "", kSpace }));
}

TEST(ReadDraws, MiniLotoBonusFillsKounyu1)
{
    const Draws read
        = readDraws(Table::MiniLoto, "kaisai,date,NO1,NO2,NO3,NO4,NO5,bonus\n1,1999-04-13,1,3,17,20,25, 07\n");
    ASSERT_FALSE(read.problem) << describe(*read.problem);
    ASSERT_EQ(read.draws.size(), 1u);
    EXPECT_EQ(read.draws[0].bonus, 7);
    EXPECT_EQ(read.draws[0].kounyu, (std::array<std::string, 5> { "7", kSpace, kSpace, kSpace, kSpace }));
}

TEST(ReadDraws, ABonusColumnMeansNothingToTheNumbersGames)
{
    const Draws read = readDraws(Table::Numbers3, "kaisai,N100,N10,N1,bonus\n1,1,2,3,99\n");
    ASSERT_FALSE(read.problem) << describe(*read.problem);
    ASSERT_EQ(read.draws.size(), 1u);
    EXPECT_FALSE(read.draws[0].bonus);
    EXPECT_EQ(read.draws[0].kounyu[0], kSpace);
}

TEST(ReadDraws, MiniLotoKounyu1IsTextAsExported)
{
    const Draws read = readDraws(Table::MiniLoto,
        "kaisai,NO1,NO2,NO3,NO4,NO5,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5,atari\n"
        "3,5,4,3,2,1,サービス,1-2-3-4-5,,x,y,\" \"\n");
    ASSERT_FALSE(read.problem) << describe(*read.problem);
    ASSERT_EQ(read.draws.size(), 1u);
    EXPECT_FALSE(read.draws[0].bonus);
    EXPECT_EQ(read.draws[0].kounyu, (std::array<std::string, 5> { "サービス", "1-2-3-4-5", "", "x", "y" }));
}

TEST(ReadDraws, ByteOrderMarkCrlfAndRowsWithoutData)
{
    const Draws read
        = readDraws(Table::Numbers3, "\xEF\xBB\xBFkaisai,N100,N10,N1\r\n1,0,0,0\r\n,,,\r\n\r\n2,9,9,9\r\n");
    ASSERT_FALSE(read.problem) << describe(*read.problem);
    ASSERT_EQ(read.draws.size(), 2u);
    EXPECT_EQ(read.draws[1].line, 5u);
}

TEST(ReadDraws, EmptyFileAndHeaderOnly)
{
    for (const char* text : { "", "\n\r\n", "\xEF\xBB\xBF" }) {
        const Draws read = readDraws(Table::Numbers3, text);
        ASSERT_TRUE(read.problem) << testing::PrintToString(text);
        EXPECT_EQ(read.problem->line, 0u);
        EXPECT_EQ(read.problem->reason, "the file is empty: it has no header line");
    }
    const Draws headerOnly = readDraws(Table::Numbers3, "kaisai,N100,N10,N1\n");
    EXPECT_FALSE(headerOnly.problem);
    EXPECT_TRUE(headerOnly.draws.empty());
}

struct BadRowCase {
    const char* name;
    Table table;
    std::string text;
    Problem problem;
};

class ReadDrawsRefuses : public testing::TestWithParam<BadRowCase> { };

TEST_P(ReadDrawsRefuses, TheFirstBadRowWithItsLineAndColumnAndNoDraws)
{
    const Draws read = readDraws(GetParam().table, GetParam().text);
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(*read.problem, GetParam().problem) << describe(*read.problem);
    EXPECT_TRUE(read.draws.empty());
}

const std::string kN3 = "kaisai,N100,N10,N1\n1,1,2,3\n";
const std::string kMini = "kaisai,NO1,NO2,NO3,NO4,NO5,bonus\n1,1,2,3,4,5,6\n";

INSTANTIATE_TEST_SUITE_P(Rows, ReadDrawsRefuses,
    testing::Values(BadRowCase { "kaisai_zero", Table::Numbers3, kN3 + "0,1,2,3\n",
                        { 3, "kaisai", "\"0\" is not a draw number from 1 to 32767" } },
        BadRowCase { "kaisai_too_high", Table::Numbers3, kN3 + "32768,1,2,3\n",
            { 3, "kaisai", "\"32768\" is not a draw number from 1 to 32767" } },
        BadRowCase { "kaisai_huge", Table::Numbers3, kN3 + "99999999999999999999,1,2,3\n",
            { 3, "kaisai", "\"99999999999999999999\" is not a draw number from 1 to 32767" } },
        BadRowCase { "kaisai_negative", Table::Numbers3, kN3 + "-2,1,2,3\n",
            { 3, "kaisai", "\"-2\" is not a draw number from 1 to 32767" } },
        BadRowCase { "kaisai_decimal", Table::Numbers3, kN3 + "2.0,1,2,3\n",
            { 3, "kaisai", "\"2.0\" is not a draw number from 1 to 32767" } },
        BadRowCase { "kaisai_empty", Table::Numbers3, kN3 + ",1,2,3\n",
            { 3, "kaisai", "\"\" is not a draw number from 1 to 32767" } },
        BadRowCase {
            "digit_ten", Table::Numbers3, kN3 + "2,1,10,3\n", { 3, "N10", "\"10\" is not a digit from 0 to 9" } },
        BadRowCase {
            "digit_fullwidth", Table::Numbers3, kN3 + "2,1,2,３\n", { 3, "N1", "\"３\" is not a digit from 0 to 9" } },
        BadRowCase { "digit_empty", Table::Numbers4, "kaisai,N1000,N100,N10,N1\n1,1,2,3,\n",
            { 2, "N1", "\"\" is not a digit from 0 to 9" } },
        BadRowCase { "column_as_spelled", Table::Numbers3, "kaisai,n100,n10,n1\n1,x,2,3\n",
            { 2, "n100", "\"x\" is not a digit from 0 to 9" } },
        BadRowCase { "line_after_multiline_field", Table::Numbers3,
            "kaisai,memo,N100,N10,N1\n1,\"a\nb\",1,2,3\n2,,1,2,a\n", { 4, "N1", "\"a\" is not a digit from 0 to 9" } },
        BadRowCase { "too_few_fields", Table::Numbers3, kN3 + "2,1,2\n", { 3, "", "3 fields where the header has 4" } },
        BadRowCase { "too_many_fields", Table::Numbers3, kN3 + "2,1,2,3,4\n",
            { 3, "", "more than 4 fields where the header has 4" } },
        BadRowCase {
            "draw_twice", Table::Numbers3, kN3 + "2,0,0,0\n1,1,2,3\n", { 4, "kaisai", "draw 1 is also on line 2" } },
        BadRowCase { "mini_above_31", Table::MiniLoto, kMini + "2,1,2,32,4,5,6\n",
            { 3, "NO3", "\"32\" is not a number from 1 to 31" } },
        BadRowCase { "mini_zero", Table::MiniLoto, kMini + "2,0,2,3,4,5,6\n",
            { 3, "NO1", "\"0\" is not a number from 1 to 31" } },
        BadRowCase {
            "mini_twice", Table::MiniLoto, kMini + "2,7,2,3,7,5,6\n", { 3, "NO4", "7 is drawn twice (also in NO1)" } },
        BadRowCase { "bonus_drawn", Table::MiniLoto, kMini + "2,1,2,3,4,5,3\n",
            { 3, "bonus", "3 is also a drawn number (NO3)" } },
        BadRowCase { "bonus_above_31", Table::MiniLoto, kMini + "2,1,2,3,4,5,40\n",
            { 3, "bonus", "\"40\" is not a number from 1 to 31" } },
        BadRowCase { "bonus_empty", Table::MiniLoto, kMini + "2,1,2,3,4,5,\n",
            { 3, "bonus", "\"\" is not a number from 1 to 31" } },
        BadRowCase { "missing_kaisai", Table::Numbers3, "N100,N10,N1\n1,2,3\n",
            { 1, "kaisai", "the header has no such column" } },
        BadRowCase { "missing_thousands", Table::Numbers4, "kaisai,N100,N10,N1\n1,1,2,3\n",
            { 1, "N1000", "the header has no such column" } },
        BadRowCase {
            "missing_no5", Table::MiniLoto, "kaisai,NO1,NO2,NO3,NO4\n", { 1, "NO5", "the header has no such column" } },
        BadRowCase { "column_twice", Table::Numbers3, "kaisai,N100,N10,N1,n10\n",
            { 1, "n10", "the column appears twice in the header" } },
        BadRowCase { "bonus_and_kounyu1", Table::MiniLoto, "kaisai,NO1,NO2,NO3,NO4,NO5,bonus,kounyu1\n",
            { 1, "bonus", "bonus and kounyu1 would both fill kounyu1; keep one of them" } }),
    [](const testing::TestParamInfo<BadRowCase>& info) { return info.param.name; });

TEST(Problem, DescribedWithLineAndColumn)
{
    EXPECT_EQ(describe({ 12, "N10", "\"x\" is not a digit from 0 to 9" }),
        "line 12, column N10: \"x\" is not a digit from 0 to 9");
    EXPECT_EQ(describe({ 3, "", "3 fields where the header has 4" }), "line 3: 3 fields where the header has 4");
    EXPECT_EQ(
        describe({ 0, "", "the file is empty: it has no header line" }), "the file is empty: it has no header line");
}

// ---- Hostile input ---------------------------------------------------------

struct MessageCase {
    const char* name;
    std::string value;
    std::string shown;
    // When not 0, the value is its first character this many times: built
    // by the test that runs, not by every process that lists the tests.
    std::size_t repeat = 0;
};

class ValueForMessage : public testing::TestWithParam<MessageCase> { };

TEST_P(ValueForMessage, EscapesControlsAndCutsLongValues)
{
    const MessageCase& c = GetParam();
    EXPECT_EQ(forMessage(c.repeat ? std::string(c.repeat, c.value[0]) : c.value), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Values, ValueForMessage,
    testing::Values(MessageCase { "plain", "1994-10-07", "1994-10-07" },
        MessageCase { "clear_screen", "\x1b[2J\x1b[Himported 1 draws", "\\x1B[2J\\x1B[Himported 1 draws" },
        MessageCase { "breaks_and_tab", "a\r\nb\tc\x7f", "a\\r\\nb\\tc\\x7F" },
        MessageCase { "c1_and_direction_marks", "x\xc2\x85y\xe2\x80\xaez", "x\\u0085y\\u202Ez" },
        MessageCase { "not_utf8", "\x97\x5c", "\\x97\\" },
        MessageCase { "forty_characters_stay", std::string(40, '7'), std::string(40, '7') },
        MessageCase { "cut_after_forty", "9", std::string(40, '9') + "\u2026", 5'000'000 },
        MessageCase {
            "cut_counts_characters", "予想" + std::string(39, '1'), "予想" + std::string(38, '1') + "\u2026" }),
    [](const testing::TestParamInfo<MessageCase>& info) { return info.param.name; });

TEST(ReadDrawsBounds, AFieldBeyondTheHeaderEndsTheReadWhereItBegins)
{
    // Ten million commas would be ten million fields if the row were collected.
    const std::string text = "kaisai,N100,N10,N1\n1,1,2,3\n2" + std::string(10'000'000, ',') + "\n";
    const Draws read = readDraws(Table::Numbers3, text);
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(describe(*read.problem), "line 3: more than 4 fields where the header has 4");

    for (const std::string& field : { std::string(kLongestField + 1, '5'),
             '"' + std::string(kLongestField + 1, '5') + '"', '"' + std::string(2 * kLongestField + 2, '"') + '"' }) {
        const Draws tooLong = readDraws(Table::Numbers3, "kaisai,N100,N10,N1,kounyu1\n\n1,2,3,4," + field + "\n");
        ASSERT_TRUE(tooLong.problem);
        EXPECT_EQ(describe(*tooLong.problem), "line 3: a field longer than 65536 bytes");
    }
    const Draws longest
        = readDraws(Table::Numbers3, "kaisai,N100,N10,N1,kounyu1\n1,2,3,4," + std::string(kLongestField, 'x'));
    ASSERT_FALSE(longest.problem) << describe(*longest.problem);
    EXPECT_EQ(longest.draws.at(0).kounyu[0].size(), kLongestField);

    const Records split = splitRecords(std::string(kMostColumns + 5, ','));
    ASSERT_TRUE(split.problem);
    EXPECT_EQ(describe(*split.problem), "line 1: more than 1024 fields");
}

TEST(ReadDrawsBounds, MessagesQuoteOnlyTheStartOfAHostileField)
{
    const Draws read
        = readDraws(Table::Numbers3, "kaisai,N100,N10,N1\n1,\x1b[2J" + std::string(60'000, '8') + ",2,3\n");
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(describe(*read.problem),
        "line 2, column N100: \"\\x1B[2J" + std::string(36, '8') + "\u2026\" is not a digit from 0 to 9");
    const Draws twice = readDraws(Table::Numbers3, "kaisai,N100,N10,N1,\"N1\"\n");
    ASSERT_TRUE(twice.problem);
    EXPECT_EQ(describe(*twice.problem), "line 1, column N1: the column appears twice in the header");
}

TEST(RowProblems, EveryRefusedRowInFileOrder)
{
    const std::vector<Problem> problems = rowProblems(
        Table::Numbers4, "kaisai,N1000,N100,N10,N1\n0,1,2,3,4\n1,1,2,3,4\n2,15,0,0,0\n1,1,2,3,4\n3,1,2,3,4\n");
    EXPECT_EQ(problems,
        (std::vector<Problem> { { 2, "kaisai", "\"0\" is not a draw number from 1 to 32767" },
            { 4, "N1000", "\"15\" is not a digit from 0 to 9" }, { 5, "kaisai", "draw 1 is also on line 3" } }));
    EXPECT_TRUE(rowProblems(Table::Numbers3, "kaisai,N100,N10,N1\n1,1,2,3\n").empty());
}
