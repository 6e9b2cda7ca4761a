// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/dialogs/CHenkou.h"
#include "widgets/ui/modal.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using zelpo::CHenkou;
using zelpo::test::TempDatabase;

namespace {

const QString kMissingField = "　当選数字に記入漏れがあります。。";
const QString kWriteFailed = "　データベースに書き込めませんでした。。";

std::unique_ptr<CHenkou> openEditor(
    const TempDatabase& database, const QString& game, const QString& draw, const QString& next)
{
    auto editor = std::make_unique<CHenkou>();
    editor->m_strDatabase = database.path();
    editor->m_strGame = game;
    editor->m_strKaisai = draw;
    editor->m_strJikai = next;
    editor->show();
    return editor;
}

QStringList texts(const CHenkou& editor, std::initializer_list<int> ids)
{
    QStringList result;
    for (const int id : ids)
        result << editor.text(id);
    return result;
}

QStringList shownDraw(const CHenkou& editor)
{
    return texts(editor, { 1019, 1009, 1012, 1013, 1014, 1015, 1010, 1011, 1016, 1017, 1018 });
}

} // namespace

TEST(CHenkouEditor, OpensOnANumbers3Draw)
{
    const TempDatabase database;
    database.addNumbers3(811, 1, 1, 1);
    database.addNumbers3(812, 5, 0, 7, { "123", "", "789", "012", "345" });
    auto editor = openEditor(database, "3", "812", "813");
    EXPECT_EQ(editor->windowTitle(), "　　編　　集");
    EXPECT_EQ(texts(*editor, { 1004, 1005, 1006, 1007, 1008, 1022 }),
        (QStringList { "三桁目", "二桁目", "一桁目", "", "", "" }));
    EXPECT_EQ(shownDraw(*editor), (QStringList { "812", "5", "0", "7", "", "", "123", "", "789", "012", "345" }));
    EXPECT_FALSE(editor->edit(1013)->isReadOnly());
    EXPECT_TRUE(editor->edit(1014)->isReadOnly());
    EXPECT_TRUE(editor->edit(1015)->isReadOnly());
    for (const int id : { 1020, 1021, 1025 })
        EXPECT_TRUE(editor->edit(id)->isHidden()) << id;
    EXPECT_EQ(texts(*editor, { 1020, 1021, 1025 }), (QStringList { "3", "812", "813" }));
    EXPECT_TRUE(editor->button(1024)->isCheckable());
    EXPECT_FALSE(editor->button(1024)->isChecked());
}

TEST(CHenkouEditor, SavesTheShownNumbers3Values)
{
    const TempDatabase database;
    database.exec("INSERT INTO ナンバーズ3 VALUES (812,1,1,1,'a','b','c','d','e','x')");
    auto editor = openEditor(database, "3", "812", "813");
    zelpo::test::type(*editor, 1009, "5");
    zelpo::test::type(*editor, 1012, "0");
    zelpo::test::type(*editor, 1013, "7");
    const std::pair<int, QString> purchases[]
        = { { 1010, "123" }, { 1011, "" }, { 1016, "789" }, { 1017, "012" }, { 1018, "345" } };
    for (const auto& [id, text] : purchases)
        zelpo::test::type(*editor, id, text);
    zelpo::ui::MessageRecorder messages;
    zelpo::test::click(*editor, 1000);
    EXPECT_TRUE(messages.messages().empty()) << messages.texts().join(",").toStdString();
    EXPECT_EQ(database.rows("SELECT * FROM ナンバーズ3"), QStringList { "812|5|0|7|123|　|789|012|345| " });
}

TEST(CHenkouEditor, EmptyNumbers3PurchasesAreStoredAsFullWidthBlanks)
{
    const TempDatabase database;
    database.addNumbers3(3, 1, 2, 3);
    auto editor = openEditor(database, "3", "3", "4");
    zelpo::ui::MessageRecorder messages;
    zelpo::test::click(*editor, 1000);
    EXPECT_EQ(database.rows("SELECT kounyu1,kounyu2,kounyu3,kounyu4,kounyu5 FROM ナンバーズ3"),
        QStringList { "　|　|　|　|　" });
    EXPECT_TRUE(messages.messages().empty());
}

TEST(CHenkouEditor, Numbers4UsesFourFields)
{
    const TempDatabase database;
    database.addNumbers4(9, 0, 1, 2, 3, { "1111", "2222", "3333", "4444", "5555" });
    auto editor = openEditor(database, "4", "9", "10");
    EXPECT_EQ(texts(*editor, { 1004, 1005, 1006, 1007, 1008, 1022 }),
        (QStringList { "四桁目", "三桁目", "二桁目", "一桁目", "", "" }));
    EXPECT_EQ(
        shownDraw(*editor), (QStringList { "9", "0", "1", "2", "3", "", "1111", "2222", "3333", "4444", "5555" }));
    EXPECT_FALSE(editor->edit(1014)->isReadOnly());
    EXPECT_TRUE(editor->edit(1015)->isReadOnly());

    zelpo::test::type(*editor, 1014, "9");
    zelpo::test::type(*editor, 1017, "it's mine");
    zelpo::ui::MessageRecorder messages;
    zelpo::test::click(*editor, 1000);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(database.rows("SELECT * FROM ナンバーズ4"), QStringList { "9|0|1|2|9|1111|2222|3333|it's mine|5555| " });

    editor->edit(1014)->clear();
    zelpo::test::click(*editor, 1000);
    EXPECT_EQ(messages.texts(), QStringList { kMissingField });
    EXPECT_EQ(database.rows("SELECT N1 FROM ナンバーズ4"), QStringList { "9" });
}

