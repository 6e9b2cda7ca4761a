// SPDX-License-Identifier: MIT
#include "support/cli.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/app/CMyDlg.h"
#include "widgets/dialogs/CAboutDlg.h"
#include "widgets/ui/help.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CNabazu3.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

using zelpo::app::CMyDlg;

TEST(MainMenu, HasItsCaptionsAndPathsNextToTheExecutable)
{
    CMyDlg menu;
    // Before the focus lands on another push button, "閉　じ　る" is the one Enter presses.
    EXPECT_TRUE(menu.button(1)->isDefault());
    menu.show();
    EXPECT_EQ(menu.windowTitle(), "ナンバーズ Zelpo");
    const std::pair<int, const char*> captions[] = { { 1000, "ナンバーズ　３" }, { 1001, "ナンバーズ　４" },
        { 1002, "ミ ニ ロ ト" }, { 1015, "バージョン情報" }, { 1016, "ヘ　ル　プ" }, { 1, "閉　じ　る" } };
    for (const auto& [id, caption] : captions)
        EXPECT_EQ(menu.button(id)->text(), QString::fromUtf8(caption)) << id;
    EXPECT_TRUE(menu.m_strDatabase.endsWith("/ナンバーズ.mdb"));
    EXPECT_TRUE(menu.m_strHelp.endsWith("/ナンバーズ３＆４＆ミニロト.html"));
}

TEST(MainMenu, OpensAFreshNumbers3WindowWithBothPathsEachTime)
{
    const zelpo::test::TempDatabase database;
    CMyDlg menu;
    menu.m_strDatabase = database.path();
    menu.m_strHelp = database.dir() + "/help.HLP";
    menu.show();
    QStringList seen;
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        auto* window = dynamic_cast<zelpo::CNabazu3*>(&dialog);
        EXPECT_NE(window, nullptr);
        if (window) {
            seen << window->databasePath() + "|" + window->helpPath() + "|" + window->text(1009) + "|"
                    + window->text(1004);
            window->setText(1004, "typed");
        }
        return 0;
    });
    zelpo::test::click(menu, 1000);
    zelpo::test::click(menu, 1000);
    const QString expected = database.path() + "|" + database.dir() + "/help.HLP|1|";
    EXPECT_EQ(seen, (QStringList { expected, expected }));
}

TEST(MainMenu, AboutBoxFromTheButtonAndFromTheContextMenu)
{
    CMyDlg menu;
    menu.show();
    QStringList versions;
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "ナンバーズのﾊﾞｰｼﾞｮﾝ情報");
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text().startsWith("ナンバーズ Zelpo"))
                versions << label->text();
        }
        return 1;
    });
    zelpo::test::click(menu, 1015);

    // The context menu holds the update of every game, the import of a file,
    // the start-up check (on or off), 購入記録, a separator, then the about entry.
    QTimer::singleShot(0, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        const auto actions = popup->actions();
        ASSERT_EQ(actions.size(), 6);
        EXPECT_EQ(actions[0]->text(), "最新の当選数字を取得(&U)...");
        EXPECT_EQ(actions[1]->text(), "ファイルから取り込む...");
        EXPECT_EQ(actions[2]->text(), "起動時に新しい当選数字を確かめる");
        EXPECT_TRUE(actions[2]->isCheckable());
        EXPECT_EQ(actions[3]->text(), "購入記録(&K)...");
        EXPECT_TRUE(actions[4]->isSeparator());
        EXPECT_EQ(actions[5]->text(), "ナンバーズ のﾊﾞｰｼﾞｮﾝ情報(&A)...");
        actions[5]->trigger();
        popup->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), menu.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&menu, &event);
    EXPECT_EQ(versions, (QStringList { "ナンバーズ Zelpo  Version 1.30", "ナンバーズ Zelpo  Version 1.30" }));
}

TEST(MainMenu, HelpOpensTheFileWhenItIsThere)
{
    const zelpo::test::TempDatabase database;
    const QString help = database.dir() + "/ナンバーズ３＆４＆ミニロト.html";
    QFile file(help);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    CMyDlg menu;
    menu.m_strHelp = help;
    menu.show();
    zelpo::ui::MessageRecorder messages;
    const zelpo::ui::ModalHandler viewer([](QDialog&) { return 0; });
    QStringList opened;
    bool desktopAnswers = true;
    const zelpo::ui::ShellOpenOverride shell([&](const QString& path) {
        opened << path;
        return desktopAnswers;
    });
    zelpo::test::click(menu, 1016);
    EXPECT_EQ(opened, QStringList { help });
    EXPECT_EQ(viewer.runs(), 0);

    // Without a browser the program shows the file itself.
    desktopAnswers = false;
    zelpo::test::click(menu, 1016);
    EXPECT_EQ(viewer.runs(), 1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST(AboutBox, ShowsOnlyTrueThings)
{
    zelpo::app::CAboutDlg about;
    about.show();
    QStringList lines;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            lines << label->text();
    }
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "ナンバーズ Zelpo  Version 1.30");
    EXPECT_EQ(lines[1], "ライセンス: MIT");
    EXPECT_EQ(lines[2], "Qt " + QString::fromLatin1(qVersion()));
    EXPECT_TRUE(QRegularExpression("^SQLite 3\\.\\d+\\.\\d+$").match(lines[3]).hasMatch()) << lines[3].toStdString();
    // zelpo-cli --version prints the same versions.
    EXPECT_EQ(zelpo::test::runCli({ "--version" }, {}).out, lines[0] + '\n' + lines[2] + '\n' + lines[3] + '\n');
}
