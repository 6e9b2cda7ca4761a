// SPDX-License-Identifier: MIT
#include "data/db/history.h"
#include "data/db/payouts.h"
#include "support/testdb.h"
#include "support/windows.h"
#include "widgets/record/moneypanel.h"
#include "widgets/record/predictionrecorddialog.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"
#include "widgets/windows/CMiniroto.h"
#include "widgets/windows/CNabazu3.h"
#include "widgets/windows/CNabazu4.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

using zelpo::analysis::MoneyPanel;
using zelpo::analysis::PredictionRecordDialog;
using zelpo::test::expectContextEntry;
using zelpo::test::TempDatabase;

namespace {

QStringList rows(const PredictionRecordDialog& dialog, int id)
{
    QStringList result;
    auto* list = qobject_cast<zelpo::ui::ListView*>(dialog.control(id));
    if (!list)
        return result;
    for (int r = 0; r < list->itemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->itemText(r, c);
        result << cells.join(u'|');
    }
    return result;
}

QString verdict(const PredictionRecordDialog& dialog)
{
    return qobject_cast<QLabel*>(dialog.control(PredictionRecordDialog::kVerdictId))->text();
}

// Types a draw number into a bound and confirms it with Enter, as a user
// does; the Enter is the box's, and the window stays open.
void typeBound(const PredictionRecordDialog& dialog, int id, const QString& number)
{
    auto* bound = qobject_cast<QSpinBox*>(dialog.control(id));
    ASSERT_NE(bound, nullptr);
    bound->selectAll();
    QTest::keyClicks(bound, number);
    QTest::keyClick(bound, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter closed the window";
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

// Runs the window for the game's table and hands the open window to `inspect`.
int withWindow(
    zelpo::db::Game game, const QString& database, const std::function<void(PredictionRecordDialog&)>& inspect)
{
    const zelpo::ui::ModalHandler handler([&](QDialog& dialog) {
        auto* window = qobject_cast<PredictionRecordDialog*>(&dialog);
        EXPECT_NE(window, nullptr);
        if (window)
            inspect(*window);
        return 0;
    });
    zelpo::analysis::openPredictionRecord(nullptr, game, database);
    return handler.runs();
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
    const int runs = withWindow(zelpo::db::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
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
    withWindow(zelpo::db::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
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
    withWindow(zelpo::db::Game::MiniLoto, database.path(), [](PredictionRecordDialog& window) {
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
    int runs = withWindow(zelpo::db::Game::Numbers4, database.dir() + "/missing.mdb", [](auto&) {});
    {
        // Another program holds the file longer than the query waits.
        const zelpo::test::FileLock lock(database.path());
        runs += withWindow(zelpo::db::Game::Numbers4, database.path(), [](auto&) {});
    }
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(messages.messages().size(), 2u);
    for (const zelpo::ui::ShownMessage& message : messages.messages()) {
        EXPECT_EQ(message.text, "　データベースを読み込めませんでした。。");
        EXPECT_EQ(message.icon, zelpo::ui::MessageIcon::Stop);
    }
}

// Draws 1 to 4 all 123, predicted as 000 five times for draw 2 and as 123,
// 000, 000, 200, 300 for draw 3; 123 and 321 stored with draw 3. Draw 2 pays
// no mini, draw 4 has no payouts.
void addMoneyHistory(const TempDatabase& database)
{
    for (int kaisai = 1; kaisai <= 4; ++kaisai)
        database.addNumbers3(kaisai, 1, 2, 3, kaisai == 3 ? QStringList { "123", "321" } : QStringList {});
    database.exec("INSERT INTO ナンバーズ3配当 VALUES (2,'2026-01-05',90000,15000,52500,7500,NULL),"
                  "(3,'2026-01-06',100000,16000,58000,8000,10000)");
}

QString text(const PredictionRecordDialog& dialog, int id)
{
    return qobject_cast<QLabel*>(dialog.control(id))->text();
}

// The balance's line and chance's, as (draw, yen) points.
QList<QPointF> balanceLine(const PredictionRecordDialog& dialog, const QString& name)
{
    auto* view = qobject_cast<QChartView*>(dialog.control(MoneyPanel::kBalanceChartId));
    for (QAbstractSeries* series : view->chart()->series()) {
        if (series->name() == name)
            return qobject_cast<QLineSeries*>(series)->points();
    }
    return { { -1, -1 } };
}

TEST(PredictionRecordWindow, MoneyPerKindBesideChanceForTheMethodAndTheStoredPredictions)
{
    const TempDatabase database;
    addMoneyHistory(database);
    withWindow(zelpo::db::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
        EXPECT_EQ(rows(window, MoneyPanel::kMoneyListId),
            QStringList({ "ストレート|10|2,000円|100,000円|5000.0%|950円|47.5%|1",
                "ボックス|3|600円|16,000円|2666.7%|291円|48.5%|1", "セット|3|600円|58,000円|9666.7%|297円|49.5%|1",
                "ミニ|5|1,000円|10,000円|1000.0%|500円|50.0%|2" }));
        EXPECT_TRUE(text(window, MoneyPanel::kMoneyVerdictId).startsWith("どの券種も、回収率が偶然を上回っています。"));
        EXPECT_EQ(text(window, MoneyPanel::kNominalRateId),
            "参考：このくじの払戻率（売上のうち当選金に回る割合）は約45%です。");
        EXPECT_EQ(rows(window, MoneyPanel::kStoredMoneyListId),
            QStringList({ "ストレート|2|400円|100,000円|25000.0%|200円|50.0%|0",
                "ボックス|2|400円|32,000円|8000.0%|194円|48.5%|0", "セット|2|400円|66,000円|16500.0%|198円|49.5%|0",
                "ミニ|2|400円|10,000円|2500.0%|200円|50.0%|0" }));
        for (const int id : { MoneyPanel::kMoneyListId, MoneyPanel::kKindId, MoneyPanel::kBalanceChartId,
                 MoneyPanel::kStoredMoneyListId })
            EXPECT_FALSE(window.control(id)->accessibleName().isEmpty()) << id;

        // The chart follows the kind picked; a draw left out keeps the balance.
        EXPECT_EQ(
            balanceLine(window, "ストレートの収支"), QList<QPointF>({ { 2, -1000 }, { 3, 98000 }, { 4, 98000 } }));
        EXPECT_EQ(
            balanceLine(window, "偶然の収支（期待値）"), QList<QPointF>({ { 2, -550 }, { 3, -1050 }, { 4, -1050 } }));
        auto* kind = qobject_cast<QComboBox*>(window.control(MoneyPanel::kKindId));
        kind->setCurrentIndex(3);
        EXPECT_EQ(balanceLine(window, "ミニの収支"), QList<QPointF>({ { 2, 0 }, { 3, 9000 }, { 4, 9000 } }));
        EXPECT_EQ(balanceLine(window, "偶然の収支（期待値）"), QList<QPointF>({ { 2, 0 }, { 3, -500 }, { 4, -500 } }));
        QTest::keyClick(kind, Qt::Key_Return);
        EXPECT_TRUE(window.isVisible());

        // Both tables follow the range; the kind picked stays.
        typeBound(window, PredictionRecordDialog::kFromId, "4");
        EXPECT_EQ(rows(window, MoneyPanel::kMoneyListId)[0], "ストレート|0|0円|0円|－|0円|－|1");
        EXPECT_EQ(rows(window, MoneyPanel::kStoredMoneyListId)[0], "ストレート|0|0円|0円|－|0円|－|0");
        EXPECT_EQ(
            text(window, MoneyPanel::kMoneyVerdictId), "この範囲には配当の分かる回がないため、収支を出せません。");
        EXPECT_EQ(balanceLine(window, "ミニの収支"), QList<QPointF>({ { 4, 0 } }));
        typeBound(window, PredictionRecordDialog::kFromId, "3");
        typeBound(window, PredictionRecordDialog::kToId, "3");
        EXPECT_EQ(rows(window, MoneyPanel::kMoneyListId)[1], "ボックス|3|600円|16,000円|2666.7%|291円|48.5%|0");
        EXPECT_EQ(
            rows(window, MoneyPanel::kStoredMoneyListId)[0], "ストレート|2|400円|100,000円|25000.0%|200円|50.0%|0");
    });
}

// A file made before the payout tables opens as before: nothing bought,
// every scored draw without payouts. An amount it cannot read is a failed read.
TEST(PredictionRecordWindow, MoneyOfAFileWithoutPayoutTablesAndOfAnUnreadableOne)
{
    const TempDatabase database;
    addMoneyHistory(database);
    database.exec("UPDATE ナンバーズ3配当 SET box='many' WHERE kaisai=3");
    const zelpo::ui::MessageRecorder messages;
    EXPECT_EQ(withWindow(zelpo::db::Game::Numbers3, database.path(), [](auto&) {}), 0);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "　データベースを読み込めませんでした。。");

    for (const zelpo::db::Game game : zelpo::db::kGames)
        database.exec("DROP TABLE " + zelpo::db::payoutTableName(game));
    const int runs = withWindow(zelpo::db::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
        EXPECT_EQ(rows(window, MoneyPanel::kMoneyListId),
            QStringList({ "ストレート|0|0円|0円|－|0円|－|3", "ボックス|0|0円|0円|－|0円|－|3",
                "セット|0|0円|0円|－|0円|－|3", "ミニ|0|0円|0円|－|0円|－|3" }));
        EXPECT_EQ(rows(window, MoneyPanel::kStoredMoneyListId)[3], "ミニ|0|0円|0円|－|0円|－|1");
        EXPECT_EQ(
            text(window, MoneyPanel::kMoneyVerdictId), "この範囲には配当の分かる回がないため、収支を出せません。");
    });
    EXPECT_EQ(runs, 1);
}

// What the 収支 page says over ranges of the money history: a return above
// chance with the test of the hits behind it, whether the tickets lost
// money, and the draws left out for want of payouts.
TEST(PredictionRecordWindow, MoneySentenceTestsTheHitsBehindAReturnAndNamesTheDrawsLeftOut)
{
    struct Case {
        int from;
        int to;
        QStringList pieces;
    };
    const Case cases[] = {
        { 2, 4,
            { "回収率のもとになった当たりは、ストレートが", "いずれも5%水準で偶然を上回っています。",
                "ストレート・ボックス・セット・ミニは回収率が100%以上で、買った額以上が戻っています。",
                "配当の分からない回は除いて計算しています（ストレートは第4回、ボックスは第4回、セットは第4回、"
                "ミニは第2回から第4回までのうち2回）。" } },
        // Draw 2's five 000 win nothing; its mini is unknown, box and set not sold.
        { 2, 2,
            { "回収率が偶然を下回っているのはストレートです。",
                "ストレートは回収率が100%未満で、買った額より当選額が少なく、損をしています。",
                "配当の分からない回は除いて計算しています（ミニは第2回）。" } },
        { 3, 3, { "どの券種も、回収率が偶然を上回っています。", "買った額以上が戻っています。" } },
    };
    const TempDatabase database;
    addMoneyHistory(database);
    withWindow(zelpo::db::Game::Numbers3, database.path(), [&](PredictionRecordDialog& window) {
        for (const Case& c : cases) {
            typeBound(window, PredictionRecordDialog::kFromId, QString::number(c.from));
            typeBound(window, PredictionRecordDialog::kToId, QString::number(c.to));
            const QString said = text(window, MoneyPanel::kMoneyVerdictId);
            for (const QString& piece : c.pieces)
                EXPECT_TRUE(said.contains(piece)) << c.from << "-" << c.to << ": " << said.toStdString();
            EXPECT_EQ(said.contains("配当の分からない"), c.from != 3) << said.toStdString();
        }
        // The hits and p of the test are the 当たり page's own.
        typeBound(window, PredictionRecordDialog::kFromId, "3");
        typeBound(window, PredictionRecordDialog::kToId, "3");
        const QStringList straight = rows(window, PredictionRecordDialog::kClassListId)[0].split(u'|');
        EXPECT_TRUE(text(window, MoneyPanel::kMoneyVerdictId)
                        .contains("ストレートが" + straight[1] + "回（偶然の期待値" + straight[2] + "回、p値"))
            << text(window, MoneyPanel::kMoneyVerdictId).toStdString();
    });
}

// Mini Loto's one kind, its draws without payouts one span: said in one phrase.
TEST(PredictionRecordWindow, MoneySentenceOfOneKindSaysPlainlyThatItLostMoney)
{
    const TempDatabase database;
    for (int kaisai = 1; kaisai <= 6; ++kaisai)
        database.addMiniLoto(kaisai, { 1 + kaisai, 9, 14, 20 + kaisai, 31 }, { "5" });
    // A yen a prize: whatever the tickets won, they lost money.
    database.exec("INSERT INTO ミニロト配当 VALUES (2,'2026-01-05',1,0,1,0,1,0,1,0),(3,'2026-01-12',1,0,1,0,1,0,1,0)");
    withWindow(zelpo::db::Game::MiniLoto, database.path(), [](PredictionRecordDialog& window) {
        const QString said = text(window, MoneyPanel::kMoneyVerdictId);
        EXPECT_TRUE(said.startsWith("回収率は")) << said.toStdString();
        EXPECT_TRUE(said.contains("。回収率が100%未満で、買った額より当選額が少なく、損をしています。"));
        EXPECT_TRUE(said.endsWith("配当の分からない第4回から第6回までの3回は除いて計算しています。"));
    });
}

// At the window's own size, the 収支 page shows every column of its tables
// and a balance chart with room for its plot and yen written in thousands.
TEST(PredictionRecordWindow, MoneyPageFitsItsTablesAndChartIntoTheWindow)
{
    const TempDatabase database;
    addMoneyHistory(database);
    withWindow(zelpo::db::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
        window.findChild<QTabWidget*>()->setCurrentIndex(1);
        QApplication::processEvents();
        for (const int id : { MoneyPanel::kMoneyListId, MoneyPanel::kStoredMoneyListId }) {
            auto* list = qobject_cast<zelpo::ui::ListView*>(window.control(id));
            int columns = 0;
            for (int c = 0; c < list->columnCount(); ++c) {
                EXPECT_GE(list->columnWidth(c), static_cast<QAbstractItemView*>(list)->sizeHintForColumn(c)) << c;
                columns += list->columnWidth(c);
            }
            EXPECT_LE(columns, list->viewport()->width()) << id;
        }
        auto* view = qobject_cast<QChartView*>(window.control(MoneyPanel::kBalanceChartId));
        EXPECT_GE(view->chart()->plotArea().height(), 180);
        QStringList labels;
        for (const QGraphicsItem* item : view->scene()->items()) {
            if (const auto* label = dynamic_cast<const QGraphicsTextItem*>(item))
                labels << label->toPlainText();
        }
        EXPECT_TRUE(labels.contains("100,000") && labels.contains("-20,000") && labels.contains("4"))
            << labels.join(' ').toStdString();
    });
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
