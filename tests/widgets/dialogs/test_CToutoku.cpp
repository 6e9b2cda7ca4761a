// SPDX-License-Identifier: MIT
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/dialogs/CToutoku.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QApplication>

#include <gtest/gtest.h>

using zelpo::CToutoku;
using zelpo::test::click;
using zelpo::test::TempDatabase;
using zelpo::test::type;

namespace {

const QString kAll3 = "SELECT * FROM ナンバーズ3 ORDER BY kaisai";
const QString kAll4 = "SELECT * FROM ナンバーズ4 ORDER BY kaisai";
const QString kMissing3 = "　ナンバーズ３に記入漏れがあります。。";
const QString kMissing4 = "　ナンバーズ４に記入漏れがあります。。";

// Eleven Numbers 3 draws whose predictions are 251, 432, 708, 530, 128, and
// five Numbers 4 draws whose predictions are 5678, 0009, 0000, 0608, 0009.
void addHistory(const TempDatabase& database)
{
    const int numbers3[] = { 106, 251, 106, 452, 106, 738, 104, 254, 184, 484, 106 };
    for (int i = 0; i < 11; ++i)
        database.addNumbers3(i + 1, numbers3[i] / 100, numbers3[i] / 10 % 10, numbers3[i] % 10);
    const int numbers4[] = { 1234, 5678, 1234, 5679, 1234 };
    for (int i = 0; i < 5; ++i)
        database.addNumbers4(
            i + 1, numbers4[i] / 1000, numbers4[i] / 100 % 10, numbers4[i] / 10 % 10, numbers4[i] % 10);
}

std::unique_ptr<CToutoku> openWindow(const QString& database)
{
    auto window = std::make_unique<CToutoku>();
    window->m_strDatabase = database;
    window->show();
    return window;
}

QStringList texts(const zelpo::ui::TemplateDialog& window, std::initializer_list<int> ids)
{
    QStringList result;
    for (const int id : ids)
        result << window.text(id);
    return result;
}

QStringList predictions3(const CToutoku& window)
{
    return texts(window, { 1008, 1009, 1012, 1013, 1014 });
}

QStringList predictions4(const CToutoku& window)
{
    return texts(window, { 1017, 1018, 1019, 1020, 1021 });
}

QStringList digits(const CToutoku& window)
{
    return texts(window, { 1005, 1006, 1007, 1022, 1011, 1015, 1016 });
}

// Types the seven digits in Tab order.
void typeDigits(CToutoku& window, const QString& seven)
{
    const int ids[] = { 1005, 1006, 1007, 1022, 1011, 1015, 1016 };
    for (int i = 0; i < 7; ++i)
        type(window, ids[i], seven.mid(i, 1));
}

TEST(ToutokuWindow, HasItsTemplateAndTabOrder)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    EXPECT_EQ(window->windowTitle(), "当選数字登録");
    EXPECT_EQ(window->button(1000)->text(), "追　　加");
    EXPECT_EQ(window->button(1)->text(), "閉　じ　る");
    EXPECT_TRUE(window->button(1)->isDefault());
    for (const int id : { 1004, 1010 })
        EXPECT_TRUE(window->edit(id)->isReadOnly()) << id;
    for (const int id : { 1008, 1009, 1012, 1013, 1014, 1017, 1018, 1019, 1020, 1021 }) {
        ASSERT_NE(window->edit(id), nullptr) << id;
        EXPECT_FALSE(window->edit(id)->isReadOnly()) << id;
    }

    EXPECT_EQ(window->focusWidget(), window->edit(1005));
    QStringList order;
    QWidget* next = window->edit(1005);
    for (int i = 0; i < 8; ++i) {
        next = next->nextInFocusChain();
        while (next->focusPolicy() != Qt::StrongFocus && next->focusPolicy() != Qt::TabFocus)
            next = next->nextInFocusChain();
        order << next->accessibleDescription();
    }
    EXPECT_EQ(order, (QStringList { "1006", "1007", "1022", "1011", "1015", "1016", "1000", "1005" }));
}