TEST(CHenkouEditor, MiniLotoNumbersShowWithTwoDigitsAndAreStoredAsNumbers)
{
    const TempDatabase database;
    database.addMiniLoto(4, { 3, 9, 10, 21, 30 }, { "7", "1-2-3-4-5", "", "", "" });
    auto editor = openEditor(database, "5", "4", "5");
    EXPECT_EQ(texts(*editor, { 1004, 1005, 1006, 1007, 1008, 1022 }),
        (QStringList { "一つ目", "二つ目", "三つ目", "四つ目", "五つ目", "サービス数字" }));
    EXPECT_EQ(shownDraw(*editor), (QStringList { "4", "03", "09", "10", "21", "30", "7", "1-2-3-4-5", "", "", "" }));
    for (const int id : { 1009, 1012, 1013, 1014, 1015 })
        EXPECT_FALSE(editor->edit(id)->isReadOnly()) << id;

    zelpo::ui::MessageRecorder messages;
    zelpo::test::click(*editor, 1000);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(database.rows("SELECT NO1,NO2,NO3,NO4,NO5,typeof(NO1),kounyu1,kounyu3 FROM ミニロト"),
        QStringList { "3|9|10|21|30|integer|7|　" });

    // The bonus number is required, not filled with a blank.
    editor->edit(1010)->clear();
    zelpo::test::click(*editor, 1000);
    EXPECT_EQ(messages.texts(), QStringList { kMissingField });
    EXPECT_EQ(database.rows("SELECT kounyu1 FROM ミニロト"), QStringList { "7" });
}

TEST(CHenkouEditor, NumberFieldsTakeDigitsOfTheGamesLength)
{
    const TempDatabase database;
    auto numbers = openEditor(database, "3", "1", "2");
    zelpo::test::type(*numbers, 1009, "a'7 9");
    EXPECT_EQ(numbers->text(1009), "7");
    auto miniLoto = openEditor(database, "5", "1", "2");
    zelpo::test::type(*miniLoto, 1015, "x3'15");
    EXPECT_EQ(miniLoto->text(1015), "31");
}

TEST(CHenkouEditor, StepsWithinTheStoredDraws)
{
    const TempDatabase database;
    database.addNumbers3(1, 0, 0, 1);
    database.addNumbers3(490, 4, 9, 0);
    database.addNumbers3(500, 5, 0, 0);
    auto editor = openEditor(database, "3", "490", "501");
    zelpo::ui::MessageRecorder messages;

    zelpo::test::click(*editor, 1024);
    zelpo::test::click(*editor, 1001);
    EXPECT_EQ(texts(*editor, { 1019, 1009, 1012, 1013 }), (QStringList { "500", "5", "0", "0" }));
    zelpo::test::click(*editor, 1001);
    EXPECT_EQ(messages.texts(), QStringList { "　これ以上はありません。。" });
    EXPECT_EQ(editor->text(1019), "500");
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::Stop);

    // Draw 499 is not stored: a gap shows as empty fields, and the next step counts from 0.
    zelpo::test::click(*editor, 1024);
    zelpo::test::click(*editor, 1002);
    EXPECT_EQ(shownDraw(*editor), QStringList(11, QString()));
    zelpo::test::click(*editor, 1001);
    EXPECT_EQ(texts(*editor, { 1019, 1009, 1012, 1013 }), (QStringList { "1", "0", "0", "1" }));
    EXPECT_EQ(texts(*editor, { 1004, 1005, 1006 }), (QStringList { "三桁目", "二桁目", "一桁目" }));

    messages.clear();
    zelpo::test::click(*editor, 1002);
    EXPECT_EQ(messages.texts(), QStringList { "　これ以下はありません。。" });
    EXPECT_EQ(editor->text(1019), "1");
}

TEST(CHenkouEditor, SavingAGapRowChangesNothingAndSaysSo)
{
    const TempDatabase database;
    database.addNumbers3(5, 1, 2, 3);
    auto editor = openEditor(database, "3", "4", "6");
    EXPECT_EQ(editor->text(1019), "");
    zelpo::ui::MessageRecorder messages;
    zelpo::test::click(*editor, 1000);
    EXPECT_EQ(messages.texts(), QStringList { kMissingField });

    for (const int id : { 1009, 1012, 1013 })
        zelpo::test::type(*editor, id, "9");
    messages.clear();
    zelpo::test::click(*editor, 1000);
    EXPECT_EQ(messages.texts(), QStringList { kWriteFailed });
    EXPECT_EQ(database.rows("SELECT * FROM ナンバーズ3"), QStringList { "5|1|2|3|||||| " });
}

