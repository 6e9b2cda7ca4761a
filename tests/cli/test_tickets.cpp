// SPDX-License-Identifier: MIT
#include "support/cli.h"
#include "support/testdb.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using zelpo::test::runCli;
using zelpo::test::TempDatabase;

namespace {

// Draws 1 and 2 of Numbers 3 (1 with its payouts), draw 1 of Mini Loto.
void fill(const TempDatabase& database)
{
    database.addNumbers3(1, 1, 2, 3);
    database.addNumbers3(2, 4, 5, 6);
    database.exec("INSERT INTO ナンバーズ3配当 VALUES (1,'2026-01-05',90000,15000,52500,7500,9000)");
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 }, { "9" });
}

// The stored tickets; none when the table is not there (it is not made for nothing).
QStringList rowsOf(const TempDatabase& database)
{
    if (database.rows("SELECT name FROM sqlite_master WHERE name='購入記録'").isEmpty())
        return {};
    return database.rows("SELECT id,game,kind,numbers,units,first_draw,draw_count,memo FROM 購入記録");
}

} // namespace

// What add stores or refuses, and the exit status it gives.
TEST(CliTickets, AddStoresWhatCanBeBoughtAndRefusesTheRest)
{
    struct Case {
        QStringList args;
        int code;
        const char* stored; // the row stored, or "" for none
        const char* err;    // a part of the error text
    };
    const Case cases[] = {
        { { "numbers3", "--kind", "straight", "--numbers", "123" }, 0, "1|numbers3|straight|123|1|3|1|", "" },
        { { "numbers4", "--kind", "box", "--numbers", "0012", "--units", "99", "--draw", "5", "--draws", "20", "--memo",
              "毎週" },
            0, "1|numbers4|box|0012|99|5|20|毎週", "" },
        { { "miniloto", "--kind", "ticket", "--numbers", "31-1-12-5-20" }, 0, "1|miniloto|ticket|1-5-12-20-31|1|2|1|",
            "" },
        { { "numbers3", "--kind", "set", "--numbers", "777" }, 1, "", "すべての桁が同じ数字はセットでは買えません" },
        { { "miniloto", "--kind", "ticket", "--numbers", "1-2-3-4-32" }, 1, "", "1から31" },
        { { "numbers3", "--kind", "straight", "--numbers", "123", "--units", "100" }, 1, "", "口数" },
        { { "numbers3", "--kind", "straight", "--numbers", "123", "--draws", "0" }, 1, "", "継続回数" },
        { { "numbers4", "--kind", "mini", "--numbers", "1234" }, 2, "", "numbers4 has no kind 'mini'" },
        { { "numbers3", "--kind", "straight" }, 2, "", "usage:" },
        { { "numbers3", "--kind", "straight", "--numbers", "123", "--units", "two" }, 2, "", "--units needs" },
        { { "loto6", "--kind", "straight", "--numbers", "123" }, 2, "", "unknown game 'loto6'" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const TempDatabase database;
        fill(database);
        const zelpo::test::Outcome outcome
            = runCli(QStringList { "tickets", "add" } + c.args + QStringList { "--db", database.path() }, {});
        EXPECT_EQ(outcome.code, c.code) << outcome.err.toStdString();
        EXPECT_EQ(outcome.out, c.code == 0 ? "1\n" : "");
        EXPECT_TRUE(outcome.err.contains(QString::fromUtf8(c.err))) << outcome.err.toStdString();
        EXPECT_EQ(rowsOf(database), *c.stored ? QStringList { QString::fromUtf8(c.stored) } : QStringList {});
    }
}

TEST(CliTickets, ListGivesEachResultAndTheTotalsOfTheDecidedDraws)
{
    const TempDatabase database;
    fill(database);
    const QStringList db { "--db", database.path() };
    ASSERT_EQ(runCli(QStringList { "tickets", "add", "numbers3", "--kind", "box", "--numbers", "321", "--draw", "1",
                         "--draws", "3", "--units", "2" }
                      + db,
                  {})
                  .code,
        0);
    ASSERT_EQ(
        runCli(QStringList { "tickets", "add", "miniloto", "--kind", "ticket", "--numbers", "1-2-3-4-9" } + db, {})
            .code,
        0);
    const zelpo::test::Outcome list = runCli(QStringList { "tickets", "list", "--json" } + db, {});
    ASSERT_EQ(list.code, 0) << list.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(list.out.toUtf8()).object();
    const QJsonArray tickets = root["tickets"].toArray();
    ASSERT_EQ(tickets.size(), 2);
    EXPECT_EQ(tickets[0].toObject()["id"].toInt(), 2); // newest first
    const QJsonArray results = tickets[1].toObject()["results"].toArray();
    ASSERT_EQ(results.size(), 3);
    EXPECT_EQ(QJsonDocument(results[0].toObject()).toJson(QJsonDocument::Compact),
        R"({"amount":30000,"class":"box","draw":1,"status":"won"})");
    EXPECT_EQ(QJsonDocument(results[1].toObject()).toJson(QJsonDocument::Compact),
        R"({"amount":null,"class":null,"draw":2,"status":"unknown"})");
    EXPECT_EQ(results[2].toObject()["status"].toString(), "pending");
    // Mini Loto draw 2 is to come; its draw 1 has no payouts.
    EXPECT_EQ(tickets[0].toObject()["results"].toArray()[0].toObject()["status"].toString(), "pending");
    const QJsonObject totals = root["totals"].toObject();
    EXPECT_EQ(totals["cost"].toInt(), 400);
    EXPECT_EQ(totals["won"].toInt(), 30000);
    EXPECT_EQ(totals["balance"].toInt(), 29600);
    EXPECT_DOUBLE_EQ(totals["return"].toDouble(), 75.0);
    EXPECT_DOUBLE_EQ(totals["chance_won"].toDouble(), 2 * 6 * 15000 / 990.0);
    EXPECT_EQ(totals["pending"].toInt(), 2);
    EXPECT_EQ(totals["unknown"].toInt(), 1);

    const zelpo::test::Outcome text = runCli(QStringList { "tickets", "list", "numbers3" } + db, {});
    EXPECT_TRUE(text.out.startsWith("1\tnumbers3\tbox\t321\t2\t1-3\t\n\t1\twon\tbox\t30000\n"))
        << text.out.toStdString();
    EXPECT_TRUE(text.out.contains("\ncost\t400\nwon\t30000\n"));
    EXPECT_FALSE(text.out.contains("miniloto"));

    EXPECT_EQ(runCli(QStringList { "tickets", "remove", "1" } + db, {}).code, 0);
    EXPECT_EQ(runCli(QStringList { "tickets", "remove", "1" } + db, {}).code, 1);
    EXPECT_EQ(rowsOf(database).size(), 1);
}

// Export and import carry the tickets over; a file with a bad row stores none.
TEST(CliTickets, ImportTakesAWholeFileOrNothing)
{
    const TempDatabase from;
    const TempDatabase to;
    fill(from);
    fill(to);
    for (const char* numbers : { "123", "456" }) {
        runCli({ "tickets", "add", "numbers3", "--kind", "straight", "--numbers", numbers, "--memo", "a,\"b\"", "--db",
                   from.path() },
            {});
    }
    const QString file = to.dir() + "/tickets.csv";
    ASSERT_EQ(runCli({ "tickets", "export", "numbers3", file, "--db", from.path() }, {}).code, 0);
    EXPECT_EQ(runCli({ "tickets", "export", file, "--db", from.path() }, {}).code, 1); // exists
    ASSERT_EQ(runCli({ "tickets", "import", file, "--db", to.path() }, {}).out, "imported 2 tickets\n");
    EXPECT_EQ(rowsOf(to), rowsOf(from));

    QFile bad(to.dir() + "/bad.csv");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("game,kind,numbers,first\nnumbers3,straight,999,3\nnumbers4,box,1111,3\nminiloto,ticket,1-2-3,3\n");
    bad.close();
    const zelpo::test::Outcome refused = runCli({ "tickets", "import", bad.fileName(), "--db", to.path() }, {});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("3行目: すべての桁が同じ")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("4行目: ミニロトの数字は5つ")) << refused.err.toStdString();
    EXPECT_EQ(rowsOf(to).size(), 2);
}

// Draws brought by an import announce the wins they decided, once.
TEST(CliTickets, AnImportAnnouncesTheWinsOfItsDraws)
{
    const TempDatabase database;
    fill(database);
    const QStringList db { "--db", database.path() };
    runCli(
        QStringList { "tickets", "add", "numbers3", "--kind", "straight", "--numbers", "789", "--draw", "3" } + db, {});
    QFile file(database.dir() + "/draws.csv");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kaisai,N100,N10,N1\n3,7,8,9\n4,0,0,0\n");
    file.close();
    const zelpo::test::Outcome imported = runCli(QStringList { "import", "numbers3", file.fileName() } + db, {});
    EXPECT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out,
        "imported 2 draws, 0 already stored\n"
        "購入記録の券が当せんしました\nナンバーズ3 第3回 ストレート 789 1口: ストレート（配当は未記録）\n");
    // Imported again, nothing new is decided.
    EXPECT_EQ(runCli(QStringList { "import", "numbers3", file.fileName() } + db, {}).out,
        "imported 0 draws, 2 already stored\n");
}
