// SPDX-License-Identifier: MIT
#include "support/cli.h"
#include "support/testdb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using zelpo::test::FileLock;
using zelpo::test::Outcome;
using zelpo::test::runCli;
using zelpo::test::TempDatabase;

namespace {

QString writeFile(const TempDatabase& database, const QString& name, const QByteArray& bytes)
{
    const QString path = database.dir() + u'/' + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList allRows(const TempDatabase& database)
{
    QStringList rows;
    for (const char* table : { "ナンバーズ3", "ナンバーズ4", "ミニロト" })
        rows << database.rows(QStringLiteral("SELECT * FROM %1 ORDER BY kaisai").arg(table));
    return rows;
}

const QByteArray kThreeDraws = "kaisai,date,N100,N10,N1\n1,1994-10-07,1,9,1\n2,1994-10-14,9,8,8\n3,1994-10-21,1,9,4\n";

} // namespace

TEST(CliImport, PrintsWhatItDidAndSkipsWhatIsStored)
{
    const TempDatabase database;
    const QString file = writeFile(database, "n3.csv", kThreeDraws);
    const Outcome first = runCli({ "import", "numbers3", file }, database.path());
    EXPECT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, "imported 3 draws, 0 already stored\n");
    EXPECT_EQ(first.err, "");

    const TempDatabase other;
    const Outcome second = runCli({ "import", "numbers3", file, "--db", database.path() }, other.path());
    EXPECT_EQ(second.out, "imported 0 draws, 3 already stored\n");
    EXPECT_EQ(database.rows("SELECT kaisai,N100,N10,N1,kounyu1,atari FROM ナンバーズ3 ORDER BY kaisai"),
        (QStringList { "1|1|9|1|\u3000| ", "2|9|8|8|\u3000| ", "3|1|9|4|\u3000| " }));
    EXPECT_TRUE(allRows(other).isEmpty());
}

TEST(CliImport, CrlfLineEndsAndHeaderOnly)
{
    const TempDatabase database;
    QByteArray crlf = kThreeDraws;
    crlf.replace("\n", "\r\n");
    EXPECT_EQ(runCli({ "import", "numbers3", writeFile(database, "crlf.csv", crlf) }, database.path()).out,
        "imported 3 draws, 0 already stored\n");
    const Outcome headerOnly = runCli(
        { "import", "numbers4", writeFile(database, "h.csv", "kaisai,N1000,N100,N10,N1\r\n") }, database.path());
    EXPECT_EQ(headerOnly.code, 0);
    EXPECT_EQ(headerOnly.out, "imported 0 draws, 0 already stored\n");
}

TEST(CliImport, EncodingsDetectedOrNamed)
{
    const TempDatabase database;
    // 予想 in Shift_JIS as a prediction.
    const QString file = writeFile(database, "sjis.csv", "kaisai,N100,N10,N1,kounyu1\n1,1,2,3,\x97\x5C\x91\x7A\n");
    const Outcome named = runCli({ "import", "numbers3", file, "--encoding", "utf-8" }, database.path());
    EXPECT_EQ(named.code, 1);
    EXPECT_TRUE(named.err.contains("line 2: the text is not valid UTF-8")) << named.err.toStdString();
    EXPECT_EQ(runCli({ "import", "numbers3", file, "--encoding=shift_jis" }, database.path()).code, 0);
    EXPECT_EQ(database.rows("SELECT kounyu1 FROM ナンバーズ3"), QStringList { "予想" });
}

struct RefusedFile {
    const char* name;
    const char* game;
    QByteArray bytes;
    const char* message; // what stderr must say after "zelpo-cli: FILE: "
};

class CliImportRefuses : public testing::TestWithParam<RefusedFile> { };

TEST_P(CliImportRefuses, SaysWhereAndWhyAndWritesNothing)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 9, 1);
    database.addMiniLoto(1, { 1, 3, 17, 20, 25 }, { "26" });
    const QStringList before = allRows(database);
    const QString file = writeFile(database, "bad.csv", GetParam().bytes);

    const Outcome outcome = runCli({ "import", GetParam().game, file }, database.path());
    EXPECT_EQ(outcome.code, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.contains(QString::fromUtf8(GetParam().message))) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.endsWith("zelpo-cli: nothing imported\n")) << outcome.err.toStdString();
    EXPECT_EQ(allRows(database), before);
}