TEST(ToutokuWindow, OpensWithBothNextDrawNumbersAndBothGamesPredictions)
{
    const TempDatabase database;
    addHistory(database);
    auto window = openWindow(database.path());
    EXPECT_EQ(window->text(1004), "12");
    EXPECT_EQ(window->text(1010), "6");
    EXPECT_EQ(predictions3(*window), (QStringList { "251", "432", "708", "530", "128" }));
    EXPECT_EQ(predictions4(*window), (QStringList { "5678", "0009", "0000", "0608", "0009" }));
    EXPECT_EQ(digits(*window), QStringList(7, ""));
}

TEST(ToutokuWindow, RegistersBothDrawsAndMovesOnToTheFollowingOnes)
{
    const TempDatabase database;
    addHistory(database);
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    typeDigits(*window, "5071234");
    type(*window, 1013, "it's mine"); // an overtyped prediction is stored as typed
    click(*window, 1000);

    EXPECT_TRUE(messages.messages().empty()) << messages.texts().join('\n').toStdString();
    EXPECT_EQ(database.rows(kAll3).last(), "12|5|0|7|251|432|708|it's mine|128| ");
    EXPECT_EQ(database.rows(kAll4).last(), "6|1|2|3|4|5678|0009|0000|0608|0009| ");
    EXPECT_EQ(digits(*window), QStringList(7, ""));
    EXPECT_EQ(window->text(1004), "13");
    EXPECT_EQ(window->text(1010), "7");
    // The predictions for the following draws, exactly as the game windows compute them.
    EXPECT_EQ(predictions3(*window), (QStringList { "050", "000", "030", "503", "000" }));
    EXPECT_EQ(predictions3(*window), zelpo::numbers3::predictNext(database.path(), "WHERE kaisai>0").value());
    EXPECT_EQ(predictions4(*window), zelpo::numbers4::predictNext(database.path(), "WHERE kaisai>0").value());
    EXPECT_NE(predictions4(*window), (QStringList { "5678", "0009", "0000", "0608", "0009" }));

    // Ready for the next pair at once.
    typeDigits(*window, "0000000");
    click(*window, 1000);
    EXPECT_EQ(database.rows("SELECT kaisai FROM ナンバーズ3 WHERE kaisai=13 AND N100=0"), QStringList { "13" });
    EXPECT_EQ(database.rows("SELECT kaisai FROM ナンバーズ4 WHERE kaisai=7 AND N1000=0"), QStringList { "7" });
}

TEST(ToutokuWindow, AnEmptyDatabaseStartsAtDrawOne)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    EXPECT_EQ(window->text(1004), "1");
    EXPECT_EQ(window->text(1010), "1");
    EXPECT_EQ(predictions3(*window), QStringList(5, "000"));
    EXPECT_EQ(predictions4(*window), QStringList(5, "0000"));
    typeDigits(*window, "0000000");
    click(*window, 1000);
    EXPECT_EQ(database.rows(kAll3), QStringList { "1|0|0|0|000|000|000|000|000| " });
    EXPECT_EQ(database.rows(kAll4), QStringList { "1|0|0|0|0|0000|0000|0000|0000|0000| " });
}

TEST(ToutokuWindow, DigitFieldsTakeOneDigitOnly)
{
    const TempDatabase database;
    auto window = openWindow(database.path());
    for (const int id : { 1005, 1006, 1007, 1022, 1011, 1015, 1016 }) {
        type(*window, id, "a'7 9");
        EXPECT_EQ(window->text(id), "7") << id;
        // Pasted text passes the same check: a full-width digit is no digit here.
        window->edit(id)->clear();
        window->edit(id)->insert("７");
        EXPECT_EQ(window->text(id), "") << id;
    }
}

struct IncompleteCase {
    const char* name;
    std::vector<int> emptied; // fields cleared after everything was filled in
    QStringList messages;
};

class ToutokuIncomplete : public testing::TestWithParam<IncompleteCase> { };

