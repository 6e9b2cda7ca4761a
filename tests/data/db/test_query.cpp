// SPDX-License-Identifier: MIT
#include "data/db/create.h"
#include "data/db/drawcount.h"
#include "data/db/history.h"
#include "data/db/query.h"
#include "data/db/schema.h"
#include "support/testdb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using zelpo::db::Failure;
using zelpo::test::TempDatabase;

namespace {

QStringList readKaisai(const QString& path, const QString& where, zelpo::db::Status* status = nullptr)
{
    QStringList seen;
    const zelpo::db::Status result = zelpo::db::read(path, u"SELECT kaisai,N100 FROM ナンバーズ3 ", where,
        [&](const zelpo::db::Row& row) { seen << QString::number(row.integer(u"kaisai")); });
    if (status)
        *status = result;
    return seen;
}

} // namespace

TEST(StatementText, AppendsTheClauseOnlyWhenGiven)
{
    EXPECT_EQ(zelpo::db::statementText(u"SELECT kaisai FROM  ミニロト ", QStringLiteral("WHERE kaisai>0")),
        QStringLiteral("SELECT kaisai FROM  ミニロト WHERE kaisai>0"));
    EXPECT_EQ(zelpo::db::statementText(u"SELECT kaisai FROM ナンバーズ3 ", QString()),
        QStringLiteral("SELECT kaisai FROM ナンバーズ3 "));
}

TEST(Query, RowsComeInDrawOrderEvenFromAnUnkeyedTableStoredOutOfOrder)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    for (const int kaisai : { 3, 1, 5, 2, 4 })
        database.addNumbers3(kaisai, kaisai, 0, 0);
    zelpo::db::Status status;
    EXPECT_EQ(readKaisai(database.path(), QStringLiteral(" WHERE kaisai>=1"), &status),
        (QStringList { "1", "2", "3", "4", "5" }));
    EXPECT_TRUE(status.ok());
}

TEST(Query, ReadsIntegersAndTextsByName)
{
    const TempDatabase database;
    database.addNumbers3(1, 0, 4, 7, { QStringLiteral("123"), QString(), QStringLiteral("它's") });
    database.exec(QStringLiteral("INSERT INTO ナンバーズ3 (kaisai,N100,N10,N1) VALUES (2,1,2,3)"));
    QStringList seen;
    const auto status
        = zelpo::db::read(database.path(), u"SELECT kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3 FROM ナンバーズ3 ",
            QString(), [&](const zelpo::db::Row& row) {
                seen << QStringLiteral("%1:%2%3%4:%5:%6:%7")
                            .arg(row.integer(u"kaisai"))
                            .arg(row.integer(u"N100"))
                            .arg(row.integer(u"N10"))
                            .arg(row.integer(u"N1"))
                            .arg(row.text(u"kounyu1"), row.text(u"kounyu2"), row.text(u"kounyu3"));
            });
    EXPECT_TRUE(status.ok()) << zelpo::db::describe(status).toStdString();
    EXPECT_EQ(seen, (QStringList { "1:047:123::它's", "2:123:::" }));
}

TEST(Query, AValueThatIsNotANumberEndsTheWalkAsAFailedQuery)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers3(1, 1, 2, 3);
    database.exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES (2,'x',2,3,'','','','','',' ')"));
    database.exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES (3,NULL,2,3,'','','','','',' ')"));
    for (const QString& where : { QStringLiteral("WHERE kaisai<=2"), QStringLiteral("WHERE kaisai<>2") }) {
        QStringList digits;
        const auto status = zelpo::db::read(database.path(), u"SELECT kaisai,N100 FROM ナンバーズ3 ", where,
            [&](const zelpo::db::Row& row) { digits << QString::number(row.integer(u"N100")); });
        EXPECT_EQ(status.failure(), Failure::Read) << where.toStdString();
    }
}