INSTANTIATE_TEST_SUITE_P(Files, CliImportRefuses,
    testing::Values(RefusedFile { "digit", "numbers3", kThreeDraws + "4,1994-10-28,1,0,x\n",
                        "bad.csv: line 5, column N1: \"x\" is not a digit from 0 to 9" },
        RefusedFile { "draw_number", "numbers3", kThreeDraws + "0,,1,0,5\n",
            "bad.csv: line 5, column kaisai: \"0\" is not a draw number from 1 to 32767" },
        RefusedFile { "mini_range", "miniloto",
            "kaisai,NO1,NO2,NO3,NO4,NO5,bonus\n2,2,11,12,21,30,28\n3,1,8,10,24,32,28\n",
            "bad.csv: line 3, column NO5: \"32\" is not a number from 1 to 31" },
        RefusedFile { "mini_twice", "miniloto", "kaisai,NO1,NO2,NO3,NO4,NO5\n2,2,11,12,21,30\n3,1,8,8,24,30\n",
            "bad.csv: line 3, column NO3: 8 is drawn twice (also in NO2)" },
        RefusedFile { "bonus_drawn", "miniloto", "kaisai,NO1,NO2,NO3,NO4,NO5,bonus\n2,2,11,12,21,30,11\n",
            "bad.csv: line 2, column bonus: 11 is also a drawn number (NO2)" },
        RefusedFile {
            "missing_column", "numbers4", kThreeDraws, "bad.csv: line 1, column N1000: the header has no such column" },
        RefusedFile { "open_quote", "numbers3", kThreeDraws + "4,\"1994-10-28,1,0,5\n",
            "bad.csv: line 5: a quoted field is never closed" },
        RefusedFile { "empty", "numbers3", "", "bad.csv: the file is empty: it has no header line" },
        RefusedFile { "conflict", "numbers3", "kaisai,N100,N10,N1\n1,1,9,2\n2,1,1,1\n",
            "zelpo-cli: draw 1 is stored with 191, line 2 of the file has 192\n" }),
    [](const testing::TestParamInfo<RefusedFile>& info) { return info.param.name; });

TEST(CliImport, UnreadableFileOrDatabase)
{
    const TempDatabase database;
    const QString file = writeFile(database, "n3.csv", kThreeDraws);
    const auto expectRefused = [&](const QStringList& args, const char* message) {
        const Outcome outcome = runCli(args, database.path());
        EXPECT_EQ(outcome.code, 1) << message;
        EXPECT_TRUE(outcome.err.contains(message)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.endsWith("nothing imported\n")) << outcome.err.toStdString();
    };
    expectRefused({ "import", "numbers3", database.dir() + "/none.csv" }, "none.csv: no such file");
    expectRefused({ "import", "numbers3", database.dir() }, "it is a folder");
    if (geteuid() != 0) {
        QFile::setPermissions(file, QFileDevice::WriteOwner);
        expectRefused({ "import", "numbers3", file }, "cannot read");
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    const QString missing = database.dir() + "/none.mdb";
    expectRefused({ "import", "numbers3", file, "--db", missing },
        qPrintable("create it first with: zelpo-cli init " + missing + "\n"));
    EXPECT_FALSE(QFileInfo::exists(missing));
    {
        const FileLock lock(database.path());
        expectRefused({ "import", "numbers3", file }, "the database is locked by another program");
    }
    EXPECT_TRUE(allRows(database).isEmpty());
}

TEST(CliImport, NotesADrawNumberingTheWindowsWillNotContinue)
{
    const TempDatabase database;
    const Outcome outcome = runCli(
        { "import", "numbers3", writeFile(database, "late.csv", "kaisai,N100,N10,N1\n5,1,2,3\n") }, database.path());
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out, "imported 1 draws, 0 already stored\n");
    EXPECT_TRUE(outcome.err.contains("the windows will number the next draw 2")) << outcome.err.toStdString();
}

