// SPDX-License-Identifier: MIT
// The chart of the 購入記録 window: the cumulative balance draw date by draw
// date, beside what chance would have left of the same tickets.
#pragma once

#include "cores/tickets/totals.h"

#include <QChartView>

namespace zelpo::tickets {

class BalanceChart final : public QChartView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BalanceChart)

public:
    explicit BalanceChart(QWidget* parent = nullptr);
    ~BalanceChart() override;

    // Draws the points that have a date (every few of them when there are
    // more than the chart shows, the last always); none leaves it empty.
    void setBalances(std::span<const BalancePoint> balances);
    // The points drawn, per line: the balance, then chance's.
    qsizetype pointCount(int line) const;
};

} // namespace zelpo::tickets