// A Numbers 3 table as another program may make it: the draw number as text.
void createTextNumberedTable(const TempDatabase& database)
{
    database.exec(QStringLiteral("CREATE TABLE ナンバーズ3 (kaisai TEXT, N100 INTEGER, N10 INTEGER, N1 INTEGER, "
                                 "kounyu1 TEXT, kounyu2 TEXT, kounyu3 TEXT, kounyu4 TEXT, kounyu5 TEXT, atari TEXT)"));
}

TEST(Query, DrawNumbersStoredAsTextComeInNumericOrder)
{
    const TempDatabase database(TempDatabase::Tables::None);
    createTextNumberedTable(database);
    for (const char* kaisai : { "1", "10", "100", "2", "9", " 11", "3" })
        database.exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES ('%1',1,2,3,'','','','','',' ')").arg(kaisai));
    zelpo::db::Status status;
    EXPECT_EQ(readKaisai(database.path(), QString(), &status), (QStringList { "1", "2", "3", "9", "10", "11", "100" }));
    EXPECT_TRUE(status.ok()) << zelpo::db::describe(status).toStdString();
}

// The bulk walk gives every cell as the ordinary walk gives it, whatever the
// file stores there, and ends where the ordinary walk ends.
TEST(Query, TheBulkWalkReadsEveryCellAsTheOrdinaryWalk)
{
    const TempDatabase database(TempDatabase::Tables::None);
    createTextNumberedTable(database);
    for (const char* row : { "(1,7,NULL,'5','','x','')", "('2',2.0,2.5,' 8 ','３','',X'00ff')",
             "(3,-4,4294967296,9,'它''s',NULL,1e300)", "(' 4',0,'12a',6,NULL,'','')" })
        database.exec(
            QStringLiteral("INSERT INTO ナンバーズ3 (kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3) VALUES %1").arg(row));
    using Walk = zelpo::db::Status (*)(const QString&, QStringView, const QString&, const zelpo::db::RowVisitor&);
    constexpr QStringView kSelect = u"SELECT kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3 FROM ナンバーズ3 ";
    // Every cell as value() and storedInteger() give it, then each column as
    // integer() reads it, until the walk ends.
    const auto seen = [&](Walk walk) {
        QStringList cells;
        zelpo::db::Status status = walk(database.path(), kSelect, QString(), [&](const zelpo::db::Row& row) {
            for (int c = 0; c < 8; ++c) {
                const QVariant value = row.value(c);
                const std::optional<qint64> stored = row.storedInteger(c);
                cells << QStringLiteral("%1 %2 %3 %4")
                             .arg(QString::fromLatin1(value.metaType().name()))
                             .arg(value.isNull())
                             .arg(value.toString(), stored ? QString::number(*stored) : QStringLiteral("-"));
            }
        });
        cells << zelpo::db::describe(status);
        for (const QStringView column : { u"N100", u"N10", u"N1", u"kounyu1" }) {
            status = walk(database.path(), kSelect, QString(),
                [&](const zelpo::db::Row& row) { cells << QString::number(row.integer(column)); });
            cells << zelpo::db::describe(status);
        }
        return cells;
    };
    const QStringList ordinary = seen(&zelpo::db::read);
    EXPECT_EQ(seen(&zelpo::db::readBulk), ordinary);
    EXPECT_TRUE(ordinary.contains(QStringLiteral("QString 0 它's -"))) << ordinary.join(u'\n').toStdString();
}

// A draw number that is not a whole number is an unreadable row for every
// reader, also for one that never asks for it and for the draw count.
struct UnreadableNumber {
    const char* name;
    const char* value; // as SQL
};

class QueryOnUnreadableDrawNumber : public ::testing::TestWithParam<UnreadableNumber> { };

