// SPDX-License-Identifier: MIT
#include "data/update/publishedsources.h"
#include "support/windows.h"
#include "updatesupport.h"
#include "widgets/app/CMyDlg.h"
#include "widgets/dialogs/CToutoku.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/update/clock.h"
#include "widgets/update/updateentries.h"
#include "widgets/update/updateline.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using zelpo::test::chooseEntry;
using zelpo::test::OlderHistory;
using zelpo::test::PublishedSources;
using zelpo::test::Reply;
using zelpo::test::waitForTheUpdate;

namespace {

const QString kUpdate = QString::fromUtf16(zelpo::ui::kUpdateEntry);
const QString kImport = QString::fromUtf16(zelpo::ui::kImportEntry);

// 2026-08-21 (a Friday) at 21:00 JST: draw 7054 of the Numbers games is out.
const std::chrono::sys_seconds kFridayNight
    = std::chrono::sys_days(std::chrono::year(2026) / 8 / 21) + std::chrono::hours(12);

zelpo::ui::UpdateLine& statusLine(QWidget& window)
{
    auto* line = window.findChild<zelpo::ui::UpdateLine*>();
    EXPECT_NE(line, nullptr);
    return *line;
}

template <class Window>
void expectTheEntry(const OlderHistory& file, const QString& message, const QString& next)
{
    Window window;
    window.setDatabasePath(file.path());
    window.show();
    zelpo::ui::MessageRecorder messages;
    chooseEntry(*window.listView(1003)->viewport(), kUpdate);
    waitForTheUpdate();
    EXPECT_EQ(messages.texts(), QStringList { message });
    EXPECT_EQ(window.text(1009), next); // the next-draw number, as after a registration
    EXPECT_TRUE(statusLine(window).text().startsWith("次回 第" + next + "回"))
        << statusLine(window).text().toStdString();
    messages.clear();
    chooseEntry(window, kUpdate); // the window's own menu updates the same game
    waitForTheUpdate();
    EXPECT_EQ(messages.texts().size(), 1);
}

TEST(UpdateEntry, EachGameWindowAndItsListUpdateThatGame)
{
    const PublishedSources sources;
    const zelpo::ui::FixedClock clock(kFridayNight);
    const OlderHistory file(7051, 7053, 1352);
    expectTheEntry<zelpo::CNabazu3>(
        file, "　ナンバーズ３に第7052回から第7054回までの3回分の当選数字を追加しました（公開フィード）。", "7055");
    expectTheEntry<zelpo::CNabazu4>(file, "　ナンバーズ４に第7054回の当選数字を追加しました（公開フィード）。", "7055");
    expectTheEntry<zelpo::CMiniroto>(file, "　ミニロトに第1353回の当選数字を追加しました（みずほ銀行）。", "1354");
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
    zelpo::ui::MessageRecorder messages;
    chooseEntry(menu, kUpdate);
    waitForTheUpdate();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::Stop);
    EXPECT_EQ(messages.texts()[0].split('\n'),
        (QStringList { "　ナンバーズ３に第7052回から第7054回までの3回分の当選数字を追加しました（公開フィード）。",
            "　ナンバーズ４の当選数字を取得できませんでした。",
            "第7050回の当選数字が食い違っています（登録済み：9920、公開フィード：9929）。",
            "みずほ銀行：ファイルを受け取れませんでした。",
            "　ミニロトは第1384回まで登録済みで、新しい当選数字はありません（みずほ銀行）。" }));
    // Addresses and the servers' own words are kept for the details.
    EXPECT_FALSE(messages.texts()[0].contains("http"));
    EXPECT_EQ(messages.messages()[0].details.split('\n'),
        (QStringList { "ナンバーズ４ 公開フィード：draw 7050 is stored as 9920 but published as 9929",
            "ナンバーズ４ みずほ銀行：" + sources.server.url("/bank/numbers/numbers.csv") + ": HTTP 404 Status" }));
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
    // Numbers 3 is read in full; Numbers 4 falls to the bank, whose file never
    // comes: the main menu's line shows it, and its キャンセル stops it.
    zelpo::ui::MessageRecorder messages;
    chooseEntry(menu, kUpdate);
    zelpo::ui::UpdateLine& line = menu.updateLine();
    ASSERT_TRUE(zelpo::test::waitFor([&] {
        return line.text() == "ナンバーズ４：みずほ銀行から読んでいます…　0 / 1 回分";
    })) << line.text().toStdString();
    ASSERT_TRUE(line.cancelButton()->isVisible());
    QTest::mouseClick(line.cancelButton(), Qt::LeftButton);
    waitForTheUpdate();
    EXPECT_EQ(messages.texts(), QStringList { "　取得を取り消しました。データベースは変わっていません。" });
    EXPECT_FALSE(line.cancelButton()->isVisible());
    EXPECT_EQ(file.hash(), before);
}

