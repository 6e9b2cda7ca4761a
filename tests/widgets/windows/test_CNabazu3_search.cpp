// SPDX-License-Identifier: MIT
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CNabazu3.h"

#include <gtest/gtest.h>

using zelpo::CNabazu3;
using zelpo::test::click;
using zelpo::test::TempDatabase;
using zelpo::test::type;

namespace {

const QString kNoHits = "　検索内容はありません。。";

class CNabazu3Search : public testing::Test {
protected:
    CNabazu3Search()
    {
        int kaisai = 0;
        for (const char* number : { "123", "132", "213", "231", "312", "321", "124", "112", "121", "211", "122", "111",
                 "470", "407", "740", "074", "347", "400", "777", "440", "404", "044", "090", "909", "110" })
            database.addNumbers3(++kaisai, number[0] - '0', number[1] - '0', number[2] - '0');
        window = std::make_unique<CNabazu3>();
        window->setDatabasePath(database.path());
        window->show();
    }

    // Types the three digits ("_" for an empty input), ticks the kind and
    // searches; returns the winning numbers listed.
    QStringList search(int kindBox, const char* digits)
    {
        for (int i = 0; i < 3; ++i)
            type(*window, 1012 + i, digits[i] == '_' ? QString() : QString(QChar(digits[i])));
        if (!window->checkBox(kindBox)->isChecked())
            click(*window, kindBox);
        click(*window, 1002);
        QStringList numbers;
        for (int r = 0; r < window->listView(1003)->itemCount(); ++r)
            numbers << window->listView(1003)->itemText(r, 1);
        EXPECT_EQ(window->text(1016), QString::number(numbers.size()));
        return numbers;
    }

    static constexpr int kStraight = 1010;
    static constexpr int kBox = 1011;
    TempDatabase database;
    zelpo::ui::MessageRecorder messages;
    std::unique_ptr<CNabazu3> window;
};

TEST_F(CNabazu3Search, StraightMatchesEveryGivenDigitInItsOwnPlace)
{
    EXPECT_EQ(search(kStraight, "123"), QStringList { "123" });
    EXPECT_EQ(search(kStraight, "3_7"), QStringList { "347" });
    EXPECT_EQ(search(kStraight, "__0"), (QStringList { "470", "740", "400", "440", "090", "110" }));
    EXPECT_EQ(search(kStraight, "_4_"), (QStringList { "740", "347", "440", "044" }));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CNabazu3Search, BoxMatchesTheGivenDigitsInAnyArrangementOnce)
{
    EXPECT_EQ(search(kBox, "123"), (QStringList { "123", "132", "213", "231", "312", "321" }));
    EXPECT_EQ(search(kBox, "112"), (QStringList { "112", "121", "211" }));
    EXPECT_EQ(search(kBox, "_21"),
        (QStringList { "123", "132", "213", "231", "312", "321", "124", "112", "121", "211", "122" }));
    EXPECT_EQ(search(kBox, "47_"), (QStringList { "470", "407", "740", "074", "347" }));
    EXPECT_EQ(search(kBox, "4_7"), (QStringList { "470", "407", "740", "074", "347" }));
    EXPECT_EQ(search(kBox, "44_"), (QStringList { "440", "404", "044" }));
    EXPECT_EQ(search(kBox, "__9"), (QStringList { "090", "909" }));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CNabazu3Search, SearchesListRowsAsTheFullListDoes)
{
    database.addNumbers3(26, 0, 5, 6, { "111", "222", "333", "444", "555" });
    search(kStraight, "056");
    EXPECT_EQ(zelpo::test::listRows(*window, 1003), QStringList { "26|056|111|222|333|444|555" });
}

TEST_F(CNabazu3Search, NoHitShowsACountOfZeroAndSaysSo)
{
    search(kBox, "123");
    EXPECT_EQ(search(kBox, "568"), QStringList {});
    EXPECT_EQ(window->text(1016), "0");
    EXPECT_EQ(messages.texts(), QStringList { kNoHits });
}

TEST_F(CNabazu3Search, InputMessagesLeaveListAndCountAsTheyWere)
{
    search(kStraight, "123");
    click(*window, kStraight); // unticks it: now neither is ticked
    click(*window, 1002);
    EXPECT_EQ(messages.texts(), QStringList { "　ボックスかストレートをチェックしてください。。" });

    for (const int kind : { kStraight, kBox }) {
        messages.clear();
        search(kind, "___");
        EXPECT_EQ(messages.texts(), QStringList { "　最低一項目記入してください。。" });
        EXPECT_EQ(zelpo::test::listRows(*window, 1003), QStringList { "1|123|||||" });
        EXPECT_EQ(window->text(1016), "1");
    }
}

// The inputs refuse other characters as they are typed; text put there by
// other means never reaches the query and the search ends without hits.
TEST_F(CNabazu3Search, OtherCharactersEndAsASearchWithoutHits)
{
    search(kBox, "123");
    for (const QString bad : { "'", "a", " ", "%", "１" }) {
        messages.clear();
        window->setText(1012, bad);
        click(*window, 1002);
        EXPECT_EQ(window->listView(1003)->itemCount(), 0) << bad.toStdString();
        EXPECT_EQ(window->text(1016), "0");
        EXPECT_EQ(messages.texts(), QStringList { kNoHits });
    }
}

TEST_F(CNabazu3Search, TheTwoKindsExcludeEachOther)
{
    QCheckBox* straight = window->checkBox(kStraight);
    QCheckBox* box = window->checkBox(kBox);
    click(*window, kStraight);
    click(*window, kBox);
    EXPECT_FALSE(straight->isChecked());
    EXPECT_TRUE(box->isChecked());
    click(*window, kStraight);
    EXPECT_TRUE(straight->isChecked());
    EXPECT_FALSE(box->isChecked());
    click(*window, kStraight);
    EXPECT_FALSE(straight->isChecked());
    EXPECT_FALSE(box->isChecked());
}

TEST_F(CNabazu3Search, ClearEmptiesTheDigitsOnly)
{
    search(kBox, "112");
    click(*window, 1017);
    for (const int id : { 1012, 1013, 1014 })
        EXPECT_EQ(window->text(id), "") << id;
    EXPECT_TRUE(window->checkBox(kBox)->isChecked());
    EXPECT_EQ(window->listView(1003)->itemCount(), 3);
    EXPECT_EQ(window->text(1016), "3");
}

TEST(CNabazu3SearchFailure, AMissingDatabaseIsSaidAndCountsNothing)
{
    const TempDatabase database(TempDatabase::Tables::None);
    zelpo::ui::MessageRecorder messages;
    CNabazu3 window;
    window.setDatabasePath(database.dir() + "/missing.mdb");
    window.show();
    messages.clear();
    type(window, 1014, "5");
    click(window, 1010);
    click(window, 1002);
    EXPECT_EQ(window.text(1016), "");
    EXPECT_EQ(messages.texts(), QStringList { "　データベースを読み込めませんでした。。" });
}

} // namespace
