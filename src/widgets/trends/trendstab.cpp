// SPDX-License-Identifier: MIT
#include "widgets/trends/trendstab.h"

#include "cores/analysis/trendsentence.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/listview.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QStyle>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace zelpo::analysis {
namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// What the chart's categories are (its x axis), and so the first column of
// the section's table, but for the digits' place beside the digit there.
QString categoryTitle(const std::string& game, const std::string& section)
{
    const bool numbers = game != "miniloto";
    if (section == "digits" || section == "numbers" || section == "gaps")
        return QStringLiteral("数字");
    if (section == "odd_even")
        return QStringLiteral("奇数の数");
    if (section == "high_low")
        return numbers ? QStringLiteral("5～9の数") : QStringLiteral("16～31の数");
    if (section == "pulls")
        return numbers ? QStringLiteral("引っ張った位の数") : QStringLiteral("引っ張った数字の数");
    return text(sectionTitle(section));
}

QString labelHeader(const std::string& game, const std::string& section)
{
    const bool byPlace = game != "miniloto" && (section == "digits" || section == "gaps");
    return byPlace ? QStringLiteral("位と数字") : categoryTitle(game, section);
}

// What the bars count: draws, or for gaps the draws since a digit came.
QString valueTitle(const std::string& section)
{
    return section == "gaps" ? QStringLiteral("出ていない回数") : QStringLiteral("回数");
}

// Column i of the chart is labelled on the axis at i. Of many columns, only
// the first and those whose label is a multiple of five are, to stay legible.
void labelColumns(QCategoryAxis& axis, const QStringList& labels)
{
    for (const QString& label : axis.categoriesLabels())
        axis.remove(label);
    axis.setStartValue(-0.5);
    axis.setRange(-0.5, std::max<double>(static_cast<double>(labels.size()), 1) - 0.5);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        if (labels.size() <= 12 || i == 0 || labels[i].toInt() % 5 == 0)
            axis.append(labels[i], static_cast<double>(i));
    }
}

// An axis of counts from 0, in at most five round steps (1, 2 or 5 times a
// power of ten), so that every label is a different whole number.
void countAxis(QValueAxis& axis, double highest)
{
    double step = 1;
    for (double power = 1; step * 5 < highest; power *= 10) {
        for (const double unit : { 1.0, 2.0, 5.0 }) {
            step = unit * power;
            if (step * 5 >= highest)
                break;
        }
    }
    const double top = std::max(1.0, std::ceil(highest / step)) * step;
    axis.setRange(0, top);
    axis.setTickCount(static_cast<int>(std::lround(top / step)) + 1);
}

QString pText(double p)
{
    return p < 0.001 ? QStringLiteral("0.001未満") : QString::number(p, 'f', 3);
}

} // namespace

TrendsTab::TrendsTab(const std::string& game, const TrendSection& section, int index, QWidget* parent)
    : QWidget(parent)
    , m_game(game)
    , m_withP(std::any_of(section.rows.begin(), section.rows.end(), [](const TrendRow& row) { return row.p; }))
{
    const QString title = text(sectionTitle(section.name));
    auto* layout = new QVBoxLayout(this);

    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_xAxis = new QCategoryAxis(m_chart);
    m_xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_xAxis->setTitleText(categoryTitle(game, section.name));
    m_yAxis = new QValueAxis(m_chart);
    m_yAxis->setLabelFormat(QStringLiteral("%d"));
    m_yAxis->setTitleText(valueTitle(section.name));
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    m_view = new QChartView(m_chart, this);
    QChartView* view = m_view;
    ui::identifyControl(*view, kChartBase + index, title + QStringLiteral("の観測と期待のグラフ"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(520, 260);

    m_table = new ui::ListView(this);
    ui::identifyControl(*m_table, kTableBase + index, title + QStringLiteral("の表"));
    QStringList headers { labelHeader(game, section.name), QStringLiteral("観測"), QStringLiteral("期待") };
    if (m_withP)
        headers << QStringLiteral("p");
    int width = 2 * m_table->frameWidth() + m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    // The widest texts of the columns: the longest label, a count or
    // expectation, a p. The labels stay the same whatever the range.
    QString widestLabel;
    for (const TrendRow& row : section.rows) {
        const QString label = text(rowTitle(game, row.label));
        if (m_table->fontMetrics().horizontalAdvance(label) > m_table->fontMetrics().horizontalAdvance(widestLabel))
            widestLabel = label;
    }
    const QStringList widest { widestLabel, QStringLiteral("00000.00"), QStringLiteral("00000.00"),
        QStringLiteral("0.001未満") };
    for (int column = 0; column < headers.size(); ++column) {
        // The label on the left, the figures right-aligned.
        const QFontMetrics metrics = m_table->fontMetrics();
        const int columnWidth
            = std::max(metrics.horizontalAdvance(headers[column]), metrics.horizontalAdvance(widest[column])) + 16;
        ui::addColumn(*m_table, headers[column], column, 0, column == 0 ? 0 : 1, columnWidth);
        width += columnWidth;
    }
    m_tableWidth = width;
    m_table->setFixedWidth(width);

    auto* figures = new QHBoxLayout;
    figures->addWidget(view, 1);
    figures->addWidget(m_table, 0);
    layout->addLayout(figures, 1);

    m_words = new QLabel(this);
    ui::identifyControl(*m_words, kWordsBase + index, title + QStringLiteral("の検定"));
    m_words->setWordWrap(true);
    m_words->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_words);

    show(section);
}

TrendsTab::~TrendsTab() = default;

void TrendsTab::setTableWidth(int width)
{
    m_table->setFixedWidth(std::max(width, m_tableWidth));
}

void TrendsTab::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitLabels();
}

