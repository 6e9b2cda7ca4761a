// SPDX-License-Identifier: MIT
#include "support/cli.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

using zelpo::test::Outcome;
using zelpo::test::runCli;
using zelpo::test::TempDatabase;

TEST(CliPredictMiniLoto, PrintsTheFourTextsOneALine)
{
    const TempDatabase database;
    database.addMiniLoto(2, { 6, 7, 8, 9, 10 });
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    database.addMiniLoto(-1, { 31, 31, 31, 31, 31 });
    const Outcome outcome = runCli({ "predict", "miniloto", "--db", database.path() }, "/nonexistent/default.mdb");
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.err, "");
    const QStringList lines = outcome.out.split('\n');
    ASSERT_EQ(lines.size(), 5) << outcome.out.toStdString();
    EXPECT_EQ(lines[0], "5-13-18-23-31");
    EXPECT_EQ(lines[4], "");
}

TEST(CliPredictMiniLoto, AnEmptyTableStillPredicts)
{
    const TempDatabase database;
    const Outcome outcome = runCli({ "predict", "miniloto" }, database.path());
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out, "1-2-3-4-8\n1-2-3-4-8\n1-2-3-4-8\n1-2-3-4-8\n");
}
