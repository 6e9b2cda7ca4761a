// SPDX-License-Identifier: MIT
#include "support/cli.h"
#include "support/testdb.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using zelpo::test::Outcome;
using zelpo::test::runCli;
using zelpo::test::TempDatabase;

namespace {

QJsonObject trendsJson(const QStringList& args)
{
    const Outcome outcome = runCli(QStringList { "trends" } + args + QStringList { "--json" }, {});
    EXPECT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.endsWith(u'\n'));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(outcome.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << outcome.out.toStdString();
    return document.object();
}

// "draws first last" of the window.
QString windowOf(const QJsonObject& trends)
{
    return QStringLiteral("%1 %2 %3")
        .arg(trends["draws"].toInt())
        .arg(trends["first"].toInt())
        .arg(trends["last"].toInt());
}

TEST(CliTrends, CountsTheDrawsThePredictionsReadInTextAndJson)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    database.addNumbers3(2, 1, 2, 9);
    database.addNumbers3(3, 1, 10, 3); // a draw the predictions leave out
    database.addNumbers3(4, 5, 5, 5);
    database.addNumbers3(0, 7, 7, 7); // not a draw
    const QJsonObject all = trendsJson({ "numbers3", "--db", database.path() });
    EXPECT_EQ(all.keys(), QStringList({ "draws", "first", "game", "last", "sections" }));
    EXPECT_EQ(all["game"].toString(), "numbers3");
    EXPECT_EQ(windowOf(all), "3 1 4");
    QStringList names;
    for (const QJsonValue& section : all["sections"].toArray()) {
        names << section["name"].toString();
        EXPECT_EQ(section.toObject().keys(), QStringList({ "name", "rows", "tests" }));
    }
    EXPECT_EQ(names, QStringList({ "digits", "gaps", "sums", "patterns", "odd_even", "high_low", "pulls" }));

    const Outcome text = runCli({ "trends", "numbers3", "--db", database.path() }, {});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith("numbers3\t3\t1\t4\n\ndigits\n1:0\t0\t0.300\n")) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains("\npatterns\nsingle\t2\t2.160\ndouble\t0\t0.810\ntriple\t1\t0.030\n"));
    // Draw 3 is no draw of the window: the gap of digit 1 in front is one draw, not two.
    EXPECT_TRUE(text.out.contains("\ngaps\n1:0\t3\t10.000\t0.729\n1:1\t1\t10.000\t0.9\n"));

    // The window is the latest draws the predictions read; more than there are is all of them.
    EXPECT_EQ(windowOf(trendsJson({ "numbers3", "--last", "2", "--db", database.path() })), "2 2 4");
    EXPECT_EQ(trendsJson({ "numbers3", "--last=100", "--db", database.path() }), all);
}

TEST(CliTrends, MiniLotoCountsFiveDifferentNumbersAndNoBonus)
{
    const TempDatabase database;
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 }, { "31" });
    database.addMiniLoto(2, { 1, 1, 2, 3, 4 }); // a number twice: no draw
    database.addMiniLoto(3, { 6, 7, 8, 9, 31 }, { "1" });
    EXPECT_EQ(windowOf(trendsJson({ "miniloto", "--db", database.path() })), "2 1 3");
    const Outcome text = runCli({ "trends", "miniloto", "--db", database.path() }, {});
    EXPECT_TRUE(text.out.contains("\nnumbers\n1\t1\t0.323\n")) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains("\n31\t1\t0.323\n"));
}

struct UsageCase {
    const char* name;
    QStringList args; // "DB" stands for the test's database, "MISSING" for a file that is not there
    int code;
    const char* message;
};

class CliTrendsRefusal : public ::testing::TestWithParam<UsageCase> { };

TEST_P(CliTrendsRefusal, SaysWhyAndPrintsNothing)
{
    const TempDatabase database;
    QStringList args = GetParam().args;
    args.replaceInStrings("MISSING", database.dir() + "/missing.mdb");
    args.replaceInStrings("DB", database.path());
    const Outcome outcome = runCli(QStringList { "trends" } + args, database.dir() + "/missing-default.mdb");
    EXPECT_EQ(outcome.code, GetParam().code);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.contains(GetParam().message)) << outcome.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, CliTrendsRefusal,
    ::testing::Values(UsageCase { "last_zero", { "numbers3", "--last", "0", "--db", "DB" }, 2,
                          "--last needs a whole number of draws from 1, not '0'" },
        UsageCase { "last_negative", { "numbers3", "--last=-5", "--db", "DB" }, 2, "not '-5'" },
        UsageCase { "last_fraction", { "numbers4", "--last", "1.5", "--db", "DB" }, 2, "not '1.5'" },
        UsageCase { "last_signed", { "numbers4", "--last", "+5", "--db", "DB" }, 2, "not '+5'" },
        UsageCase { "last_without_value", { "miniloto", "--db", "DB", "--last" }, 2,
            "usage: zelpo-cli trends GAME [--db PATH] [--last N] [--json]" },
        UsageCase { "last_empty", { "miniloto", "--last=", "--db", "DB" }, 2, "usage" },
        UsageCase { "unknown_game", { "loto6", "--db", "DB" }, 2, "unknown game 'loto6'" },
        UsageCase { "two_games", { "numbers3", "numbers4", "--db", "DB" }, 2, "usage" },
        UsageCase { "missing_file", { "numbers3", "--db", "MISSING", "--json" }, 1, "not found" },
        UsageCase { "missing_default", { "miniloto" }, 1, "missing-default.mdb" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
