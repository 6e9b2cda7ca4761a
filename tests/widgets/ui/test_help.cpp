// SPDX-License-Identifier: MIT
// The help buttons: each window's page of the manual, in the desktop's
// browser when it takes it, else in the program's own viewer.
#include "data/analysis/recorddata.h"
#include "data/analysis/trendsdata.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/app/CMyDlg.h"
#include "widgets/record/predictionrecorddialog.h"
#include "widgets/trends/trendsdialog.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/help.h"
#include "widgets/ui/helpviewer.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>

#include <functional>
#include <memory>

using zelpo::ui::HelpViewer;

namespace {

const QString kStartPage = QStringLiteral(ZELPO_MANUAL_DIR "/ナンバーズ３＆４＆ミニロト.html");

QString pageOf(const HelpViewer& viewer)
{
    return QFileInfo(viewer.source().toLocalFile()).fileName();
}

QAbstractButton* viewerButton(const HelpViewer& viewer, int id)
{
    return qobject_cast<QAbstractButton*>(zelpo::ui::findControl(viewer, id));
}

// Clicks the first link of the page that leads to `href`, as the mouse would.
void clickLink(HelpViewer& viewer, const QString& href)
{
    auto* browser = qobject_cast<QTextBrowser*>(zelpo::ui::findControl(viewer, HelpViewer::Page));
    ASSERT_NE(browser, nullptr);
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.fragment().position() + 1);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            const QPoint point = browser->cursorRect(cursor).center();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
            return;
        }
    }
    FAIL() << "no link to " << href.toStdString();
}

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(const QString& help)> open;
    int helpButton;
    const char* page;
    const char* title;
};

template <class Window>
std::unique_ptr<QDialog> gameWindow(const QString& help)
{
    static const zelpo::test::TempDatabase database;
    auto window = std::make_unique<Window>();
    window->setDatabasePath(database.path());
    window->setHelpPath(help);
    window->show();
    return window;
}

std::unique_ptr<QDialog> mainMenu(const QString& help)
{
    auto menu = std::make_unique<zelpo::app::CMyDlg>();
    menu->m_strHelp = help;
    menu->show();
    return menu;
}

// The windows built without a template, on an empty database.
std::unique_ptr<QDialog> predictionRecord(const QString& help)
{
    static const zelpo::test::TempDatabase database;
    auto window = std::make_unique<zelpo::analysis::PredictionRecordDialog>(
        *zelpo::analysis::readStoredDraws(zelpo::Game::Numbers3, database.path()));
    window->setHelpPath(help);
    window->show();
    return window;
}

std::unique_ptr<QDialog> trends(const QString& help)
{
    static const zelpo::test::TempDatabase database;
    auto window = std::make_unique<zelpo::analysis::TrendsDialog>(zelpo::Game::MiniLoto,
        *zelpo::analysis::readTrends(zelpo::Game::MiniLoto, database.path()),
        [](std::optional<int>) { return std::nullopt; });
    window->setHelpPath(help);
    window->show();
    return window;
}

// Presses the window's help button as the mouse does.
void pressHelp(const QDialog& window, int id)
{
    auto* button = qobject_cast<QAbstractButton*>(zelpo::ui::findControl(window, id, Qt::FindChildrenRecursively));
    ASSERT_NE(button, nullptr) << "no help button " << id;
    QTest::mouseClick(button, Qt::LeftButton);
}

class HelpButton : public ::testing::TestWithParam<WindowCase> { };

} // namespace

