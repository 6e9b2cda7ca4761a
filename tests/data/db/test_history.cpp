// SPDX-License-Identifier: MIT
#include "data/db/history.h"
#include "support/testdb.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <tuple>

using zelpo::Game;
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
    ASSERT_TRUE(created.ok()) << zelpo::db::describe(created.failure).toStdString();

    const FileHistory file = readDataFile(c.file);
    ASSERT_FALSE(file.draws.isEmpty());
    EXPECT_EQ(database.rows(QString::fromUtf8(c.select)), file.draws);

    // No predictions (the program's empty value) and the blank hit mark;
    // Mini Loto keeps its bonus number in kounyu1.
    const QString table = zelpo::db::tableName(c.game);
    EXPECT_EQ(database.rows(QStringLiteral("SELECT DISTINCT kounyu2||kounyu5||atari FROM %1").arg(table)),
        QStringList { "\u3000\u3000 " });
    if (c.game == Game::MiniLoto) {
        EXPECT_EQ(database.rows("SELECT kounyu1 FROM ミニロト ORDER BY kaisai"), file.bonuses);
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

} // namespace

namespace {

using Kind = zelpo::db::CreateFailure::Kind;

// A refusal keeps the system's reason for the windows, says it once for the
// command line, and leaves the folder as it was. A link to nowhere is a name
// taken: the file it points at is not made.
TEST(NewDatabaseFile, IsRefusedWithTheSystemsReason)
{
    const QTemporaryDir dir;
    const QDir folder(dir.path());
    QFile(folder.filePath("plain")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(folder.filePath("nowhere"), folder.filePath("link.mdb")));
    const QStringList before = folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const auto& [name, kind, error, described] :
        { std::tuple { "plain/x.mdb", Kind::System, ENOTDIR, "cannot create PATH: Not a directory" },
            std::tuple { "link.mdb", Kind::Exists, EEXIST, "PATH already exists; it is left as it is" } }) {
        const QString path = folder.filePath(name);
        const zelpo::db::CreatedDatabase created = zelpo::db::createDatabaseWithHistory(path);
        EXPECT_EQ(created.failure.kind, kind);
        EXPECT_EQ(created.failure.systemError, error);
        EXPECT_EQ(zelpo::db::describe(created.failure), QString(described).replace("PATH", path));
    }
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
}

} // namespace
