// SPDX-License-Identifier: MIT
#include "cli/cli.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/app/CMyDlg.h"
#include "widgets/dialogs/CMinitouroku.h"
#include "widgets/ui/help.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CMiniroto.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using zelpo::CMiniroto;
using zelpo::test::TempDatabase;

namespace {

constexpr int kPredictions[] = { 1004, 1005, 1006, 1007 };

std::unique_ptr<CMiniroto> openWindow(const QString& database, const QString& help = {})
{
    auto window = std::make_unique<CMiniroto>();
    window->setDatabasePath(database);
    window->setHelpPath(help);
    window->show();
    return window;
}

QStringList predictions(const zelpo::ui::TemplateDialog& window, std::initializer_list<int> ids)
{
    QStringList texts;
    for (const int id : ids)
        texts << window.text(id);
    return texts;
}

} // namespace

TEST(MinirotoWindow, OpensWithTheNextDrawNumberAndNothingElse)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    database.addMiniLoto(2, { 1, 2, 3, 4, 5 });
    database.addMiniLoto(5, { 1, 2, 3, 4, 5 });
    database.addMiniLoto(0, { 1, 2, 3, 4, 5 });
    auto window = openWindow(database.path());
    EXPECT_EQ(window->windowTitle(), "ミニロト予想");
    EXPECT_EQ(window->text(1009), "4"); // three draws plus one, not the highest number plus one
    EXPECT_EQ(window->listView(1003)->itemCount(), 0);
    for (const int id : { 1004, 1005, 1006, 1007, 1008, 1012, 1013, 1014, 1015, 1016 })
        EXPECT_EQ(window->text(id), "") << id;
    EXPECT_EQ(window->button(1)->text(), "閉　　じ　　る");
    EXPECT_EQ(window->button(1000)->text(), "当 選 数 字 一 覧");
}

TEST(MinirotoWindow, DrawListHasItsSevenColumns)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    zelpo::ui::ListView* list = window->listView(1003);
    ASSERT_EQ(list->columnCount(), 7);
    const QStringList headers { "開催回数", "当選数字", "サービス", "予想数字１", "予想数字２", "予想数字３",
        "予想数字４" };
    const int widths[] = { 70, 100, 70, 100, 100, 100, 100 };
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(list->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        EXPECT_EQ(list->columnWidth(c), widths[c]);
    }
    EXPECT_EQ(list->model()->headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>()
            & Qt::AlignHorizontal_Mask,
        Qt::AlignHCenter);
    EXPECT_EQ(list->extendedStyle(), zelpo::ui::ListView::kTwoClickActivate);
}

TEST(MinirotoWindow, ListsEveryDrawWithLeadingZerosOnTheWinningNumbersOnly)
{
    const TempDatabase database(TempDatabase::Tables::Unkeyed);
    database.addMiniLoto(2, { 12, 1, 31, 10, 7 }, { "9", "1-2-3-4-5", "10-20-30-31-9", "", "x" });
    database.addMiniLoto(1, { 3, 9, 17, 25, 30 }, { "07", "3-9-17-25-30" });
    database.addMiniLoto(0, { 5, 5, 5, 5, 5 }, { "hidden" });
    auto window = openWindow(database.path());
    window->setText(1008, "12");
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(zelpo::test::listRows(*window, 1003),
        (QStringList { "1|03-09-17-25-30|07|3-9-17-25-30|||", "2|12-01-31-10-07|9|1-2-3-4-5|10-20-30-31-9||x" }));
    EXPECT_EQ(window->text(1008), "---");
    EXPECT_NE(window->listView(1003)->extendedStyle() & zelpo::ui::ListView::kFullRowSelect, 0u);

    zelpo::test::click(*window, 1000);
    EXPECT_EQ(window->listView(1003)->itemCount(), 2);
}

TEST(MinirotoWindow, PredictsTheFourSetsAgainAndAgain)
{
    const TempDatabase database;
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    database.addMiniLoto(2, { 6, 7, 8, 9, 10 });
    auto window = openWindow(database.path());
    zelpo::test::click(*window, 1001);
    const QStringList first = predictions(*window, { 1004, 1005, 1006, 1007 });
    EXPECT_EQ(first[0], "5-13-18-23-31");
    zelpo::test::click(*window, 1001);
    EXPECT_EQ(predictions(*window, { 1004, 1005, 1006, 1007 }), first);
}