TEST_P(HelpButton, ShowsTheWindowsOwnPageInTheViewerWhenTheDesktopCannot)
{
    const zelpo::ui::ShellOpenOverride noBrowser([](const QString&) { return false; });
    zelpo::ui::MessageRecorder messages;
    auto window = GetParam().open(kStartPage);
    QStringList shown;
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        auto* viewer = qobject_cast<HelpViewer*>(&dialog);
        EXPECT_NE(viewer, nullptr);
        if (viewer)
            shown << pageOf(*viewer) << viewer->windowTitle();
        return 0;
    });
    pressHelp(*window, GetParam().helpButton);
    EXPECT_EQ(shown, (QStringList { QString::fromUtf8(GetParam().page), QString::fromUtf8(GetParam().title) }));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_P(HelpButton, HandsTheSamePageToTheDesktopWhenItHasABrowser)
{
    QStringList opened;
    const zelpo::ui::ShellOpenOverride browser([&](const QString& path) { return opened << path, true; });
    const zelpo::ui::ModalHandler handler([](QDialog&) { return 0; });
    auto window = GetParam().open(kStartPage);
    pressHelp(*window, GetParam().helpButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(QFileInfo(opened.first()).fileName(), QString::fromUtf8(GetParam().page));
    EXPECT_TRUE(QFileInfo(opened.first()).isFile());
    EXPECT_EQ(handler.runs(), 0);
}

TEST_P(HelpButton, SaysSoWhenThereIsNoManual)
{
    const QTemporaryDir empty;
    int asked = 0;
    const zelpo::ui::ShellOpenOverride browser([&](const QString&) { return ++asked, true; });
    const zelpo::ui::ModalHandler handler([](QDialog&) { return 0; });
    zelpo::ui::MessageRecorder messages;
    const QString startPage = empty.filePath(QStringLiteral("ナンバーズ３＆４＆ミニロト.html"));
    auto window = GetParam().open(startPage);
    pressHelp(*window, GetParam().helpButton);
    EXPECT_EQ(messages.texts(),
        QStringList { "起動できませんでした\nマニュアルが見つかりません。次の場所を探しました。\n" + startPage });
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(handler.runs(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, HelpButton,
    ::testing::Values(
        WindowCase { "MainMenu", mainMenu, 1016, "ナンバーズ３＆４＆ミニロト.html", "ナンバーズ Zelpo ヘルプ" },
        WindowCase { "Numbers3", gameWindow<zelpo::CNabazu3>, 1019, "numbers3.html",
            "ナンバーズ３予想 - ナンバーズ Zelpo ヘルプ" },
        WindowCase { "Numbers4", gameWindow<zelpo::CNabazu4>, 1019, "numbers4.html",
            "ナンバーズ４予想 - ナンバーズ Zelpo ヘルプ" },
        WindowCase {
            "MiniLoto", gameWindow<zelpo::CMiniroto>, 1019, "miniloto.html", "ミニロト予想 - ナンバーズ Zelpo ヘルプ" },
        WindowCase {
            "PredictionRecord", predictionRecord, 9, "prediction-record.html", "予想の成績 - ナンバーズ Zelpo ヘルプ" },
        WindowCase { "Trends", trends, 9, "trends.html", "出現傾向 - ナンバーズ Zelpo ヘルプ" }),
    [](const auto& info) { return std::string(info.param.name); });

// F1 in the windows built without a template does what their button does.
TEST(HelpKey, OpensTheWindowsOwnPage)
{
    using Open = std::unique_ptr<QDialog> (*)(const QString&);
    const std::pair<Open, const char*> windows[]
        = { { predictionRecord, "prediction-record.html" }, { trends, "trends.html" } };
    for (const auto& [open, page] : windows) {
        QStringList opened;
        const zelpo::ui::ShellOpenOverride browser([&](const QString& path) { return opened << path, true; });
        auto window = open(kStartPage);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        ASSERT_EQ(opened.size(), 1) << page;
        EXPECT_EQ(QFileInfo(opened.first()).fileName(), QString::fromUtf8(page));
    }
}

TEST(HelpViewer, FollowsLinksAndGoesBackForwardAndHome)
{
    HelpViewer viewer(kStartPage, zelpo::ui::manualPagePath(kStartPage, QStringLiteral("numbers3.html")));
    viewer.show();
    QAbstractButton* back = viewerButton(viewer, HelpViewer::Back);
    QAbstractButton* forward = viewerButton(viewer, HelpViewer::Forward);
    ASSERT_TRUE(back && forward && viewerButton(viewer, HelpViewer::Home));
    // The page it opens on is where its history starts.
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    clickLink(viewer, QStringLiteral("registration.html"));
    EXPECT_EQ(pageOf(viewer), "registration.html");
    EXPECT_EQ(viewer.windowTitle(), "当選数字登録 - ナンバーズ Zelpo ヘルプ");
    EXPECT_TRUE(back->isEnabled());

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(pageOf(viewer), "numbers3.html");
    EXPECT_TRUE(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(pageOf(viewer), "registration.html");

    QTest::mouseClick(viewerButton(viewer, HelpViewer::Home), Qt::LeftButton);
    EXPECT_EQ(pageOf(viewer), "ナンバーズ３＆４＆ミニロト.html");
    clickLink(viewer, QStringLiteral("help/cli.html"));
    EXPECT_EQ(viewer.windowTitle(), "コマンドライン（zelpo-cli） - ナンバーズ Zelpo ヘルプ");

    QTest::mouseClick(viewerButton(viewer, HelpViewer::Close), Qt::LeftButton);
    EXPECT_FALSE(viewer.isVisible());
}

TEST(HelpViewer, EnterOnThePageLeavesItOpenAndPressesAButtonWithTheFocus)
{
    HelpViewer viewer(kStartPage, kStartPage);
    viewer.show();
    QTest::keyClick(zelpo::ui::findControl(viewer, HelpViewer::Page), Qt::Key_Return);
    EXPECT_TRUE(viewer.isVisible());
    QAbstractButton* close = viewerButton(viewer, HelpViewer::Close);
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_FALSE(viewer.isVisible());
}

TEST(HelpViewer, EveryWindowWithAPageHasItInTheManual)
{
    for (const int templateId : { 129, 130, 131, 133, 134, 103 }) {
        const QString page = zelpo::ui::manualPage(templateId);
        ASSERT_FALSE(page.isEmpty()) << templateId;
        EXPECT_TRUE(QFileInfo(zelpo::ui::manualPagePath(kStartPage, page)).isFile()) << page.toStdString();
    }
    EXPECT_EQ(zelpo::ui::manualPage(102), QString());
}
