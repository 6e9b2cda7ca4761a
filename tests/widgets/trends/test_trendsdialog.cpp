// SPDX-License-Identifier: MIT
#include "cores/analysis/trendsentence.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/trends/trendsdialog.h"
#include "widgets/trends/trendstab.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QSpinBox>
#include <QTabWidget>

using zelpo::analysis::TrendsDialog;
using zelpo::analysis::TrendsTab;
using zelpo::test::TempDatabase;

namespace {

// Runs the window for the game's table and hands the open window to `inspect`.
int withWindow(zelpo::Game game, const QString& database, const std::function<void(TrendsDialog&)>& inspect)
{
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        auto* window = qobject_cast<TrendsDialog*>(&dialog);
        EXPECT_NE(window, nullptr);
        if (window)
            inspect(*window);
        return 0;
    });
    zelpo::analysis::openTrends(nullptr, game, database);
    return handler.runs();
}

QString textOf(const TrendsDialog& window, int id)
{
    auto* label = qobject_cast<QLabel*>(window.control(id));
    return label ? label->text() : QStringLiteral("no label %1").arg(id);
}

QStringList tableOf(const TrendsDialog& window, int tab)
{
    QStringList rows;
    auto* list = qobject_cast<zelpo::ui::ListView*>(window.control(TrendsTab::kTableBase + tab));
    for (int r = 0; list && r < list->itemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->itemText(r, c);
        rows << cells.join(u'|');
    }
    return rows;
}

// The chart's bars and the expected line's heights, as "observed/expected".
QStringList chartOf(const TrendsDialog& window, int tab)
{
    auto* view = qobject_cast<QChartView*>(window.control(TrendsTab::kChartBase + tab));
    QBarSet* bars = nullptr;
    QLineSeries* line = nullptr;
    for (QAbstractSeries* series : view->chart()->series()) {
        if (auto* barSeries = qobject_cast<QBarSeries*>(series))
            bars = barSeries->barSets().value(0);
        line = line ? line : qobject_cast<QLineSeries*>(series);
    }
    QStringList points;
    for (int i = 0; bars && line && i < bars->count(); ++i)
        points << QStringLiteral("%1/%2").arg(bars->at(i)).arg(line->at(i).y());
    return points;
}

// Types a number into the range box and confirms it with Enter, as a user
// does; the Enter is the box's, and the window stays open.
void typeLast(TrendsDialog& window, const QString& number)
{
    auto* box = qobject_cast<QSpinBox*>(window.control(TrendsDialog::kLastId));
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, number);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible()) << "Enter closed the window";
}

struct GameTabs {
    zelpo::Game game;
    const char* title;
    QStringList tabs;
};

class TrendsWindowTabs : public ::testing::TestWithParam<GameTabs> { };

TEST_P(TrendsWindowTabs, HoldASectionEachWithItsChartTableAndWords)
{
    const TempDatabase database;
    const int runs = withWindow(GetParam().game, database.path(), [](TrendsDialog& window) {
        EXPECT_EQ(window.windowTitle(), GetParam().title);
        auto* tabs = qobject_cast<QTabWidget*>(window.control(TrendsDialog::kTabsId));
        ASSERT_NE(tabs, nullptr);
        QStringList titles;
        for (int t = 0; t < tabs->count(); ++t) {
            titles << tabs->tabText(t);
            for (const int base : { TrendsTab::kChartBase, TrendsTab::kTableBase, TrendsTab::kWordsBase })
                EXPECT_FALSE(window.control(base + t)->accessibleName().isEmpty()) << base + t;
            // Both axes say what they count, and the tables keep one width.
            auto* view = qobject_cast<QChartView*>(window.control(TrendsTab::kChartBase + t));
            for (const QAbstractAxis* axis : view->chart()->axes())
                EXPECT_FALSE(axis->titleText().isEmpty()) << t;
            EXPECT_EQ(
                window.control(TrendsTab::kTableBase + t)->width(), window.control(TrendsTab::kTableBase)->width())
                << t;
        }
        EXPECT_EQ(titles, GetParam().tabs);
        EXPECT_FALSE(window.control(TrendsDialog::kLastId)->accessibleName().isEmpty());
        EXPECT_FALSE(window.control(TrendsDialog::kLastId)->isEnabled());
        EXPECT_EQ(textOf(window, TrendsDialog::kWindowId), "集計できる当選数字がありません。");
        EXPECT_EQ(textOf(window, TrendsTab::kWordsBase + 2), "この範囲では回数が少なく、検定はできません。");
    });
    EXPECT_EQ(runs, 1);
}

