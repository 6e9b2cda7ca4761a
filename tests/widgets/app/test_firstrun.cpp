// SPDX-License-Identifier: MIT
#include "data/db/drawcount.h"
#include "data/db/history.h"
#include "support/testdb.h"
#include "widgets/app/firstrun.h"
#include "widgets/ui/modal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>

using zelpo::app::prepareDatabase;
using zelpo::app::StartupDatabase;
using zelpo::test::TempDatabase;
using zelpo::ui::MessageIcon;
using zelpo::ui::MessageRecorder;

namespace {

const QString kQuestion = "　データベース（ナンバーズ.mdb）が見つかりません。。\n過去の当選数字を入れて作成しますか？";

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qsizetype bundledDraws(zelpo::Game game)
{
    return QString::fromUtf8(zelpo::db::bundledHistory(game)).split(u'\n', Qt::SkipEmptyParts).size() - 1;
}

} // namespace

TEST(StartupDatabase, YesCreatesTheDatabaseWithTheHistoryInAFolderMadeForIt)
{
    const QTemporaryDir dir;
    // The user's data folder on a first start does not exist yet.
    const QString path = dir.filePath("share/zelpo/ナンバーズ.mdb");
    MessageRecorder recorder;
    recorder.answerQuestions(true);
    EXPECT_EQ(prepareDatabase(nullptr, path), StartupDatabase::Created);
    ASSERT_EQ(recorder.messages().size(), 1U);
    EXPECT_EQ(recorder.messages()[0].text, kQuestion);
    EXPECT_EQ(recorder.messages()[0].icon, MessageIcon::Question);
    // The window's count sees the whole history.
    EXPECT_EQ(zelpo::db::nextDrawNumber(path, zelpo::db::kCountNumbers3, zelpo::db::kWherePositive),
        bundledDraws(zelpo::Game::Numbers3) + 1);
    EXPECT_EQ(zelpo::db::nextDrawNumber(path, zelpo::db::kCountMiniLoto, zelpo::db::kWherePositive),
        bundledDraws(zelpo::Game::MiniLoto) + 1);

    // Asked once: the next start finds it and says nothing.
    recorder.clear();
    EXPECT_EQ(prepareDatabase(nullptr, path), StartupDatabase::Usable);
    EXPECT_TRUE(recorder.messages().empty());
}

TEST(StartupDatabase, NoGoesOnWithoutAFile)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("ナンバーズ.mdb");
    MessageRecorder recorder;
    recorder.answerQuestions(false);
    EXPECT_EQ(prepareDatabase(nullptr, path), StartupDatabase::Declined);
    EXPECT_EQ(recorder.texts(), QStringList { kQuestion });
    EXPECT_FALSE(QFileInfo::exists(path));
}

// The message names the file once and says why in the windows' words, not
// in the engine's or the driver's.
TEST(StartupDatabase, YesWhereNoFileCanBeMadeSaysSoOnceWithTheReason)
{
    const QTemporaryDir dir;
    QFile blocker(dir.filePath("share"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath("share/zelpo/ナンバーズ.mdb");
    MessageRecorder recorder;
    recorder.answerQuestions(true);
    EXPECT_EQ(prepareDatabase(nullptr, path), StartupDatabase::NotCreated);
    ASSERT_EQ(recorder.messages().size(), 2U);
    EXPECT_EQ(recorder.messages()[1].icon, MessageIcon::Stop);
    EXPECT_EQ(recorder.messages()[1].text,
        "　データベース（ナンバーズ.mdb）を作成できませんでした。。\n" + path
            + "\n途中の名前がフォルダーではありません。");
    EXPECT_FALSE(QFileInfo::exists(path));
}

struct UnusableCase {
    const char* name;
    void (*spoil)(const TempDatabase& database);
    const char* problem; // the line that names it
    int systemError = 0; // the system's refusal to read it, the last line
    bool locked = false; // by another program, while the program starts
};

class UnusableDatabase : public ::testing::TestWithParam<UnusableCase> { };

TEST_P(UnusableDatabase, IsReportedOnceAndNeverTouched)
{
    const TempDatabase database;
    database.addNumbers3(1, 4, 5, 6);
    GetParam().spoil(database);
    const QByteArray before = contents(database.path());
    std::optional<zelpo::test::FileLock> lock;
    if (GetParam().locked)
        lock.emplace(database.path());

    MessageRecorder recorder;
    recorder.answerQuestions(true); // were it asked, it would replace the file
    EXPECT_EQ(prepareDatabase(nullptr, database.path()), StartupDatabase::Unusable);
    ASSERT_EQ(recorder.messages().size(), 1U);
    EXPECT_EQ(recorder.messages()[0].icon, MessageIcon::Stop);
    // The file named once; no words of the engine's, only the system's reason.
    QStringList expected { "　データベース（ナンバーズ.mdb）を使えません。。", QString::fromUtf8(GetParam().problem),
        database.path() };
    if (GetParam().systemError)
        expected << QString::fromLocal8Bit(std::strerror(GetParam().systemError));
    EXPECT_EQ(recorder.messages()[0].text.split(u'\n'), expected);
    lock.reset();
    EXPECT_EQ(contents(database.path()), before);
}

void overwrite(const TempDatabase& database, const QByteArray& bytes)
{
    QFile file(database.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableDatabase,
    ::testing::Values(
        UnusableCase { "not_sqlite",
            [](const TempDatabase& d) { overwrite(d, QByteArray("Standard Jet DB\0\0\0\0", 19).repeated(300)); },
            "データベースのファイルではないか、読めません。" },
        UnusableCase { "table_missing", [](const TempDatabase& d) { d.exec("DROP TABLE ナンバーズ4"); },
            "表「ナンバーズ4」がないか、列が足りません。" },
        UnusableCase { "column_missing",
            [](const TempDatabase& d) { d.exec("ALTER TABLE ミニロト DROP COLUMN kounyu5"); },
            "表「ミニロト」がないか、列が足りません。" },
        UnusableCase { "a_folder",
            [](const TempDatabase& d) { ASSERT_TRUE(QFile::remove(d.path()) && QDir().mkdir(d.path())); },
            "データベースのファイルではないか、読めません。", EISDIR },
        UnusableCase { "locked", [](const TempDatabase&) {}, "ほかのプログラムが使っています。", 0, true }),
    [](const auto& info) { return std::string(info.param.name); });
