// SPDX-License-Identifier: MIT
// The 収支 page of 予想の成績: the money per kind, the sentence on it, the
// balance chart, and how they fit the window.
#include "cli/cli.h"
#include "data/db/history.h"
#include "data/db/payouts.h"
#include "support/recordwindow.h"
#include "widgets/record/moneypanel.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QLocale>
#include <QTabWidget>
#include <QTextStream>

#include <algorithm>

using zelpo::analysis::MoneyPanel;
using zelpo::analysis::PredictionRecordDialog;
using zelpo::test::TempDatabase;
using namespace zelpo::test::record;

namespace {

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
    withWindow(zelpo::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
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
    EXPECT_EQ(withWindow(zelpo::Game::Numbers3, database.path(), [](auto&) {}), 0);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "　データベースを読み込めませんでした。。");

    for (const zelpo::Game game : zelpo::kGames)
        database.exec("DROP TABLE " + zelpo::db::payoutTableName(game));
    const int runs = withWindow(zelpo::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
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
    withWindow(zelpo::Game::Numbers3, database.path(), [&](PredictionRecordDialog& window) {
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
    withWindow(zelpo::Game::MiniLoto, database.path(), [](PredictionRecordDialog& window) {
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
    withWindow(zelpo::Game::Numbers3, database.path(), [](PredictionRecordDialog& window) {
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

// Chance's yen in the window and in zelpo-cli backtest: the same figure for
// every kind, a half rounded up (five tickets at 90.5 yen each are 452.5).
TEST(PredictionRecordWindow, ChanceYenAgreeWithTheCommandLine)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    database.addNumbers3(2, 4, 5, 6);
    database.exec("INSERT INTO ナンバーズ3配当 VALUES (2,'2026-01-05',90500,15001,52503,7507,1005)");
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    ASSERT_EQ(zelpo::cli::run({ "backtest", "numbers3", "--db", database.path() }, outStream, errStream, QString()), 0)
        << err.toStdString();
    withWindow(zelpo::Game::Numbers3, database.path(), [&](PredictionRecordDialog& window) {
        const QStringList kinds = rows(window, MoneyPanel::kMoneyListId);
        const QStringList lines = out.split(u'\n');
        const QStringList names { "straight", "box", "set", "mini" };
        ASSERT_EQ(kinds.size(), names.size());
        for (qsizetype k = 0; k < names.size(); ++k) {
            // The money line of the kind: the class lines have five fields, it seven.
            const auto line = std::find_if(lines.begin(), lines.end(),
                [&](const QString& l) { return l.startsWith(names[k] + '\t') && l.split(u'\t').size() == 7; });
            ASSERT_NE(line, lines.end()) << out.toStdString();
            const QString shown = kinds[k].split(u'|')[5];
            EXPECT_EQ(shown, QLocale(QLocale::English).toString(line->split(u'\t')[5].toLongLong()) + "円")
                << names[k].toStdString();
        }
        EXPECT_EQ(kinds[0].split(u'|')[5], "453円");
    });
}

} // namespace
