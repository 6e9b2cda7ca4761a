// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CNabazu3.h"

#include <gtest/gtest.h>

using zelpo::CNabazu3;
using zelpo::test::TempDatabase;

namespace {

std::unique_ptr<CNabazu3> openWindow(const QString& database)
{
    auto window = std::make_unique<CNabazu3>();
    window->setDatabasePath(database);
    window->show();
    return window;
}

} // namespace

TEST(CNabazu3Statistics, ListHasItsElevenColumns)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    zelpo::ui::ListView* list = window->listView(1022);
    ASSERT_EQ(list->columnCount(), 11);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), "桁数");
    EXPECT_EQ(list->columnWidth(0), 91);
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(list->model()->headerData(d + 1, Qt::Horizontal).toString(), QString::number(d));
        EXPECT_EQ(list->columnWidth(d + 1), 50);
    }
    EXPECT_EQ(zelpo::test::listRows(*window, 1022),
        (QStringList { " 一桁目|0|0|0|0|0|0|0|0|0|0", " 二桁目|0|0|0|0|0|0|0|0|0|0", " 三桁目|0|0|0|0|0|0|0|0|0|0" }));
}

TEST(CNabazu3Statistics, CountsEveryPositiveDrawWhenTheWindowOpens)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addNumbers3(1, 3, 0, 7);
    database.addNumbers3(0, 9, 9, 9);
    database.addNumbers3(-4, 9, 9, 9);
    auto window = openWindow(database.path());
    EXPECT_EQ(zelpo::test::listRows(*window, 1022),
        (QStringList { " 一桁目|0|0|0|0|0|0|0|1|0|0", " 二桁目|1|0|0|0|0|0|0|0|0|0", " 三桁目|0|0|0|1|0|0|0|0|0|0" }));

    // Filled once: a draw stored later shows only when the window opens again.
    database.addNumbers3(2, 1, 2, 3);
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(zelpo::test::listRows(*window, 1022)[0], " 一桁目|0|0|0|0|0|0|0|1|0|0");
    EXPECT_EQ(zelpo::test::listRows(*openWindow(database.path()), 1022)[0], " 一桁目|0|0|0|1|0|0|0|1|0|0");
}

TEST(CNabazu3Statistics, AMissingDatabaseLeavesTheHeadersOnly)
{
    const TempDatabase database(TempDatabase::Tables::None);
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.dir() + "/missing.mdb");
    EXPECT_EQ(messages.texts(), QStringList { "　データベースを読み込めませんでした。。" });
    EXPECT_EQ(window->listView(1022)->columnCount(), 11);
    EXPECT_EQ(window->listView(1022)->itemCount(), 0);
}
