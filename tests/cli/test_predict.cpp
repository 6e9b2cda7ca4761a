// SPDX-License-Identifier: MIT
#include "support/cli.h"
#include "support/testdb.h"

#include <QFile>

#include <gtest/gtest.h>

using zelpo::test::Outcome;
using zelpo::test::runCli;
using zelpo::test::TempDatabase;

namespace {

// The worked example of both games, stored in reverse order in tables without
// a key, with rows numbered 0 and below that would change the result if they
// were counted.
void fillExample(const TempDatabase& database)
{
    const int numbers3[][3] = { { 1, 0, 6 }, { 2, 5, 1 }, { 1, 0, 6 }, { 4, 5, 2 }, { 1, 0, 6 }, { 7, 3, 8 },
        { 1, 0, 4 }, { 2, 5, 4 }, { 1, 8, 4 }, { 4, 8, 4 }, { 1, 0, 6 } };
    for (int i = 10; i >= 0; --i)
        database.addNumbers3(i + 1, numbers3[i][0], numbers3[i][1], numbers3[i][2], { "999" });
    database.addNumbers3(0, 1, 0, 6);
    database.addNumbers3(-3, 1, 0, 6);

    const int numbers4[][4] = { { 1, 2, 3, 4 }, { 5, 6, 7, 8 }, { 1, 2, 3, 4 }, { 5, 6, 7, 9 }, { 1, 2, 3, 4 } };
    for (int i = 4; i >= 0; --i)
        database.addNumbers4(i + 1, numbers4[i][0], numbers4[i][1], numbers4[i][2], numbers4[i][3]);
    database.addNumbers4(0, 1, 2, 3, 4);
    database.addNumbers4(-1, 1, 2, 3, 4);
}

TEST(CliPredict, PrintsTheFiveTextsOfEachGame)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    fillExample(database);
    const Outcome numbers3 = runCli({ "predict", "numbers3", "--db", database.path() }, "/nonexistent/default.mdb");
    EXPECT_EQ(numbers3.code, 0);
    EXPECT_EQ(numbers3.out, "251\n432\n708\n530\n128\n");
    EXPECT_EQ(numbers3.err, "");

    const Outcome numbers4 = runCli({ "predict", "--db=" + database.path(), "numbers4" }, "/nonexistent/default.mdb");
    EXPECT_EQ(numbers4.code, 0);
    EXPECT_EQ(numbers4.out, "5678\n0009\n0000\n0608\n0009\n");
    EXPECT_EQ(numbers4.err, "");
}

TEST(CliPredict, UsesTheDatabaseNextToTheProgramByDefault)
{
    const TempDatabase database;
    const Outcome outcome = runCli({ "predict", "numbers4" }, database.path());
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out, "0000\n0000\n0000\n0000\n0000\n");
}

struct FailureCase {
    const char* name;
    QStringList args; // "DB" stands for the test's database path
    int code;
    const char* message; // part of the text on standard error
};

class CliPredictFailure : public ::testing::TestWithParam<FailureCase> { };

TEST_P(CliPredictFailure, SaysWhyOnStandardErrorAndPrintsNothing)
{
    const TempDatabase database;
    // A digit column that holds no number cannot be read.
    database.exec("INSERT INTO ナンバーズ3 VALUES (1,NULL,2,3,'','','','','',' ')");
    const TempDatabase noTables(TempDatabase::Tables::None);
    QFile garbage(database.dir() + "/garbage.mdb");
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();

    QStringList args = GetParam().args;
    args.replaceInStrings("DB", database.path());
    args.replaceInStrings("EMPTY", noTables.path());
    args.replaceInStrings("GARBAGE", garbage.fileName());
    args.replaceInStrings("MISSING", database.dir() + "/missing.mdb");
    const Outcome outcome = runCli(args, database.dir() + "/missing-default.mdb");
    EXPECT_EQ(outcome.code, GetParam().code);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.contains(GetParam().message)) << outcome.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, CliPredictFailure,
    ::testing::Values(FailureCase { "missing_file", { "predict", "numbers3", "--db", "MISSING" }, 1, "not found" },
        FailureCase { "missing_default_file", { "predict", "numbers4" }, 1, "missing-default.mdb" },
        FailureCase { "not_a_database", { "predict", "numbers4", "--db", "GARBAGE" }, 1, "cannot open" },
        FailureCase { "no_tables", { "predict", "numbers3", "--db", "EMPTY" }, 1, "refused the query" },
        FailureCase { "unreadable_digit", { "predict", "numbers3", "--db", "DB" }, 1, "could not be read" },
        FailureCase { "no_game", { "predict", "--db", "DB" }, 2, "usage" },
        FailureCase { "unknown_game", { "predict", "numbers5", "--db", "DB" }, 2, "unknown game 'numbers5'" },
        FailureCase { "db_without_path", { "predict", "numbers3", "--db" }, 2, "usage" },
        FailureCase { "two_games", { "predict", "numbers3", "numbers4", "--db", "DB" }, 2, "usage" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