void TrendsTab::fitLabels()
{
    // The plot's width: the view less the value axis with its title and the
    // margins, measured generously.
    const int plotWidth = m_view->width() - 110;
    const QFontMetrics metrics(m_xAxis->labelsFont());
    // The room of a label: the columns between it and the nearest label shown.
    const QStringList shown = m_xAxis->categoriesLabels();
    int widest = 0;
    double gap = static_cast<double>(std::max<qsizetype>(m_labels.size(), 1));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(shown[i]));
        if (i > 0)
            gap = std::min(gap, m_xAxis->endValue(shown[i]) - m_xAxis->endValue(shown[i - 1]));
    }
    const double room
        = static_cast<double>(plotWidth) * gap / static_cast<double>(std::max<qsizetype>(m_labels.size(), 1));
    m_xAxis->setLabelsAngle(widest + 8 <= room ? 0 : -90);
}

void TrendsTab::show(const TrendSection& section)
{
    fillChart(section);
    fillTable(section);
    fillWords(section);
}

void TrendsTab::fillChart(const TrendSection& section)
{
    // The series go with the old figures; the axes stay.
    m_chart->removeAllSeries();
    const std::vector<TrendRow>& rows = section.rows;
    // The digits and gaps of a Numbers game: the ten digits, a bar per position.
    const bool byPosition = m_game != "miniloto" && (section.name == "digits" || section.name == "gaps");
    const std::size_t columns = byPosition ? std::min<std::size_t>(rows.size(), 10) : rows.size();
    auto* bars = new QBarSeries;
    double highest = 0;
    for (std::size_t first = 0; first < rows.size(); first += std::max<std::size_t>(columns, 1)) {
        auto* set = new QBarSet(
            byPosition ? text(placeName(m_game, static_cast<int>(first / 10) + 1)) : QStringLiteral("観測"));
        for (std::size_t i = first; i < first + columns; ++i) {
            set->append(rows[i].observed);
            highest = std::max({ highest, static_cast<double>(rows[i].observed), rows[i].expected });
        }
        bars->append(set);
    }
    auto* expected = new QLineSeries;
    expected->setName(QStringLiteral("期待"));
    expected->setPointsVisible(true);
    QStringList labels;
    for (std::size_t i = 0; i < columns; ++i) {
        labels << (byPosition ? QString::number(i) : text(rowTitle(m_game, rows[i].label)));
        expected->append(static_cast<double>(i), rows[i].expected);
    }
    labelColumns(*m_xAxis, labels);
    m_labels = labels;
    fitLabels();
    for (QAbstractSeries* series : { static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(expected) }) {
        m_chart->addSeries(series);
        series->attachAxis(m_xAxis);
        series->attachAxis(m_yAxis);
    }
    // A little room above the highest bar.
    countAxis(*m_yAxis, highest * 1.05);
}

void TrendsTab::fillTable(const TrendSection& section)
{
    const ui::ListView::Batch batch(*m_table);
    ui::deleteItems(*m_table);
    int r = 0;
    for (const TrendRow& row : section.rows) {
        ui::addItem(*m_table, text(rowTitle(m_game, row.label)), r, 0);
        ui::addItem(*m_table, QString::number(row.observed), r, 1);
        ui::addItem(*m_table, QString::number(row.expected, 'f', 2), r, 2);
        if (m_withP)
            ui::addItem(*m_table, row.p ? pText(*row.p) : QString(), r, 3);
        ++r;
    }
}

void TrendsTab::fillWords(const TrendSection& section)
{
    QStringList words;
    for (const TrendTest& test : section.tests)
        words << QString::fromStdString(testSentence(m_game, section.name, test));
    const std::string note = sectionNote(m_game, section.name);
    if (!note.empty())
        words << QString::fromStdString(note);
    if (words.isEmpty())
        words << QStringLiteral("この範囲では回数が少なく、検定はできません。");
    m_words->setText(words.join(u'\n'));
}

} // namespace zelpo::analysis
