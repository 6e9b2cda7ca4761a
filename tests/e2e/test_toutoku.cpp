// SPDX-License-Identifier: MIT
#include "support/printers.h"
#include "support/xserver.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

#include <gtest/gtest.h>

using zelpo::test::Installation;
using zelpo::test::XServer;

namespace {

// Every row of a SELECT on the file as the program left it, values joined by '|'.
QStringList rows(const QString& path, const QString& sql)
{
    QStringList result;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "e2e-toutoku");
        database.setDatabaseName(path);
        database.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (database.open()) {
            QSqlQuery query(database);
            query.exec(sql);
            while (query.next()) {
                QStringList values;
                for (int i = 0; i < query.record().count(); ++i)
                    values << query.value(i).toString();
                result << values.join('|');
            }
        }
        database.close();
    }
    QSqlDatabase::removeDatabase("e2e-toutoku");
    return result;
}

} // namespace

TEST(EndToEnd, RegistersANumbers3AndANumbers4DrawFromTheNumbers3Window)
{
    const XServer x;
    ASSERT_TRUE(x.running());
    const Installation installation(Installation::Database::Empty);
    ASSERT_TRUE(installation.ok());

    QProcess zelpo;
    zelpo.setProcessEnvironment(x.environment());
    zelpo.setProcessChannelMode(QProcess::ForwardedChannels);
    zelpo.start(installation.program("zelpo"));
    ASSERT_TRUE(zelpo.waitForStarted());

    const QString menu = x.waitForWindow("ナンバーズ Zelpo");
    ASSERT_FALSE(menu.isEmpty()) << "the main menu did not appear";
    x.focus(menu);
    x.clickControl(menu, { 30, 32, 126, 22 }, { 186, 202 }); // "ナンバーズ　３", the menu grown by the update's line

    const QString numbers3 = x.waitForWindow("ナンバーズ３予想");
    ASSERT_FALSE(numbers3.isEmpty()) << "the Numbers 3 window did not appear";
    x.focus(numbers3);
    x.clickControl(numbers3, { 7, 267, 55, 25 }, { 325, 300 }); // "当選数字登録"

    const QString registration = x.waitForWindow("当選数字登録");
    ASSERT_FALSE(registration.isEmpty()) << "the registration window did not appear";
    x.focus(registration);
    // It opens in the Numbers 3 hundreds digit: the seven digits in Tab order,
    // Numbers 3 first, then "追　　加".
    x.xdotool({ "key", "--delay", "30", "5", "Tab", "0", "Tab", "7", "Tab", "1", "Tab", "2", "Tab", "3", "Tab", "4",
        "Tab", "space" });

    const QDeadlineTimer deadline(20000);
    QStringList stored3;
    QStringList stored4;
    while (!deadline.hasExpired()) {
        stored3 = rows(installation.database(), "SELECT * FROM ナンバーズ3");
        stored4 = rows(installation.database(), "SELECT * FROM ナンバーズ4");
        if (!stored3.isEmpty() && !stored4.isEmpty())
            break;
        QThread::msleep(200);
    }
    EXPECT_EQ(stored3, QStringList { "1|5|0|7|000|000|000|000|000| " });
    EXPECT_EQ(stored4, QStringList { "1|1|2|3|4|0000|0000|0000|0000|0000| " });

    // Escape closes the registration window, the Numbers 3 window and the menu.
    for (const QString& window : { registration, numbers3, menu }) {
        x.focus(window);
        x.key("Escape");
        QThread::msleep(300);
    }
    ASSERT_TRUE(zelpo.waitForFinished(20000));
    EXPECT_EQ(zelpo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(zelpo.exitCode(), 0);
}
