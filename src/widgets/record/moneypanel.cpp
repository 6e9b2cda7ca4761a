// SPDX-License-Identifier: MIT
#include "widgets/record/moneypanel.h"

#include "widgets/record/moneyverdict.h"
#include "widgets/record/recordcontrols.h"
#include "widgets/ui/listview.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace zelpo::analysis {
namespace {

// A line needs no more points than the chart has pixels.
constexpr std::size_t kMaxPoints = 1500;

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString groupedYen(Yen yen)
{
    static const QLocale grouped(QLocale::English);
    return grouped.toString(static_cast<qlonglong>(yen));
}

QString yenText(Yen yen)
{
    return groupedYen(yen) + QStringLiteral("円");
}

QString rateText(double rate)
{
    return QString::number(rate * 100, 'f', 1) + u'%';
}

ui::ListView* moneyList(QWidget* parent, int id, const QString& name)
{
    auto* list = withId(new ui::ListView(parent), id, name);
    int column = 0;
    // Headers of two lines keep the eight columns within the window.
    for (const char16_t* header : { u"券種", u"枚数", u"購入額", u"当選額", u"回収率", u"偶然の\n当選額",
             u"偶然の\n回収率", u"配当不明\nの回" }) {
        ui::addColumn(*list, QString::fromUtf16(header), column, 0, column == 0 ? 0 : 1, 40);
        ++column;
    }
    // The header and four kinds, measured from the font: the list is empty here.
    const int rowHeight = list->fontMetrics().height() + 6;
    list->setFixedHeight(list->header()->sizeHint().height() + 4 * rowHeight + 2 * list->frameWidth() + 4);
    return list;
}

void fillMoney(ui::ListView& list, Game game, std::span<const KindMoney> kinds)
{
    const std::span<const KindName> names = ticketKinds(game);
    {
        const ui::ListView::Batch batch(list);
        ui::deleteItems(list);
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const KindMoney& money = kinds[k];
            const int row = static_cast<int>(k);
            const bool bought = money.tickets > 0;
            const QString none = QStringLiteral("－");
            ui::addItem(list, fromView(names[k].label), row, 0);
            ui::addItem(list, QString::number(money.tickets), row, 1);
            ui::addItem(list, yenText(money.cost()), row, 2);
            ui::addItem(list, yenText(money.won), row, 3);
            ui::addItem(list, bought ? rateText(money.returnRate()) : none, row, 4);
            ui::addItem(list, yenText(money.chanceWonYen()), row, 5);
            ui::addItem(list, bought ? rateText(money.chanceReturnRate()) : none, row, 6);
            ui::addItem(list, QString::number(money.drawsWithoutPayouts), row, 7);
        }
    }
    fitColumns(list);
}

} // namespace

MoneyPanel::MoneyPanel(Game game, QWidget* parent)
    : QWidget(parent)
    , m_game(game)
{
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(QStringLiteral("予想を1枚200円で買っていた場合の収支を、各回に公表された配当から"
                                                  "計算しています。偶然の当選額は、同じ回に同じ枚数を"
                                                  "でたらめに買った場合に平均して戻ってくる額です。"),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    m_money = moneyList(this, kMoneyListId, QStringLiteral("券種ごとの収支"));
    layout->addWidget(m_money);
    m_verdict = withId(new QLabel(this), kMoneyVerdictId);
    m_verdict->setWordWrap(true);
    // Room for the longest sentence from the start: the window does not grow
    // when the range changes it.
    m_verdict->setMinimumHeight(4 * m_verdict->fontMetrics().lineSpacing());
    m_verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_verdict);
    auto* nominal
        = withId(new QLabel(QStringLiteral("参考：このくじの払戻率（売上のうち当選金に回る割合）は約%1%です。")
                                .arg(std::lround(nominalPayoutRate(game) * 100)),
                     this),
            kNominalRateId);
    nominal->setWordWrap(true);
    layout->addWidget(nominal);

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("グラフの券種"), this));
    m_kind = withId(new QComboBox(this), kKindId, QStringLiteral("グラフの券種"));
    for (const KindName& kind : ticketKinds(game))
        m_kind->addItem(fromView(kind.label));
    choice->addWidget(m_kind);
    choice->addStretch();
    layout->addLayout(choice);

    // The yen on the y axis are labelled by hand, with thousands separators.
    m_yAxis = new QCategoryAxis;
    m_yAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const DrawChart balance = drawChart(this, kBalanceChartId, QStringLiteral("収支の累計（円）"),
        QStringLiteral("収支の累計と偶然の期待値のグラフ"), m_yAxis);
    m_chart = balance.chart;
    m_xAxis = balance.x;
    QChartView* view = balance.view;
    // Room for a plot of at least 180 pixels under the legend and the x axis.
    view->setMinimumSize(560, 340);
    layout->addWidget(view, 1);

    const QString storedTitle = QStringLiteral("保存されている予想を買っていた場合の収支");
    layout->addWidget(new QLabel(storedTitle, this));
    m_stored = moneyList(this, kStoredMoneyListId, storedTitle);
    layout->addWidget(m_stored);

    connect(m_kind, &QComboBox::currentIndexChanged, this, &MoneyPanel::fillChart);
}

