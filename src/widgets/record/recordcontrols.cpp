// SPDX-License-Identifier: MIT
#include "widgets/record/recordcontrols.h"

#include "widgets/ui/listview.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QValueAxis>

#include <algorithm>

namespace zelpo::analysis {

DrawChart drawChart(QWidget* parent, int id, const QString& yTitle, const QString& name, QValueAxis* y)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* x = new QValueAxis(chart);
    x->setTitleText(QStringLiteral("開催回数"));
    x->setLabelFormat(QStringLiteral("%d"));
    if (y)
        y->setParent(chart);
    else
        y = new QValueAxis(chart);
    y->setTitleText(yTitle);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    auto* view = withId(new QChartView(chart, parent), id, name);
    view->setRenderHint(QPainter::Antialiasing);
    return { chart, x, y, view };
}

void fitColumns(ui::ListView& list)
{
    for (int column = 0; column < list.columnCount(); ++column) {
        // The tree view's own measure of the cells, public through its base.
        const int cells = static_cast<const QAbstractItemView&>(list).sizeHintForColumn(column);
        const int needed = std::max(cells, list.header()->sectionSizeHint(column));
        list.setColumnWidth(column, std::max(list.columnWidth(column), needed));
    }
}

} // namespace zelpo::analysis