TEST_P(QueryOnUnreadableDrawNumber, FailsAsAFailedRead)
{
    const TempDatabase database(TempDatabase::Tables::None);
    createTextNumberedTable(database);
    database.exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES (1,1,2,3,'','','','','',' ')"));
    database.exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES (%1,4,5,6,'','','','','',' ')").arg(GetParam().value));
    database.exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES (2,7,8,9,'','','','','',' ')"));

    const auto digitsOnly = zelpo::db::read(database.path(), u"SELECT kaisai,N100 FROM ナンバーズ3 ", QString(),
        [](const zelpo::db::Row& row) { row.integer(u"N100"); });
    EXPECT_EQ(digitsOnly.failure(), Failure::Read) << zelpo::db::describe(digitsOnly).toStdString();
    EXPECT_TRUE(digitsOnly.detail().startsWith(database.path())) << digitsOnly.detail().toStdString();
    zelpo::db::Status counted;
    EXPECT_EQ(zelpo::db::nextDrawNumber(database.path(), zelpo::db::kCountNumbers3, QString(), &counted), std::nullopt);
    EXPECT_EQ(counted.failure(), Failure::Read);
}

INSTANTIATE_TEST_SUITE_P(Values, QueryOnUnreadableDrawNumber,
    ::testing::Values(UnreadableNumber { "text", "'12a'" }, UnreadableNumber { "fraction", "1.5" },
        UnreadableNumber { "null", "NULL" }, UnreadableNumber { "empty_text", "''" },
        UnreadableNumber { "beyond_int", "4294967296" }),
    [](const auto& info) { return std::string(info.param.name); });

// Tests run as root, where file permissions never refuse a write: the open
// mode is checked on the connection itself while a read is under way.
TEST(Query, ReadersOpenTheFileReadOnly)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    QStringList seen;
    const auto status = zelpo::db::read(
        database.path(), u"SELECT kaisai FROM ナンバーズ3 ", QString(), [&](const zelpo::db::Row&) {
            for (const QString& name : QSqlDatabase::connectionNames()) {
                if (!name.startsWith(u"zelpo-"))
                    continue;
                const QSqlDatabase connection = QSqlDatabase::database(name, false);
                seen << name;
                EXPECT_TRUE(connection.connectOptions().split(u';').contains(u"QSQLITE_OPEN_READONLY"))
                    << connection.connectOptions().toStdString();
                EXPECT_TRUE(connection.databaseName().endsWith(u"?mode=ro")) << connection.databaseName().toStdString();
                QSqlQuery change(connection);
                EXPECT_FALSE(change.exec(QStringLiteral("UPDATE ナンバーズ3 SET N1=9")));
            }
        });
    EXPECT_TRUE(status.ok()) << zelpo::db::describe(status).toStdString();
    EXPECT_EQ(seen.size(), 1);
    EXPECT_EQ(database.rows(QStringLiteral("SELECT N1 FROM ナンバーズ3")), QStringList { "3" });
}

struct BrokenFileCase {
    const char* name;
    Failure expected;
};

class QueryOnBrokenFile : public ::testing::TestWithParam<BrokenFileCase> { };

TEST_P(QueryOnBrokenFile, FailsWithoutCrashingAndWithoutCreatingTheFile)
{
    const TempDatabase database(TempDatabase::Tables::None);
    const std::string kind = GetParam().name;
    const QString path = kind == "unnamed" ? QString() : database.dir() + QStringLiteral("/file.mdb");
    if (kind == "corrupt" || kind == "empty file") {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(kind == "corrupt" ? 4096 : 0, 'z'));
    } else if (kind == "no tables") {
        database.exec(QStringLiteral("CREATE TABLE other (x)"));
        QFile::copy(database.path(), path);
    } else if (kind == "folder") {
        ASSERT_TRUE(QDir(database.dir()).mkdir(QStringLiteral("file.mdb")));
    }
    bool visited = false;
    const auto status = zelpo::db::read(
        path, u"SELECT kaisai FROM ナンバーズ3 ", QString(), [&](const zelpo::db::Row&) { visited = true; });
    EXPECT_EQ(status.failure(), GetParam().expected) << zelpo::db::describe(status).toStdString();
    EXPECT_FALSE(visited);

    const auto written
        = zelpo::db::write(path, u"SELECT kaisai FROM ナンバーズ3 ", QString(), [](zelpo::db::Writer& writer) {
              writer.exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES (1,1,1,1,'','','','','',' ')"));
          });
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(QFileInfo::exists(path), kind != "missing" && kind != "unnamed");
    EXPECT_FALSE(QFileInfo::exists(database.dir() + QStringLiteral("/mode=rw")));
}

