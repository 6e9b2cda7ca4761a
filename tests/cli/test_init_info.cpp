// SPDX-License-Identifier: MIT
#include "data/db/history.h"
#include "support/cli.h"
#include "support/testdb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using zelpo::test::Outcome;
using zelpo::test::runCli;
using zelpo::test::TempDatabase;

namespace {

// "draws first last" of a built-in file and its last draw's date, read from its text.
struct Range {
    qsizetype draws;
    QString first;
    QString last;
    QString lastDate;
};

Range bundledRange(zelpo::Game game)
{
    const QStringList lines
        = QString::fromUtf8(zelpo::db::bundledHistory(game)).split(u'\n', Qt::SkipEmptyParts).mid(1);
    if (lines.isEmpty())
        return {};
    return { lines.size(), lines.first().section(u',', 0, 0), lines.last().section(u',', 0, 0),
        lines.last().section(u',', 1, 1) };
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Info's calendar columns as seen on 2026-12-08 at 21:00 JST, after that day's draws.
class FixedNow {
public:
    FixedNow()
        : m_before(qgetenv("ZELPO_NOW"))
    {
        qputenv("ZELPO_NOW", "2026-12-08T12:00:00Z");
    }
    ~FixedNow() { qputenv("ZELPO_NOW", m_before); }
    FixedNow(const FixedNow&) = delete;
    FixedNow& operator=(const FixedNow&) = delete;

private:
    QByteArray m_before;
};

} // namespace

TEST(CliInit, FillsTheTablesWithTheBuiltInHistoryAndInfoAgrees)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("ナンバーズ.mdb");
    const Range n3 = bundledRange(zelpo::Game::Numbers3);
    const Range n4 = bundledRange(zelpo::Game::Numbers4);
    const Range mini = bundledRange(zelpo::Game::MiniLoto);
    ASSERT_GT(n3.draws, 0);
    const FixedNow now;

    const Outcome init = runCli({ "init" }, path);
    EXPECT_EQ(init.code, 0) << init.err.toStdString();
    EXPECT_EQ(init.out,
        QStringLiteral("created %1\nnumbers3: %2 draws, %3 to %4\nnumbers4: %5 draws, %6 to %7\n"
                       "miniloto: %8 draws, %9 to %10\n")
            .arg(path)
            .arg(n3.draws)
            .arg(n3.first, n3.last)
            .arg(n4.draws)
            .arg(n4.first, n4.last)
            .arg(mini.draws)
            .arg(mini.first, mini.last));

    const Outcome info = runCli({ "info" }, path);
    EXPECT_EQ(info.code, 0) << info.err.toStdString();
    EXPECT_EQ(info.out,
        QStringLiteral("file\t%1\t%2\nnumbers3\t%3\t%4\t%5\t%6\t%7\t7131\t2026-12-08\t77\n"
                       "numbers4\t%8\t%9\t%10\t%11\t%12\t7131\t2026-12-08\t77\n"
                       "miniloto\t%13\t%14\t%15\t%16\t%17\t1416\t2026-12-08\t32\n")
            .arg(path)
            .arg(QFileInfo(path).size())
            .arg(n3.draws)
            .arg(n3.first, n3.last)
            .arg(n3.draws + 1)
            .arg(n3.lastDate)
            .arg(n4.draws)
            .arg(n4.first, n4.last)
            .arg(n4.draws + 1)
            .arg(n4.lastDate)
            .arg(mini.draws)
            .arg(mini.first, mini.last)
            .arg(mini.draws + 1)
            .arg(mini.lastDate));

    const QByteArray before = contents(path);
    const Outcome again = runCli({ "init", path }, dir.filePath("other.mdb"));
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains("already exists")) << again.err.toStdString();
    EXPECT_EQ(contents(path), before);
}

TEST(CliInit, EmptyMakesBareTablesAndTheDefaultFolderIsMadeWhenMissing)
{
    const QTemporaryDir dir;
    // The user's data folder on a first run: not there yet.
    const QString path = dir.filePath("share/zelpo/ナンバーズ.mdb");
    const Outcome init = runCli({ "init", "--empty" }, path);
    EXPECT_EQ(init.code, 0) << init.err.toStdString();
    EXPECT_EQ(init.out, "created " + path + " with empty tables\n");
    const Outcome info = runCli({ "info", "--db", path }, dir.filePath("elsewhere.mdb"));
    EXPECT_EQ(info.code, 0) << info.err.toStdString();
    EXPECT_EQ(info.out.section(u'\n', 1),
        "numbers3\t0\t-\t-\t1\t-\t-\t-\t-\nnumbers4\t0\t-\t-\t1\t-\t-\t-\t-\n"
        "miniloto\t0\t-\t-\t1\t-\t-\t-\t-\n");

    // A path given on the command line is taken as it is: no folders are made for it.
    const QString nested = dir.filePath("no/such/folder/x.mdb");
    EXPECT_EQ(runCli({ "init", nested }, path).code, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("no")));
}

