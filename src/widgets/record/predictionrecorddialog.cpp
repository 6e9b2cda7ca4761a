// SPDX-License-Identifier: MIT
#include "widgets/record/predictionrecorddialog.h"

#include "cores/analysis/axisscale.h"
#include "widgets/record/moneypanel.h"
#include "widgets/record/recordcontrols.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/enterkey.h"
#include "widgets/ui/gamewindow.h"
#include "widgets/ui/help.h"
#include "widgets/ui/listview.h"
#include "widgets/ui/modal.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace zelpo::analysis {
namespace {

// Results beyond this level of chance count as better than chance.
constexpr double kLevel = 0.05;
// A cumulative line needs no more points than the chart has pixels.
constexpr std::size_t kMaxPoints = 1500;

QString label(const HitClass& hitClass)
{
    return QString::fromUtf8(hitClass.label.data(), static_cast<qsizetype>(hitClass.label.size()));
}

// The charted lines of a game: which classes each pair of lines adds up.
struct ChartLine {
    ClassSet classes;
    QString name;
};

std::vector<ChartLine> chartLines(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return { { 1u << 1, QStringLiteral("ボックス") }, { 1u << 2, QStringLiteral("ミニ") } };
    case Game::Numbers4:
        return { { 1u << 1, QStringLiteral("ボックス") } };
    case Game::MiniLoto:
        return { { (1u << 2) | (1u << 3), QStringLiteral("3等・4等") } };
    }
    return {};
}

} // namespace

PredictionRecordDialog::PredictionRecordDialog(StoredDraws draws, QWidget* parent)
    : QDialog(parent)
    , m_draws(std::move(draws))
    , m_backtest(m_draws.game)
{
    setWindowTitle(res::qtext(res::kGameTitles[static_cast<int>(m_draws.game)]) + QStringLiteral("　予想の成績"));

    int highest = 0;
    for (const Draw& draw : m_draws.draws)
        highest = std::max(highest, draw.kaisai);
    const int lowest = m_draws.draws.empty() ? 1 : std::max(1, m_draws.draws.front().kaisai);

    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(QStringLiteral("各回の直前までの当選数字からこのプログラムが出していた予想を、"
                                                  "その回の当選数字と照らし合わせた成績です。"),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* range = new QHBoxLayout;
    m_from = withId(new QSpinBox(this), kFromId, QStringLiteral("対象の最初の回"));
    m_to = withId(new QSpinBox(this), kToId, QStringLiteral("対象の最後の回"));
    for (QSpinBox* bound : { m_from, m_to }) {
        bound->setRange(1, std::max(highest, 1));
        bound->setKeyboardTracking(false);
    }
    m_from->setValue(lowest);
    m_to->setValue(std::max(highest, 1));
    range->addWidget(new QLabel(QStringLiteral("対象　第"), this));
    range->addWidget(m_from);
    range->addWidget(new QLabel(QStringLiteral("回から第"), this));
    range->addWidget(m_to);
    range->addWidget(new QLabel(QStringLiteral("回まで"), this));
    range->addStretch();
    layout->addLayout(range);

    // The hits on one page, the money on the other.
    auto* tabs = new QTabWidget(this);
    tabs->setAccessibleName(QStringLiteral("当たりと収支"));
    auto* hitsPage = new QWidget(tabs);
    auto* hitsLayout = new QVBoxLayout(hitsPage);
    m_classes = withId(new ui::ListView(hitsPage), kClassListId, QStringLiteral("等級ごとの成績"));
    int column = 0;
    for (const char16_t* header : { u"等級", u"当たり", u"期待値", u"比", u"p値" }) {
        // The class on the left, the figures right-aligned.
        ui::addColumn(*m_classes, QString::fromUtf16(header), column, 0, column == 0 ? 0 : 1, 90);
        ++column;
    }
    // Tall enough for the header and the four Mini Loto classes: the list is
    // still empty here, so the rows are measured from the font, not from an item.
    const int rowHeight = m_classes->fontMetrics().height() + 6;
    m_classes->setFixedHeight(
        m_classes->header()->sizeHint().height() + 4 * rowHeight + 2 * m_classes->frameWidth() + 4);
    hitsLayout->addWidget(m_classes);

    m_verdict = withId(new QLabel(hitsPage), kVerdictId);
    m_verdict->setWordWrap(true);
    hitsLayout->addWidget(m_verdict);

    const DrawChart hits
        = drawChart(hitsPage, kChartId, QStringLiteral("当たりの累計"), QStringLiteral("当たりの累計と期待値のグラフ"));
    m_chart = hits.chart;
    m_xAxis = hits.x;
    m_yAxis = hits.y;
    QChartView* chartView = hits.view;
    chartView->setMinimumSize(560, 280);
    hitsLayout->addWidget(chartView, 1);
    tabs->addTab(hitsPage, QStringLiteral("当たり"));
    m_money = new MoneyPanel(m_draws.game, tabs);
    tabs->addTab(m_money, QStringLiteral("収支"));
    layout->addWidget(tabs, 1);

    const QString hitsTitle = QStringLiteral("保存されている予想の当選確認");
    layout->addWidget(new QLabel(hitsTitle, this));
    m_hits = withId(new ui::ListView(this), kHitListId, hitsTitle);
    column = 0;
    for (const char16_t* header : { u"開催回数", u"予想", u"予想数字", u"等級" }) {
        ui::addColumn(*m_hits, QString::fromUtf16(header), column, 0, 0, column >= 2 ? 120 : 70);
        ++column;
    }
    m_hits->setMinimumHeight(120);
    layout->addWidget(m_hits);

    auto* close = withId(new QPushButton(QStringLiteral("閉　じ　る"), this), kCloseId);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ui::addHelpButton(
        *this, kHelpId, [this] { return m_help; }, QStringLiteral("prediction-record.html")));
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_from, &QSpinBox::valueChanged, this, &PredictionRecordDialog::recompute);
    connect(m_to, &QSpinBox::valueChanged, this, &PredictionRecordDialog::recompute);

    fillHits(checkStored(m_draws));
    recompute();
    // Enter in a range box applies the number and leaves the window open.
    ui::keepOpenOnEnter(*this);
}

