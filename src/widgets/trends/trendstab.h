// SPDX-License-Identifier: MIT
// One tab of 出現傾向: a section of the trends as a chart (observed as bars,
// expected as a line with marks), as a table (label, 観測, 期待, and p where
// the rows have one) and in words (a sentence per test, the section's note).
#pragma once

#include "cores/analysis/trends.h"

#include <QWidget>

#include <string>

class QCategoryAxis;
class QChart;
class QLabel;
class QValueAxis;

namespace zelpo::ui {
class ListView;
} // namespace zelpo::ui

namespace zelpo::analysis {

class TrendsTab final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrendsTab)
public:
    // The controls' IDs are the three bases plus the tab's index.
    static constexpr int kChartBase = 1100;
    static constexpr int kTableBase = 1200;
    static constexpr int kWordsBase = 1300;

    // A tab for `section` of `game` ("numbers3", ...); the table has a p
    // column when the section's rows carry one.
    TrendsTab(const std::string& game, const TrendSection& section, int index, QWidget* parent = nullptr);
    ~TrendsTab() override;

    // Shows the section's figures (of the same name as the tab's).
    void show(const TrendSection& section);

private:
    void fillChart(const TrendSection& section);
    void fillTable(const TrendSection& section);
    void fillWords(const TrendSection& section);

    std::string m_game;
    bool m_withP;
    QChart* m_chart;
    QCategoryAxis* m_xAxis;
    QValueAxis* m_yAxis;
    ui::ListView* m_table;
    QLabel* m_words;
};

} // namespace zelpo::analysis