TEST(MinirotoWindow, AMissingDatabaseLeavesTheFieldsAsTheyWereAndSaysSo)
{
    const TempDatabase database(TempDatabase::Tables::None);
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.dir() + "/missing.mdb");
    EXPECT_EQ(window->text(1009), "");
    for (const int id : kPredictions)
        window->setText(id, "kept");
    zelpo::test::click(*window, 1001);
    for (const int id : kPredictions)
        EXPECT_EQ(window->text(id), "kept");
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(window->listView(1003)->itemCount(), 0);
    EXPECT_EQ(window->text(1008), "");
    // Opening, predicting, listing: one message each.
    EXPECT_EQ(messages.texts(), QStringList(3, "　データベースを読み込めませんでした。。"));
}

TEST(MinirotoWindow, SearchNumbersTakeTwoDigits)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    for (const int id : { 1016, 1015, 1012, 1013, 1014 }) {
        zelpo::test::type(*window, id, "a'1 234");
        EXPECT_EQ(window->text(id), "12") << id;
    }
}

TEST(MinirotoWindow, RegistrationClosedWithItsButtonRefreshesTheNextDrawNumber)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    window->setText(1004, "shown");
    int result = 1;
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        auto* registration = dynamic_cast<zelpo::CMinitouroku*>(&dialog);
        EXPECT_NE(registration, nullptr);
        if (!registration)
            return 0;
        EXPECT_EQ(registration->m_strDatabase, database.path());
        database.addMiniLoto(registration->text(1004).toInt(), { 1, 2, 3, 4, 5 });
        return result;
    });
    zelpo::test::click(*window, 1018);
    EXPECT_EQ(window->text(1009), "2");
    result = 0; // closed with Escape or the close box
    zelpo::test::click(*window, 1018);
    EXPECT_EQ(window->text(1009), "2");
    EXPECT_EQ(handler.runs(), 2);
    EXPECT_EQ(window->text(1004), "shown"); // the predictions are not refreshed
    EXPECT_EQ(window->listView(1003)->itemCount(), 0);
}

TEST(MinirotoWindow, HelpOpensThePathTheMenuGave)
{
    const TempDatabase database;
    QStringList opened;
    const zelpo::ui::ShellOpenOverride shell([&](const QString& path) { return opened << path, true; });
    const QString help = database.dir() + "/help.HLP";
    QFile file(help);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    auto window = openWindow(database.path(), help);
    zelpo::test::click(*window, 1019);
    EXPECT_EQ(opened, QStringList { help });
}

TEST(MinirotoWindow, MainMenuOpensItWithBothPaths)
{
    const TempDatabase database;
    zelpo::app::CMyDlg menu;
    menu.m_strDatabase = database.path();
    menu.m_strHelp = database.dir() + "/help.HLP";
    menu.show();
    QString seen;
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        auto* window = dynamic_cast<CMiniroto*>(&dialog);
        EXPECT_NE(window, nullptr);
        if (window)
            seen = window->databasePath() + "|" + window->helpPath() + "|" + window->text(1009);
        return 0;
    });
    zelpo::test::click(menu, 1002);
    EXPECT_EQ(seen, database.path() + "|" + database.dir() + "/help.HLP|1");
}

TEST(MinirotoWindow, ShowsWhatTheCommandLinePrints)
{
    const TempDatabase database;
    for (int kaisai = 1; kaisai <= 300; ++kaisai)
        database.addMiniLoto(kaisai, { kaisai % 31 + 1, (kaisai * 7) % 31 + 1, 17, (kaisai * 3) % 31 + 1, 30 });
    auto window = openWindow(database.path());
    zelpo::test::click(*window, 1001);

    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    ASSERT_EQ(zelpo::cli::run({ "predict", "miniloto", "--db", database.path() }, outStream, errStream, QString()), 0);
    EXPECT_EQ(predictions(*window, { 1004, 1005, 1006, 1007 }), out.split('\n', Qt::SkipEmptyParts));
}
