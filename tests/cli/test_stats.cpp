// SPDX-License-Identifier: MIT
#include "support/cli.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

using zelpo::test::Outcome;
using zelpo::test::runCli;
using zelpo::test::TempDatabase;

namespace {

const QString kHeader = "桁数\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9\n";

} // namespace

TEST(CliStats, AnEmptyTablePrintsTheHeaderAndRowsOfZeros)
{
    const TempDatabase database;
    const Outcome outcome = runCli({ "stats", "numbers3" }, database.path());
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out,
        kHeader + " 一桁目\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n" + " 二桁目\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
            + " 三桁目\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n");
    EXPECT_EQ(outcome.err, "");
}

TEST(CliStats, CountsThePositiveDrawsOfEachGame)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers3(2, 3, 0, 7);
    database.addNumbers3(1, 3, 1, 7);
    database.addNumbers3(0, 9, 9, 9);
    database.addNumbers4(1, 0, 1, 2, 3);
    database.addNumbers4(-2, 9, 9, 9, 9);

    const Outcome numbers3 = runCli({ "stats", "numbers3", "--db", database.path() }, "/nonexistent/default.mdb");
    EXPECT_EQ(numbers3.code, 0);
    EXPECT_EQ(numbers3.out,
        kHeader + " 一桁目\t0\t0\t0\t0\t0\t0\t0\t2\t0\t0\n" + " 二桁目\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\n"
            + " 三桁目\t0\t0\t0\t2\t0\t0\t0\t0\t0\t0\n");

    const Outcome numbers4 = runCli({ "stats", "--db=" + database.path(), "numbers4" }, "/nonexistent/default.mdb");
    EXPECT_EQ(numbers4.code, 0);
    EXPECT_EQ(numbers4.out,
        kHeader + " 一桁目\t0\t0\t0\t1\t0\t0\t0\t0\t0\t0\n" + " 二桁目\t0\t0\t1\t0\t0\t0\t0\t0\t0\t0\n"
            + " 三桁目\t0\t1\t0\t0\t0\t0\t0\t0\t0\t0\n" + " 四桁目\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\n");
}

TEST(CliStats, FailuresGoToStandardErrorWithANonZeroCode)
{
    const TempDatabase database(TempDatabase::Tables::None);
    const Outcome missing = runCli({ "stats", "numbers4" }, database.dir() + "/missing.mdb");
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_TRUE(missing.err.contains("not found")) << missing.err.toStdString();

    for (const QStringList& args : { QStringList { "stats" }, QStringList { "stats", "miniloto" },
             QStringList { "stats", "numbers3", "--db" }, QStringList { "stats", "numbers3", "numbers4" } }) {
        const Outcome usage = runCli(args, database.path());
        EXPECT_EQ(usage.code, 2) << args.join(' ').toStdString();
        EXPECT_EQ(usage.out, "");
        EXPECT_TRUE(usage.err.contains("usage: zelpo-cli stats")) << usage.err.toStdString();
    }
}