TEST_P(ToutokuIncomplete, StoresNothingAndNamesTheGroups)
{
    const IncompleteCase& c = GetParam();
    const TempDatabase database;
    addHistory(database);
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    typeDigits(*window, "5071234");
    for (const int id : c.emptied)
        type(*window, id, "");
    const QStringList typed = digits(*window);
    const QStringList shown3 = predictions3(*window);
    const QStringList shown4 = predictions4(*window);

    click(*window, 1000);
    EXPECT_EQ(messages.texts(), c.messages);
    for (const auto& message : messages.messages())
        EXPECT_EQ(message.icon, zelpo::ui::MessageIcon::Stop);
    EXPECT_EQ(database.rows(kAll3).size(), 11);
    EXPECT_EQ(database.rows(kAll4).size(), 5);
    EXPECT_EQ(digits(*window), typed);
    EXPECT_EQ(predictions3(*window), shown3);
    EXPECT_EQ(predictions4(*window), shown4);
    EXPECT_EQ(window->text(1004), "12");
    EXPECT_EQ(window->text(1010), "6");
}

INSTANTIATE_TEST_SUITE_P(Registration, ToutokuIncomplete,
    testing::Values(IncompleteCase { "Numbers4Thousands", { 1022 }, { kMissing4 } },
        IncompleteCase { "Numbers4Units", { 1016 }, { kMissing4 } },
        IncompleteCase { "Numbers4Prediction", { 1019 }, { kMissing4 } },
        IncompleteCase { "Numbers3Hundreds", { 1005 }, { kMissing3 } },
        IncompleteCase { "Numbers3Prediction", { 1014 }, { kMissing3 } },
        IncompleteCase { "BothGroups", { 1007, 1011 }, { kMissing4, kMissing3 } },
        IncompleteCase { "NothingTyped", { 1005, 1006, 1007, 1022, 1011, 1015, 1016 }, { kMissing4, kMissing3 } }),
    [](const testing::TestParamInfo<IncompleteCase>& info) { return std::string(info.param.name); });

struct DuplicateCase {
    const char* name;
    bool inNumbers3;
    QString message;
};

class ToutokuDuplicate : public testing::TestWithParam<DuplicateCase> { };

// Draws 1..N-1 and N+1 stored: the count shows N+1, which is taken.
TEST_P(ToutokuDuplicate, StoresNeitherRowAndKeepsEverythingTyped)
{
    const DuplicateCase& c = GetParam();
    const TempDatabase database;
    addHistory(database);
    if (c.inNumbers3) {
        database.exec("DELETE FROM ナンバーズ3 WHERE kaisai=11");
        database.addNumbers3(12, 1, 0, 6);
    } else {
        database.exec("DELETE FROM ナンバーズ4 WHERE kaisai=5");
        database.addNumbers4(6, 1, 2, 3, 4);
    }
    const QStringList before3 = database.rows(kAll3);
    const QStringList before4 = database.rows(kAll4);
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    typeDigits(*window, "5071234");
    type(*window, 1008, "mine");
    const QStringList shown3 = predictions3(*window);
    const QStringList shown4 = predictions4(*window);

    click(*window, 1000);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, c.message);
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::Stop);
    EXPECT_EQ(database.rows(kAll3), before3);
    EXPECT_EQ(database.rows(kAll4), before4);
    EXPECT_EQ(digits(*window), QString("5071234").split("", Qt::SkipEmptyParts));
    EXPECT_EQ(predictions3(*window), shown3);
    EXPECT_EQ(predictions4(*window), shown4);
    EXPECT_EQ(window->text(1004), "12");
    EXPECT_EQ(window->text(1010), "6");
}

INSTANTIATE_TEST_SUITE_P(Registration, ToutokuDuplicate,
    testing::Values(DuplicateCase { "Numbers3", true, "　ナンバーズ３の第12回はすでに登録されています。。" },
        DuplicateCase { "Numbers4", false, "　ナンバーズ４の第6回はすでに登録されています。。" }),
    [](const testing::TestParamInfo<DuplicateCase>& info) { return std::string(info.param.name); });