PredictionRecordDialog::~PredictionRecordDialog() = default;

QWidget* PredictionRecordDialog::control(int id) const
{
    return ui::findControl(*this, id, Qt::FindChildrenRecursively);
}

void PredictionRecordDialog::recompute()
{
    const int from = m_from->value();
    const int to = m_to->value();
    // A reversed range holds no draw; it is said so rather than shown empty.
    const Range range { from, to };
    m_backtest = from <= to ? backtest(m_draws, range, true) : Record(m_draws.game, true, &m_draws.payouts);
    fillClasses();
    fillChart();
    m_money->show(m_backtest, checkStored(m_draws, range));
    if (from > to) {
        // Both pages give the same reason.
        const QString reversed
            = QStringLiteral("範囲が逆です。始めの第%1回が終わりの第%2回より後になっています。").arg(from).arg(to);
        m_verdict->setText(reversed);
        m_money->setVerdict(reversed);
    }
}

void PredictionRecordDialog::fillClasses()
{
    const std::span<const HitClass> classes = hitClasses(m_backtest.game());
    const std::span<const ClassScore> scores = m_backtest.classes();
    QStringList better;
    {
        const ui::ListView::Batch batch(*m_classes);
        ui::deleteItems(*m_classes);
        for (std::size_t c = 0; c < scores.size(); ++c) {
            const int row = static_cast<int>(c);
            const std::optional<double> ratio = scores[c].ratio();
            ui::addItem(*m_classes, label(classes[c]), row, 0);
            ui::addItem(*m_classes, QString::number(scores[c].hits), row, 1);
            ui::addItem(*m_classes, QString::number(scores[c].expected, 'f', 2), row, 2);
            ui::addItem(*m_classes, ratio ? QString::number(*ratio, 'f', 2) : QStringLiteral("－"), row, 3);
            ui::addItem(*m_classes, QString::number(scores[c].p(), 'f', 3), row, 4);
            if (scores[c].hits > 0 && scores[c].p() < kLevel)
                better << label(classes[c]);
        }
    }
    fitColumns(*m_classes);
    if (m_backtest.draws() == 0)
        m_verdict->setText(QStringLiteral("この範囲には成績を付けられる回がありません。"));
    else if (!better.isEmpty())
        m_verdict->setText(better.join(u'、')
            + QStringLiteral("は、偶然で期待されるより多く当たっています（5%水準で偶然を上回っています）。"));
    else
        m_verdict->setText(
            QStringLiteral("どの等級の当たりも偶然で期待される程度で、5%水準で偶然を上回るものはありません。"));
}

