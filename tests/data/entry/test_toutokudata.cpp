// SPDX-License-Identifier: MIT
#include "data/entry/toutokudata.h"
#include "support/testdb.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using zelpo::db::Failure;
using zelpo::entry::NumbersDraw;
using zelpo::entry::NumbersGame;
using zelpo::test::TempDatabase;

namespace {

const QString kAll3 = QStringLiteral("SELECT * FROM ナンバーズ3 ORDER BY kaisai");
const QString kAll4 = QStringLiteral("SELECT * FROM ナンバーズ4 ORDER BY kaisai");

NumbersDraw numbers3(const std::string& kaisai)
{
    return { kaisai, { "0", "4", "7" }, { "123", "456", "789", "012", "it's" } };
}

NumbersDraw numbers4(const std::string& kaisai)
{
    return { kaisai, { "0", "1", "2", "3" }, { "1234", "5678", "9012", "3456", "7890" } };
}

TEST(AppendDraws, StoresBothRowsAsTyped)
{
    const TempDatabase database;
    const auto result = zelpo::entry::appendDraws(database.path(), QString(), numbers3("1"), numbers4("1"));
    EXPECT_TRUE(result.status.ok()) << zelpo::db::describe(result.status).toStdString();
    EXPECT_EQ(database.rows(kAll3), QStringList { "1|0|4|7|123|456|789|012|it's| " });
    EXPECT_EQ(database.rows(kAll4), QStringList { "1|0|1|2|3|1234|5678|9012|3456|7890| " });
}

struct DuplicateCase {
    const char* name;
    TempDatabase::Tables tables;
    NumbersGame storedIn;
};

class AppendDrawsDuplicate : public testing::TestWithParam<DuplicateCase> { };

// The pair is one unit: a draw number already held by either table stores neither row.
TEST_P(AppendDrawsDuplicate, StoresNeitherRowAndNamesTheGame)
{
    const DuplicateCase& c = GetParam();
    const TempDatabase database(c.tables);
    if (c.storedIn == NumbersGame::Numbers3)
        database.addNumbers3(7, 1, 1, 1);
    else
        database.addNumbers4(7, 1, 1, 1, 1);
    const QStringList before3 = database.rows(kAll3);
    const QStringList before4 = database.rows(kAll4);

    const auto result = zelpo::entry::appendDraws(database.path(), QString(), numbers3("7"), numbers4("7"));
    EXPECT_EQ(result.status.failure(), Failure::Duplicate);
    EXPECT_EQ(result.game, c.storedIn);
    EXPECT_EQ(database.rows(kAll3), before3);
    EXPECT_EQ(database.rows(kAll4), before4);
}

INSTANTIATE_TEST_SUITE_P(Registration, AppendDrawsDuplicate,
    testing::Values(DuplicateCase { "Numbers3Keyed", TempDatabase::Tables::Keyed, NumbersGame::Numbers3 },
        DuplicateCase { "Numbers4Keyed", TempDatabase::Tables::Keyed, NumbersGame::Numbers4 },
        DuplicateCase { "Numbers3Unkeyed", TempDatabase::Tables::Unkeyed, NumbersGame::Numbers3 },
        DuplicateCase { "Numbers4Unkeyed", TempDatabase::Tables::Unkeyed, NumbersGame::Numbers4 }),
    [](const testing::TestParamInfo<DuplicateCase>& info) { return std::string(info.param.name); });

TEST(AppendDraws, ARefusedNumbers4RowTakesTheNumbers3RowBackWithIt)
{
    const TempDatabase database;
    database.exec(QStringLiteral("DROP TABLE ナンバーズ4"));
    const auto result = zelpo::entry::appendDraws(database.path(), QString(), numbers3("1"), numbers4("1"));
    EXPECT_FALSE(result.status.ok());
    EXPECT_NE(result.status.failure(), Failure::Duplicate);
    EXPECT_TRUE(database.rows(kAll3).isEmpty());
}

TEST(AppendDraws, ALockedFileStoresNothing)
{
    const TempDatabase database;
    {
        const zelpo::test::FileLock lock(database.path());
        const auto result = zelpo::entry::appendDraws(database.path(), QString(), numbers3("1"), numbers4("1"));
        EXPECT_EQ(result.status.failure(), Failure::Busy);
    }
    EXPECT_TRUE(database.rows(kAll3).isEmpty());
    EXPECT_TRUE(database.rows(kAll4).isEmpty());
}

TEST(AppendDraws, AMissingFileIsNotCreated)
{
    const TempDatabase database(TempDatabase::Tables::None);
    const QString missing = database.dir() + QStringLiteral("/missing.mdb");
    const auto result = zelpo::entry::appendDraws(missing, QString(), numbers3("1"), numbers4("1"));
    EXPECT_EQ(result.status.failure(), Failure::Missing);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(AppendDraws, ADrawNumberThatIsNotDigitsNeverReachesTheFile)
{
    const TempDatabase database;
    // An empty draw number: the count failed when the window opened.
    const auto result = zelpo::entry::appendDraws(database.path(), QString(), numbers3(""), numbers4("1"));
    EXPECT_EQ(result.status.failure(), Failure::Statement);
    EXPECT_EQ(result.game, NumbersGame::Numbers3);
    EXPECT_TRUE(database.rows(kAll4).isEmpty());
}

} // namespace
