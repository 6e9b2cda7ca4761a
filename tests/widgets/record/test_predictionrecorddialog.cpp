// SPDX-License-Identifier: MIT
#include "data/db/history.h"
#include "data/db/payouts.h"
#include "support/recordwindow.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/record/moneypanel.h"
#include "widgets/record/predictionrecorddialog.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QSpinBox>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

using zelpo::analysis::MoneyPanel;
using zelpo::analysis::PredictionRecordDialog;
using zelpo::test::expectContextEntry;
using zelpo::test::TempDatabase;

using namespace zelpo::test::record;

namespace {

QString verdict(const PredictionRecordDialog& dialog)
{
    return qobject_cast<QLabel*>(dialog.control(PredictionRecordDialog::kVerdictId))->text();
}

// The y axis's labels as the chart prints them.
QStringList yLabels(const PredictionRecordDialog& dialog)
{
    auto* view = qobject_cast<QChartView*>(dialog.control(PredictionRecordDialog::kChartId));
    const auto* axis = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).value(0));
    QStringList labels;
    for (int i = 0; axis && i < axis->tickCount(); ++i) {
        const double value = axis->min() + (axis->max() - axis->min()) * i / (axis->tickCount() - 1);
        labels << QString::asprintf(axis->labelFormat().toLatin1().constData(), value);
    }
    return labels;
}

QLineSeries* lineNamed(const PredictionRecordDialog& dialog, const QString& name)
{
    auto* view = qobject_cast<QChartView*>(dialog.control(PredictionRecordDialog::kChartId));
    for (QAbstractSeries* series : view->chart()->series()) {
        if (series->name() == name)
            return qobject_cast<QLineSeries*>(series);
    }
    return nullptr;
}

TEST(PredictionRecordWindow, ShowsTheBacktestTheChartAndTheStoredHits)
{
    const TempDatabase database;
    // Draw 2 is predicted from draw 1 alone (000 five times), draw 3 from
    // both (123, 000, 000, 200, 300); only the latter's first ticket wins.
    database.addNumbers3(1, 1, 2, 3);
    database.addNumbers3(2, 1, 2, 3);
    database.addNumbers3(3, 1, 2, 3, { "123", "321", "abc", "923", "000" });
    const int runs = withWindow(zelpo::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
        EXPECT_EQ(window.windowTitle(), "ナンバーズ３　予想の成績");
        EXPECT_EQ(rows(window, PredictionRecordDialog::kClassListId),
            QStringList(
                { "ストレート|1|0.01|100.00|0.010", "ボックス|1|0.02|52.63|0.019", "ミニ|1|0.10|10.00|0.095" }));
        EXPECT_EQ(verdict(window),
            "ストレート、ボックスは、偶然で期待されるより多く当たっています（5%水準で偶然を上回っています）。");
        EXPECT_EQ(rows(window, PredictionRecordDialog::kHitListId),
            QStringList({ "3|1|123|ストレート・ボックス・ミニ", "3|2|321|ボックス", "3|4|923|ミニ" }));

        // One hit at most: the axis still counts in distinct steps.
        EXPECT_EQ(yLabels(window), QStringList({ "0.0", "0.5", "1.0", "1.5" }));
        // The longest class text fits its column.
        auto* hitList = qobject_cast<zelpo::ui::ListView*>(window.control(PredictionRecordDialog::kHitListId));
        EXPECT_GE(hitList->columnWidth(3), static_cast<QAbstractItemView*>(hitList)->sizeHintForColumn(3));
        for (const int id :
            { PredictionRecordDialog::kFromId, PredictionRecordDialog::kToId, PredictionRecordDialog::kClassListId,
                PredictionRecordDialog::kHitListId, PredictionRecordDialog::kChartId })
            EXPECT_FALSE(window.control(id)->accessibleName().isEmpty()) << id;

        QLineSeries* boxHits = lineNamed(window, "ボックスの当たり");
        QLineSeries* boxExpected = lineNamed(window, "ボックスの期待値");
        ASSERT_TRUE(boxHits && boxExpected && lineNamed(window, "ミニの当たり") && lineNamed(window, "ミニの期待値"));
        EXPECT_EQ(boxHits->points(), QList<QPointF>({ { 2, 0 }, { 3, 1 } }));
        EXPECT_NEAR(boxExpected->points().back().y(), 0.019, 1e-12);
    });
    EXPECT_EQ(runs, 1);
}

