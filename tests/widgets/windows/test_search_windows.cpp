// SPDX-License-Identifier: MIT
// The windows and the command line search through the same builders and
// listing functions: on the same file they must list the same rows.
#include "cli/cli.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The rows the command line prints, cells joined by '|' as listRows() joins them.
QStringList cliRows(const QStringList& args, const QString& database)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    zelpo::cli::run(QStringList { "search" } + args + QStringList { "--db", database }, outStream, errStream, {});
    QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_FALSE(lines.isEmpty()) << err.toStdString();
    if (!lines.isEmpty()) {
        const QString count = lines.takeLast();
        EXPECT_EQ(count, QString::number(lines.size()));
    }
    return lines.replaceInStrings(QStringLiteral("\t"), QStringLiteral("|"));
}

// Types DIGITS into the edits ("_" left empty), ticks the kind and searches.
QStringList windowRows(zelpo::ui::TemplateDialog& window, const int* edits, int count, int kind, const QString& digits)
{
    for (int i = 0; i < count; ++i)
        zelpo::test::type(window, edits[i], digits[i] == u'_' ? QString() : QString(digits[i]));
    if (!window.checkBox(kind)->isChecked())
        zelpo::test::click(window, kind);
    zelpo::test::click(window, 1002);
    return zelpo::test::listRows(window, 1003);
}

TEST(SearchAgreement, WindowsAndCommandLineListTheSameRows)
{
    const zelpo::test::TempDatabase database;
    std::mt19937 random(6);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> number(1, 8);
    for (int kaisai = 1; kaisai <= 300; ++kaisai) {
        database.addNumbers3(kaisai, digit(random), digit(random), digit(random), { "123" });
        database.addNumbers4(kaisai, digit(random), digit(random), digit(random), digit(random), { "", "4567" });
        database.addMiniLoto(kaisai, { number(random), number(random), number(random), number(random), number(random) },
            { "7", "1-2-3-4-5" });
    }
    zelpo::ui::MessageRecorder messages;

    static constexpr int kNumbers3Edits[] = { 1012, 1013, 1014 };
    zelpo::CNabazu3 numbers3;
    numbers3.setDatabasePath(database.path());
    numbers3.show();
    for (const QString kind : { "--straight", "--box" }) {
        for (const QString digits : { "1__", "_2_", "__3", "12_", "1_2", "_12", "123", "455" }) {
            EXPECT_EQ(windowRows(numbers3, kNumbers3Edits, 3, kind == "--box" ? 1011 : 1010, digits),
                cliRows({ "numbers3", kind, digits }, database.path()))
                << kind.toStdString() << ' ' << digits.toStdString();
        }
    }

    static constexpr int kNumbers4Edits[] = { 1015, 1012, 1013, 1014 };
    zelpo::CNabazu4 numbers4;
    numbers4.setDatabasePath(database.path());
    numbers4.show();
    for (const QString digits : { "1___", "_2_4", "12__" })
        EXPECT_EQ(windowRows(numbers4, kNumbers4Edits, 4, 1010, digits),
            cliRows({ "numbers4", "--straight", digits }, database.path()))
            << digits.toStdString();
    for (const QString digits : { "1234", "1122", "9990" })
        EXPECT_EQ(windowRows(numbers4, kNumbers4Edits, 4, 1011, digits),
            cliRows({ "numbers4", "--box", digits }, database.path()))
            << digits.toStdString();

    static constexpr int kMiniLotoEdits[] = { 1016, 1015, 1012, 1013, 1014 };
    zelpo::CMiniroto miniloto;
    miniloto.setDatabasePath(database.path());
    miniloto.show();
    for (const QStringList& numbers :
        { QStringList { "1", "2", "3", "4", "5" }, QStringList { "8", "07", "6", "5", "4" } }) {
        for (int i = 0; i < 5; ++i)
            zelpo::test::type(miniloto, kMiniLotoEdits[i], numbers[i]);
        zelpo::test::click(miniloto, 1002);
        EXPECT_EQ(zelpo::test::listRows(miniloto, 1003), cliRows(QStringList { "miniloto" } + numbers, database.path()))
            << numbers.join(' ').toStdString();
    }
}

} // namespace