TEST(CHenkouEditor, AFailedSaveSaysSoAndKeepsTheShownValues)
{
    const TempDatabase database;
    database.addNumbers3(5, 1, 2, 3);
    database.addNumbers3(6, 4, 5, 6);
    auto editor = openEditor(database, "3", "5", "7");
    zelpo::test::type(*editor, 1009, "9");
    zelpo::test::type(*editor, 1010, "typed");
    zelpo::ui::MessageRecorder messages;
    {
        const zelpo::test::FileLock lock(database.path());
        zelpo::test::click(*editor, 1000);
    }
    EXPECT_EQ(messages.texts(), QStringList { kWriteFailed });
    EXPECT_EQ(texts(*editor, { 1019, 1009, 1010 }), (QStringList { "5", "9", "typed" }));
    EXPECT_EQ(database.rows("SELECT N100,kounyu1 FROM ナンバーズ3 WHERE kaisai=5"), QStringList { "1|" });

    // A draw removed by another program since it was loaded is not written as if it were there.
    database.exec("DELETE FROM ナンバーズ3 WHERE kaisai=5");
    messages.clear();
    zelpo::test::click(*editor, 1000);
    EXPECT_EQ(messages.texts(), QStringList { kWriteFailed });
    EXPECT_EQ(database.rows("SELECT kaisai FROM ナンバーズ3"), QStringList { "6" });
}

TEST(CHenkouEditor, AMissingDatabaseLeavesTheFieldsEmptyAndSaysSo)
{
    const TempDatabase database(TempDatabase::Tables::None);
    zelpo::ui::MessageRecorder messages;
    auto editor = std::make_unique<CHenkou>();
    editor->m_strDatabase = database.dir() + "/missing.mdb";
    editor->m_strGame = "3";
    editor->m_strKaisai = "1";
    editor->m_strJikai = "2";
    editor->show();
    EXPECT_EQ(shownDraw(*editor), QStringList(11, QString()));
    EXPECT_EQ(editor->text(1004), "三桁目");
    EXPECT_EQ(messages.texts(), QStringList { "　データベースを読み込めませんでした。。" });
}

TEST(CHenkouEditor, OpensInTheFirstNumberSoThatEnterCloses)
{
    const TempDatabase database;
    database.addNumbers4(5, 1, 2, 3, 4);
    auto editor = openEditor(database, "4", "5", "6");
    EXPECT_EQ(editor->focusWidget(), editor->edit(1009));
    QTest::keyClick(editor->edit(1009), Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->result(), QDialog::Accepted);
}

// A stored value the game cannot have is shown whole and cannot be saved back.
struct StoredValueCase {
    const char* name;
    const char* game;
    const char* row;
    int field;
    const char* shown;
};

class CHenkouStoredValue : public testing::TestWithParam<StoredValueCase> { };

TEST_P(CHenkouStoredValue, IsShownWholeAndRefusedOnSaving)
{
    const StoredValueCase& c = GetParam();
    const TempDatabase database;
    database.exec(c.row);
    const QString table = QString(c.game) == "3" ? "ナンバーズ3" : QString(c.game) == "4" ? "ナンバーズ4" : "ミニロト";
    const QStringList before = database.rows("SELECT * FROM " + table);
    auto editor = openEditor(database, c.game, "7", "8");
    EXPECT_EQ(editor->text(c.field), c.shown);
    zelpo::ui::MessageRecorder messages;
    zelpo::test::click(*editor, 1000);
    EXPECT_EQ(messages.texts(), QStringList { kMissingField });
    EXPECT_EQ(editor->text(c.field), c.shown) << "what the field holds stays";
    EXPECT_EQ(database.rows("SELECT * FROM " + table), before);

    // Typing stays limited to the game's digits.
    zelpo::test::type(*editor, c.field, "123");
    EXPECT_EQ(editor->text(c.field).size(), QString(c.game) == "5" ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Games, CHenkouStoredValue,
    testing::Values(StoredValueCase { "Numbers3Twelve", "3",
                        "INSERT INTO ナンバーズ3 VALUES (7,12,0,7,'a','b','c','d','e',' ')", 1009, "12" },
        StoredValueCase { "Numbers4Negative", "4",
            "INSERT INTO ナンバーズ4 VALUES (7,1,2,3,-4,'a','b','c','d','e',' ')", 1014, "-4" },
        StoredValueCase { "MiniLotoAboveThirtyOne", "5",
            "INSERT INTO ミニロト VALUES (7,1,2,3,4,45,'6','a','b','c','d',' ')", 1015, "45" }),
    [](const testing::TestParamInfo<StoredValueCase>& info) { return std::string(info.param.name); });
