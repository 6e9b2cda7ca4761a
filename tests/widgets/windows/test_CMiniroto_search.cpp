// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CMiniroto.h"

#include <gtest/gtest.h>

using zelpo::CMiniroto;
using zelpo::test::click;
using zelpo::test::TempDatabase;

namespace {

const QString kNoHits = "　検索内容はありません。。";
// The search edits from "一つ目" to "五つ目".
constexpr int kSearchEdits[] = { 1016, 1015, 1012, 1013, 1014 };

class CMinirotoSearch : public testing::Test {
protected:
    CMinirotoSearch()
    {
        database.addMiniLoto(1, { 3, 12, 17, 25, 30 }, { "5", "1-2-3-4-5" });
        database.addMiniLoto(2, { 25, 3, 30, 12, 17 });
        database.addMiniLoto(3, { 3, 12, 17, 25, 31 });
        database.addMiniLoto(4, { 1, 2, 3, 4, 5 });
        window = std::make_unique<CMiniroto>();
        window->setDatabasePath(database.path());
        window->show();
    }

    // Types the five numbers and searches; returns the draw numbers listed.
    QStringList search(const QStringList& numbers)
    {
        for (int i = 0; i < 5; ++i)
            zelpo::test::type(*window, kSearchEdits[i], numbers[i]);
        click(*window, 1002);
        QStringList draws;
        for (int r = 0; r < window->listView(1003)->itemCount(); ++r)
            draws << window->listView(1003)->itemText(r, 0);
        return draws;
    }

    TempDatabase database;
    zelpo::ui::MessageRecorder messages;
    std::unique_ptr<CMiniroto> window;
};

TEST_F(CMinirotoSearch, FindsTheDrawsMadeOfTheFiveNumbersInAnyOrder)
{
    EXPECT_EQ(search({ "3", "12", "17", "25", "30" }), (QStringList { "1", "2" }));
    EXPECT_EQ(window->text(1008), "2");
    EXPECT_EQ(search({ "30", "25", "17", "12", "03" }), (QStringList { "1", "2" }));
    EXPECT_EQ(zelpo::test::listRows(*window, 1003),
        (QStringList { "1|03-12-17-25-30|5|1-2-3-4-5|||", "2|25-03-30-12-17|||||" }));
    EXPECT_EQ(search({ "5", "4", "3", "2", "1" }), QStringList { "4" });
    EXPECT_EQ(window->text(1008), "1");
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CMinirotoSearch, FourOfFiveOrARepeatedNumberFindNothing)
{
    for (const QStringList& numbers :
        { QStringList { "3", "12", "17", "25", "29" }, QStringList { "3", "3", "12", "17", "25" } }) {
        messages.clear();
        EXPECT_EQ(search(numbers), QStringList {});
        EXPECT_EQ(window->text(1008), "0");
        EXPECT_EQ(messages.texts(), QStringList { kNoHits });
    }
}

TEST_F(CMinirotoSearch, AnEmptyNumberStopsTheSearchWithListAndCountKept)
{
    search({ "1", "2", "3", "4", "5" });
    for (int empty = 0; empty < 5; ++empty) {
        messages.clear();
        QStringList numbers { "3", "12", "17", "25", "30" };
        numbers[empty].clear();
        EXPECT_EQ(search(numbers), QStringList { "4" });
        EXPECT_EQ(window->text(1008), "1");
        EXPECT_EQ(messages.texts(), QStringList { "　全項目記入してください。。" });
    }
}

TEST_F(CMinirotoSearch, OtherCharactersEndAsASearchWithoutHits)
{
    for (const QString bad : { "1)", " 3", "3'", "３", "-1" }) {
        search({ "3", "12", "17", "25", "30" });
        messages.clear();
        window->setText(1013, bad);
        click(*window, 1002);
        EXPECT_EQ(window->listView(1003)->itemCount(), 0) << bad.toStdString();
        EXPECT_EQ(window->text(1008), "0");
        EXPECT_EQ(messages.texts(), QStringList { kNoHits });
    }
}

TEST_F(CMinirotoSearch, ClearEmptiesTheFiveNumbersOnly)
{
    search({ "1", "2", "3", "4", "5" });
    click(*window, 1017);
    for (const int id : kSearchEdits)
        EXPECT_EQ(window->text(id), "") << id;
    EXPECT_EQ(window->listView(1003)->itemCount(), 1);
    EXPECT_EQ(window->text(1008), "1");
}

TEST(CMinirotoSearchFailure, AMissingDatabaseIsSaidAndCountsNothing)
{
    const TempDatabase database(TempDatabase::Tables::None);
    zelpo::ui::MessageRecorder messages;
    CMiniroto window;
    window.setDatabasePath(database.dir() + "/missing.mdb");
    window.show();
    messages.clear();
    for (const int id : kSearchEdits)
        zelpo::test::type(window, id, "1");
    click(window, 1002);
    EXPECT_EQ(window.text(1008), "");
    EXPECT_EQ(messages.texts(), QStringList { "　データベースを読み込めませんでした。。" });
}

} // namespace
