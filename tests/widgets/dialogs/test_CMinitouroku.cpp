// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/dialogs/CMinitouroku.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CMiniroto.h"

#include <gtest/gtest.h>

using zelpo::CMinitouroku;
using zelpo::test::TempDatabase;

namespace {

constexpr int kNumbers[] = { 1005, 1006, 1007, 1008, 1009 };
constexpr int kPredictions[] = { 1013, 1014, 1015, 1010 };

const QString kAllRows = "SELECT * FROM ミニロト ORDER BY kaisai";

std::unique_ptr<CMinitouroku> openWindow(const QString& database)
{
    auto window = std::make_unique<CMinitouroku>();
    window->m_strDatabase = database;
    window->show();
    return window;
}

void typeNumbers(CMinitouroku& window, const QStringList& numbers)
{
    for (int i = 0; i < 5; ++i)
        zelpo::test::type(window, kNumbers[i], numbers[i]);
}

QStringList texts(const CMinitouroku& window, std::initializer_list<int> ids)
{
    QStringList result;
    for (const int id : ids)
        result << window.text(id);
    return result;
}

QStringList shownPredictions(const CMinitouroku& window)
{
    return texts(window, { 1013, 1014, 1015, 1010 });
}

} // namespace

TEST(MinitourokuWindow, OpensOnTheNextDrawWithTheWindowsPredictions)
{
    const TempDatabase database;
    for (int kaisai = 1; kaisai <= 300; ++kaisai)
        database.addMiniLoto(kaisai, { kaisai % 31 + 1, 4, (kaisai * 5) % 31 + 1, 20, 31 });
    auto window = openWindow(database.path());
    EXPECT_EQ(window->windowTitle(), "ミニロト登録");
    EXPECT_EQ(window->text(1004), "301");
    for (const int id : kNumbers)
        EXPECT_EQ(window->text(id), "") << id;

    zelpo::CMiniroto miniroto;
    miniroto.setDatabasePath(database.path());
    miniroto.show();
    zelpo::test::click(miniroto, 1001);
    EXPECT_EQ(shownPredictions(*window),
        (QStringList { miniroto.text(1004), miniroto.text(1005), miniroto.text(1006), miniroto.text(1007) }));
}

TEST(MinitourokuWindow, AddStoresTheDrawAndMovesOn)
{
    const TempDatabase database;
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    ASSERT_EQ(window->text(1004), "2");
    const QStringList predicted = shownPredictions(*window);

    typeNumbers(*window, { "03", "12", "17", "25", "30" });
    zelpo::test::type(*window, 1012, "7");
    zelpo::test::type(*window, 1015, "my own");
    zelpo::test::click(*window, 1000);

    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(database.rows(kAllRows).value(1),
        "2|3|12|17|25|30|7|" + predicted[0] + "|" + predicted[1] + "|my own|" + predicted[3] + "| ");
    EXPECT_EQ(window->text(1004), "3");
    for (const int id : kNumbers)
        EXPECT_EQ(window->text(id), "") << id;
    EXPECT_EQ(window->text(1012), "7");
    EXPECT_NE(shownPredictions(*window), predicted);

    // A second draw in the same run.
    typeNumbers(*window, { "1", "2", "3", "4", "5" });
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(database.rows(kAllRows).size(), 3);
    EXPECT_EQ(window->text(1004), "4");
}

TEST(MinitourokuWindow, AMissingNumberStoresNothingAndEmptiesTheNumbers)
{
    const TempDatabase database;
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    typeNumbers(*window, { "3", "12", "", "25", "30" });
    zelpo::test::type(*window, 1012, "7");
    zelpo::test::click(*window, 1000);

    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "　ミニロトの当選数字が記入されてません。。");
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::Stop);
    EXPECT_TRUE(database.rows(kAllRows).isEmpty());
    for (const int id : kNumbers)
        EXPECT_EQ(window->text(id), "") << id;
    EXPECT_EQ(window->text(1012), "7");
    EXPECT_EQ(window->text(1004), "1");
}

struct Refusal {
    const char* name;
    TempDatabase::Tables tables;
    bool locked;
    const char* message;
};

class MinitourokuRefusal : public ::testing::TestWithParam<Refusal> { };

TEST_P(MinitourokuRefusal, SaysSoAndKeepsWhatWasTyped)
{
    // Draws 1 and 3 stored: the window offers 3 again.
    const TempDatabase database(GetParam().tables);
    database.addMiniLoto(1, { 1, 2, 3, 4, 5 });
    database.addMiniLoto(3, { 6, 7, 8, 9, 10 });
    const QStringList before = database.rows(kAllRows);
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    ASSERT_EQ(window->text(1004), "3");
    typeNumbers(*window, { "3", "12", "17", "25", "30" });
    zelpo::test::type(*window, 1012, "7");
    zelpo::test::type(*window, 1013, "edited");
    const QStringList typed = texts(*window, { 1004, 1005, 1006, 1007, 1008, 1009, 1012, 1013, 1014, 1015, 1010 });
    {
        std::unique_ptr<zelpo::test::FileLock> lock;
        if (GetParam().locked)
            lock = std::make_unique<zelpo::test::FileLock>(database.path());
        zelpo::test::click(*window, 1000);
    }

    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QString::fromUtf8(GetParam().message));
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::Stop);
    EXPECT_EQ(database.rows(kAllRows), before);
    EXPECT_EQ(texts(*window, { 1004, 1005, 1006, 1007, 1008, 1009, 1012, 1013, 1014, 1015, 1010 }), typed);
}

INSTANTIATE_TEST_SUITE_P(Cases, MinitourokuRefusal,
    ::testing::Values(Refusal { "stored_draw_keyed", TempDatabase::Tables::Keyed, false,
                          "　ミニロトの第3回はすでに登録されています。。" },
        Refusal { "stored_draw_unkeyed", TempDatabase::Tables::Unkeyed, false,
            "　ミニロトの第3回はすでに登録されています。。" },
        Refusal { "locked_file", TempDatabase::Tables::Keyed, true, "　データベースに書き込めませんでした。。" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MinitourokuWindow, QuotesAreStoredAsTyped)
{
    const TempDatabase database;
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    typeNumbers(*window, { "1", "2", "3", "4", "5" });
    zelpo::test::type(*window, 1012, "7'");
    zelpo::test::type(*window, 1010, "it's', 'x");
    zelpo::test::click(*window, 1000);
    EXPECT_TRUE(messages.messages().empty());
    const QStringList rows = database.rows("SELECT kounyu1, kounyu5 FROM ミニロト");
    EXPECT_EQ(rows, QStringList { "7'|it's', 'x" });
}

TEST(MinitourokuWindow, NumbersTakeTwoDigitsOnly)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    for (const int id : kNumbers) {
        zelpo::test::type(*window, id, "a'1,2 3");
        EXPECT_EQ(window->text(id), "12") << id;
    }
}

TEST(MinitourokuWindow, AMissingDatabaseIsNotTakenForSuccess)
{
    const TempDatabase database(TempDatabase::Tables::None);
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.dir() + "/missing.mdb");
    EXPECT_EQ(window->text(1004), "");
    typeNumbers(*window, { "1", "2", "3", "4", "5" });
    zelpo::test::click(*window, 1000);
    EXPECT_EQ(messages.texts(), QStringList { "　データベースに書き込めませんでした。。" });
    EXPECT_EQ(window->text(1005), "1");
}
