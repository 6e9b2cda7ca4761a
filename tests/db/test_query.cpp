// SPDX-License-Identifier: MIT
#include "db/query.h"
#include "db/schema.h"
#include "support/testdb.h"

#include <QFile>
#include <QFileInfo>

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

struct BrokenFileCase {
    const char* name;
    Failure expected;
};

class QueryOnBrokenFile : public ::testing::TestWithParam<BrokenFileCase> { };

TEST_P(QueryOnBrokenFile, FailsWithoutCrashingAndWithoutCreatingTheFile)
{
    const TempDatabase database(TempDatabase::Tables::None);
    const QString path = database.dir() + QStringLiteral("/file.mdb");
    const std::string kind = GetParam().name;
    if (kind == "corrupt") {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'z'));
    } else if (kind == "no tables") {
        QFile::copy(database.path(), path);
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
    EXPECT_EQ(QFileInfo::exists(path), kind != "missing");
}

INSTANTIATE_TEST_SUITE_P(Files, QueryOnBrokenFile,
    ::testing::Values(BrokenFileCase { "missing", Failure::Missing }, BrokenFileCase { "corrupt", Failure::Open },
        BrokenFileCase { "no tables", Failure::Statement }),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(Query, AFileLockedByAnotherProgramFailsAfterTheWaitForReadersAndWriters)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    const zelpo::test::FileLock lock(database.path());
    zelpo::db::Status status;
    readKaisai(database.path(), QString(), &status);
    EXPECT_EQ(status.failure(), Failure::Busy);
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
    EXPECT_FALSE(zelpo::db::createDatabaseFile(database.path()).isEmpty());
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
