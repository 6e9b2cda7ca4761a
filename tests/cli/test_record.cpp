// SPDX-License-Identifier: MIT
#include "support/cli.h"
#include "support/testdb.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

using zelpo::test::Outcome;
using zelpo::test::runCli;
using zelpo::test::TempDatabase;

namespace {

QJsonObject parsed(const Outcome& outcome)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(outcome.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.endsWith(u'\n'));
    return document.object();
}

// The keys of every object in the order the text has them.
QStringList keysInOrder(const QString& json)
{
    QStringList keys;
    const QRegularExpression key(QStringLiteral("\"([a-z]+)\": "));
    for (auto match = key.globalMatch(json); match.hasNext();)
        keys << match.next().captured(1);
    keys.removeDuplicates();
    return keys;
}

// P(X >= hits) for a Poisson mean, summed over the upper tail in long double.
double upperTail(int hits, double mean)
{
    long double term = std::exp(-static_cast<long double>(mean));
    for (int k = 1; k <= hits; ++k)
        term *= mean / static_cast<long double>(k);
    long double sum = 0;
    for (int k = hits; k < hits + 60; ++k) {
        sum += term;
        term *= mean / static_cast<long double>(k + 1);
    }
    return static_cast<double>(sum);
}

TEST(CliCheck, ScoresTheStoredTicketsAsOneJsonObject)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3, { "123", "321", "abc", "923", "　" });
    database.addNumbers3(2, 4, 5, 6);             // nothing stored: not counted
    database.addNumbers3(3, 1, 10, 3, { "123" }); // a draw the prediction leaves out
    database.addNumbers3(4, 7, 8, 9, { "789", "" });
    database.addNumbers3(0, 1, 2, 3, { "123" }); // not a draw
    const Outcome outcome = runCli({ "check", "numbers3", "--db", database.path(), "--json" }, {});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(keysInOrder(outcome.out),
        QStringList({ "game", "draws", "tickets", "first", "last", "classes", "class", "hits", "expected", "p", "draw",
            "prediction", "ticket", "money", "kind", "cost", "won", "return" }));

    const QJsonObject json = parsed(outcome);
    EXPECT_EQ(json.size(), 8);
    EXPECT_EQ(json["game"].toString(), "numbers3");
    EXPECT_EQ(json["draws"].toInt(), 2);
    EXPECT_EQ(json["tickets"].toInt(), 4);
    EXPECT_EQ(json["first"].toInt(), 1);
    EXPECT_EQ(json["last"].toInt(), 4);

    const QJsonArray classes = json["classes"].toArray();
    ASSERT_EQ(classes.size(), 3);
    const char* names[] = { "straight", "box", "mini" };
    const int hits[] = { 2, 3, 3 };
    const double expected[] = { 0.004, 0.024, 0.04 };
    for (int c = 0; c < 3; ++c) {
        const QJsonObject entry = classes[c].toObject();
        EXPECT_EQ(entry.keys(), QStringList({ "class", "expected", "hits", "p" }));
        EXPECT_EQ(entry["class"].toString(), names[c]);
        EXPECT_EQ(entry["hits"].toInt(), hits[c]);
        EXPECT_NEAR(entry["expected"].toDouble(), expected[c], 1e-15);
        // Unrounded: the closed form agrees to the last few digits.
        EXPECT_NEAR(entry["p"].toDouble() / upperTail(hits[c], entry["expected"].toDouble()), 1.0, 1e-13);
    }

    const QJsonArray wins = json["hits"].toArray();
    QStringList rows;
    for (const QJsonValue& value : wins) {
        const QJsonObject win = value.toObject();
        EXPECT_EQ(win.keys(), QStringList({ "classes", "draw", "prediction", "ticket" }));
        QStringList won;
        for (const QJsonValue& name : win["classes"].toArray())
            won << name.toString();
        rows << QStringLiteral("%1 %2 %3 %4")
                    .arg(win["draw"].toInt())
                    .arg(win["prediction"].toInt())
                    .arg(win["ticket"].toString(), won.join(u','));
    }
    EXPECT_EQ(
        rows, QStringList({ "1 1 123 straight,box,mini", "1 2 321 box", "1 4 923 mini", "4 1 789 straight,box,mini" }));
}

