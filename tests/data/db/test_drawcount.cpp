// SPDX-License-Identifier: MIT
#include "data/db/drawcount.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

using zelpo::test::TempDatabase;

struct CountCase {
    const char* name;
    std::vector<int> stored;
    int expected;
};

class DrawCount : public ::testing::TestWithParam<CountCase> { };

TEST_P(DrawCount, IsTheNumberOfPositiveDrawsPlusOne)
{
    const TempDatabase database;
    for (const int kaisai : GetParam().stored) {
        database.addNumbers3(kaisai, 1, 2, 3);
        database.addNumbers4(kaisai, 1, 2, 3, 4);
        database.addMiniLoto(kaisai, { 1, 2, 3, 4, 5 });
    }
    for (const QStringView sql : { zelpo::db::kCountNumbers3, zelpo::db::kCountNumbers4, zelpo::db::kCountMiniLoto })
        EXPECT_EQ(zelpo::db::nextDrawNumber(database.path(), sql, zelpo::db::kWherePositive), GetParam().expected);
}

std::vector<int> range(int first, int last)
{
    std::vector<int> values;
    for (int i = first; i <= last; ++i)
        values.push_back(i);
    return values;
}

std::vector<int> withGap()
{
    std::vector<int> values = range(1, 499);
    values.push_back(501);
    return values;
}

INSTANTIATE_TEST_SUITE_P(Tables, DrawCount,
    ::testing::Values(CountCase { "empty", {}, 1 }, CountCase { "only_non_positive", { 0, -1, -5 }, 1 },
        CountCase { "mixed", { -2, 0, 1, 2, 3 }, 4 }, CountCase { "draws_1_to_500", range(1, 500), 501 },
        CountCase { "draws_1_to_499_and_501", withGap(), 501 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawCountText, MiniLotoKeepsItsTwoBlanks)
{
    EXPECT_EQ(zelpo::db::statementText(zelpo::db::kCountMiniLoto, zelpo::db::kWherePositive),
        QStringLiteral("SELECT kaisai FROM  ミニロト WHERE kaisai>0"));
}

TEST(DrawCountFailure, AMissingFileGivesNothing)
{
    zelpo::db::Status status;
    EXPECT_EQ(zelpo::db::nextDrawNumber(QStringLiteral("/nonexistent/ナンバーズ.mdb"), zelpo::db::kCountNumbers3,
                  zelpo::db::kWherePositive, &status),
        std::nullopt);
    EXPECT_EQ(status.failure(), zelpo::db::Failure::Missing);
}

// A row that the listing, the predictions or the statistics cannot read
// fails the count as well, so that every reader of the file agrees.
struct UnreadableCase {
    const char* name;
    const char* row;
    QStringView count;
};

class DrawCountUnreadable : public ::testing::TestWithParam<UnreadableCase> { };

TEST_P(DrawCountUnreadable, FailsAsAReadOfTheRows)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers3(1, 1, 2, 3);
    database.addNumbers4(1, 1, 2, 3, 4);
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    database.exec(GetParam().row);
    zelpo::db::Status status;
    EXPECT_EQ(
        zelpo::db::nextDrawNumber(database.path(), GetParam().count, zelpo::db::kWherePositive, &status), std::nullopt);
    EXPECT_EQ(status.failure(), zelpo::db::Failure::Read);
}

INSTANTIATE_TEST_SUITE_P(Rows, DrawCountUnreadable,
    ::testing::Values(UnreadableCase { "Numbers3NullDigit",
                          "INSERT INTO ナンバーズ3 VALUES (2,NULL,2,3,'','','','','',' ')", zelpo::db::kCountNumbers3 },
        UnreadableCase { "Numbers4TextDigit", "INSERT INTO ナンバーズ4 VALUES (2,1,2,'x',4,'','','','','',' ')",
            zelpo::db::kCountNumbers4 },
        UnreadableCase { "MiniLotoFraction", "INSERT INTO ミニロト VALUES (2,1,2,3,4,5.5,'','','','','',' ')",
            zelpo::db::kCountMiniLoto },
        UnreadableCase { "TextDrawNumber", "INSERT INTO ナンバーズ3 VALUES ('x',1,2,3,'','','','','',' ')",
            zelpo::db::kCountNumbers3 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawCountUnreadable, EmptyPredictionTextsAreReadable)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.exec("INSERT INTO ナンバーズ3 VALUES (1,1,2,3,NULL,NULL,NULL,NULL,NULL,NULL)");
    EXPECT_EQ(zelpo::db::nextDrawNumber(database.path(), zelpo::db::kCountNumbers3, zelpo::db::kWherePositive), 2);
}