INSTANTIATE_TEST_SUITE_P(Games, TrendsWindowTabs,
    ::testing::Values(GameTabs { zelpo::Game::Numbers3, "ナンバーズ３　出現傾向",
                          { "桁ごとの数字", "出現間隔", "合計値", "パターン", "奇数・偶数", "大小", "引っ張り" } },
        GameTabs { zelpo::Game::Numbers4, "ナンバーズ４　出現傾向",
            { "桁ごとの数字", "出現間隔", "合計値", "パターン", "奇数・偶数", "大小", "引っ張り" } },
        GameTabs { zelpo::Game::MiniLoto, "ミニロト　出現傾向",
            { "数字の出現回数", "出現間隔", "合計値", "奇数・偶数", "大小", "連続数字", "引っ張り", "ペア" } }));

TEST(TrendsWindow, ShowsTheDrawsThePredictionsReadAndRecomputesForTheLatestN)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    database.addNumbers3(2, 1, 2, 9);
    database.addNumbers3(3, 1, 10, 3); // a draw the predictions leave out
    database.addNumbers3(4, 5, 5, 5);
    withWindow(zelpo::Game::Numbers3, database.path(), [&](TrendsDialog& window) {
        EXPECT_EQ(textOf(window, TrendsDialog::kWindowId), "第1回から第4回までの3回を集計しています。");
        EXPECT_EQ(tableOf(window, 3), QStringList({ "シングル|2|2.16", "ダブル|0|0.81", "トリプル|1|0.03" }));
        EXPECT_EQ(chartOf(window, 3), QStringList({ "2/2.16", "0/0.81", "1/0.03" }));
        EXPECT_EQ(tableOf(window, 1).mid(0, 2), QStringList({ "百の位の0|3|10.00|0.729", "百の位の1|1|10.00|0.900" }));
        EXPECT_TRUE(textOf(window, TrendsTab::kWordsBase + 1).startsWith("出現間隔が長い数字も"));
        EXPECT_EQ(textOf(window, TrendsDialog::kReminderId).toStdString(), zelpo::analysis::independenceNote());

        typeLast(window, "2");
        EXPECT_EQ(window.trends().draws, 2);
        EXPECT_EQ(textOf(window, TrendsDialog::kWindowId), "第2回から第4回までの2回を集計しています。");
        EXPECT_EQ(chartOf(window, 3), QStringList({ "1/1.44", "0/0.54", "1/0.02" }));
        typeLast(window, "1");
        EXPECT_EQ(textOf(window, TrendsDialog::kWindowId), "第4回の1回を集計しています。");
        // More than the draws held: every digit typed is kept, and all draws are counted.
        typeLast(window, "12345");
        EXPECT_EQ(qobject_cast<QSpinBox*>(window.control(TrendsDialog::kLastId))->value(), 12345);
        EXPECT_EQ(window.trends().draws, 3);
        EXPECT_EQ(textOf(window, TrendsDialog::kWindowId),
            "直近12345回は登録されている回数を超えるため、すべての回（第1回から第4回までの3回）を集計しています。");
        typeLast(window, "2");
        QTest::keyClick(window.control(TrendsTab::kTableBase), Qt::Key_Return);
        EXPECT_TRUE(window.isVisible());

        // A read that fails keeps the figures shown, and the box says which.
        const zelpo::ui::MessageRecorder messages;
        {
            const zelpo::test::FileLock lock(database.path());
            typeLast(window, "1");
        }
        EXPECT_EQ(messages.texts(), QStringList({ "　データベースを読み込めませんでした。。" }));
        EXPECT_EQ(window.trends().draws, 2);
        EXPECT_EQ(qobject_cast<QSpinBox*>(window.control(TrendsDialog::kLastId))->value(), 2);
    });
}