TEST(CliCheck, MiniLotoCountsItsPredictionsFromKounyu2)
{
    const TempDatabase database;
    // kounyu1 holds the bonus; four numbers and the bonus win the 2nd class.
    database.addMiniLoto(
        1, { 3, 9, 17, 25, 30 }, { "11", "1-2-3-4-5", "3-9-17-25-30", "3-9-17-25-11", "3-9-17-12-13" });
    database.addMiniLoto(2, { 3, 9, 17, 25, 30 }, { " 1", "3-9-25-30-31", "3-9-25-30-1", "x", "" });
    const Outcome outcome = runCli({ "check", "miniloto", "--db", database.path() }, {});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    const QStringList lines = outcome.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4 + 1 + 5);
    EXPECT_TRUE(lines[0].startsWith("1\t1\t")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("2\t2\t")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("3\t1\t")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("4\t1\t")) << lines[3].toStdString();
    // No payouts stored: nothing counted as bought, both draws without payouts.
    EXPECT_EQ(lines[4], "ticket\t0\t0\t0\t0.000\t0\t0.000");
    EXPECT_EQ(lines.mid(5),
        QStringList({ "1\t2\t3-9-17-25-30\t1", "1\t3\t3-9-17-25-11\t2", "1\t4\t3-9-17-12-13\t4",
            "2\t1\t3-9-25-30-31\t3", "2\t2\t3-9-25-30-1\t2" }));
}

TEST(CliBacktest, ScoresThePredictionsMadeBeforeEachDraw)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    // Stored out of order; draw 2 is predicted from draw 1 alone (000 five
    // times), draw 3 from both (123, 000, 000, 200, 300). Stored texts play no part.
    for (const int kaisai : { 3, 1, 2 })
        database.addNumbers3(kaisai, 1, 2, 3, { "999", "999", "999", "999", "999" });
    const Outcome text = runCli({ "backtest", "numbers3", "--db", database.path() }, {});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    EXPECT_EQ(text.out,
        "straight\t1\t0.010\t100.000\t0.00995\n"
        "box\t1\t0.019\t52.632\t0.01882\n"
        "mini\t1\t0.100\t10.000\t0.09516\n"
        "straight\t0\t0\t0\t0.000\t0\t0.000\n"
        "box\t0\t0\t0\t0.000\t0\t0.000\n"
        "set\t0\t0\t0\t0.000\t0\t0.000\n"
        "mini\t0\t0\t0\t0.000\t0\t0.000\n"
        "3\t1\t123\tstraight,box,mini\n");

    const QJsonObject only2
        = parsed(runCli({ "backtest", "numbers3", "--db", database.path(), "--from", "2", "--to=2", "--json" }, {}));
    EXPECT_EQ(only2["draws"].toInt(), 1);
    EXPECT_EQ(only2["tickets"].toInt(), 5);
    EXPECT_EQ(only2["first"].toInt(), 2);
    EXPECT_EQ(only2["last"].toInt(), 2);
    EXPECT_EQ(only2["hits"].toArray().size(), 0);
    EXPECT_EQ(only2["classes"].toArray()[0].toObject()["p"].toDouble(), 1.0);

    const QJsonObject none
        = parsed(runCli({ "backtest", "numbers3", "--db", database.path(), "--from", "4", "--json" }, {}));
    EXPECT_EQ(none["draws"].toInt(), 0);
    EXPECT_TRUE(none["first"].isNull());
    EXPECT_TRUE(none["last"].isNull());
}

