// SPDX-License-Identifier: MIT
// A double click on a listed draw opens the editor on that draw, from every game window.
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/dialogs/CHenkou.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <gtest/gtest.h>

using zelpo::test::TempDatabase;

namespace {

struct Opened {
    QString database, game, draw, next, shown;
};

// Double-clicks row `row` of the window's draw list and records what the editor received.
template <typename Window>
std::vector<Opened> doubleClick(Window& window, int row)
{
    std::vector<Opened> opened;
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        auto* editor = dynamic_cast<zelpo::CHenkou*>(&dialog);
        EXPECT_NE(editor, nullptr);
        if (editor) {
            opened.push_back({ editor->m_strDatabase, editor->m_strGame, editor->m_strKaisai, editor->m_strJikai,
                editor->text(1019) });
        }
        return 0;
    });
    zelpo::test::doubleClickRow(window, 1003, row);
    return opened;
}

template <typename Window>
std::unique_ptr<Window> openWindow(const TempDatabase& database)
{
    auto window = std::make_unique<Window>();
    window->setDatabasePath(database.path());
    window->show();
    return window;
}

} // namespace

TEST(EditorOpening, FromTheNumbers3List)
{
    const TempDatabase database;
    database.addNumbers3(1, 0, 0, 1);
    database.addNumbers3(2, 0, 0, 2);
    auto window = openWindow<zelpo::CNabazu3>(database);
    zelpo::test::click(*window, 1000);
    window->setText(1009, "7");
    const std::vector<Opened> opened = doubleClick(*window, 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].database, database.path());
    EXPECT_EQ(opened[0].game, "3");
    EXPECT_EQ(opened[0].draw, "2");
    EXPECT_EQ(opened[0].next, "7");
    EXPECT_EQ(opened[0].shown, "2");

    // Below the last row there is no draw to open.
    zelpo::ui::ListView* list = window->listView(1003);
    const QPoint below = list->rowRect(1).center() + QPoint(0, 3 * list->rowRect(1).height());
    const zelpo::ui::ModalHandler handler([](QDialog&) { return 0; });
    QTest::mouseMove(list->viewport(), below);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(handler.runs(), 0);
}

TEST(EditorOpening, FromTheNumbers4List)
{
    const TempDatabase database;
    database.addNumbers4(1, 0, 1, 2, 3);
    auto window = openWindow<zelpo::CNabazu4>(database);
    zelpo::test::click(*window, 1000);
    const std::vector<Opened> opened = doubleClick(*window, 0);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].game, "4");
    EXPECT_EQ(opened[0].draw, "1");
    EXPECT_EQ(opened[0].next, "2");
    EXPECT_EQ(opened[0].shown, "1");
}

TEST(EditorOpening, FromTheMiniLotoList)
{
    const TempDatabase database;
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    database.addMiniLoto(2, { 3, 9, 10, 21, 30 });
    auto window = openWindow<zelpo::CMiniroto>(database);
    zelpo::test::click(*window, 1000);
    const std::vector<Opened> opened = doubleClick(*window, 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].game, "5");
    EXPECT_EQ(opened[0].draw, "2");
    EXPECT_EQ(opened[0].next, "3");
    EXPECT_EQ(opened[0].shown, "2");
}
