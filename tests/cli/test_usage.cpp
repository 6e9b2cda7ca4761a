// SPDX-License-Identifier: MIT
// What zelpo-cli says about its own arguments: each command's whole usage on
// request and after every usage error, made from the same table as the
// overall usage.
#include "support/cli.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using zelpo::test::Outcome;
using zelpo::test::runCli;

namespace {

struct UsageCase {
    const char* command;
    QStringList options; // every option the command takes, and operands it may go without
    QStringList misuse;  // arguments the command itself cannot take
    const char* problem; // the line before the usage, or "" for none
};

class CommandUsage : public ::testing::TestWithParam<UsageCase> { };

TEST_P(CommandUsage, IsWholeOnRequestAndAfterEveryUsageError)
{
    const UsageCase& c = GetParam();
    const QString command = QString::fromUtf8(c.command);
    const QTemporaryDir dir;
    const QString database = dir.filePath("missing.mdb");

    const Outcome help = runCli({ command, "--help" }, database);
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.err, "");
    const QString synopsis = help.out.section(u'\n', 0, 0);
    ASSERT_TRUE(synopsis.startsWith("usage: zelpo-cli " + command + ' ')) << synopsis.toStdString();
    for (const QString& option : c.options) {
        EXPECT_TRUE(synopsis.contains(option)) << option.toStdString();
        if (option.startsWith("--")) {
            EXPECT_TRUE(help.out.contains("\n  " + option)) << option.toStdString() << " is not explained";
        }
    }
    // The overall usage lists the same synopsis.
    const Outcome overall = runCli({ "--help" }, database);
    EXPECT_TRUE(overall.out.contains("\n  " + synopsis.mid(QStringLiteral("usage: zelpo-cli ").size()) + '\n'));
    EXPECT_EQ(runCli({ "--help", command }, database).out, help.out);

    // An option the command does not take, "--force" for init included, is
    // a usage error and nothing is done.
    const Outcome unknown = runCli({ command, "--force", dir.filePath("x") }, database);
    if (command != "export" && command != "tickets") { // both take --force for export
        EXPECT_EQ(unknown.code, 2);
        EXPECT_EQ(unknown.err, "zelpo-cli " + command + ": unknown option '--force'\n" + help.out);
        EXPECT_EQ(unknown.out, "");
    }
    EXPECT_FALSE(QFileInfo::exists("--force"));
    EXPECT_FALSE(QFileInfo::exists(database));

    QStringList misuse = c.misuse;
    misuse.replaceInStrings("DIR", dir.path());
    const Outcome misused = runCli(QStringList { command } + misuse, database);
    EXPECT_EQ(misused.code, 2);
    const QString problem = QString::fromUtf8(c.problem);
    EXPECT_EQ(misused.err, (problem.isEmpty() ? "" : "zelpo-cli " + command + ": " + problem + '\n') + help.out);
    EXPECT_EQ(misused.out, "");
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandUsage,
    ::testing::Values(UsageCase { "init", { "--empty", "PATH" }, { "DIR/a.mdb", "DIR/b.mdb" }, "" },
        UsageCase { "info", { "--db" }, { "numbers3" }, "" },
        UsageCase { "import", { "--db", "--encoding" }, { "numbers3", "DIR/a.csv", "--encoding", "latin1" },
            "unknown encoding 'latin1' (utf-8 or shift_jis)" },
        UsageCase { "export", { "--db", "--force", "FILE" }, { "loto6" }, "unknown game 'loto6'" },
        UsageCase { "predict", { "--db" }, {}, "" },
        UsageCase { "search", { "--straight", "--box", "--db" }, { "numbers3", "--box" }, "" },
        UsageCase { "stats", { "--db" }, { "miniloto" }, "unknown game 'miniloto'" },
        UsageCase { "check", { "--db", "--json" }, { "numbers3", "numbers4" }, "" },
        UsageCase { "backtest", { "--db", "--from", "--to", "--json" }, { "numbers3", "--from", "100", "--to", "50" },
            "--from 100 comes after --to 50" },
        UsageCase { "tickets", { "--kind", "--numbers", "--units", "--draw", "--draws", "--memo", "--db", "--json" },
            { "add", "numbers3", "--numbers", "123" }, "" }),
    [](const auto& info) { return std::string(info.param.command); });

TEST(CliUsage, WithoutACommandOrWithAnUnknownOneIsTheOverallUsageOnStandardError)
{
    const Outcome help = runCli({ "--help" }, {});
    EXPECT_EQ(help.code, 0);
    for (const auto& [args, problem] : { std::pair { QStringList {}, QString() },
             std::pair { QStringList { "lotto\x1b" }, QString("zelpo-cli: unknown command 'lotto\\x1B'\n") },
             std::pair {
                 QStringList { "--version", "x" }, QString("zelpo-cli: --version takes no other arguments\n") } }) {
        const Outcome outcome = runCli(args, {});
        EXPECT_EQ(outcome.code, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, problem + help.out);
    }
}

} // namespace
