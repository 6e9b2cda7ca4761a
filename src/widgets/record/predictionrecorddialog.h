// SPDX-License-Identifier: MIT
// 予想の成績: how the program's method would have scored, draw by draw, next
// to what chance gives, and which of the stored predictions won.
#pragma once

#include "data/analysis/recorddata.h"

#include <QDialog>

class QChart;
class QLabel;
class QSpinBox;
class QValueAxis;

namespace zelpo::ui {
class GameWindow;
class ListView;
} // namespace zelpo::ui

namespace zelpo::analysis {

class MoneyPanel;

class PredictionRecordDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PredictionRecordDialog)
public:
    // Control IDs.
    static constexpr int kCloseId = 1;
    static constexpr int kHelpId = 9;         // ヘ　ル　プ, and F1
    static constexpr int kFromId = 1001;      // first target draw
    static constexpr int kToId = 1002;        // last target draw
    static constexpr int kClassListId = 1003; // class, hits, expected, ratio, p
    static constexpr int kVerdictId = 1004;   // one sentence on chance
    static constexpr int kChartId = 1005;     // cumulative hits against expected
    static constexpr int kHitListId = 1006;   // winning stored predictions

    explicit PredictionRecordDialog(StoredDraws draws, QWidget* parent = nullptr);
    ~PredictionRecordDialog() override;

    // The control of that ID, the money part's (MoneyPanel) included.
    QWidget* control(int id) const;
    // The backtest shown now.
    const Record& backtestRecord() const { return m_backtest; }
    // The start page of the manual, whose page on this window the help opens.
    void setHelpPath(const QString& path) { m_help = path; }

private:
    void recompute();
    void fillClasses();
    void fillChart();
    void fillHits(const Record& check);

    StoredDraws m_draws;
    QString m_help;
    Record m_backtest;
    QSpinBox* m_from;
    QSpinBox* m_to;
    ui::ListView* m_classes;
    QLabel* m_verdict;
    QChart* m_chart;
    QValueAxis* m_xAxis;
    QValueAxis* m_yAxis;
    MoneyPanel* m_money;
    ui::ListView* m_hits;
};

// Reads the game's table and runs the window modally over it, its help on
// the manual of start page `help`. A failed read shows a message instead.
void openPredictionRecord(QWidget* owner, Game game, const QString& database, const QString& help = {});

// Gives the game window and its draw list the context-menu entry
// "予想の成績(&S)..." that opens the window on the game window's database.
void offerPredictionRecord(ui::GameWindow& window, QWidget& drawList, Game game);

} // namespace zelpo::analysis