TEST(PredictionRecordWindow, RecomputesWhenTheRangeChanges)
{
    const TempDatabase database;
    for (int kaisai = 1; kaisai <= 3; ++kaisai)
        database.addNumbers3(kaisai, 1, 2, 3);
    withWindow(zelpo::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
        EXPECT_EQ(window.backtestRecord().draws(), 2);
        typeBound(window, PredictionRecordDialog::kFromId, "3");
        EXPECT_EQ(window.backtestRecord().draws(), 1);
        EXPECT_EQ(window.backtestRecord().first(), 3);
        EXPECT_TRUE(rows(window, PredictionRecordDialog::kClassListId)[0].startsWith("ストレート|1|"));

        typeBound(window, PredictionRecordDialog::kFromId, "2");
        typeBound(window, PredictionRecordDialog::kToId, "2");
        EXPECT_EQ(window.backtestRecord().draws(), 1);
        EXPECT_TRUE(rows(window, PredictionRecordDialog::kClassListId)[0].startsWith("ストレート|0|"));
        EXPECT_EQ(verdict(window), "どの等級の当たりも偶然で期待される程度で、5%水準で偶然を上回るものはありません。");

        // A reversed range says so; a range that holds no scorable draw says that.
        typeBound(window, PredictionRecordDialog::kFromId, "3");
        EXPECT_EQ(window.backtestRecord().draws(), 0);
        EXPECT_EQ(verdict(window), "範囲が逆です。始めの第3回が終わりの第2回より後になっています。");
        EXPECT_EQ(qobject_cast<QLabel*>(window.control(MoneyPanel::kMoneyVerdictId))->text(), verdict(window));
        typeBound(window, PredictionRecordDialog::kFromId, "1");
        typeBound(window, PredictionRecordDialog::kToId, "1");
        EXPECT_EQ(verdict(window), "この範囲には成績を付けられる回がありません。");

        QTest::keyClick(window.control(PredictionRecordDialog::kClassListId), Qt::Key_Return);
        EXPECT_TRUE(window.isVisible());
    });
}

TEST(PredictionRecordWindow, MiniLotoChartsClasses3And4TogetherAndMarksTheRareOnes)
{
    const TempDatabase database;
    for (int kaisai = 1; kaisai <= 30; ++kaisai)
        database.addMiniLoto(kaisai, { 1 + kaisai % 7, 9, 14, 20 + kaisai % 5, 31 }, { "5" });
    withWindow(zelpo::Game::MiniLoto, database.path(), [](PredictionRecordDialog& window) {
        EXPECT_EQ(rows(window, PredictionRecordDialog::kClassListId).size(), 4);
        EXPECT_TRUE(rows(window, PredictionRecordDialog::kClassListId)[0].startsWith("1等|"));
        QLineSeries* common = lineNamed(window, "3等・4等の当たり");
        ASSERT_NE(common, nullptr);
        const zelpo::analysis::Record& record = window.backtestRecord();
        EXPECT_EQ(common->points().size(), record.draws());
        EXPECT_EQ(common->points().back().y(), record.classes()[2].hits + record.classes()[3].hits);
        auto* view = qobject_cast<QChartView*>(window.control(PredictionRecordDialog::kChartId));
        EXPECT_EQ(view->chart()->series().size(), 3);
    });
}

TEST(PredictionRecordWindow, AFailedReadShowsAMessageInsteadOfTheWindow)
{
    const TempDatabase database;
    const zelpo::ui::MessageRecorder messages;
    int runs = withWindow(zelpo::Game::Numbers4, database.dir() + "/missing.mdb", [](auto&) {});
    {
        // Another program holds the file longer than the query waits.
        const zelpo::test::FileLock lock(database.path());
        runs += withWindow(zelpo::Game::Numbers4, database.path(), [](auto&) {});
    }
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(messages.messages().size(), 2u);
    for (const zelpo::ui::ShownMessage& message : messages.messages()) {
        EXPECT_EQ(message.text, "　データベースを読み込めませんでした。。");
        EXPECT_EQ(message.icon, zelpo::ui::MessageIcon::Stop);
    }
}

TEST(PredictionRecordWindow, OpensFromTheContextMenuOfEveryGameWindowAndItsDrawList)
{
    const TempDatabase database;
    const QString entry = "予想の成績(&S)...";
    expectContextEntry<zelpo::CNabazu3>(database.path(), entry, "ナンバーズ３　予想の成績");
    expectContextEntry<zelpo::CNabazu4>(database.path(), entry, "ナンバーズ４　予想の成績");
    expectContextEntry<zelpo::CMiniroto>(database.path(), entry, "ミニロト　予想の成績");
}

} // namespace
