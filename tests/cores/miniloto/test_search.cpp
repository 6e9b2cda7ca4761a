// SPDX-License-Identifier: MIT
#include "cores/miniloto/search.h"

#include <gtest/gtest.h>

using zelpo::db::SearchClause;
using zelpo::miniloto::searchClause;

TEST(MiniLotoClause, ListsTheFiveTextsAsTypedForEachColumn)
{
    EXPECT_EQ(searchClause({ "3", "12", "17", "25", "30" }),
        SearchClause::where(" WHERE (NO1 IN (3,12,17,25,30 )) AND (NO2 IN (3,12,17,25,30 )) AND (NO3 IN "
                            "(3,12,17,25,30 )) AND (NO4 IN (3,12,17,25,30 )) AND (NO5 IN (3,12,17,25,30 ))"));
    // A leading zero and a repeated number go in as typed.
    EXPECT_EQ(searchClause({ "05", "5", "31", "1", "01" }),
        SearchClause::where(" WHERE (NO1 IN (05,5,31,1,01 )) AND (NO2 IN (05,5,31,1,01 )) AND (NO3 IN "
                            "(05,5,31,1,01 )) AND (NO4 IN (05,5,31,1,01 )) AND (NO5 IN (05,5,31,1,01 ))"));
}

TEST(MiniLotoClause, EveryInputMustBeFilledIn)
{
    for (int empty = 0; empty < 5; ++empty) {
        std::array<std::string_view, 5> numbers { "1", "2", "3", "4", "5" };
        numbers[empty] = "";
        EXPECT_EQ(searchClause(numbers), SearchClause::message("　全項目記入してください。。")) << empty;
    }
    EXPECT_EQ(searchClause({ "", "", "", "", "x" }), SearchClause::message("　全項目記入してください。。"));
}

TEST(MiniLotoClause, AnythingButOneOrTwoAsciiDigitsIsRefused)
{
    for (const char* bad : { "a", "1a", "'", " 1", "1 ", "-1", "123", "1)", "\xEF\xBC\x93" /* full-width 3 */ }) {
        for (int position = 0; position < 5; ++position) {
            std::array<std::string_view, 5> numbers { "1", "2", "3", "4", "5" };
            numbers[position] = bad;
            EXPECT_TRUE(searchClause(numbers).isRefused()) << bad << " at " << position;
        }
    }
}