INSTANTIATE_TEST_SUITE_P(Files, QueryOnBrokenFile,
    ::testing::Values(BrokenFileCase { "missing", Failure::Missing }, BrokenFileCase { "corrupt", Failure::Open },
        BrokenFileCase { "no tables", Failure::Statement }, BrokenFileCase { "folder", Failure::Open },
        BrokenFileCase { "empty file", Failure::Open }, BrokenFileCase { "unnamed", Failure::Missing }),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

struct UnsafeTableCase {
    const char* name;
    const char* schema; // what the file holds besides the Numbers 4 and Mini Loto tables; ";\n" between statements
};

class QueryOnUnsafeTable : public ::testing::TestWithParam<UnsafeTableCase> { };

// A file made elsewhere can put code behind a game table's name; the recursive
// view made every reader hang (found by fuzzing the query walk).
TEST_P(QueryOnUnsafeTable, RefusesTheFileBeforeRunningAnything)
{
    const TempDatabase database(TempDatabase::Tables::None);
    database.exec(zelpo::db::createTableStatement(zelpo::Game::Numbers4));
    database.exec(zelpo::db::createTableStatement(zelpo::Game::MiniLoto));
    for (const QString& statement : QString::fromUtf8(GetParam().schema).split(QStringLiteral(";\n")))
        database.exec(statement);

    bool visited = false;
    const auto status = zelpo::db::read(database.path(), u"SELECT kaisai FROM ナンバーズ3 ",
        QStringLiteral("WHERE kaisai>0"), [&](const zelpo::db::Row&) { visited = true; });
    EXPECT_EQ(status.failure(), Failure::Open) << zelpo::db::describe(status).toStdString();
    EXPECT_TRUE(status.detail().contains(QStringLiteral("ナンバーズ3")));
    EXPECT_FALSE(visited);
    // The other tables of the same file are not read either: the file is not one this program made.
    const auto other
        = zelpo::db::read(database.path(), u"SELECT kaisai FROM ナンバーズ4 ", QString(), [](const auto&) {});
    EXPECT_EQ(other.failure(), Failure::Open);
    const auto written = zelpo::db::write(database.path(), u"SELECT kaisai FROM ミニロト ", QString(),
        [](zelpo::db::Writer& writer) { writer.exec(QStringLiteral("DELETE FROM ミニロト")); });
    EXPECT_EQ(written.failure(), Failure::Open);
}

INSTANTIATE_TEST_SUITE_P(Files, QueryOnUnsafeTable,
    ::testing::Values(
        UnsafeTableCase { "RecursiveView",
            "CREATE VIEW ナンバーズ3 AS WITH RECURSIVE c(kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5,"
            "atari) AS (SELECT 1,1,2,3,'','','','','',' ' UNION ALL SELECT kaisai+1,N100,N10,N1,kounyu1,kounyu2,"
            "kounyu3,kounyu4,kounyu5,atari FROM c) SELECT * FROM c" },
        UnsafeTableCase { "ComputedColumn",
            "CREATE TABLE ナンバーズ3 (kaisai INTEGER PRIMARY KEY, N100 AS (zeroblob(1000000)), N10, N1, kounyu1, "
            "kounyu2, kounyu3, kounyu4, kounyu5, atari)" },
        UnsafeTableCase { "StoredComputedColumn",
            "CREATE TABLE ナンバーズ3 (kaisai INTEGER PRIMARY KEY, N100 AS (kaisai % 10) STORED, N10, N1, kounyu1, "
            "kounyu2, kounyu3, kounyu4, kounyu5, atari)" },
        UnsafeTableCase { "VirtualTable",
            "CREATE VIRTUAL TABLE ナンバーズ3 USING fts4(kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5,"
            "atari)" },
        UnsafeTableCase { "Trigger",
            "CREATE TABLE ナンバーズ3 (kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5,atari);\n"
            "CREATE TRIGGER slow AFTER INSERT ON ナンバーズ3 BEGIN DELETE FROM ミニロト; END" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Query, AFileLockedByAnotherProgramFailsAfterTheWaitForReadersAndWriters)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    const zelpo::test::FileLock lock(database.path());
    zelpo::db::Status status;
    readKaisai(database.path(), QString(), &status);
    EXPECT_EQ(status.failure(), Failure::Busy);
    // The check made at start-up tells the lock from a file that is no database.
    EXPECT_EQ(zelpo::db::checkDatabaseFile(database.path()).failure(), Failure::Busy);
    const auto written = zelpo::db::write(
        database.path(), u"SELECT kaisai FROM ナンバーズ3 ", QString(), [](zelpo::db::Writer& writer) {
            writer.exec(QStringLiteral("INSERT INTO ナンバーズ3 VALUES (2,1,1,1,'','','','','',' ')"));
        });
    EXPECT_EQ(written.failure(), Failure::Busy);
}

TEST(Write, StoresAllStatementsOrNone)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    const auto insert = [](int kaisai) {
        return QStringLiteral("INSERT INTO ナンバーズ3 VALUES (%1,1,1,1,'','','','','',' ')").arg(kaisai);
    };
    const auto ok = zelpo::db::write(
        database.path(), u"SELECT kaisai FROM ナンバーズ3 ", QString(), [&](zelpo::db::Writer& writer) {
            writer.exec(insert(2));
            writer.exec(insert(3));
        });
    EXPECT_TRUE(ok.ok());
    const auto duplicate = zelpo::db::write(
        database.path(), u"SELECT kaisai FROM ナンバーズ3 ", QString(), [&](zelpo::db::Writer& writer) {
            writer.exec(insert(4));
            writer.exec(insert(1));
        });
    EXPECT_EQ(duplicate.failure(), Failure::Duplicate);
    EXPECT_EQ(database.rows(QStringLiteral("SELECT kaisai FROM ナンバーズ3")), (QStringList { "1", "2", "3" }));
}

TEST(Write, ABadSelectIsRefusedBeforeAnythingIsWritten)
{
    const TempDatabase database;
    bool ran = false;
    const auto status = zelpo::db::write(
        database.path(), u"SELECT nosuchcolumn FROM ナンバーズ3 ", QString(), [&](zelpo::db::Writer&) { ran = true; });
    EXPECT_EQ(status.failure(), Failure::Statement);
    EXPECT_FALSE(ran);
}

TEST(Schema, CreateRefusesAnExistingFile)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    EXPECT_FALSE(zelpo::db::createDatabaseFile(database.path()).ok());
    EXPECT_EQ(database.rows(QStringLiteral("SELECT kaisai FROM ナンバーズ3")), QStringList { "1" });
}

TEST(Schema, TablesKeepTheirColumnOrder)
{
    const TempDatabase database;
    EXPECT_EQ(database.rows(QStringLiteral("SELECT group_concat(name) FROM pragma_table_info('ミニロト')")),
        QStringList { "kaisai,NO1,NO2,NO3,NO4,NO5,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5,atari" });
    EXPECT_EQ(database.rows(QStringLiteral("SELECT group_concat(name) FROM pragma_table_info('ナンバーズ4')")),
        QStringList { "kaisai,N1000,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5,atari" });
    EXPECT_EQ(database.rows(QStringLiteral("SELECT group_concat(name) FROM pragma_table_info('ナンバーズ3')")),
        QStringList { "kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5,atari" });
}
