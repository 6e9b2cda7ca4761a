// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/windows/CNabazu4.h"

#include <gtest/gtest.h>

using zelpo::CNabazu4;
using zelpo::test::TempDatabase;

namespace {

std::unique_ptr<CNabazu4> openWindow(const QString& database)
{
    auto window = std::make_unique<CNabazu4>();
    window->setDatabasePath(database);
    window->show();
    return window;
}

} // namespace

TEST(CNabazu4Statistics, AnEmptyTableShowsFourRowsOfZeros)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    zelpo::ui::ListView* list = window->listView(1023);
    ASSERT_EQ(list->columnCount(), 11);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), "桁数");
    EXPECT_EQ(list->model()->headerData(10, Qt::Horizontal).toString(), "9");
    EXPECT_EQ(list->columnWidth(0), 91);
    EXPECT_EQ(list->columnWidth(10), 50);
    EXPECT_EQ(zelpo::test::listRows(*window, 1023),
        (QStringList { " 一桁目|0|0|0|0|0|0|0|0|0|0", " 二桁目|0|0|0|0|0|0|0|0|0|0", " 三桁目|0|0|0|0|0|0|0|0|0|0",
            " 四桁目|0|0|0|0|0|0|0|0|0|0" }));
}

TEST(CNabazu4Statistics, CountsEveryPositiveDraw)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers4(1, 0, 1, 2, 3);
    database.addNumbers4(0, 9, 9, 9, 9);
    auto window = openWindow(database.path());
    EXPECT_EQ(zelpo::test::listRows(*window, 1023),
        (QStringList { " 一桁目|0|0|0|1|0|0|0|0|0|0", " 二桁目|0|0|1|0|0|0|0|0|0|0", " 三桁目|0|1|0|0|0|0|0|0|0|0",
            " 四桁目|1|0|0|0|0|0|0|0|0|0" }));
}

TEST(CNabazu4Statistics, CountsOfSeveralDigitsAreShownInFull)
{
    const TempDatabase database;
    for (int kaisai = 1; kaisai <= 123; ++kaisai)
        database.addNumbers4(kaisai, 5, 5, 5, kaisai % 2);
    auto window = openWindow(database.path());
    EXPECT_EQ(zelpo::test::listRows(*window, 1023),
        (QStringList { " 一桁目|61|62|0|0|0|0|0|0|0|0", " 二桁目|0|0|0|0|0|123|0|0|0|0",
            " 三桁目|0|0|0|0|0|123|0|0|0|0", " 四桁目|0|0|0|0|0|123|0|0|0|0" }));
}
