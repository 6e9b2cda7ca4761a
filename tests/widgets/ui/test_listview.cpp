// SPDX-License-Identifier: MIT
#include "support/printers.h"
#include "widgets/ui/listview.h"

#include <QTest>

#include <gtest/gtest.h>

using zelpo::ui::ListView;

TEST(ListRoutines, ColumnsRowsAndCells)
{
    ListView list;
    EXPECT_EQ(zelpo::ui::addColumn(list, "A", 0, 0, 2, 91), 1);
    EXPECT_EQ(zelpo::ui::addColumn(list, "B", 1, 0, 2, 50), 1);
    EXPECT_EQ(list.columnWidth(0), 91);
    // The first column stays left-aligned even when centring is asked for.
    EXPECT_EQ(list.model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>()
            & Qt::AlignHorizontal_Mask,
        Qt::AlignLeft);
    EXPECT_EQ(list.model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>()
            & Qt::AlignHorizontal_Mask,
        Qt::AlignHCenter);

    EXPECT_EQ(zelpo::ui::deleteItems(list), 1); // already empty
    zelpo::ui::addItem(list, "r0", 0, 0);
    zelpo::ui::addItem(list, "x", 0, 1);
    zelpo::ui::addItem(list, "r1", 1, 0, true);
    EXPECT_EQ(list.itemCount(), 2);
    EXPECT_EQ(list.itemText(0, 1), "x");
    EXPECT_EQ(list.itemText(1, 1), "");
    EXPECT_TRUE(list.extendedStyle() & ListView::kFullRowSelect);
    // Setting a cell of a row that does not exist changes nothing.
    zelpo::ui::addItem(list, "lost", 5, 1);
    EXPECT_EQ(list.itemCount(), 2);
    EXPECT_EQ(zelpo::ui::deleteItems(list), 1);
    EXPECT_EQ(list.itemCount(), 0);
}

TEST(ListRoutines, HotItemIsTheRowUnderThePointer)
{
    ListView list;
    zelpo::ui::addColumn(list, "A", 0, 0, 0, 70);
    for (int r = 0; r < 3; ++r)
        zelpo::ui::addItem(list, QString::number(r), r, 0);
    list.resize(200, 200);
    list.show();
    int doubleClicks = 0;
    QObject::connect(&list, &ListView::listDoubleClicked, [&] { ++doubleClicks; });

    const QPoint onRow1 = list.rowRect(1).center();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, onRow1);
    EXPECT_EQ(list.hotItem(), 1);
    const QPoint belowRows(10, list.rowRect(2).bottom() + 20);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, belowRows);
    EXPECT_EQ(list.hotItem(), -1);
    EXPECT_EQ(doubleClicks, 2);
}

TEST(ListRoutines, ABatchShowsEveryRowOnceItEnds)
{
    ListView list;
    zelpo::ui::addColumn(list, "A", 0, 0, 0, 70);
    zelpo::ui::addColumn(list, "B", 1, 0, 0, 70);
    list.resize(200, 300);
    list.show();
    {
        const ListView::Batch batch(list);
        for (int r = 0; r < 500; ++r) {
            zelpo::ui::addItem(list, QString::number(r), r, 0);
            zelpo::ui::addItem(list, "x", r, 1);
        }
    }
    EXPECT_EQ(list.itemCount(), 500);
    EXPECT_EQ(list.model()->rowCount(), 500);
    EXPECT_EQ(list.model()->index(499, 1).data().toString(), "x");
    EXPECT_EQ(list.indexAt(list.rowRect(0).center()).row(), 0);
}
