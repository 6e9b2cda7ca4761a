// SPDX-License-Identifier: MIT
// zelpo-cli against inputs a hostile but realistic user may give it: each is
// refused with a status and a first line of standard error that say what is
// wrong, and the database is left exactly as it was.
#include "support/cli.h"
#include "support/testdb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using zelpo::test::Outcome;
using zelpo::test::runCli;
using zelpo::test::TempDatabase;

namespace {

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

struct Attack {
    const char* name;
    QStringList args; // {db} is the database, {dir} its folder
    int code;
    const char* firstErrorLine; // {db} and {dir} as above
};

class CliUnderAttack : public testing::TestWithParam<Attack> { };

TEST_P(CliUnderAttack, RefusesWithAReasonAndLeavesTheDatabaseAlone)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers3(1, 1, 9, 1);
    database.addNumbers3(0, 1, 5, 0); // a draw numbered 0, which import refuses
    database.addMiniLoto(1, { 1, 3, 17, 20, 25 }, { "26" });
    const QString dir = database.dir();
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/fifo").constData(), 0600), 0);
    writeFile(dir + "/empty.mdb", {});
    QDir(dir).mkdir("folder");
    const QByteArray header = "kaisai,N100,N10,N1,kounyu1\n";
    writeFile(dir + "/commas.csv", header + "2" + QByteArray(4'000'000, ',') + "\n");
    writeFile(dir + "/wide.csv", QByteArray(2'000'000, ',') + "\n");
    writeFile(dir + "/screen.csv", header + "2,\x1b[2J\x1b[Himported 1 draws,2,3,4\n");
    writeFile(dir + "/long.csv", header + "2,1,2,3,4\n3," + QByteArray(60'000, '7') + ",2,3,4\n");
    writeFile(dir + "/huge_field.csv", header + "2,1,2,3,\"" + QByteArray(5'000'000, '7') + "\"\n");
    writeFile(dir + "/sjis.csv", header + "2,1,2,3,\x97\x5C\x91\x7A\n3,1,2,3,\x81\x20\n");
    QFile sparse(dir + "/huge.csv");
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(64 * 1024 * 1024 + 1));
    sparse.close();
    const TempDatabase noTables(TempDatabase::Tables::None);
    QFile::copy(noTables.path(), dir + "/notables.mdb");
    const QStringList before = database.dump();

    const auto place = [&](QString text) { return text.replace("{db}", database.path()).replace("{dir}", dir); };
    QStringList args;
    for (const QString& arg : GetParam().args)
        args << place(arg);
    const Outcome outcome = runCli(args, database.path());
    EXPECT_EQ(outcome.code, GetParam().code) << outcome.err.toStdString();
    EXPECT_EQ(outcome.err.section(u'\n', 0, 0), place(QString::fromUtf8(GetParam().firstErrorLine)));
    EXPECT_EQ(database.dump(), before);
    EXPECT_EQ(QFileInfo(dir + "/fifo").isFile(), false);
}

INSTANTIATE_TEST_SUITE_P(Inputs, CliUnderAttack,
    testing::Values(Attack { "export_onto_a_fifo", { "export", "numbers3", "{dir}/fifo", "--force" }, 1,
                        "zelpo-cli: {dir}/fifo is a named pipe; export writes only regular files or standard output" },
        Attack { "export_onto_a_device", { "export", "numbers3", "/dev/null", "--force" }, 1,
            "zelpo-cli: /dev/null is a device; export writes only regular files or standard output" },
        Attack { "export_onto_a_folder", { "export", "numbers3", "{dir}/folder", "--force" }, 1,
            "zelpo-cli: {dir}/folder is a folder; export writes only regular files or standard output" },
        Attack { "larger_than_the_limit", { "import", "numbers3", "{dir}/huge.csv" }, 1,
            "zelpo-cli: {dir}/huge.csv: too large to be a draw history (67108865 bytes or more; at most 67108864)" },
        Attack { "a_line_of_commas", { "import", "numbers3", "{dir}/commas.csv" }, 1,
            "zelpo-cli: {dir}/commas.csv: line 2: more than 5 fields where the header has 5" },
        Attack { "a_header_of_commas", { "import", "numbers3", "{dir}/wide.csv" }, 1,
            "zelpo-cli: {dir}/wide.csv: line 1: more than 1024 fields" },
        Attack { "control_characters", { "import", "numbers3", "{dir}/screen.csv" }, 1,
            "zelpo-cli: {dir}/screen.csv: line 2, column N100: \"\\x1B[2J\\x1B[Himported 1 draws\" is not a digit from "
            "0 "
            "to 9" },
        Attack { "a_five_megabyte_field", { "import", "numbers3", "{dir}/huge_field.csv" }, 1,
            "zelpo-cli: {dir}/huge_field.csv: line 2: a field longer than 65536 bytes" },
        Attack { "a_long_field_quoted_in_a_message", { "import", "numbers3", "{dir}/long.csv" }, 1,
            "zelpo-cli: {dir}/long.csv: line 3, column N100: \"7777777777777777777777777777777777777777…\" is not a "
            "digit from 0 to 9" },
        Attack { "bad_shift_jis_byte", { "import", "numbers3", "{dir}/sjis.csv" }, 1,
            "zelpo-cli: {dir}/sjis.csv: line 3: the text is neither UTF-8 nor Shift_JIS; name its encoding with "
            "--encoding" },
        Attack { "import_from_a_folder", { "import", "numbers3", "{dir}/folder" }, 1,
            "zelpo-cli: cannot read {dir}/folder: it is a folder" },
        Attack { "database_is_a_folder", { "predict", "numbers3", "--db", "{dir}/folder" }, 1,
            "zelpo-cli predict: cannot open the database: {dir}/folder is a folder, not a database file" },
        Attack { "database_is_empty", { "stats", "numbers3", "--db", "{dir}/empty.mdb" }, 1,
            "zelpo-cli stats: cannot open the database: {dir}/empty.mdb is an empty file, not a database" },
        Attack { "database_named_empty", { "export", "numbers3", "--db", "" }, 2,
            "usage: zelpo-cli export GAME [FILE] [--db PATH] [--force]" },
        Attack { "database_named_empty_with_equals", { "search", "miniloto", "1", "2", "3", "4", "5", "--db=" }, 2,
            "usage: zelpo-cli search numbers3|numbers4 --straight|--box DIGITS | miniloto N N N N N [--db PATH]" },
        Attack { "init_with_an_empty_path", { "init", "" }, 2, "usage: zelpo-cli init [PATH] [--empty]" },
        Attack { "database_not_there", { "predict", "miniloto", "--db", "{dir}/other.mdb" }, 1,
            "zelpo-cli predict: database file not found: {dir}/other.mdb" },
        Attack { "database_without_tables", { "predict", "miniloto", "--db", "{dir}/notables.mdb" }, 1,
            "zelpo-cli predict: the database refused the query: {dir}/notables.mdb: no such table: ミニロト" }),
    [](const testing::TestParamInfo<Attack>& info) { return info.param.name; });

struct EchoedPath {
    const char* name;
    QStringList args; // {dir} is the database's folder
    const char* shown;
};

class CliEchoedPath : public testing::TestWithParam<EchoedPath> { };

// A file name may hold any byte but '/' and NUL; echoed raw, a newline or an
// escape sequence would forge lines or rewrite the terminal.
TEST_P(CliEchoedPath, HasItsControlCharactersEscaped)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    QStringList args;
    for (const QString& arg : GetParam().args)
        args << QString(arg).replace("{dir}", database.dir());
    const Outcome outcome = runCli(args, database.path());
    const QString all = outcome.out + outcome.err;
    EXPECT_TRUE(all.contains(QString::fromUtf8(GetParam().shown).replace("{dir}", database.dir())))
        << all.toStdString();
    for (const QChar c : all)
        EXPECT_TRUE(c == u'\n' || c.unicode() >= 0x20) << all.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Commands, CliEchoedPath,
    testing::Values(EchoedPath { "init", { "init", "--empty", "{dir}/a\nb.mdb" }, "created {dir}/a\\nb.mdb with" },
        EchoedPath { "info", { "info", "--db", "{dir}/x\x1b[2J.mdb" },
            "no database at {dir}/x\\x1B[2J.mdb; create it with: zelpo-cli init '{dir}/x\\x1B[2J.mdb'" },
        EchoedPath { "export", { "export", "numbers3", "{dir}/e\tf.csv" }, "exported 1 draws to {dir}/e\\tf.csv\n" },
        EchoedPath {
            "import", { "import", "numbers3", "{dir}/n\ro.csv" }, "cannot read {dir}/n\\ro.csv: no such file" },
        EchoedPath { "database", { "predict", "numbers3", "--db", "{dir}/p\a.mdb" },
            "database file not found: {dir}/p\\x07.mdb" }),
    [](const testing::TestParamInfo<EchoedPath>& info) { return info.param.name; });

