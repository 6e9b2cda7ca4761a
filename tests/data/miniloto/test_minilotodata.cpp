// SPDX-License-Identifier: MIT
#include "data/db/drawcount.h"
#include "data/miniloto/minilotodata.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

using zelpo::db::Failure;
using zelpo::miniloto::DrawEntry;
using zelpo::test::TempDatabase;

namespace {

DrawEntry entryFor(const std::string& kaisai)
{
    return { kaisai, { "3", "12", "17", "25", "30" }, "7",
        { "1-5-9-20-31", "2-4-6-8-10", "3-13-23-28-29", "11-14-19-22-27" } };
}

const QString kAllRows = "SELECT * FROM ミニロト ORDER BY kaisai";

} // namespace

TEST(MiniLotoData, ListsWinningNumbersWithTwoDigitsAndTextsAsStored)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addMiniLoto(2, { 10, 31, 1, 0, 9 }, { "07", "1-2-3-4-5", "", "x'y", "　" });
    database.addMiniLoto(1, { 3, 9, 17, 25, 30 }, { "7" });
    database.addMiniLoto(0, { 1, 2, 3, 4, 5 });
    QStringList rows;
    const auto status = zelpo::miniloto::readDraws(
        database.path(), zelpo::db::kWhereListAll, [&](const QStringList& cells) { rows << cells.join('|'); });
    ASSERT_TRUE(status.ok()) << zelpo::db::describe(status).toStdString();
    EXPECT_EQ(rows, (QStringList { "1|03-09-17-25-30|7||||", "2|10-31-01-00-09|07|1-2-3-4-5||x'y|　" }));
}

TEST(MiniLotoData, PredictionsDependOnTheSetOfDrawsOnly)
{
    const TempDatabase forward;
    forward.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    forward.addMiniLoto(2, { 6, 7, 8, 9, 10 });
    forward.addMiniLoto(3, { 11, 20, 21, 30, 31 });
    const TempDatabase backward;
    backward.addMiniLoto(1, { 11, 20, 21, 30, 31 });
    backward.addMiniLoto(2, { 6, 7, 8, 9, 10 });
    backward.addMiniLoto(3, { 1, 2, 3, 4, 5 });
    backward.addMiniLoto(0, { 31, 31, 31, 31, 31 }); // not a draw: left out by the clause

    const auto first = zelpo::miniloto::predictNext(forward.path(), zelpo::db::kWherePositive);
    const auto second = zelpo::miniloto::predictNext(backward.path(), zelpo::db::kWherePositive);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->size(), 4);
    EXPECT_EQ(*first, *second);
}

TEST(MiniLotoData, AFailedPredictionSaysWhy)
{
    const TempDatabase database(TempDatabase::Tables::None);
    zelpo::db::Status status;
    EXPECT_FALSE(zelpo::miniloto::predictNext(database.dir() + "/missing.mdb", zelpo::db::kWherePositive, &status));
    EXPECT_EQ(status.failure(), Failure::Missing);
    EXPECT_FALSE(zelpo::miniloto::predictNext(database.path(), zelpo::db::kWherePositive, &status));
    EXPECT_EQ(status.failure(), Failure::Statement);
}

class MiniLotoAppend : public ::testing::TestWithParam<TempDatabase::Tables> { };

TEST_P(MiniLotoAppend, StoresTheRowAsTyped)
{
    const TempDatabase database(GetParam());
    DrawEntry entry = entryFor("1");
    entry.numbers[0] = "03";
    entry.bonus = "7'";
    entry.predictions[3] = "it's mine";
    const auto status = zelpo::miniloto::appendDraw(database.path(), QString(), entry);
    ASSERT_TRUE(status.ok()) << zelpo::db::describe(status).toStdString();
    EXPECT_EQ(
        database.rows(kAllRows), QStringList { "1|3|12|17|25|30|7'|1-5-9-20-31|2-4-6-8-10|3-13-23-28-29|it's mine| " });
}

TEST_P(MiniLotoAppend, RefusesAStoredDrawNumberAndStoresNothing)
{
    // Draws 1 and 3 stored: the count makes the next number 3, which is taken.
    const TempDatabase database(GetParam());
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    database.addMiniLoto(3, { 6, 7, 8, 9, 10 });
    const auto next = zelpo::db::nextDrawNumber(database.path(), zelpo::db::kCountMiniLoto, zelpo::db::kWherePositive);
    ASSERT_EQ(next, 3);
    const QStringList before = database.rows(kAllRows);

    const auto status = zelpo::miniloto::appendDraw(database.path(), QString(), entryFor("3"));
    EXPECT_EQ(status.failure(), Failure::Duplicate);
    EXPECT_EQ(database.rows(kAllRows), before);
}

INSTANTIATE_TEST_SUITE_P(Tables, MiniLotoAppend,
    ::testing::Values(TempDatabase::Tables::Keyed, TempDatabase::Tables::Unkeyed),
    [](const auto& info) { return info.param == TempDatabase::Tables::Keyed ? "Keyed" : "Unkeyed"; });

TEST(MiniLotoData, AppendFailuresLeaveTheFileAsItWas)
{
    const TempDatabase database;
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    const QStringList before = database.rows(kAllRows);

    DrawEntry notDigits = entryFor("2");
    notDigits.numbers[2] = "1)";
    EXPECT_EQ(zelpo::miniloto::appendDraw(database.path(), QString(), notDigits).failure(), Failure::Statement);
    EXPECT_EQ(zelpo::miniloto::appendDraw(database.path(), QString(), entryFor("")).failure(), Failure::Statement);
    EXPECT_EQ(zelpo::miniloto::appendDraw(database.dir() + "/missing.mdb", QString(), entryFor("2")).failure(),
        Failure::Missing);
    {
        const zelpo::test::FileLock lock(database.path());
        EXPECT_EQ(zelpo::miniloto::appendDraw(database.path(), QString(), entryFor("2")).failure(), Failure::Busy);
    }
    EXPECT_EQ(database.rows(kAllRows), before);
}