TEST(TrendsWindow, SaysWhatEachTestFoundOnceThereAreDrawsEnough)
{
    const TempDatabase database;
    for (int kaisai = 1; kaisai <= 60; ++kaisai)
        database.addNumbers4(kaisai, kaisai % 10, kaisai * 3 % 10, kaisai * 7 % 10, kaisai / 10);
    withWindow(zelpo::Game::Numbers4, database.path(), [&](TrendsDialog& window) {
        const QStringList sentences = textOf(window, TrendsTab::kWordsBase).split(u'\n');
        ASSERT_EQ(sentences.size(), 4);
        EXPECT_TRUE(sentences[0].startsWith("「桁ごとの数字（千の位）」は、偶然だけで")) << sentences[0].toStdString();
        // Each place by its name; category labels that fit lie flat, none cut.
        auto* digits = qobject_cast<QChartView*>(window.control(TrendsTab::kChartBase));
        QStringList places;
        for (const QBarSet* set : qobject_cast<QBarSeries*>(digits->chart()->series().value(0))->barSets())
            places << set->label();
        EXPECT_EQ(places, QStringList({ "千の位", "百の位", "十の位", "一の位" }));
        window.resize(980, 720);
        auto* tabs = qobject_cast<QTabWidget*>(window.control(TrendsDialog::kTabsId));
        tabs->setCurrentIndex(3);
        QApplication::processEvents();
        auto* patterns = qobject_cast<QChartView*>(window.control(TrendsTab::kChartBase + 3));
        auto* categories = qobject_cast<QCategoryAxis*>(patterns->chart()->axes(Qt::Horizontal).value(0));
        ASSERT_NE(categories, nullptr);
        EXPECT_TRUE(categories->categoriesLabels().contains("ダブルダブル"));
        EXPECT_EQ(categories->labelsAngle(), 0);
        typeLast(window, "30");
        EXPECT_EQ(textOf(window, TrendsDialog::kWindowId), "第31回から第60回までの30回を集計しています。");
        EXPECT_TRUE(textOf(window, TrendsTab::kWordsBase + 6).startsWith("「引っ張り」は、"));
    });
}

TEST(TrendsWindow, AFailedReadShowsAMessageInsteadOfTheWindow)
{
    const TempDatabase database;
    const zelpo::ui::MessageRecorder messages;
    int runs = withWindow(zelpo::Game::MiniLoto, database.dir() + "/missing.mdb", [](auto&) {});
    {
        const zelpo::test::FileLock lock(database.path());
        runs += withWindow(zelpo::Game::Numbers3, database.path(), [](auto&) {});
    }
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(messages.texts(),
        QStringList({ "　データベースを読み込めませんでした。。", "　データベースを読み込めませんでした。。" }));
}

TEST(TrendsWindow, OpensFromTheContextMenuOfEveryGameWindowAndItsDrawList)
{
    const TempDatabase database;
    const QString entry = "出現傾向(&T)...";
    zelpo::test::expectContextEntry<zelpo::CNabazu3>(database.path(), entry, "ナンバーズ３　出現傾向");
    zelpo::test::expectContextEntry<zelpo::CNabazu4>(database.path(), entry, "ナンバーズ４　出現傾向");
    zelpo::test::expectContextEntry<zelpo::CMiniroto>(database.path(), entry, "ミニロト　出現傾向");
}

} // namespace
