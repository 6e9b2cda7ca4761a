// SPDX-License-Identifier: MIT
// The windows and the command line predict through the same data functions:
// on the same file they must show the same five texts.
#include "cli/cli.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QStringList cliPredict(const QString& game, const QString& database)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    EXPECT_EQ(zelpo::cli::run({ "predict", game, "--db", database }, outStream, errStream, QString()), 0)
        << err.toStdString();
    return out.split(u'\n', Qt::SkipEmptyParts);
}

template <class Window>
QStringList windowPredict(const QString& database)
{
    Window window;
    window.setDatabasePath(database);
    window.show();
    zelpo::test::click(window, 1001);
    QStringList texts;
    for (const int id : { 1004, 1005, 1006, 1007, 1008 })
        texts << window.text(id);
    return texts;
}

TEST(PredictionAgreement, WindowsAndCommandLineShowTheSameTexts)
{
    const zelpo::test::TempDatabase database;
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> digit(0, 9);
    QStringList numbers3Rows;
    QStringList numbers4Rows;
    for (int kaisai = -2; kaisai <= 400; ++kaisai) {
        numbers3Rows << QString("(%1,%2,%3,%4,'','','','','',' ')")
                            .arg(kaisai)
                            .arg(digit(random))
                            .arg(digit(random))
                            .arg(digit(random));
        numbers4Rows << QString("(%1,%2,%3,%4,%5,'','','','','',' ')")
                            .arg(kaisai)
                            .arg(digit(random))
                            .arg(digit(random))
                            .arg(digit(random))
                            .arg(digit(random));
    }
    database.exec("INSERT INTO ナンバーズ3 VALUES " + numbers3Rows.join(','));
    database.exec("INSERT INTO ナンバーズ4 VALUES " + numbers4Rows.join(','));

    const QStringList numbers3 = windowPredict<zelpo::CNabazu3>(database.path());
    EXPECT_EQ(numbers3.size(), 5);
    EXPECT_EQ(numbers3, cliPredict("numbers3", database.path()));

    const QStringList numbers4 = windowPredict<zelpo::CNabazu4>(database.path());
    EXPECT_EQ(numbers4.size(), 5);
    EXPECT_EQ(numbers4, cliPredict("numbers4", database.path()));
}

} // namespace