MoneyPanel::~MoneyPanel() = default;

void MoneyPanel::setVerdict(const QString& text)
{
    m_verdict->setText(text);
}

void MoneyPanel::show(const Record& backtest, const Record& stored)
{
    // A record without money counts as one for which nothing was bought.
    const Money none(m_game, Payouts());
    const Money& money = backtest.money() ? *backtest.money() : none;
    fillMoney(*m_money, m_game, money.kinds());
    m_verdict->setText(moneyVerdict(backtest));
    fillMoney(*m_stored, m_game, (stored.money() ? *stored.money() : none).kinds());
    m_balances.clear();
    for (std::size_t k = 0; k < money.kinds().size(); ++k) {
        const std::span<const Balance> balances = money.balances(k);
        m_balances.emplace_back(balances.begin(), balances.end());
    }
    fillChart();
}

void MoneyPanel::fillChart()
{
    m_chart->removeAllSeries();
    const auto kind = static_cast<std::size_t>(std::max(m_kind->currentIndex(), 0));
    const std::vector<Balance> empty;
    const std::vector<Balance>& balances = kind < m_balances.size() ? m_balances[kind] : empty;
    const std::size_t stride = std::max<std::size_t>(1, (balances.size() + kMaxPoints - 1) / kMaxPoints);
    QList<QPointF> own;
    QList<QPointF> chance;
    own.reserve(static_cast<qsizetype>(balances.size() / stride + 2));
    chance.reserve(own.capacity());
    double low = 0;
    double high = 0;
    for (std::size_t i = 0; i < balances.size(); ++i) {
        const Balance& balance = balances[i];
        low = std::min({ low, static_cast<double>(balance.balance), balance.chanceBalance });
        high = std::max({ high, static_cast<double>(balance.balance), balance.chanceBalance });
        if (i % stride == 0 || i + 1 == balances.size()) {
            own.append(QPointF(balance.draw, static_cast<double>(balance.balance)));
            chance.append(QPointF(balance.draw, balance.chanceBalance));
        }
    }
    auto* ownSeries = new QLineSeries;
    ownSeries->setName(m_kind->currentText() + QStringLiteral("の収支"));
    ownSeries->replace(own);
    auto* chanceSeries = new QLineSeries;
    chanceSeries->setName(QStringLiteral("偶然の収支（期待値）"));
    chanceSeries->replace(chance);
    QPen dashed = chanceSeries->pen();
    dashed.setStyle(Qt::DashLine);
    chanceSeries->setPen(dashed);
    for (QLineSeries* series : { ownSeries, chanceSeries }) {
        m_chart->addSeries(series);
        series->attachAxis(m_xAxis);
        series->attachAxis(m_yAxis);
    }
    if (!balances.empty())
        m_xAxis->setRange(balances.front().draw, std::max(balances.back().draw, balances.front().draw + 1));
    // Never narrower than a few tickets, so that the ticks stay on whole yen.
    if (high - low < 1000)
        high = low + 1000;
    m_yAxis->setRange(low, high);
    m_yAxis->applyNiceNumbers();
    for (const QString& label : m_yAxis->categoriesLabels())
        m_yAxis->remove(label);
    const double bottom = m_yAxis->min();
    const double top = m_yAxis->max();
    const double step = (top - bottom) / std::max(m_yAxis->tickCount() - 1, 1);
    m_yAxis->setStartValue(bottom - step);
    for (int tick = 0; tick < m_yAxis->tickCount(); ++tick) {
        const double value = bottom + step * tick;
        m_yAxis->append(groupedYen(std::llround(value)), value);
    }
    m_yAxis->setRange(bottom, top);
}

} // namespace zelpo::analysis
