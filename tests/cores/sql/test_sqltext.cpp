// SPDX-License-Identifier: MIT
#include "cores/sql/sqltext.h"

#include <gtest/gtest.h>

TEST(SqlText, QuotedDoublesEveryQuote)
{
    EXPECT_EQ(zelpo::db::quoted(""), "''");
    EXPECT_EQ(zelpo::db::quoted("123"), "'123'");
    EXPECT_EQ(zelpo::db::quoted("O'Neil''"), "'O''Neil'''''");
    EXPECT_EQ(zelpo::db::quoted("\xE3\x80\x80"), "'\xE3\x80\x80'"); // the full-width blank passes through
}

TEST(SqlText, ANulCharacterCannotBeQuoted)
{
    EXPECT_TRUE(zelpo::db::isQuotable(""));
    EXPECT_TRUE(zelpo::db::isQuotable("'\x01\n"));
    EXPECT_FALSE(zelpo::db::isQuotable(std::string("a\0b", 3)));
    EXPECT_FALSE(zelpo::db::isQuotable(std::string(1, '\0')));
}

TEST(SqlText, OnlyAsciiDigitsCount)
{
    for (const char* good : { "0", "07", "32767" })
        EXPECT_TRUE(zelpo::db::isDigits(good)) << good;
    for (const char* bad : { "", " 1", "1 ", "-1", "1a", "'", "\xEF\xBC\x91" /* full-width 1 */ })
        EXPECT_FALSE(zelpo::db::isDigits(bad)) << bad;
}
