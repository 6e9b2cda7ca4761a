// SPDX-License-Identifier: MIT
#include "cores/csv/payoutcsv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zelpo::db::csv;

namespace {

// Rows as "line:kaisai|date|amount,amount" with "-" for an empty amount.
std::vector<std::string> flatten(const PayoutRows& read)
{
    std::vector<std::string> result;
    for (const PayoutRow& row : read.rows) {
        std::string text = std::to_string(row.line) + ':' + std::to_string(row.kaisai) + '|' + row.date + '|';
        for (std::size_t i = 0; i < row.amounts.size(); ++i) {
            // Appended piece by piece: GCC 12 at -O2 reports a false -Wrestrict on "…" + std::string&&.
            if (i > 0)
                text += ',';
            text += row.amounts[i] ? std::to_string(*row.amounts[i]) : std::string("-");
        }
        result.push_back(text);
    }
    return result;
}

} // namespace

TEST(PayoutCsv, ReadsAmountsInStoredOrderKeepingEmptyApartFromZero)
{
    // Columns in another order and case, an unknown one, blanks, a BOM, CRLF and an empty row.
    const PayoutRows n3 = readPayouts(Table::Numbers3,
        "\xEF\xBB\xBF"
        "KAISAI,mini,note,straight,box,set_straight,set_box,Date\r\n"
        "35, 6500 ,x,65500,,,,1995-06-02\r\n,,,,,,,\r\n36,0,,1000000000,0,1,2,\r\n");
    EXPECT_FALSE(n3.problem) << describe(*n3.problem);
    EXPECT_EQ(
        flatten(n3), (std::vector<std::string> { "2:35|1995-06-02|65500,-,-,-,6500", "4:36||1000000000,0,1,2,0" }));

    const PayoutRows mini = readPayouts(Table::MiniLoto,
        "kaisai,prize1,winners1,prize2,winners2,prize3,winners3,prize4,winners4\n1,6090500,29,,46,9400,2331,900,0\n");
    EXPECT_EQ(flatten(mini), std::vector<std::string> { "2:1||6090500,29,-,46,9400,2331,900,0" });

    const PayoutRows dates = readDates("kaisai,date,N100,N10,N1\n1,1994-10-07,1,9,1\n2,,9,8,8\n");
    EXPECT_EQ(flatten(dates), (std::vector<std::string> { "2:1|1994-10-07|", "3:2||" }));
}

struct FaultCase {
    const char* name;
    Table table;
    std::string text;
    std::string problem;
};

class PayoutCsvFaults : public testing::TestWithParam<FaultCase> { };

TEST_P(PayoutCsvFaults, TheFirstFaultAndNoRows)
{
    const PayoutRows read = readPayouts(GetParam().table, GetParam().text);
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(describe(*read.problem), GetParam().problem);
    EXPECT_TRUE(read.rows.empty());
}

const std::string kN4 = "kaisai,straight,box,set_straight,set_box\n1,100,20,60,10\n";

INSTANTIATE_TEST_SUITE_P(Cases, PayoutCsvFaults,
    testing::Values(FaultCase { "empty_file", Table::Numbers4, "", "the file is empty: it has no header line" },
        FaultCase { "column_missing", Table::Numbers3, kN4, "line 1, column mini: the header has no such column" },
        FaultCase { "negative", Table::Numbers4, kN4 + "2,-5,,,\n",
            "line 3, column straight: \"-5\" is not empty or a whole number from 0 to 1000000000" },
        FaultCase { "too_large", Table::Numbers4, kN4 + "2,1000000001,,,\n",
            "line 3, column straight: \"1000000001\" is not empty or a whole number from 0 to 1000000000" },
        FaultCase { "draw_zero", Table::Numbers4, kN4 + "0,1,2,3,4\n",
            "line 3, column kaisai: \"0\" is not a draw number from 1 to 32767" },
        FaultCase {
            "draw_twice", Table::Numbers4, kN4 + "1,1,2,3,4\n", "line 3, column kaisai: draw 1 is also on line 2" },
        FaultCase { "short_row", Table::Numbers4, kN4 + "2,1,2\n", "line 3: 3 fields where the header has 5" },
        FaultCase { "no_leap_day", Table::Numbers4, "kaisai,date,straight,box,set_straight,set_box\n1,2025-02-29,,,,\n",
            "line 2, column date: \"2025-02-29\" is not a date written YYYY-MM-DD" }),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST(PayoutCsv, DatesAreCalendarDaysWrittenYearMonthDay)
{
    for (const char* date : { "2024-02-29", "2000-02-29", "1994-10-07", "2026-12-31" })
        EXPECT_TRUE(isDate(date)) << date;
    for (const char* date : { "1900-02-29", "2026-04-31", "2026-13-01", "2026-00-10", "2026-1-10", "2026/01/10",
             "20260110", "2026-01-1x", "0000-01-01" })
        EXPECT_FALSE(isDate(date)) << date;
    EXPECT_EQ(describe(*readDates("kaisai,N1\n1,2\n").problem), "line 1, column date: the header has no such column");
}
