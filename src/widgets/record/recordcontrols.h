// SPDX-License-Identifier: MIT
// What the parts of 予想の成績 do alike to their controls: the control ID
// and the name a screen reader speaks, charts over the draws, and lists as
// wide as their texts.
#pragma once

#include "widgets/ui/dialogbuilder.h"

#include <QString>
#include <QWidget>

class QChart;
class QChartView;
class QValueAxis;

namespace zelpo::ui {
class ListView;
} // namespace zelpo::ui

namespace zelpo::analysis {

// The new control, identified as ui::identifyControl() does.
template <class Widget>
Widget* withId(Widget* widget, int id, const QString& name = {})
{
    ui::identifyControl(*widget, id, name);
    return widget;
}

// A chart over the draws: x the draw numbers ("開催回数"), y titled
// `yTitle` (the axis `y` when given, a new one otherwise), the legend below,
// in a view of that ID and screen-reader name.
struct DrawChart {
    QChart* chart;
    QValueAxis* x;
    QValueAxis* y;
    QChartView* view;
};
DrawChart drawChart(QWidget* parent, int id, const QString& yTitle, const QString& name, QValueAxis* y = nullptr);

// Widens every column that its header or its longest cell would overflow.
void fitColumns(ui::ListView& list);

} // namespace zelpo::analysis
