// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CNabazu4.h"

#include <gtest/gtest.h>

using zelpo::CNabazu4;
using zelpo::test::click;
using zelpo::test::TempDatabase;
using zelpo::test::type;

namespace {

const QString kNoHits = "　検索内容はありません。。";
constexpr int kStraight = 1010;
constexpr int kBox = 1011;
// The digit edits from the thousands to the units.
constexpr int kDigitEdits[] = { 1015, 1012, 1013, 1014 };

class CNabazu4Search : public testing::Test {
protected:
    CNabazu4Search()
    {
        int kaisai = 0;
        for (const char* number : { "1234", "4321", "2143", "1233", "1122", "1212", "1221", "2112", "2121", "2211",
                 "1112", "1222", "1120", "1111", "0123", "0999", "9012", "1030" })
            database.addNumbers4(++kaisai, number[0] - '0', number[1] - '0', number[2] - '0', number[3] - '0');
        window = std::make_unique<CNabazu4>();
        window->setDatabasePath(database.path());
        window->show();
    }

    // Types the four digits ("_" for an empty edit), ticks the kind and
    // searches; returns the winning numbers listed.
    QStringList search(int kind, const char* digits)
    {
        for (int i = 0; i < 4; ++i)
            type(*window, kDigitEdits[i], digits[i] == '_' ? QString() : QString(QChar(digits[i])));
        if (!window->checkBox(kind)->isChecked())
            click(*window, kind);
        click(*window, 1002);
        QStringList numbers;
        for (int r = 0; r < window->listView(1003)->itemCount(); ++r)
            numbers << window->listView(1003)->itemText(r, 1);
        return numbers;
    }

    TempDatabase database;
    zelpo::ui::MessageRecorder messages;
    std::unique_ptr<CNabazu4> window;
};

TEST_F(CNabazu4Search, StraightMatchesTheGivenPositionsAndLeavesTheOthersOpen)
{
    EXPECT_EQ(search(kStraight, "0___"), (QStringList { "0123", "0999" }));
    EXPECT_EQ(window->text(1018), "2");
    EXPECT_EQ(search(kStraight, "1_3_"), (QStringList { "1234", "1233", "1030" }));
    EXPECT_EQ(search(kStraight, "__12"), (QStringList { "1212", "2112", "1112", "9012" }));
    EXPECT_EQ(search(kStraight, "1234"), (QStringList { "1234" }));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CNabazu4Search, BoxMatchesEveryArrangementOfTheFourDigitsOnce)
{
    EXPECT_EQ(search(kBox, "1234"), (QStringList { "1234", "4321", "2143" }));
    EXPECT_EQ(search(kBox, "2121"), (QStringList { "1122", "1212", "1221", "2112", "2121", "2211" }));
    EXPECT_EQ(window->text(1018), "6");
    EXPECT_EQ(search(kBox, "2111"), (QStringList { "1112" }));
    EXPECT_EQ(search(kBox, "1111"), (QStringList { "1111" }));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CNabazu4Search, SearchesListRowsAsTheFullListDoes)
{
    database.addNumbers4(19, 0, 0, 5, 6, { "1111", "2222", "3333", "4444", "5555" });
    search(kStraight, "0056");
    EXPECT_EQ(zelpo::test::listRows(*window, 1003), QStringList { "19|0056|1111|2222|3333|4444|5555" });
}

TEST_F(CNabazu4Search, MissingBoxDigitsAreNamedAndNothingIsSearched)
{
    search(kStraight, "1234");
    EXPECT_EQ(search(kBox, "_123"), QStringList { "1234" });
    EXPECT_EQ(search(kBox, "____"), QStringList { "1234" });
    EXPECT_EQ(search(kStraight, "____"), QStringList { "1234" });
    EXPECT_EQ(window->text(1018), "1");
    click(*window, kStraight); // neither kind ticked now
    click(*window, 1002);
    EXPECT_EQ(messages.texts(),
        (QStringList { "　四桁目が記入されてません。。", "　一、二、三、四桁目が記入されてません。。",
            "　最低一項目記入してください。。", "　ボックスかストレートをチェックしてください。。" }));
}

TEST_F(CNabazu4Search, NoHitShowsACountOfZeroAndSaysSo)
{
    search(kBox, "1234");
    EXPECT_EQ(search(kBox, "5678"), QStringList {});
    EXPECT_EQ(window->text(1018), "0");
    EXPECT_EQ(messages.texts(), QStringList { kNoHits });
}

TEST_F(CNabazu4Search, OtherCharactersEndAsASearchWithoutHits)
{
    search(kStraight, "1234");
    for (const QString bad : { "'", "_", "*", "４" }) {
        messages.clear();
        window->setText(1013, bad);
        click(*window, 1002);
        EXPECT_EQ(window->listView(1003)->itemCount(), 0) << bad.toStdString();
        EXPECT_EQ(window->text(1018), "0");
        EXPECT_EQ(messages.texts(), QStringList { kNoHits });
    }
}

TEST_F(CNabazu4Search, KindsExcludeEachOtherAndClearEmptiesTheDigitsOnly)
{
    search(kBox, "1234");
    click(*window, kStraight);
    EXPECT_FALSE(window->checkBox(kBox)->isChecked());
    click(*window, kBox);
    EXPECT_FALSE(window->checkBox(kStraight)->isChecked());
    click(*window, 1017);
    for (const int id : kDigitEdits)
        EXPECT_EQ(window->text(id), "") << id;
    EXPECT_TRUE(window->checkBox(kBox)->isChecked());
    EXPECT_EQ(window->listView(1003)->itemCount(), 3);
    EXPECT_EQ(window->text(1018), "3");
}

} // namespace
