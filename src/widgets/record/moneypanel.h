// SPDX-License-Identifier: MIT
// 収支, the money part of 予想の成績: what buying the predictions would have
// cost and paid, per kind of ticket, beside what as many random tickets of
// the kind would have paid on the same draws; the running balance of the
// kind the user picks against chance's; the same table for the predictions
// stored with the draws, read as the user's purchases.
#pragma once

#include "cores/analysis/record.h"

#include <QWidget>

#include <vector>

class QCategoryAxis;
class QChart;
class QComboBox;
class QLabel;
class QValueAxis;

namespace zelpo::ui {
class ListView;
} // namespace zelpo::ui

namespace zelpo::analysis {

class MoneyPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MoneyPanel)
public:
    // Control IDs, after those of the window.
    static constexpr int kMoneyListId = 1007;       // the method's tickets per kind
    static constexpr int kMoneyVerdictId = 1008;    // one sentence on chance
    static constexpr int kNominalRateId = 1009;     // the game's payout rate, for reference
    static constexpr int kKindId = 1010;            // the kind the chart shows
    static constexpr int kBalanceChartId = 1011;    // cumulative balance beside chance's
    static constexpr int kStoredMoneyListId = 1012; // the stored predictions per kind

    explicit MoneyPanel(Game game, QWidget* parent = nullptr);
    ~MoneyPanel() override;

    // The money of the backtest (counted with its balances) and of the
    // stored predictions; a record without money shows none bought.
    void show(const Record& backtest, const Record& stored);
    // Says `text` in place of the sentence on chance, for a range that
    // cannot be counted.
    void setVerdict(const QString& text);

private:
    void fillChart();

    Game m_game;
    std::vector<std::vector<Balance>> m_balances; // per kind, of the backtest shown
    ui::ListView* m_money;
    QLabel* m_verdict;
    QComboBox* m_kind;
    QChart* m_chart;
    QValueAxis* m_xAxis;
    QCategoryAxis* m_yAxis;
    ui::ListView* m_stored;
};

} // namespace zelpo::analysis
