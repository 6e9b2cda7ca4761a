// SPDX-License-Identifier: MIT
// A listing or a search that cannot read every row of its table lists
// nothing, leaves the count alone and says so, in each game window.
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using zelpo::test::TempDatabase;

namespace {

const QString kReadFailed = "　データベースを読み込めませんでした。。";

struct GameCase {
    std::function<std::unique_ptr<zelpo::ui::GameWindow>()> make;
    // Three readable draws 1, 2 and 4 that the search below finds.
    std::function<void(const TempDatabase&)> addDraws;
    // Draw 3 with an unreadable value (%1) where the listing and the search read it.
    QString badDrawForListing;
    QString badDrawForSearch;
    int countId;
    std::function<void(zelpo::ui::TemplateDialog&)> search;
};

const GameCase& numbers3()
{
    static const GameCase window {
        [] { return std::make_unique<zelpo::CNabazu3>(); },
        [](const TempDatabase& database) {
            for (const int kaisai : { 1, 2, 4 })
                database.addNumbers3(kaisai, kaisai, 5, 3);
        },
        "INSERT INTO ナンバーズ3 VALUES (3,%1,2,3,'','','','','',' ')",
        "INSERT INTO ナンバーズ3 VALUES (3,%1,2,3,'','','','','',' ')",
        1016,
        [](zelpo::ui::TemplateDialog& window) {
            zelpo::test::type(window, 1014, "3");
            zelpo::test::click(window, 1010);
            zelpo::test::click(window, 1002);
        },
    };
    return window;
}

const GameCase& numbers4()
{
    static const GameCase window {
        [] { return std::make_unique<zelpo::CNabazu4>(); },
        [](const TempDatabase& database) {
            for (const int kaisai : { 1, 2, 4 })
                database.addNumbers4(kaisai, kaisai, 5, 6, 4);
        },
        "INSERT INTO ナンバーズ4 VALUES (3,1,2,%1,4,'','','','','',' ')",
        "INSERT INTO ナンバーズ4 VALUES (3,1,2,%1,4,'','','','','',' ')",
        1018,
        [](zelpo::ui::TemplateDialog& window) {
            zelpo::test::type(window, 1014, "4");
            zelpo::test::click(window, 1010);
            zelpo::test::click(window, 1002);
        },
    };
    return window;
}

const GameCase& miniLoto()
{
    static const GameCase window {
        [] { return std::make_unique<zelpo::CMiniroto>(); },
        [](const TempDatabase& database) {
            for (const int kaisai : { 1, 2, 4 })
                database.addMiniLoto(kaisai, { 1, 2, 3, 4, 5 });
        },
        "INSERT INTO ミニロト VALUES (3,1,2,%1,4,5,'','','','','',' ')",
        // The search tests the numbers only: the draw number is what it cannot read.
        "INSERT INTO ミニロト VALUES (%1,1,2,3,4,5,'','','','','',' ')",
        1008,
        [](zelpo::ui::TemplateDialog& window) {
            int number = 0;
            for (const int id : { 1016, 1015, 1012, 1013, 1014 })
                zelpo::test::type(window, id, QString::number(++number));
            zelpo::test::click(window, 1002);
        },
    };
    return window;
}

struct FailureCase {
    const char* name;
    const GameCase& window;
    bool search; // else the full listing
    const char* badValue;
};

class UnreadableRow : public testing::TestWithParam<FailureCase> { };

TEST_P(UnreadableRow, ListsNothingKeepsTheCountAndSaysSo)
{
    const FailureCase& c = GetParam();
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    c.window.addDraws(database);
    database.exec((c.search ? c.window.badDrawForSearch : c.window.badDrawForListing).arg(c.badValue));

    zelpo::ui::MessageRecorder messages;
    const std::unique_ptr<zelpo::ui::GameWindow> window = c.window.make();
    window->setDatabasePath(database.path());
    window->show();
    messages.clear(); // the count may already have said so
    window->setText(c.window.countId, "9");

    if (c.search)
        c.window.search(*window);
    else
        zelpo::test::click(*window, 1000);
    EXPECT_EQ(window->listView(1003)->itemCount(), 0) << "the rows before the unreadable one are not listed";
    EXPECT_EQ(window->text(c.window.countId), "9");
    EXPECT_EQ(messages.texts(), QStringList { kReadFailed });
}

INSTANTIATE_TEST_SUITE_P(GameWindows, UnreadableRow,
    testing::Values(FailureCase { "Numbers3ListingNull", numbers3(), false, "NULL" },
        FailureCase { "Numbers3ListingText", numbers3(), false, "'x'" },
        FailureCase { "Numbers3SearchNull", numbers3(), true, "NULL" },
        FailureCase { "Numbers3SearchText", numbers3(), true, "'x'" },
        FailureCase { "Numbers4ListingNull", numbers4(), false, "NULL" },
        FailureCase { "Numbers4ListingText", numbers4(), false, "'x'" },
        FailureCase { "Numbers4SearchNull", numbers4(), true, "NULL" },
        FailureCase { "Numbers4SearchText", numbers4(), true, "'x'" },
        FailureCase { "MiniLotoListingNull", miniLoto(), false, "NULL" },
        FailureCase { "MiniLotoListingText", miniLoto(), false, "'x'" },
        FailureCase { "MiniLotoSearchText", miniLoto(), true, "'x'" },
        FailureCase { "MiniLotoSearchFraction", miniLoto(), true, "2.5" }),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// The straight and box switches exclude each other whatever ticks them: a
// click, or an assistive tool's toggle action, which is no click.
struct SwitchCase {
    const char* name;
    std::function<std::unique_ptr<zelpo::ui::GameWindow>()> make;
};

class SearchSwitches : public testing::TestWithParam<SwitchCase> { };

TEST_P(SearchSwitches, ExcludeEachOtherWhateverTicksThem)
{
    const TempDatabase database;
    const std::unique_ptr<zelpo::ui::GameWindow> window = GetParam().make();
    window->setDatabasePath(database.path());
    window->show();
    QCheckBox* straight = window->checkBox(1010);
    QCheckBox* box = window->checkBox(1011);
    const auto toggle = [](QCheckBox* target) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(target);
        ASSERT_NE(accessible, nullptr);
        ASSERT_NE(accessible->actionInterface(), nullptr);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };

    zelpo::test::click(*window, 1011);
    toggle(straight);
    EXPECT_TRUE(straight->isChecked());
    EXPECT_FALSE(box->isChecked());
    toggle(box);
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(straight->isChecked());
    toggle(box);
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(straight->isChecked());
}

INSTANTIATE_TEST_SUITE_P(NumbersWindows, SearchSwitches,
    testing::Values(SwitchCase { "Numbers3", [] { return std::make_unique<zelpo::CNabazu3>(); } },
        SwitchCase { "Numbers4", [] { return std::make_unique<zelpo::CNabazu4>(); } }),
    [](const testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

} // namespace
