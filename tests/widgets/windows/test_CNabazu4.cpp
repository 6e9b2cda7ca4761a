// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/app/CMyDlg.h"
#include "widgets/ui/help.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CNabazu4.h"

#include <QLabel>

#include <gtest/gtest.h>

using zelpo::CNabazu4;
using zelpo::test::TempDatabase;

namespace {

std::unique_ptr<CNabazu4> openWindow(const QString& database, const QString& help = {})
{
    auto window = std::make_unique<CNabazu4>();
    window->setDatabasePath(database);
    window->setHelpPath(help);
    window->show();
    return window;
}

QStringList predictions(const CNabazu4& window)
{
    QStringList texts;
    for (const int id : { 1004, 1005, 1006, 1007, 1008 })
        texts << window.text(id);
    return texts;
}

TEST(CNabazu4Window, OpensOnAnEmptyTable)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    EXPECT_EQ(window->windowTitle(), "ナンバーズ４予想");
    EXPECT_EQ(window->text(1009), "1");
    for (const int id : { 1004, 1005, 1006, 1007, 1008, 1012, 1013, 1014, 1015, 1018 })
        EXPECT_EQ(window->text(id), "") << id;
    EXPECT_FALSE(window->checkBox(1010)->isChecked());
    EXPECT_FALSE(window->checkBox(1011)->isChecked());
    EXPECT_EQ(window->listView(1003)->itemCount(), 0);

    zelpo::test::click(*window, 1000);
    EXPECT_EQ(window->listView(1003)->itemCount(), 0);
    EXPECT_EQ(window->text(1018), "---");
    zelpo::test::click(*window, 1001);
    EXPECT_EQ(predictions(*window), QStringList(5, "0000"));
}

TEST(CNabazu4Window, HasEveryControlOfItsTemplate)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    const std::pair<int, const char*> buttons[]
        = { { 1, "閉　じ　る" }, { 1000, "当 選 数 字 一 覧" }, { 1001, "予　　想" }, { 1002, "検　索" },
              { 1016, "当選数字登録" }, { 1017, "クリア" }, { 1019, "ヘ　ル　プ" } };
    for (const auto& [id, caption] : buttons) {
        ASSERT_NE(window->button(id), nullptr) << id;
        EXPECT_EQ(window->button(id)->text(), QString::fromUtf8(caption)) << id;
    }
    EXPECT_EQ(window->checkBox(1010)->text(), "ストレート");
    EXPECT_EQ(window->checkBox(1011)->text(), "ボックス");
    for (const int id : { 1004, 1005, 1006, 1007, 1008, 1009, 1012, 1013, 1014, 1015, 1018 })
        EXPECT_NE(window->edit(id), nullptr) << id;
    EXPECT_TRUE(window->edit(1009)->isReadOnly());
    EXPECT_TRUE(window->edit(1018)->isReadOnly());
    EXPECT_NE(window->listView(1023), nullptr);

    QStringList labels;
    for (const QLabel* label : window->findChildren<QLabel*>())
        labels << label->text();
    for (const char* text : { "第", "回の予想。", "三桁", "二桁", "一桁", "四桁", "検索件数-----", "件" })
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;

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
}

TEST(CNabazu4Window, ListsEveryPositiveDrawWithLeadingZeros)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers4(2, 9, 8, 7, 0, { "1111", "2222", "3333", "4444", "5555" });
    database.addNumbers4(1, 0, 1, 2, 3);
    database.addNumbers4(0, 5, 5, 5, 5, { "x" });
    auto window = openWindow(database.path());
    EXPECT_EQ(window->text(1009), "3");

    window->setText(1018, "9");
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(zelpo::test::listRows(*window, 1003), (QStringList { "1|0123|||||", "2|9870|1111|2222|3333|4444|5555" }));
    EXPECT_EQ(window->text(1018), "---");
    EXPECT_EQ(window->listView(1003)->extendedStyle() & zelpo::ui::ListView::kFullRowSelect,
        zelpo::ui::ListView::kFullRowSelect);

    zelpo::test::click(*window, 1000);
    EXPECT_EQ(window->listView(1003)->itemCount(), 2);
}

TEST(CNabazu4Window, PredictsFromTheWholeHistoryEachTime)
{
    const TempDatabase database;
    int kaisai = 0;
    for (const auto& draw :
        { std::array { 1, 2, 3, 4 }, { 5, 6, 7, 8 }, { 1, 2, 3, 4 }, { 5, 6, 7, 9 }, { 1, 2, 3, 4 } })
        database.addNumbers4(++kaisai, draw[0], draw[1], draw[2], draw[3]);
    auto window = openWindow(database.path());
    window->setText(1004, "typed");
    zelpo::test::click(*window, 1001);
    EXPECT_EQ(predictions(*window), (QStringList { "5678", "0009", "0000", "0608", "0009" }));

    database.addNumbers4(++kaisai, 5, 6, 7, 9);
    zelpo::test::click(*window, 1001);
    EXPECT_EQ(predictions(*window), (QStringList { "1234", "0000", "0000", "0204", "0000" }));
    EXPECT_EQ(window->text(1009), "6") << "predicting leaves the next draw number alone";
}

TEST(CNabazu4Window, AFailedQueryLeavesTheFieldsAsTheyWereAndSaysSo)
{
    const TempDatabase database(TempDatabase::Tables::None);
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    EXPECT_EQ(window->text(1009), "");
    for (const int id : { 1004, 1005, 1006, 1007, 1008 })
        window->setText(id, "old");
    zelpo::test::click(*window, 1001);
    EXPECT_EQ(predictions(*window), QStringList(5, "old"));
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(window->listView(1003)->itemCount(), 0);
    EXPECT_EQ(window->text(1018), "");
    // Opening (count and statistics together), predicting, listing: one message each.
    EXPECT_EQ(messages.texts(), QStringList(3, "　データベースを読み込めませんでした。。"));
}

TEST(CNabazu4Window, DigitInputsTakeOneDigitOnly)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    for (const int id : { 1015, 1012, 1013, 1014 }) {
        zelpo::test::type(*window, id, "a'7 9");
        EXPECT_EQ(window->text(id), "7") << id;
    }
}

TEST(CNabazu4Window, HelpOpensItsOwnCopyOfThePath)
{
    const TempDatabase database;
    zelpo::ui::MessageRecorder messages;
    const zelpo::ui::ShellOpenOverride shell([](const QString&) { return false; });
    auto window = openWindow(database.path(), database.dir() + "/missing.HLP");
    zelpo::test::click(*window, 1019);
    ASSERT_EQ(messages.texts().size(), 1);
    // The message names the window's own copy of the path.
    EXPECT_TRUE(messages.texts()[0].endsWith("\n" + database.dir() + "/missing.HLP"));
}

TEST(CNabazu4Window, TheMainMenuOpensItWithBothPaths)
{
    const TempDatabase database;
    database.addNumbers4(1, 1, 2, 3, 4);
    zelpo::app::CMyDlg menu;
    menu.m_strDatabase = database.path();
    menu.m_strHelp = database.dir() + "/help.HLP";
    menu.show();
    QStringList seen;
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        auto* window = dynamic_cast<CNabazu4*>(&dialog);
        EXPECT_NE(window, nullptr);
        if (window)
            seen << window->databasePath() + "|" + window->helpPath() + "|" + window->text(1009);
        return 0;
    });
    zelpo::test::click(menu, 1001);
    EXPECT_EQ(seen, QStringList { database.path() + "|" + database.dir() + "/help.HLP|2" });
}

} // namespace