TEST(ToutokuWindow, ALockedFileIsReportedAndTheInputKept)
{
    const TempDatabase database;
    zelpo::ui::MessageRecorder messages;
    auto window = openWindow(database.path());
    typeDigits(*window, "5071234");
    {
        const zelpo::test::FileLock lock(database.path());
        click(*window, 1000);
    }
    EXPECT_EQ(messages.texts(), QStringList { "　データベースに書き込めませんでした。。" });
    EXPECT_TRUE(database.rows(kAll3).isEmpty());
    EXPECT_TRUE(database.rows(kAll4).isEmpty());
    EXPECT_EQ(digits(*window), QString("5071234").split("", Qt::SkipEmptyParts));

    // Once the file is free again the same input goes in.
    messages.clear();
    click(*window, 1000);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(database.rows(kAll3).size(), 1);
    EXPECT_EQ(database.rows(kAll4).size(), 1);
}

TEST(ToutokuWindow, CloseButtonIsOkAndEscapeCancels)
{
    const TempDatabase database;
    auto closed = openWindow(database.path());
    click(*closed, 1);
    EXPECT_EQ(closed->result(), QDialog::Accepted);

    auto escaped = openWindow(database.path());
    QTest::keyClick(escaped->edit(1005), Qt::Key_Escape);
    EXPECT_EQ(escaped->result(), QDialog::Rejected);
    EXPECT_FALSE(escaped->isVisible());
}

// The button of each game window that opens the registration window.
template <class Window>
constexpr int kOpenButton = 0;
template <>
constexpr int kOpenButton<zelpo::CNabazu3> = 1015;
template <>
constexpr int kOpenButton<zelpo::CNabazu4> = 1016;

template <class Window>
class ToutokuOpener : public testing::Test {
};

using OpenerWindows = testing::Types<zelpo::CNabazu3, zelpo::CNabazu4>;
TYPED_TEST_SUITE(ToutokuOpener, OpenerWindows);

// "閉　じ　る" makes the opener recount its next draw number; Escape does not.
TYPED_TEST(ToutokuOpener, RecountsAfterOkOnly)
{
    const TempDatabase database;
    addHistory(database);
    TypeParam opener;
    opener.setDatabasePath(database.path());
    opener.show();
    const QString before = opener.text(1009);

    for (const int result : { QDialog::Rejected, QDialog::Accepted }) {
        int runs = 0;
        const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
            ++runs;
            auto* registration = dynamic_cast<CToutoku*>(&dialog);
            EXPECT_NE(registration, nullptr);
            if (!registration)
                return 0;
            EXPECT_EQ(registration->parentWidget(), nullptr);
            EXPECT_EQ(registration->m_strDatabase, database.path());
            EXPECT_EQ(registration->focusWidget(), registration->edit(1005));
            typeDigits(*registration, "1111111");
            click(*registration, 1000);
            return result;
        });
        click(opener, kOpenButton<TypeParam>);
        EXPECT_EQ(runs, 1);
    }
    // Escape after the first registration left the number alone; OK after the second showed it.
    const int next = before.toInt() + 2;
    EXPECT_EQ(opener.text(1009), QString::number(next));
    EXPECT_EQ(database.rows(kAll3).size(), 13);
}

TEST(ToutokuOpener, Numbers3PredictsBeforeOpeningAndNumbers4DoesNot)
{
    const TempDatabase database;
    addHistory(database);
    const zelpo::ui::ModalHandler handler([](QDialog&) { return QDialog::Rejected; });

    zelpo::CNabazu3 numbers3;
    numbers3.setDatabasePath(database.path());
    numbers3.show();
    click(numbers3, 1015);
    EXPECT_EQ(texts(numbers3, { 1004, 1005, 1006, 1007, 1008 }), (QStringList { "251", "432", "708", "530", "128" }));

    zelpo::CNabazu4 numbers4;
    numbers4.setDatabasePath(database.path());
    numbers4.show();
    click(numbers4, 1016);
    EXPECT_EQ(texts(numbers4, { 1004, 1005, 1006, 1007, 1008 }), QStringList(5, ""));
}

} // namespace
