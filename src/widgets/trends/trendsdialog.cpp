// SPDX-License-Identifier: MIT
#include "widgets/trends/trendsdialog.h"

#include "cores/analysis/trendsentence.h"
#include "data/analysis/trendsdata.h"
#include "widgets/res/strings.h"
#include "widgets/res/text.h"
#include "widgets/trends/trendstab.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/enterkey.h"
#include "widgets/ui/gamewindow.h"
#include "widgets/ui/help.h"
#include "widgets/ui/modal.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zelpo::analysis {
namespace {

// The largest number the range box takes: far beyond any history, so that
// no digit typed is refused.
constexpr int kMostDraws = 99'999'999;

// Which draws the figures cover; `asked` more than the draws held says that
// all of them are.
QString windowText(const Trends& trends, int asked)
{
    if (trends.draws == 0 || !trends.first || !trends.last)
        return QStringLiteral("集計できる当選数字がありません。");
    const QString span = *trends.first == *trends.last
        ? QStringLiteral("第%1回の%2回").arg(*trends.first).arg(trends.draws)
        : QStringLiteral("第%1回から第%2回までの%3回").arg(*trends.first).arg(*trends.last).arg(trends.draws);
    if (asked > trends.draws)
        return QStringLiteral("直近%1回は登録されている回数を超えるため、すべての回（%2）を集計しています。")
            .arg(asked)
            .arg(span);
    return span + QStringLiteral("を集計しています。");
}

} // namespace

TrendsDialog::TrendsDialog(Game game, Trends all, Reader read, QWidget* parent)
    : QDialog(parent)
    , m_read(std::move(read))
    , m_all(all.draws)
    , m_trends(std::move(all))
{
    setWindowTitle(res::qtext(res::kGameTitles[static_cast<int>(game)]) + QStringLiteral("　出現傾向"));

    auto* layout = new QVBoxLayout(this);
    auto* explanation
        = new QLabel(QStringLiteral("登録されている当選数字の出方を、偶然だけで期待される値と並べて示します。"
                                    "検定は、偏りが偶然の範囲内かどうかを5%水準で調べたものです。"),
            this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* range = new QHBoxLayout;
    m_last = new QSpinBox(this);
    ui::identifyControl(*m_last, kLastId, QStringLiteral("集計する直近の回数"));
    m_last->setRange(1, kMostDraws);
    m_last->setValue(std::max(m_all, 1));
    m_last->setKeyboardTracking(false);
    m_last->setEnabled(m_all > 0);
    range->addWidget(new QLabel(QStringLiteral("直近"), this));
    range->addWidget(m_last);
    range->addWidget(new QLabel(QStringLiteral("回"), this));
    m_window = new QLabel(this);
    ui::identifyControl(*m_window, kWindowId);
    range->addSpacing(12);
    range->addWidget(m_window);
    range->addStretch();
    layout->addLayout(range);

    m_tabs = new QTabWidget(this);
    ui::identifyControl(*m_tabs, kTabsId, QStringLiteral("集計の種類"));
    int tableWidth = 0;
    for (const TrendSection& section : m_trends.sections) {
        auto* tab = new TrendsTab(m_trends.game, section, static_cast<int>(m_sections.size()), m_tabs);
        const std::string_view title = sectionTitle(section.name);
        m_tabs->addTab(tab, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
        m_sections.push_back(tab);
        tableWidth = std::max(tableWidth, tab->tableWidth());
    }
    // One table width across the tabs: the charts keep their place.
    for (TrendsTab* tab : m_sections)
        tab->setTableWidth(tableWidth);
    layout->addWidget(m_tabs, 1);

    const std::string_view reminder = independenceNote();
    auto* independence = new QLabel(QString::fromUtf8(reminder.data(), static_cast<qsizetype>(reminder.size())), this);
    ui::identifyControl(*independence, kReminderId);
    independence->setWordWrap(true);
    layout->addWidget(independence);

    auto* close = new QPushButton(QStringLiteral("閉　じ　る"), this);
    ui::identifyControl(*close, kCloseId);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ui::addHelpButton(
        *this, kHelpId, [this] { return m_help; }, QStringLiteral("trends.html")));
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_last, &QSpinBox::valueChanged, this, &TrendsDialog::applyRange);
    m_window->setText(windowText(m_trends, m_last->value()));
    resize(980, 720);
    // Enter in the range box applies the number and leaves the window open.
    ui::keepOpenOnEnter(*this);
}

TrendsDialog::~TrendsDialog() = default;

QWidget* TrendsDialog::control(int id) const
{
    return ui::findControl(*this, id, Qt::FindChildrenRecursively);
}

void TrendsDialog::applyRange()
{
    const int last = m_last->value();
    std::optional<Trends> trends = m_read(last >= m_all ? std::nullopt : std::optional<int>(last));
    if (!trends) {
        ui::showMessage(this, res::qtext(res::kReadFailed), ui::MessageIcon::Stop);
        // The box goes back to the draws still shown.
        const QSignalBlocker blocker(m_last);
        m_last->setValue(std::max(m_trends.draws, 1));
        return;
    }
    m_trends = std::move(*trends);
    showTrends();
}

void TrendsDialog::showTrends()
{
    m_window->setText(windowText(m_trends, m_last->value()));
    for (std::size_t i = 0; i < m_sections.size() && i < m_trends.sections.size(); ++i)
        m_sections[i]->show(m_trends.sections[i]);
}

void openTrends(QWidget* owner, Game game, const QString& database, const QString& help)
{
    std::optional<Trends> all = readTrends(game, database);
    if (!all) {
        ui::showMessage(owner, res::qtext(res::kReadFailed), ui::MessageIcon::Stop);
        return;
    }
    TrendsDialog dialog(
        game, std::move(*all), [game, database](std::optional<int> last) { return readTrends(game, database, last); },
        owner);
    dialog.setHelpPath(help);
    ui::runModal(dialog);
}

void offerTrends(ui::GameWindow& window, QWidget& drawList, Game game)
{
    window.addContextEntry(drawList, QStringLiteral("出現傾向(&T)..."),
        [&window, game] { openTrends(&window, game, window.databasePath(), window.helpPath()); });
}

} // namespace zelpo::analysis