// Draw 2 against five predictions: a straight expected 5 times in 10,000, not rounded.
TEST(CliBacktest, JsonNumbersAreNotRounded)
{
    const TempDatabase database;
    database.addNumbers4(1, 1, 2, 3, 4);
    database.addNumbers4(2, 5, 6, 7, 8);
    const QJsonObject json = parsed(runCli({ "backtest", "numbers4", "--json", "--db", database.path() }, {}));
    EXPECT_EQ(json["classes"].toArray()[0].toObject()["expected"].toDouble(), 0.0005);
}

struct OutputCase {
    const char* name;
    void (*fill)(const TempDatabase& database);
    QStringList args;
    const char* out; // text standard output holds
    const char* err; // all of standard error, DB standing for the database
};

class CliRecordOutput : public ::testing::TestWithParam<OutputCase> { };

TEST_P(CliRecordOutput, PrintsTheNumbersExactly)
{
    const TempDatabase database;
    GetParam().fill(database);
    const Outcome outcome = runCli(GetParam().args + QStringList { "--db", database.path() }, {});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_TRUE(outcome.out.contains(QString::fromUtf8(GetParam().out))) << outcome.out.toStdString();
    EXPECT_EQ(outcome.err, QString::fromUtf8(GetParam().err).replace("DB", database.path()));
}

INSTANTIATE_TEST_SUITE_P(Cases, CliRecordOutput,
    ::testing::Values(
        // Nothing was expected: the ratio is no number at all, not "-nan".
        OutputCase { "check_without_predictions", [](const TempDatabase& d) { d.addNumbers3(1, 1, 2, 3); },
            { "check", "numbers3" }, "straight\t0\t0.000\t-\t1\nbox\t0\t0.000\t-\t1\nmini\t0\t0.000\t-\t1\n", "" },
        OutputCase { "range_past_the_last_draw",
            [](const TempDatabase& d) {
                for (int kaisai = 3; kaisai <= 20; ++kaisai)
                    d.addNumbers3(kaisai, 1, 2, 3);
            },
            { "backtest", "numbers3", "--from", "9000" }, "straight\t0\t0.000\t-\t1\n",
            "zelpo-cli backtest: warning: no draw in --from 9000 was scored; the stored draws run from 3 to 20\n" }),
    [](const auto& info) { return std::string(info.param.name); });