void PredictionRecordDialog::fillChart()
{
    // The series go with the old range; the axes stay.
    m_chart->removeAllSeries();
    const std::vector<Step>& steps = m_backtest.steps();
    const std::size_t stride = std::max<std::size_t>(1, (steps.size() + kMaxPoints - 1) / kMaxPoints);
    const std::size_t classCount = hitClasses(m_backtest.game()).size();
    const auto attach = [&](QXYSeries* series) {
        m_chart->addSeries(series);
        series->attachAxis(m_xAxis);
        series->attachAxis(m_yAxis);
    };

    double top = 1;
    for (const ChartLine& line : chartLines(m_backtest.game())) {
        QList<QPointF> hits;
        QList<QPointF> expected;
        hits.reserve(static_cast<qsizetype>(steps.size() / stride + 2));
        expected.reserve(hits.capacity());
        int hitSum = 0;
        double expectedSum = 0;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            for (std::size_t c = 0; c < classCount; ++c) {
                if ((line.classes >> c) & 1u) {
                    hitSum += steps[i].hits[c];
                    expectedSum += steps[i].expected[c];
                }
            }
            if (i % stride == 0 || i + 1 == steps.size()) {
                hits.append(QPointF(steps[i].draw, hitSum));
                expected.append(QPointF(steps[i].draw, expectedSum));
            }
        }
        top = std::max({ top, static_cast<double>(hitSum), expectedSum });
        auto* hitSeries = new QLineSeries;
        hitSeries->setName(line.name + QStringLiteral("の当たり"));
        hitSeries->replace(hits);
        auto* expectedSeries = new QLineSeries;
        expectedSeries->setName(line.name + QStringLiteral("の期待値"));
        expectedSeries->replace(expected);
        QPen dashed = expectedSeries->pen();
        dashed.setStyle(Qt::DashLine);
        expectedSeries->setPen(dashed);
        attach(hitSeries);
        attach(expectedSeries);
    }
    if (m_backtest.game() == Game::MiniLoto) {
        // The rare classes are marked where they fell, on the line of the common ones.
        auto* marks = new QScatterSeries;
        marks->setName(QStringLiteral("1等・2等の当たり"));
        marks->setMarkerSize(9);
        int common = 0;
        for (const Step& step : steps) {
            common += step.hits[2] + step.hits[3];
            if (step.hits[0] + step.hits[1] > 0)
                marks->append(step.draw, common);
        }
        attach(marks);
    }
    if (!steps.empty())
        m_xAxis->setRange(steps.front().draw, std::max(steps.back().draw, steps.front().draw + 1));
    // A little headroom above the highest line, then the next round number.
    const AxisScale scale = roundAxis(top * 1.05);
    m_yAxis->setRange(0, scale.top);
    m_yAxis->setTickCount(scale.tickCount);
    m_yAxis->setLabelFormat(QStringLiteral("%.%1f").arg(scale.decimals));
}

void PredictionRecordDialog::fillHits(const Record& check)
{
    const std::span<const HitClass> classes = hitClasses(check.game());
    {
        const ui::ListView::Batch batch(*m_hits);
        int row = 0;
        for (const Hit& hit : check.hits()) {
            QStringList won;
            for (std::size_t c = 0; c < classes.size(); ++c) {
                if ((hit.classes >> c) & 1u)
                    won << label(classes[c]);
            }
            ui::addItem(*m_hits, QString::number(hit.draw), row, 0);
            ui::addItem(*m_hits, QString::number(hit.prediction), row, 1);
            ui::addItem(*m_hits, QString::fromStdString(hit.ticket), row, 2);
            ui::addItem(*m_hits, won.join(u'・'), row, 3);
            ++row;
        }
    }
    // Sized once the rows are in: the list is told of them when the batch ends.
    fitColumns(*m_hits);
}

void openPredictionRecord(QWidget* owner, Game game, const QString& database, const QString& help)
{
    std::optional<StoredDraws> draws = readStoredDraws(game, database);
    if (!draws) {
        ui::showMessage(owner, res::qtext(res::kReadFailed), ui::MessageIcon::Stop);
        return;
    }
    PredictionRecordDialog dialog(std::move(*draws), owner);
    dialog.setHelpPath(help);
    ui::runModal(dialog);
}

void offerPredictionRecord(ui::GameWindow& window, QWidget& drawList, Game game)
{
    window.addContextEntry(drawList, QStringLiteral("予想の成績(&S)..."),
        [&window, game] { openPredictionRecord(&window, game, window.databasePath(), window.helpPath()); });
}

} // namespace zelpo::analysis
