// SPDX-License-Identifier: MIT
#include "support/cli.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

using zelpo::test::Outcome;
using zelpo::test::TempDatabase;

namespace {

class CliSearch : public testing::Test {
protected:
    CliSearch()
    {
        database.addNumbers3(1, 1, 1, 2, { "123", "456" });
        database.addNumbers3(2, 1, 2, 1);
        database.addNumbers3(3, 2, 1, 1);
        database.addNumbers3(4, 1, 2, 2);
        int kaisai = 0;
        for (const char* number : { "1122", "1212", "1221", "2112", "2121", "2211", "1112", "0123", "1030" })
            database.addNumbers4(++kaisai, number[0] - '0', number[1] - '0', number[2] - '0', number[3] - '0');
        database.addMiniLoto(1, { 3, 12, 17, 25, 30 }, { "5", "1-2-3-4-5" });
        database.addMiniLoto(2, { 25, 3, 30, 12, 17 });
        database.addMiniLoto(3, { 3, 12, 17, 25, 31 });
    }

    // Runs with the test database as the default one, as next to the program.
    Outcome run(const QStringList& args) const
    {
        return zelpo::test::runCli(QStringList { "search" } + args, database.path());
    }

    TempDatabase database;
};

TEST_F(CliSearch, PrintsTheRowsAsListedAndTheCountLast)
{
    const Outcome box = run({ "numbers3", "--box", "112" });
    EXPECT_EQ(box.code, 0);
    EXPECT_EQ(box.out, "1\t112\t123\t456\t\t\t\n2\t121\t\t\t\t\t\n3\t211\t\t\t\t\t\n3\n");
    EXPECT_EQ(box.err, "");

    const Outcome straight = run({ "--straight", "numbers3", "_2_" });
    EXPECT_EQ(straight.code, 0);
    EXPECT_EQ(straight.out, "2\t121\t\t\t\t\t\n4\t122\t\t\t\t\t\n2\n");

    const Outcome miniloto = run({ "miniloto", "30", "25", "17", "12", "03" });
    EXPECT_EQ(miniloto.code, 0);
    EXPECT_EQ(miniloto.out, "1\t03-12-17-25-30\t5\t1-2-3-4-5\t\t\t\n2\t25-03-30-12-17\t\t\t\t\t\n2\n");
}

TEST_F(CliSearch, NumbersFourTakesOpenPositionsAndAllFourForABox)
{
    const Outcome straight = run({ "numbers4", "--straight", "1_3_" });
    EXPECT_EQ(straight.code, 0);
    EXPECT_TRUE(straight.out.endsWith("\t1030\t\t\t\t\t\n1\n")) << straight.out.toStdString();

    const Outcome box = run({ "numbers4", "--box", "2121", "--db", database.path() });
    EXPECT_EQ(box.code, 0);
    QStringList numbers;
    for (const QString& line : box.out.split(u'\n', Qt::SkipEmptyParts))
        numbers << line.section(u'\t', 1, 1);
    EXPECT_EQ(numbers, (QStringList { "1122", "1212", "1221", "2112", "2121", "2211", "" }));
    EXPECT_TRUE(box.out.endsWith("\n6\n"));
}

TEST_F(CliSearch, TheWindowsMessagesGoToStandardError)
{
    const struct {
        QStringList args;
        QString message;
    } cases[] = {
        { { "numbers4", "--box", "1_3_" }, "　一、三桁目が記入されてません。。\n" },
        { { "numbers4", "--box", "____" }, "　一、二、三、四桁目が記入されてません。。\n" },
        { { "numbers3", "--straight", "___" }, "　最低一項目記入してください。。\n" },
        { { "numbers3", "--box", "___" }, "　最低一項目記入してください。。\n" },
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.args);
        EXPECT_EQ(outcome.code, 2) << c.args.join(' ').toStdString();
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, c.message);
    }
}

TEST_F(CliSearch, NoHitsPrintsACountOfZeroAndTheMessage)
{
    for (const QStringList& args :
        { QStringList { "miniloto", "3", "12", "17", "25", "29" },
            QStringList { "miniloto", "3", "3", "12", "17", "25" }, QStringList { "numbers3", "--straight", "9__" } }) {
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.code, 1) << args.join(' ').toStdString();
        EXPECT_EQ(outcome.out, "0\n");
        EXPECT_EQ(outcome.err, "　検索内容はありません。。\n");
    }
}

TEST_F(CliSearch, UsageErrorsAndRefusedInputQueryNothing)
{
    for (const QStringList& args : {
             QStringList {},
             QStringList { "numbers5", "--box", "123" },
             QStringList { "numbers3", "123" },
             QStringList { "numbers3", "--box", "--straight", "123" },
             QStringList { "numbers3", "--box", "12" },
             QStringList { "numbers3", "--box", "1234" },
             QStringList { "numbers3", "--box", "1a3" },
             QStringList { "numbers4", "--straight", "1'3_" },
             QStringList { "numbers4", "--straight", "１２３４" },
             QStringList { "miniloto", "1", "2", "3", "4" },
             QStringList { "miniloto", "--box", "1", "2", "3", "4", "5" },
             QStringList { "miniloto", "1", "2", "3", "4", "5)" },
             QStringList { "miniloto", "1", "2", "3", "4", "123" },
             QStringList { "miniloto", "1", "2", "3", "4", "-1" },
             QStringList { "miniloto", "1", "2", "3", "4", "5", "--db" },
         }) {
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.code, 2) << args.join(' ').toStdString();
        EXPECT_EQ(outcome.out, "");
        EXPECT_FALSE(outcome.err.isEmpty());
    }
}

TEST_F(CliSearch, AMissingDatabaseSaysWhy)
{
    const Outcome outcome = run({ "numbers3", "--box", "1__", "--db", database.dir() + "/missing.mdb" });
    EXPECT_EQ(outcome.code, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.startsWith("zelpo-cli search: ")) << outcome.err.toStdString();
}

} // namespace
