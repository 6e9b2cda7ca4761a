// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/xserver.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using zelpo::test::Installation;
using zelpo::test::XServer;

TEST(EndToEnd, InitCreatesTheDatabaseNextToTheProgramAndNeverOverwritesIt)
{
    const Installation installation;
    ASSERT_TRUE(installation.ok());
    EXPECT_TRUE(QFileInfo(installation.database()).isFile());
    QProcess again;
    again.start(installation.program("zelpo-cli"), { "init" });
    ASSERT_TRUE(again.waitForFinished(30000));
    EXPECT_NE(again.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(again.readAllStandardError()).contains("already exists"));
}

TEST(EndToEnd, TheMainMenuAppearsOpensNumbers3AndClosesCleanly)
{
    const XServer x;
    ASSERT_TRUE(x.running());
    const Installation installation;
    ASSERT_TRUE(installation.ok());

    QProcess zelpo;
    zelpo.setProcessEnvironment(x.environment());
    zelpo.setProcessChannelMode(QProcess::ForwardedChannels);
    zelpo.start(installation.program("zelpo"));
    ASSERT_TRUE(zelpo.waitForStarted());

    const QString window = x.waitForWindow("ナンバーズ Zelpo");
    ASSERT_FALSE(window.isEmpty()) << "the main menu did not appear";
    x.focus(window);
    // The menu opens on its first button: Space opens the Numbers 3 window.
    x.key("space");
    const QString numbers3 = x.waitForWindow("ナンバーズ３予想");
    ASSERT_FALSE(numbers3.isEmpty()) << "the Numbers 3 window did not open";
    x.focus(numbers3);
    x.key("Escape");
    x.focus(x.waitForWindow("ナンバーズ Zelpo"));
    x.key("Escape"); // closing the main menu ends the program
    ASSERT_TRUE(zelpo.waitForFinished(20000));
    EXPECT_EQ(zelpo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(zelpo.exitCode(), 0);
}
