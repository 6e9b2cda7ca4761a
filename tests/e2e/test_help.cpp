// SPDX-License-Identifier: MIT
// Every help button of the real program on a machine without a desktop or a
// browser: the program's own viewer shows the window's page of the manual.
#include "support/testdb.h"
#include "support/xserver.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using zelpo::test::Installation;
using zelpo::test::XServer;

namespace {

struct HelpCase {
    const char* name;
    const char* openKeys; // from the main menu's first button to the window
    const char* window;
    const char* helpKeys; // from the window's first Tab stop to its help button
    const char* page;     // the title of the page the viewer shows
};

class HelpWithoutBrowser : public ::testing::TestWithParam<HelpCase> { };

} // namespace

TEST_P(HelpWithoutBrowser, ShowsTheWindowsPageInTheProgramsViewer)
{
    const XServer x;
    ASSERT_TRUE(x.running());
    const Installation installation(Installation::Database::Empty);
    ASSERT_TRUE(installation.ok());
    ASSERT_TRUE(installation.addManual());

    // No launcher and no browser to be found: nothing but the program itself can show the manual.
    const QTemporaryDir emptyPath;
    QProcessEnvironment environment = x.environment();
    environment.insert(QStringLiteral("PATH"), emptyPath.path());
    for (const char* variable : { "BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP" })
        environment.remove(QString::fromLatin1(variable));

    QProcess zelpo;
    zelpo.setProcessEnvironment(environment);
    zelpo.setProcessChannelMode(QProcess::ForwardedChannels);
    zelpo.start(installation.program("zelpo"));
    ASSERT_TRUE(zelpo.waitForStarted());

    const QString menu = x.waitForWindow("ナンバーズ Zelpo");
    ASSERT_FALSE(menu.isEmpty()) << "the main menu did not appear";
    x.focus(menu);
    const QString windowTitle = QString::fromUtf8(GetParam().window);
    QString window = menu;
    if (windowTitle != "ナンバーズ Zelpo") {
        x.key(QString::fromUtf8(GetParam().openKeys));
        window = x.waitForWindow(windowTitle);
        ASSERT_FALSE(window.isEmpty()) << "the window did not open";
        x.focus(window);
    }
    x.key(QString::fromUtf8(GetParam().helpKeys));
    const QString viewer = x.waitForWindow(QString::fromUtf8(GetParam().page));
    EXPECT_FALSE(viewer.isEmpty()) << "the manual's page did not appear";
    if (!viewer.isEmpty()) {
        x.focus(viewer);
        x.key("Escape");
    }

    x.focus(x.waitForWindow(windowTitle));
    x.key("Escape");
    if (window != menu) {
        x.focus(x.waitForWindow("ナンバーズ Zelpo"));
        x.key("Escape");
    }
    ASSERT_TRUE(zelpo.waitForFinished(20000));
    EXPECT_EQ(zelpo.exitCode(), 0);
}

// The Tab order of each window decides the keys: a menu opens on its first
// button, a game window on its first Tab stop, and Shift+Tab from there wraps
// round to the last ones, "ヘ　ル　プ" and "閉　じ　る".
INSTANTIATE_TEST_SUITE_P(EveryHelpButton, HelpWithoutBrowser,
    ::testing::Values(
        HelpCase { "MainMenu", "", "ナンバーズ Zelpo", "Tab Tab Tab Tab space", "ナンバーズ Zelpo ヘルプ" },
        HelpCase { "Numbers3", "space", "ナンバーズ３予想", "shift+Tab shift+Tab space",
            "ナンバーズ３予想 - ナンバーズ Zelpo ヘルプ" },
        HelpCase { "Numbers4", "Tab space", "ナンバーズ４予想", "shift+Tab space",
            "ナンバーズ４予想 - ナンバーズ Zelpo ヘルプ" },
        HelpCase { "MiniLoto", "Tab Tab space", "ミニロト予想", "shift+Tab shift+Tab space",
            "ミニロト予想 - ナンバーズ Zelpo ヘルプ" }),
    [](const auto& info) { return std::string(info.param.name); });