TEST(CliTransfer, WrongArgumentsShowTheUsage)
{
    const TempDatabase database;
    const QList<QStringList> cases {
        { "import" },
        { "import", "numbers3" },
        { "import", "keno", "f.csv" },
        { "import", "numbers3", "f.csv", "extra" },
        { "import", "numbers3", "f.csv", "--db" },
        { "import", "numbers3", "f.csv", "--encoding", "latin1" },
        { "import", "numbers3", "f.csv", "--force" },
        { "export" },
        { "export", "keno" },
        { "export", "numbers3", "a.csv", "b.csv" },
        { "export", "numbers3", "--encoding", "utf-8" },
    };
    for (const QStringList& args : cases) {
        const Outcome outcome = runCli(args, database.path());
        EXPECT_EQ(outcome.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(outcome.err.contains("usage") || outcome.err.contains("unknown")) << outcome.err.toStdString();
    }
    EXPECT_TRUE(allRows(database).isEmpty());
}

TEST(CliExport, ToStandardOutputOrAFileNeverOverwrittenUnasked)
{
    const TempDatabase database;
    database.addNumbers4(2, 0, 1, 2, 3, { "0123", "a,b" });
    database.addNumbers4(1, 9, 8, 7, 6);
    const QString csv = "kaisai,N1000,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5,atari\n"
                        "1,9,8,7,6,,,,,,\" \"\n"
                        "2,0,1,2,3,0123,\"a,b\",,,,\" \"\n";
    const Outcome toStdout = runCli({ "export", "numbers4" }, database.path());
    EXPECT_EQ(toStdout.code, 0);
    EXPECT_EQ(toStdout.out, csv);

    const QString file = database.dir() + "/n4.csv";
    const Outcome toFile = runCli({ "export", "numbers4", file }, database.path());
    EXPECT_EQ(toFile.out, "exported 2 draws to " + file + "\n");
    EXPECT_EQ(QString::fromUtf8(readFile(file)), csv);

    writeFile(database, "n4.csv", "keep me");
    const Outcome refused = runCli({ "export", "numbers4", file }, database.path());
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("already exists; give --force")) << refused.err.toStdString();
    EXPECT_EQ(readFile(file), "keep me");
    // A file kept private stays private when it is replaced.
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0600), 0);
    EXPECT_EQ(runCli({ "export", "numbers4", file, "--force" }, database.path()).code, 0);
    EXPECT_EQ(QString::fromUtf8(readFile(file)), csv);
    struct stat status { };
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600U);

    const QByteArray databaseBytes = readFile(database.path());
    EXPECT_EQ(runCli({ "export", "numbers4", database.path(), "--force" }, database.path()).code, 1);
    EXPECT_EQ(readFile(database.path()), databaseBytes);
}

TEST(CliExport, AFailedExportLeavesNoFile)
{
    const TempDatabase database;
    const QString file = database.dir() + "/out.csv";
    const Outcome outcome
        = runCli({ "export", "miniloto", file, "--db", database.dir() + "/none.mdb" }, database.path());
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.err.contains("database file not found")) << outcome.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST(CliTransfer, ExportedFileImportsIntoAnEmptyDatabaseAsTheSameTable)
{
    const TempDatabase source;
    source.addMiniLoto(1, { 1, 3, 17, 20, 25 }, { "26", "1-2-3-4-5", "\u3000", "say \"no\"", "x,y" });
    source.addMiniLoto(2, { 2, 11, 12, 21, 30 }, { "28" });
    const QString file = source.dir() + "/mini.csv";
    ASSERT_EQ(runCli({ "export", "miniloto", file }, source.path()).code, 0);
    const TempDatabase target;
    EXPECT_EQ(runCli({ "import", "miniloto", file }, target.path()).out, "imported 2 draws, 0 already stored\n");
    EXPECT_EQ(allRows(target), allRows(source));
}

TEST(CliTransfer, TheRealNumbers3History)
{
    const QString dir = qEnvironmentVariable("ZELPO_SHARED_DATA");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        GTEST_SKIP() << "ZELPO_SHARED_DATA is not a folder";
    QFile file(dir + "/numbers3.csv");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The file grows: every line after the header is a draw.
    const qsizetype draws = file.readAll().trimmed().count('\n');
    const TempDatabase database;
    const Outcome outcome = runCli({ "import", "numbers3", dir + "/numbers3.csv" }, database.path());
    EXPECT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, QString("imported %1 draws, 0 already stored\n").arg(draws));
    EXPECT_EQ(outcome.err, "");
}
