// SPDX-License-Identifier: MIT
#include "widgets/tickets/balancechart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>

namespace zelpo::tickets {

BalanceChart::BalanceChart(QWidget* parent)
    : QChartView(parent)
{
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("収支の累計（円）"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("yy/MM/dd"));
    x->setTickCount(4);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const QString& name : { QStringLiteral("収支"), QStringLiteral("偶然の期待値") }) {
        auto* series = new QLineSeries;
        series->setName(name);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    auto* chance = qobject_cast<QLineSeries*>(chart->series().at(1));
    QPen dashed = chance->pen();
    dashed.setStyle(Qt::DashLine);
    chance->setPen(dashed);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
}

BalanceChart::~BalanceChart() = default;

void BalanceChart::setBalances(std::span<const BalancePoint> balances)
{
    QList<QPointF> mine;
    QList<QPointF> chance;
    double low = 0;
    double high = 0;
    // A chart a few hundred pixels wide shows no more than this many points;
    // thousands of draw dates would only cost the painting.
    constexpr std::size_t kMostPoints = 600;
    const std::size_t stride = balances.size() / kMostPoints + 1;
    for (std::size_t i = 0; i < balances.size(); ++i) {
        if (i % stride != 0 && i + 1 != balances.size())
            continue;
        const BalancePoint& point = balances[i];
        const QDate date = QDate::fromString(QString::fromStdString(point.date), Qt::ISODate);
        if (!date.isValid())
            continue;
        const auto x = static_cast<double>(QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch());
        mine.append({ x, static_cast<double>(point.balance) });
        chance.append({ x, point.chanceBalance });
        low = std::min({ low, static_cast<double>(point.balance), point.chanceBalance });
        high = std::max({ high, static_cast<double>(point.balance), point.chanceBalance });
    }
    const QList<QAbstractSeries*> series = chart()->series();
    qobject_cast<QLineSeries*>(series.at(0))->replace(mine);
    qobject_cast<QLineSeries*>(series.at(1))->replace(chance);
    auto* x = qobject_cast<QDateTimeAxis*>(chart()->axes(Qt::Horizontal).at(0));
    auto* y = qobject_cast<QValueAxis*>(chart()->axes(Qt::Vertical).at(0));
    if (!mine.isEmpty()) {
        const qint64 first = static_cast<qint64>(mine.front().x());
        const qint64 last = std::max(static_cast<qint64>(mine.back().x()), first + 24 * 3600 * 1000);
        x->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    }
    const double margin = std::max(1000.0, (high - low) * 0.05);
    y->setRange(low - margin, high + margin);
    y->applyNiceNumbers();
}

qsizetype BalanceChart::pointCount(int line) const
{
    return qobject_cast<QLineSeries*>(chart()->series().at(line))->count();
}

} // namespace zelpo::tickets
