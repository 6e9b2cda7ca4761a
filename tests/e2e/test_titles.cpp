// SPDX-License-Identifier: MIT
// Every window of the real program, as a window manager sees it: its title is
// exactly its template's caption (nothing appended), in both title properties.
#include "support/printers.h"
#include "support/xserver.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <gtest/gtest.h>

using zelpo::test::Installation;
using zelpo::test::XServer;

namespace {

// One Numbers 3 draw to double-click for the editor.
void addDraw(const QString& path)
{
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "e2e-titles");
        database.setDatabaseName(path);
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec("INSERT INTO ナンバーズ3 VALUES (1,1,2,3,'123','456','789','012','345',' ')"));
        database.close();
    }
    QSqlDatabase::removeDatabase("e2e-titles");
}

// Waits for the window, checks both title properties and gives it the focus.
QString expectTitled(const XServer& x, const QString& title)
{
    const QString window = x.waitForWindow(title, 60000);
    EXPECT_FALSE(window.isEmpty()) << title.toStdString() << " did not appear";
    if (window.isEmpty())
        return {};
    EXPECT_EQ(x.property(window, "_NET_WM_NAME"), title);
    EXPECT_EQ(x.property(window, "WM_NAME"), title);
    x.focus(window);
    return window;
}

void close(const XServer& x, const QString& window)
{
    x.focus(window);
    x.key("Escape");
    QThread::msleep(300);
}

} // namespace

TEST(EndToEnd, EveryWindowIsTitledWithItsCaptionAlone)
{
    const XServer x;
    ASSERT_TRUE(x.running());
    const Installation installation(Installation::Database::Empty);
    ASSERT_TRUE(installation.ok());
    addDraw(installation.database());

    QProcess zelpo;
    zelpo.setProcessEnvironment(x.environment());
    zelpo.setProcessChannelMode(QProcess::ForwardedChannels);
    zelpo.start(installation.program("zelpo"));
    ASSERT_TRUE(zelpo.waitForStarted());

    const QSize menuSize(186, 202); // the template's height and the strip of the update's line
    const QString menu = expectTitled(x, "ナンバーズ Zelpo");
    ASSERT_FALSE(menu.isEmpty());
    // The main window is a normal window that offers minimising (Motif hints:
    // functions bit 8, decorations bit 32).
    EXPECT_EQ(x.property(menu, "_NET_WM_WINDOW_TYPE"), "_NET_WM_WINDOW_TYPE_NORMAL");
    const QStringList motif = x.property(menu, "_MOTIF_WM_HINTS").split(", ");
    ASSERT_GE(motif.size(), 3);
    EXPECT_TRUE(motif[1].toUInt(nullptr, 16) & 0x8) << motif.join(',').toStdString();
    EXPECT_TRUE(motif[2].toUInt(nullptr, 16) & 0x20) << motif.join(',').toStdString();

    x.clickControl(menu, { 30, 114, 61, 18 }, menuSize); // "バージョン情報"
    close(x, expectTitled(x, "ナンバーズのﾊﾞｰｼﾞｮﾝ情報"));

    x.focus(menu);
    x.clickControl(menu, { 30, 32, 126, 22 }, menuSize); // "ナンバーズ　３"
    const QSize numbers3Size(325, 300);
    const QString numbers3 = expectTitled(x, "ナンバーズ３予想");
    ASSERT_FALSE(numbers3.isEmpty());
    // "検　索" with neither switch ticked: a message box that belongs to the window.
    x.clickControl(numbers3, { 167, 137, 54, 21 }, numbers3Size);
    QThread::msleep(500);
    const QString found = x.xdotool({ "search", "--onlyvisible", "--name", "^ナンバーズ３予想$" });
    const QStringList titled = found.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(titled.size(), 2) << "the window and its message box";
    for (const QString& window : titled) {
        EXPECT_EQ(x.property(window, "_NET_WM_NAME"), "ナンバーズ３予想");
        if (window != numbers3) {
            x.focus(window);
            x.key("Return");
            QThread::msleep(300);
        }
    }

    x.focus(numbers3);
    x.clickControl(numbers3, { 7, 267, 55, 25 }, numbers3Size); // "当選数字登録"
    close(x, expectTitled(x, "当選数字登録"));
    x.focus(numbers3);
    x.clickControl(numbers3, { 7, 137, 72, 21 }, numbers3Size); // "当 選 数 字 一 覧"
    QThread::msleep(300);
    x.clickControl(numbers3, { 30, 181, 20, 4 }, numbers3Size, 2); // the first row of the list
    close(x, expectTitled(x, "　　編　　集"));
    close(x, numbers3);

    x.focus(menu);
    x.clickControl(menu, { 30, 58, 126, 22 }, menuSize); // "ナンバーズ　４"
    close(x, expectTitled(x, "ナンバーズ４予想"));

    x.focus(menu);
    x.clickControl(menu, { 30, 84, 126, 22 }, menuSize); // "ミ ニ ロ ト"
    const QString miniLoto = expectTitled(x, "ミニロト予想");
    ASSERT_FALSE(miniLoto.isEmpty());
    x.clickControl(miniLoto, { 7, 306, 63, 26 }, { 373, 339 }); // "当選数字登録"
    close(x, expectTitled(x, "ミニロト登録"));
    close(x, miniLoto);

    close(x, menu);
    ASSERT_TRUE(zelpo.waitForFinished(20000));
    EXPECT_EQ(zelpo.exitCode(), 0);
}
