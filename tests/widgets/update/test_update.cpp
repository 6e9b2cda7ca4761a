// SPDX-License-Identifier: MIT
#include "data/update/publishedsources.h"
#include "support/windows.h"
#include "widgets/app/CMyDlg.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/update/updatedialog.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

using zelpo::test::OlderHistory;
using zelpo::test::PublishedSources;
using zelpo::test::Reply;

namespace {

// Runs the progress dialog to its end; `onProgress` may act on the run as it goes.
zelpo::ui::ModalHandler::Handler waitForTheUpdate(
    std::function<void(zelpo::ui::UpdateDialog&, const QString& source)> onProgress = {})
{
    return [onProgress](QDialog& shown) {
        auto* dialog = qobject_cast<zelpo::ui::UpdateDialog*>(&shown);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 0;
        EXPECT_EQ(dialog->windowTitle(), "最新の当選数字を取得");
        if (onProgress) {
            QObject::connect(&dialog->run(), &zelpo::update::UpdateRun::progress, dialog,
                [=](zelpo::update::Game, const QString& source, int, int) { onProgress(*dialog, source); });
        }
        QEventLoop loop;
        QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
        return dialog->result();
    };
}

// Chooses the update entry from the context menu that a right click on `area` opens.
void chooseUpdate(QWidget& area)
{
    bool chosen = false;
    QTimer::singleShot(0, [&chosen] {
        chosen = true;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == "最新の当選数字を取得(&U)...") {
                menu->close();
                return action->trigger();
            }
        }
        menu->close();
        ADD_FAILURE() << "no update entry";
    });
    const QPoint point(10, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, area.mapToGlobal(point));
    QApplication::sendEvent(&area, &event);
    while (!chosen)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

template <class Window>
void expectTheEntry(const OlderHistory& file, const QString& message, const QString& next)
{
    Window window;
    window.setDatabasePath(file.path());
    window.show();
    const zelpo::ui::ModalHandler progress(waitForTheUpdate());
    zelpo::ui::MessageRecorder messages;
    chooseUpdate(*window.listView(1003)->viewport());
    EXPECT_EQ(messages.texts(), QStringList { message });
    EXPECT_EQ(window.text(1009), next); // the next-draw number, as after a registration
    messages.clear();
    chooseUpdate(window); // the window's own menu updates the same game
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(progress.runs(), 2);
}

TEST(UpdateEntry, EachGameWindowAndItsListUpdateThatGame)
{
    const PublishedSources sources;
    const OlderHistory file(7051, 7053, 1352);
    expectTheEntry<zelpo::CNabazu3>(
        file, "　ナンバーズ３に第7052回から第7054回までの3回分の当選数字を追加しました（公開フィード）。。", "7055");
    expectTheEntry<zelpo::CNabazu4>(
        file, "　ナンバーズ４に第7054回の当選数字を追加しました（公開フィード）。。", "7055");
    expectTheEntry<zelpo::CMiniroto>(file, "　ミニロトに第1353回の当選数字を追加しました（みずほ銀行）。。", "1354");
}

TEST(UpdateEntry, TheMainMenuUpdatesEveryGameAndSaysWhatFailed)
{
    PublishedSources sources;
    sources.route("/bank/numbers/numbers.csv", Reply { 404, {}, {}, Reply::Mode::Normal });
    const OlderHistory file(7051, 7053, 1384);
    file.exec("UPDATE ナンバーズ4 SET N1=0 WHERE kaisai=7050"); // the feed publishes 9929
    zelpo::app::CMyDlg menu;
    menu.m_strDatabase = file.path();
    menu.show();
    const zelpo::ui::ModalHandler progress(waitForTheUpdate());
    zelpo::ui::MessageRecorder messages;
    chooseUpdate(menu);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::Stop);
    EXPECT_EQ(messages.texts()[0].split('\n'),
        (QStringList { "　ナンバーズ３に第7052回から第7054回までの3回分の当選数字を追加しました（公開フィード）。。",
            "　ナンバーズ４の当選数字を取得できませんでした。。",
            "第7050回の当選数字が食い違っています（登録済み：9920、公開フィード：9929）。",
            "（official: " + sources.server.url("/bank/numbers/numbers.csv") + ": HTTP 404 Status）",
            "　ミニロトは第1384回まで登録済みで、新しい当選数字はありません（みずほ銀行）。。" }));
}

TEST(UpdateEntry, CancelInTheMiddleLeavesTheFileAsItWas)
{
    PublishedSources sources;
    sources.route("/feed/n4/all.json", Reply { 404, {}, {}, Reply::Mode::Normal });
    sources.route("/bank/numbers/A1007054.CSV", Reply { 200, "A50", {}, Reply::Mode::Stalled });
    const OlderHistory file(7051, 7053, 1384);
    const QByteArray before = file.hash();
    zelpo::app::CMyDlg menu;
    menu.m_strDatabase = file.path();
    menu.show();
    // Numbers 3 is read in full; Numbers 4 falls to the bank, whose file never comes.
    QStringList shown;
    const zelpo::ui::ModalHandler progress(
        waitForTheUpdate([&](zelpo::ui::UpdateDialog& dialog, const QString& source) {
            if (source != "official")
                return;
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                shown << label->text();
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        }));
    zelpo::ui::MessageRecorder messages;
    chooseUpdate(menu);
    EXPECT_EQ(shown, (QStringList { "ナンバーズ４：みずほ銀行から読んでいます…", "0 / 1 回分" }));
    EXPECT_EQ(messages.texts(), QStringList { "　取得を取り消しました。データベースは変わっていません。。" });
    EXPECT_EQ(file.hash(), before);
}

} // namespace
