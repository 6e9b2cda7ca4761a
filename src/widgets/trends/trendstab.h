// SPDX-License-Identifier: MIT
// One tab of 出現傾向: a section of the trends as a chart (observed as bars,
// expected as a line with marks), as a table (label, 観測, 期待, and p where
// the rows have one) and in words (a sentence per test, the section's note).
#pragma once

#include "cores/analysis/trends.h"

#include <QStringList>
#include <QWidget>

#include <string>

class QCategoryAxis;
class QChart;
class QChartView;
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

    // The width the table needs for its headers and texts, and the width it
    // is given: the window gives every tab's table the same.
    int tableWidth() const { return m_tableWidth; }
    void setTableWidth(int width);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Category labels lie flat when each fits the room its column has.
    void fitLabels();

    void fillChart(const TrendSection& section);
    void fillTable(const TrendSection& section);
    void fillWords(const TrendSection& section);

    std::string m_game;
    bool m_withP;
    int m_tableWidth = 0;
    QStringList m_labels; // the categories of the chart, as labelled
    QChartView* m_view;
    QChart* m_chart;
    QCategoryAxis* m_xAxis;
    QValueAxis* m_yAxis;
    ui::ListView* m_table;
    QLabel* m_words;
};

} // namespace zelpo::analysis