TEST(CliInfo, AMissingTableIsNamedAndTheOtherGamesAreStillListed)
{
    const TempDatabase database;
    database.addMiniLoto(7, { 1, 2, 3, 4, 5 });
    database.exec("DROP TABLE ナンバーズ4");
    const Outcome info = runCli({ "info" }, database.path());
    EXPECT_EQ(info.code, 1);
    EXPECT_EQ(info.out,
        QStringLiteral("file\t%1\t%2\nnumbers3\t0\t-\t-\t1\t-\t-\t-\t-\nminiloto\t1\t7\t7\t2\t-\t-\t-\t-\n")
            .arg(database.path())
            .arg(QFileInfo(database.path()).size()));
    EXPECT_EQ(info.err,
        "zelpo-cli info: numbers4: the database refused the query: " + database.path()
            + ": no such table: ナンバーズ4\n");
}

TEST(CliInfo, CountsDrawsAboveZeroAndNumbersTheNextDrawAsTheWindowsDo)
{
    const TempDatabase database;
    for (const int kaisai : { 1, 2, 5, 0, -3 })
        database.addNumbers3(kaisai, 1, 2, 3);
    database.addMiniLoto(7, { 1, 2, 3, 4, 5 });
    // The date of the last draw; a file without a payout table knows none, and reading creates none.
    database.exec("INSERT INTO ナンバーズ3配当 (kaisai, date) VALUES (2, '2001-01-01'), (5, '2001-01-04')");
    database.exec("DROP TABLE ミニロト配当");
    const FixedNow now;
    const Outcome info = runCli({ "info" }, database.path());
    EXPECT_EQ(info.code, 0) << info.err.toStdString();
    // Draws 1, 2 and 5: three of them, so the windows show 4 next (not 6).
    EXPECT_EQ(info.out.section(u'\n', 1),
        "numbers3\t3\t1\t5\t4\t2001-01-04\t6695\t2026-12-08\t6690\nnumbers4\t0\t-\t-\t1\t-\t-\t-\t-\n"
        "miniloto\t1\t7\t7\t2\t-\t-\t-\t-\n");
    EXPECT_TRUE(database.rows("SELECT name FROM sqlite_master WHERE name='ミニロト配当'").isEmpty());
}

struct FailureCase {
    const char* name;
    QStringList args;
    int code;
    const char* message;
};

class CliInitInfoFailures : public ::testing::TestWithParam<FailureCase> { };

TEST_P(CliInitInfoFailures, ExitCodeAndMessage)
{
    const TempDatabase database;
    ASSERT_EQ(::mkfifo(QFile::encodeName(database.dir() + "/fifo").constData(), 0600), 0);
    QStringList args = GetParam().args;
    args.replaceInStrings("DIR", database.dir());
    const Outcome outcome = runCli(args, database.path());
    EXPECT_EQ(outcome.code, GetParam().code);
    EXPECT_EQ(outcome.out, "");
    const QString message = QString::fromUtf8(GetParam().message).replace("DIR", database.dir());
    EXPECT_TRUE(outcome.err.contains(message)) << outcome.err.toStdString();
    // Advice to create a file only where there is none.
    EXPECT_EQ(outcome.err.contains("create it"), message.contains("create it")) << outcome.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, CliInitInfoFailures,
    ::testing::Values(
        FailureCase { "init_two_paths", { "init", "DIR/a.mdb", "DIR/b.mdb" }, 2, "usage: zelpo-cli init" },
        FailureCase { "info_db_without_value", { "info", "--db" }, 2, "usage: zelpo-cli info" },
        FailureCase { "info_no_file", { "info", "--db", "DIR/none.mdb" }, 1,
            "zelpo-cli info: there is no database at DIR/none.mdb; create it with: zelpo-cli init DIR/none.mdb\n" },
        FailureCase { "info_fifo", { "info", "--db", "DIR/fifo" }, 1,
            "zelpo-cli info: DIR/fifo is a named pipe, not a database file\n" },
        FailureCase {
            "info_folder", { "info", "--db", "DIR" }, 1, "zelpo-cli info: DIR is a folder, not a database file\n" }),
    [](const auto& info) { return std::string(info.param.name); });

// A file made before the payout tables: every command works on it as before,
// and none of them, the import's write included, creates the tables.
TEST(CliOlderFile, EveryCommandWorksAndNoneCreatesThePayoutTables)
{
    const TempDatabase database;
    const QString& path = database.path();
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(runCli({ "init" }, path).code, 0);
    database.exec("DROP TABLE ナンバーズ3配当");
    database.exec("DROP TABLE ナンバーズ4配当");
    database.exec("DROP TABLE ミニロト配当");
    QFile newer(database.dir() + "/newer.csv");
    ASSERT_TRUE(newer.open(QIODevice::WriteOnly));
    newer.write("kaisai,N100,N10,N1\n7055,1,2,3\n");
    newer.close();

    for (const QStringList& args :
        { QStringList { "info" }, { "export", "numbers4" }, { "predict", "numbers3" }, { "predict", "miniloto" },
            { "search", "numbers3", "--box", "123" }, { "stats", "numbers4" }, { "check", "miniloto" },
            { "backtest", "numbers3", "--from", "7000" }, { "import", "numbers3", newer.fileName() } }) {
        const Outcome outcome = runCli(args, path);
        EXPECT_EQ(outcome.code, 0) << args.join(' ').toStdString() << ": " << outcome.err.toStdString();
    }
    EXPECT_EQ(runCli({ "info" }, path).out.section(u'\n', 1, 1), "numbers3\t7055\t1\t7055\t7056\t-\t-\t-\t-");
    EXPECT_EQ(database.rows("SELECT count(*) FROM sqlite_master WHERE name LIKE '%配当'"), QStringList { "0" });
}
