// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/ui/help.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CNabazu3.h"

#include <gtest/gtest.h>

using zelpo::CNabazu3;
using zelpo::test::TempDatabase;

namespace {

const QString kReadFailed = "　データベースを読み込めませんでした。。";

std::unique_ptr<CNabazu3> openWindow(const QString& database, const QString& help = {})
{
    auto window = std::make_unique<CNabazu3>();
    window->setDatabasePath(database);
    window->setHelpPath(help);
    window->show();
    return window;
}

} // namespace

TEST(CNabazu3Window, OpensOnAnEmptyTable)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    EXPECT_EQ(window->windowTitle(), "ナンバーズ３予想");
    EXPECT_EQ(window->text(1009), "1");
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(window->listView(1003)->itemCount(), 0);
    for (const int id : { 1004, 1005, 1006, 1007, 1008, 1012, 1013, 1014, 1016 })
        EXPECT_EQ(window->text(id), "") << id;
    EXPECT_FALSE(window->checkBox(1010)->isChecked());
    EXPECT_FALSE(window->checkBox(1011)->isChecked());
}

TEST(CNabazu3Window, ListsEveryPositiveDrawInOrderWithItsPredictions)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers3(2, 9, 1, 0, { "111", "222", "333", "444", "555" });
    database.addNumbers3(1, 0, 4, 7);
    database.addNumbers3(0, 5, 5, 5, { "x" });
    auto window = openWindow(database.path());
    EXPECT_EQ(window->text(1009), "3");

    window->setText(1016, "9");
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(zelpo::test::listRows(*window, 1003), (QStringList { "1|047|||||", "2|910|111|222|333|444|555" }));
    EXPECT_EQ(window->text(1016), "");

    // Listing again replaces the rows rather than adding to them.
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(window->listView(1003)->itemCount(), 2);
}

TEST(CNabazu3Window, DrawListHasItsSevenColumns)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    zelpo::ui::ListView* list = window->listView(1003);
    ASSERT_EQ(list->columnCount(), 7);
    const QStringList headers { "開催回数", "当選数字", "予想数字１", "予想数字２", "予想数字３", "予想数字４",
        "予想数字５" };
    const int widths[] = { 70, 80, 90, 90, 90, 90, 90 };
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(list->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        EXPECT_EQ(list->columnWidth(c), widths[c]);
    }
    EXPECT_EQ(list->extendedStyle(), zelpo::ui::ListView::kTwoClickActivate);
    zelpo::test::click(*window, 1000);
}

TEST(CNabazu3Window, AMissingDatabaseIsReportedOnceWhenTheWindowOpens)
{
    const TempDatabase database(TempDatabase::Tables::None);
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.dir() + "/missing.mdb");
    EXPECT_EQ(window->text(1009), "");
    EXPECT_EQ(messages.texts(), QStringList { kReadFailed }) << "the count and the statistics fail: one message";
    messages.clear();
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(window->listView(1003)->itemCount(), 0);
    EXPECT_EQ(messages.texts(), QStringList { kReadFailed });
}

TEST(CNabazu3Window, DigitInputsTakeOneDigitOnly)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    for (const int id : { 1012, 1013, 1014 }) {
        zelpo::test::type(*window, id, "a'7 9");
        EXPECT_EQ(window->text(id), "7") << id;
    }
}

TEST(CNabazu3Window, HelpThatCannotBeOpenedSaysSo)
{
    const TempDatabase database;
    zelpo::ui::MessageRecorder messages;
    int launched = 0;
    const zelpo::ui::ShellOpenOverride shell([&](const QString&) { return ++launched, true; });
    auto window = openWindow(database.path(), database.dir() + "/missing.HLP");
    zelpo::test::click(*window, 1019);
    EXPECT_EQ(launched, 0);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.startsWith("起動できませんでした\n"));
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::None);
}
