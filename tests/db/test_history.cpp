// SPDX-License-Identifier: MIT
#include "db/history.h"
#include "support/testdb.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using zelpo::db::Failure;
using zelpo::db::Game;
using zelpo::test::TempDatabase;

namespace {

// The rows of a file in data/, read here independently of the program's CSV
// reader: "kaisai|numbers..." per draw, and the Mini Loto bonus apart.
struct FileHistory {
    QStringList draws;
    QStringList bonuses;
};

FileHistory readDataFile(const char* name)
{
    FileHistory history;
    QFile file(QStringLiteral(ZELPO_DATA_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) {
        QStringList fields = line.split(u',');
        fields.removeAt(1); // the date
        if (fields.size() == 7)
            history.bonuses << fields.takeLast();
        history.draws << fields.join(u'|');
    }
    return history;
}

struct HistoryCase {
    const char* name;
    Game game;
    const char* file;
    const char* select; // kaisai and the number columns, in draw order
};

class BundledHistory : public ::testing::TestWithParam<HistoryCase> { };

TEST_P(BundledHistory, ANewDatabaseHoldsEveryDrawOfTheFile)
{
    const HistoryCase& c = GetParam();
    const TempDatabase database;
    ASSERT_TRUE(QFile::remove(database.path()));

    const zelpo::db::CreatedDatabase created = zelpo::db::createDatabaseWithHistory(database.path());
    ASSERT_TRUE(created.ok()) << created.failure.toStdString();

    const FileHistory file = readDataFile(c.file);
    ASSERT_FALSE(file.draws.isEmpty());
    EXPECT_EQ(database.rows(QString::fromUtf8(c.select)), file.draws);

    const auto stored = std::find_if(created.stored.begin(), created.stored.end(),
        [&](const zelpo::db::StoredHistory& s) { return s.game == c.game; });
    ASSERT_NE(stored, created.stored.end());
    EXPECT_EQ(stored->draws, file.draws.size());
    EXPECT_EQ(QString::number(stored->first), file.draws.first().section(u'|', 0, 0));
    EXPECT_EQ(QString::number(stored->last), file.draws.last().section(u'|', 0, 0));

    // The predictions are the program's empty value and the hit mark its blank;
    // Mini Loto keeps its bonus number in kounyu1.
    const QString table = zelpo::db::tableName(c.game);
    if (c.game == Game::MiniLoto) {
        EXPECT_EQ(database.rows("SELECT kounyu1 FROM ミニロト ORDER BY kaisai"), file.bonuses);
        EXPECT_EQ(
            database.rows("SELECT DISTINCT kounyu2||kounyu5||atari FROM ミニロト"), QStringList { "\u3000\u3000 " });
    } else {
        EXPECT_EQ(database.rows(QStringLiteral("SELECT DISTINCT kounyu1||kounyu5||atari FROM %1").arg(table)),
            QStringList { "\u3000\u3000 " });
    }
}

INSTANTIATE_TEST_SUITE_P(Games, BundledHistory,
    ::testing::Values(HistoryCase { "numbers3", Game::Numbers3, "numbers3.csv",
                          "SELECT kaisai,N100,N10,N1 FROM ナンバーズ3 ORDER BY kaisai" },
        HistoryCase { "numbers4", Game::Numbers4, "numbers4.csv",
            "SELECT kaisai,N1000,N100,N10,N1 FROM ナンバーズ4 ORDER BY kaisai" },
        HistoryCase { "miniloto", Game::MiniLoto, "miniloto.csv",
            "SELECT kaisai,NO1,NO2,NO3,NO4,NO5 FROM ミニロト ORDER BY kaisai" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BundledHistory, AnExistingFileIsRefusedAndLeftAsItIs)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    QFile file(database.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const zelpo::db::CreatedDatabase created = zelpo::db::createDatabaseWithHistory(database.path());
    EXPECT_FALSE(created.ok());
    EXPECT_TRUE(created.stored.empty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

struct CheckCase {
    const char* name;
    void (*prepare)(const TempDatabase& database); // on a file with the three tables
    Failure failure;
    const char* detailStart;
};

class CheckDatabaseFile : public ::testing::TestWithParam<CheckCase> { };

TEST_P(CheckDatabaseFile, TellsWhetherTheWindowsCanUseIt)
{
    const TempDatabase database;
    GetParam().prepare(database);
    const zelpo::db::Status status = zelpo::db::checkDatabaseFile(database.path());
    EXPECT_EQ(status.failure(), GetParam().failure) << status.detail().toStdString();
    const QString start = QString::fromUtf8(GetParam().detailStart);
    EXPECT_EQ(status.detail().left(start.size()), start);
}

void replaceWith(const TempDatabase& database, const QByteArray& bytes)
{
    QFile file(database.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, CheckDatabaseFile,
    ::testing::Values(CheckCase { "three_tables", [](const TempDatabase&) {}, Failure::None, "" },
        CheckCase { "missing", [](const TempDatabase& d) { QFile::remove(d.path()); }, Failure::Missing, "" },
        CheckCase { "text_file", [](const TempDatabase& d) { replaceWith(d, "kaisai,N100,N10,N1\n1,2,3,4\n"); },
            Failure::Open, "" },
        CheckCase {
            "empty_file", [](const TempDatabase& d) { replaceWith(d, ""); }, Failure::Statement, "ナンバーズ3: " },
        CheckCase { "folder",
            [](const TempDatabase& d) {
                QFile::remove(d.path());
                QDir().mkpath(d.path());
            },
            Failure::Open, "" },
        CheckCase { "table_missing", [](const TempDatabase& d) { d.exec("DROP TABLE ミニロト"); }, Failure::Statement,
            "ミニロト: " },
        CheckCase { "column_missing",
            [](const TempDatabase& d) { d.exec("ALTER TABLE ナンバーズ4 DROP COLUMN kounyu5"); }, Failure::Statement,
            "ナンバーズ4: " }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