TEST(CliInit, APathIsThePlainFileItNames)
{
    const TempDatabase database;
    for (const QString name : { "file:y.db", "file:m.db?mode=memory", ":memory:" }) {
        const QString path = QDir::current().relativeFilePath(database.dir() + u'/' + name);
        const Outcome created = runCli({ "init", "--empty", path }, database.path());
        EXPECT_EQ(created.code, 0) << created.err.toStdString();
        EXPECT_EQ(created.out, "created " + path + " with empty tables\n");
        EXPECT_TRUE(QFileInfo(database.dir() + u'/' + name).isFile()) << name.toStdString();
        EXPECT_EQ(runCli({ "predict", "numbers3", "--db", path }, database.path()).code, 0) << name.toStdString();
    }
}

TEST(CliReaders, DrawNumbersStoredAsTextAreReadInNumericOrder)
{
    TempDatabase database(TempDatabase::Tables::None);
    database.exec(
        "CREATE TABLE ナンバーズ3 (kaisai TEXT, N100, N10, N1, kounyu1, kounyu2, kounyu3, kounyu4, kounyu5, atari)");
    // Draws 1 to 12; stored as texts they would sort 1, 10, 11, 12, 2, ... 9.
    for (int kaisai = 1; kaisai <= 12; ++kaisai) {
        database.exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES ('%1',%2,%3,%4,'','','','','',' ')")
                          .arg(kaisai)
                          .arg(kaisai % 10)
                          .arg((kaisai * 3) % 10)
                          .arg((kaisai * 7) % 10));
    }
    const Outcome exported = runCli({ "export", "numbers3" }, database.path());
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    QStringList order;
    for (const QString& line : exported.out.split(u'\n', Qt::SkipEmptyParts).mid(1))
        order << line.section(u',', 0, 0);
    EXPECT_EQ(order, (QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12" }));

    database.exec("INSERT INTO ナンバーズ3 VALUES ('12a',1,2,3,'','','','','',' ')");
    const Outcome unreadable = runCli({ "predict", "numbers3" }, database.path());
    EXPECT_EQ(unreadable.code, 1);
    EXPECT_EQ(unreadable.out, "");
    EXPECT_TRUE(unreadable.err.contains("kaisai holds \"12a\", not a whole number")) << unreadable.err.toStdString();
}

TEST(CliExport, WarnsAboutEveryRowImportWouldRefuseAndStillSucceeds)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    for (int kaisai = 3; kaisai <= 9; ++kaisai)
        database.addNumbers4(-kaisai, 0, 0, 0, 0);
    database.addNumbers4(0, 1, 2, 3, 4);
    database.addNumbers4(1, 1, 2, 3, 4);
    database.addNumbers4(1, 1, 2, 3, 4);
    database.addNumbers4(2, 15, 0, 0, 0);
    database.addNumbers4(3, 0, 0, 0, 10);
    const Outcome outcome = runCli({ "export", "numbers4" }, database.path());
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out.count(u'\n'), 13);
    const QStringList lines = outcome.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 12) << outcome.err.toStdString();
    EXPECT_EQ(lines[0], "zelpo-cli: warning: import would refuse 11 rows of this export:");
    EXPECT_EQ(lines[1], "zelpo-cli:   line 2, column kaisai: \"-9\" is not a draw number from 1 to 32767");
    EXPECT_EQ(lines[8], "zelpo-cli:   line 9, column kaisai: \"0\" is not a draw number from 1 to 32767");
    EXPECT_EQ(lines[9], "zelpo-cli:   line 11, column kaisai: draw 1 is also on line 10");
    EXPECT_EQ(lines[10], "zelpo-cli:   line 12, column N1000: \"15\" is not a digit from 0 to 9");
    EXPECT_EQ(lines[11], "zelpo-cli:   and 1 more");
}

} // namespace

namespace {

// Ten refused rows are all named; the tail counts only the rows beyond ten.
TEST(CliExport, NamesUpToTenRefusedRowsAndCountsTheRest)
{
    for (const int refused : { 10, 11 }) {
        const TempDatabase database(TempDatabase::Tables::Unkeyed);
        for (int kaisai = 0; kaisai > -refused; --kaisai)
            database.addNumbers3(kaisai, 1, 2, 3);
        const Outcome outcome = runCli({ "export", "numbers3" }, database.path());
        EXPECT_EQ(outcome.code, 0);
        const QStringList lines = outcome.err.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), refused == 10 ? 11 : 12) << outcome.err.toStdString();
        EXPECT_EQ(lines.last(),
            refused == 10 ? QString("zelpo-cli:   line 11, column kaisai: \"0\" is not a draw number from 1 to 32767")
                          : QString("zelpo-cli:   and 1 more"));
    }
}

} // namespace