// Draws 1 to 4 all 123: draw 2 is predicted as 000 five times, draw 3 as
// 123, 000, 000, 200, 300. Draw 2 pays no mini, draw 4 has no payouts.
TEST(CliMoney, PrintsEachKindBesideChanceInTextAndJson)
{
    const TempDatabase database;
    for (int kaisai = 1; kaisai <= 4; ++kaisai)
        database.addNumbers3(kaisai, 1, 2, 3, kaisai == 3 ? QStringList { "123", "321" } : QStringList {});
    database.exec("INSERT INTO ナンバーズ3配当 VALUES (2,'2026-01-05',90000,15000,52500,7500,NULL),"
                  "(3,'2026-01-06',100000,16000,58000,8000,10000)");
    const Outcome text = runCli({ "backtest", "numbers3", "--db", database.path() }, {});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    QStringList money;
    for (const QString& line : text.out.split(u'\n')) {
        if (line.count(u'\t') == 6)
            money << line;
    }
    EXPECT_EQ(money,
        QStringList({ "straight\t10\t2000\t100000\t50.000\t950\t0.475", "box\t3\t600\t16000\t26.667\t291\t0.485",
            "set\t3\t600\t58000\t96.667\t297\t0.495", "mini\t5\t1000\t10000\t10.000\t500\t0.500" }));

    // Chance per ticket on 123: straight /1000, box 6 orderings /990, set
    // (set_straight + 5 set_box) /990, mini /100.
    struct Expected {
        const char* kind;
        int tickets;
        double won;
        double chance;
        int withoutPayouts;
    };
    const auto expectMoney = [](const Outcome& outcome, const std::vector<Expected>& expected) {
        ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
        // Yen are whole JSON numbers, but chance_won.
        EXPECT_TRUE(outcome.out.contains(QRegularExpression("\"cost\": \\d+, \"won\": \\d+, \"return\"")));
        const QJsonArray kinds = parsed(outcome)["money"].toArray();
        ASSERT_EQ(kinds.size(), static_cast<qsizetype>(expected.size()));
        for (std::size_t k = 0; k < expected.size(); ++k) {
            const QJsonObject kind = kinds[static_cast<qsizetype>(k)].toObject();
            const Expected& e = expected[k];
            EXPECT_EQ(kind.keys(),
                QStringList({ "chance_return", "chance_won", "cost", "draws_without_payouts", "kind", "return",
                    "tickets", "won" }));
            EXPECT_EQ(kind["kind"].toString(), e.kind);
            EXPECT_EQ(kind["tickets"].toInt(), e.tickets);
            EXPECT_EQ(kind["cost"].toInt(), 200 * e.tickets);
            EXPECT_EQ(kind["won"].toDouble(), e.won);
            EXPECT_DOUBLE_EQ(kind["return"].toDouble(), e.won / (200 * e.tickets)) << e.kind;
            EXPECT_DOUBLE_EQ(kind["chance_won"].toDouble(), e.chance) << e.kind;
            EXPECT_DOUBLE_EQ(kind["chance_return"].toDouble(), e.chance / (200 * e.tickets)) << e.kind;
            EXPECT_EQ(kind["draws_without_payouts"].toInt(), e.withoutPayouts) << e.kind;
        }
    };
    expectMoney(runCli({ "backtest", "numbers3", "--db", database.path(), "--json" }, {}),
        { { "straight", 10, 100000, 950, 1 }, { "box", 3, 16000, 3 * 96000 / 990.0, 1 },
            { "set", 3, 58000, 3 * 98000 / 990.0, 1 }, { "mini", 5, 10000, 500, 2 } });
    // The stored 123 and 321 of draw 3 read as bought.
    expectMoney(runCli({ "check", "numbers3", "--db", database.path(), "--json" }, {}),
        { { "straight", 2, 100000, 200, 0 }, { "box", 2, 32000, 2 * 96000 / 990.0, 0 },
            { "set", 2, 66000, 2 * 98000 / 990.0, 0 }, { "mini", 2, 10000, 200, 0 } });
}

struct FailureCase {
    const char* name;
    QStringList args; // "DB" stands for the test's database path, "MISSING" for a file that is not there
    int code;
    const char* message;
};

class CliRecordFailure : public ::testing::TestWithParam<FailureCase> { };

TEST_P(CliRecordFailure, SaysWhyAndPrintsNothing)
{
    const TempDatabase database;
    QStringList args = GetParam().args;
    args.replaceInStrings("MISSING", database.dir() + "/missing.mdb");
    args.replaceInStrings("DB", database.path());
    const Outcome outcome = runCli(args, database.dir() + "/missing-default.mdb");
    EXPECT_EQ(outcome.code, GetParam().code);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.contains(GetParam().message)) << outcome.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, CliRecordFailure,
    ::testing::Values(FailureCase { "check_missing_file", { "check", "numbers4", "--db", "MISSING" }, 1, "not found" },
        FailureCase { "backtest_missing_default", { "backtest", "miniloto", "--json" }, 1, "missing-default.mdb" },
        FailureCase { "unknown_game", { "backtest", "loto6", "--db", "DB" }, 2, "unknown game 'loto6'" },
        FailureCase { "from_not_a_number", { "backtest", "numbers3", "--from", "x", "--db", "DB" }, 2,
            "--from needs a draw number" },
        FailureCase { "to_without_value", { "backtest", "numbers3", "--db", "DB", "--to" }, 2, "usage" },
        FailureCase { "check_takes_no_range", { "check", "numbers3", "--from", "3", "--db", "DB" }, 2, "usage" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