TEST(UpdateEntry, EveryWindowWorksWhileASourceHangsAndAnyLineCancelsIt)
{
    PublishedSources sources;
    sources.route("/feed/n3/latest.json", Reply { 200, {}, {}, Reply::Mode::Silent });
    const OlderHistory file(7051, 7053, 1384);
    const QByteArray before = file.hash();
    zelpo::app::CMyDlg menu;
    menu.m_strDatabase = file.path();
    menu.show();
    zelpo::ui::MessageRecorder messages;
    chooseEntry(menu, kUpdate);

    // The menu returned at once; a game window opened meanwhile works and shows the reading.
    zelpo::CNabazu3 window;
    window.setDatabasePath(file.path());
    window.show();
    ASSERT_TRUE(zelpo::test::waitFor([&] { return sources.server.requests("/feed/n3/latest.json") > 0; }));
    EXPECT_EQ(statusLine(window).text(), "ナンバーズ３：公開フィードから読んでいます…");
    zelpo::test::click(window, 1000); // 当選数字一覧
    EXPECT_EQ(window.listView(1003)->itemCount(), 7051);
    zelpo::test::type(window, 1012, "7");
    EXPECT_EQ(window.text(1012), "7");
    const zelpo::ui::ModalHandler registration([](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<zelpo::CToutoku*>(&dialog), nullptr);
        return 0;
    });
    zelpo::test::click(window, zelpo::CNabazu3::kRegisterButtonId);
    EXPECT_EQ(registration.runs(), 1);

    // A second update, from a menu or a file, is refused while this one runs.
    chooseEntry(window, kUpdate);
    chooseEntry(*window.listView(1003)->viewport(), kImport);
    const QString refusal = "最新の当選数字を取得しているところです。終わってから、もう一度選んでください。";
    EXPECT_EQ(messages.texts(), (QStringList { refusal, refusal }));
    EXPECT_TRUE(zelpo::ui::UpdateRunner::instance().isRunning());

    messages.clear();
    QTest::mouseClick(statusLine(window).cancelButton(), Qt::LeftButton);
    waitForTheUpdate();
    EXPECT_EQ(messages.texts(), QStringList { "　取得を取り消しました。データベースは変わっていません。" });
    EXPECT_EQ(file.hash(), before);
}

// The file chosen in the dialog that the entry opens.
zelpo::ui::ModalHandler::Handler choose(const QString& path)
{
    return [path](QDialog& shown) {
        auto* dialog = qobject_cast<QFileDialog*>(&shown);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 0;
        dialog->selectFile(path);
        return 1;
    };
}

TEST(ImportEntry, AGameWindowAndTheMainMenuReadAFileAsTheUpdateDoes)
{
    const zelpo::ui::FixedClock clock(kFridayNight);
    const OlderHistory file(7051, 7053, 1352);
    const QString samples = ZELPO_UPDATE_SAMPLES;
    zelpo::ui::MessageRecorder messages;

    // The window's game, from the feed's JSON.
    zelpo::CNabazu3 window;
    window.setDatabasePath(file.path());
    window.show();
    {
        const zelpo::ui::ModalHandler picker(choose(samples + "/feed-v2-numbers3-draws.full.json"));
        chooseEntry(window, kImport);
        waitForTheUpdate();
        EXPECT_EQ(picker.runs(), 1);
    }
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].contains("ナンバーズ３に第7052回から第7054回までの3回分の当選数字を追加しました"))
        << messages.texts()[0].toStdString();
    EXPECT_EQ(window.text(1009), "7055");

    // From the main menu, the games the file holds: one bank file of Mini Loto.
    messages.clear();
    zelpo::app::CMyDlg menu;
    menu.m_strDatabase = file.path();
    menu.show();
    {
        const zelpo::ui::ModalHandler picker(choose(samples + "/A1011353.CSV"));
        chooseEntry(menu, kImport);
        waitForTheUpdate();
    }
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().value(0).startsWith("　ミニロトに第1353回の当選数字を追加しました"))
        << messages.texts().value(0).toStdString();

    // A file of nothing says for every game why not, and stores nothing.
    messages.clear();
    const QByteArray before = file.hash();
    {
        const zelpo::ui::ModalHandler picker(choose(samples + "/README.md"));
        chooseEntry(menu, kImport);
        waitForTheUpdate();
    }
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::Stop);
    EXPECT_EQ(messages.texts().value(0).count("の当選数字を取得できませんでした"), 3);
    EXPECT_EQ(file.hash(), before);
}

} // namespace
