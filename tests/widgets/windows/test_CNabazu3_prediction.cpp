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

QStringList predictions(const CNabazu3& window)
{
    QStringList texts;
    for (const int id : { 1004, 1005, 1006, 1007, 1008 })
        texts << window.text(id);
    return texts;
}

void fillExample(const TempDatabase& database)
{
    int kaisai = 0;
    for (const auto& draw : { std::array { 1, 0, 6 }, { 2, 5, 1 }, { 1, 0, 6 }, { 4, 5, 2 }, { 1, 0, 6 }, { 7, 3, 8 },
             { 1, 0, 4 }, { 2, 5, 4 }, { 1, 8, 4 }, { 4, 8, 4 }, { 1, 0, 6 } })
        database.addNumbers3(++kaisai, draw[0], draw[1], draw[2]);
}

const QStringList kExample { "251", "432", "708", "530", "128" };

TEST(CNabazu3Prediction, PredictButtonFillsTheFiveFields)
{
    const TempDatabase database;
    fillExample(database);
    auto window = openWindow(database.path());
    EXPECT_EQ(predictions(*window), QStringList(5, ""));
    zelpo::test::click(*window, 1001);
    EXPECT_EQ(predictions(*window), kExample);

    // Every press counts the whole history again.
    database.addNumbers3(12, 1, 2, 3);
    zelpo::test::click(*window, 1001);
    EXPECT_EQ(predictions(*window), (QStringList { "200", "400", "100", "000", "000" }));
}

TEST(CNabazu3Prediction, RegistrationButtonRecomputesTheFieldsFirst)
{
    const TempDatabase database;
    fillExample(database);
    auto window = openWindow(database.path());
    window->setText(1004, "typed");
    QStringList shownWhenRegistrationOpened;
    const zelpo::ui::ModalHandler handler([&](QDialog&) {
        shownWhenRegistrationOpened = predictions(*window);
        return 0;
    });
    zelpo::test::click(*window, 1015);
    EXPECT_EQ(predictions(*window), kExample);
    if (handler.runs() > 0) {
        EXPECT_EQ(shownWhenRegistrationOpened, kExample);
    }
}

TEST(CNabazu3Prediction, AFailedQueryLeavesTheFieldsAsTheyWere)
{
    const TempDatabase database;
    database.exec("INSERT INTO ナンバーズ3 VALUES (1,'seven',2,3,'','','','','',' ')");
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    // The draw count cannot read the row either: one message for the opening.
    EXPECT_EQ(window->text(1009), "");
    for (const int id : { 1004, 1005, 1006, 1007, 1008 })
        window->setText(id, "old");
    zelpo::test::click(*window, 1001);
    EXPECT_EQ(predictions(*window), QStringList(5, "old"));
    EXPECT_EQ(messages.texts(), QStringList(2, "　データベースを読み込めませんでした。。"));
}

} // namespace
