// SPDX-License-Identifier: MIT
#include "widgets/tickets/ticketsdialog.h"

#include "data/db/drawcount.h"
#include "data/tickets/ticketstore.h"
#include "widgets/tickets/balancechart.h"
#include "widgets/tickets/ticketeditor.h"
#include "widgets/tickets/ticketmodel.h"
#include "widgets/ui/help.h"
#include "widgets/ui/modal.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace zelpo::tickets {
namespace {

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

QString yen(double value)
{
    return text(yenText(static_cast<Yen>(std::llround(value)))) + u'円';
}

QString percent(double rate)
{
    return QString::number(rate * 100, 'f', 1) + u'%';
}

QString readFailure(const db::Status& status)
{
    return QStringLiteral("　購入記録を読み込めませんでした。。\n") + db::describe(status);
}

} // namespace

TicketsDialog::TicketsDialog(QString database, QString helpPath, std::optional<Game> game, QWidget* parent)
    : QDialog(parent)
    , m_database(std::move(database))
    , m_helpPath(std::move(helpPath))
{
    setWindowTitle(QStringLiteral("購入記録"));
    m_game = new QComboBox(this);
    m_game->addItem(QStringLiteral("すべてのゲーム"), -1);
    for (const Game g : { Game::Numbers3, Game::Numbers4, Game::MiniLoto })
        m_game->addItem(text(gameLabel(g)), static_cast<int>(g));
    if (game)
        m_game->setCurrentIndex(static_cast<int>(*game) + 1);
    m_period = new QComboBox(this);
    m_period->addItems({ QStringLiteral("すべての期間"), QStringLiteral("今年"), QStringLiteral("昨年"),
        QStringLiteral("直近3か月"), QStringLiteral("直近1年") });

    m_model = new TicketModel(this);
    m_list = new QTableView(this);
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_list->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [column, width] : { std::pair { TicketModel::Id, 48 }, std::pair { TicketModel::GameColumn, 90 },
             std::pair { TicketModel::Kind, 80 }, std::pair { TicketModel::Numbers, 110 },
             std::pair { TicketModel::Units, 44 }, std::pair { TicketModel::Draws, 120 },
             std::pair { TicketModel::Result, 200 }, std::pair { TicketModel::Won, 100 } })
        m_list->setColumnWidth(column, width);
    m_draws = new QListWidget(this);

    m_totals = new QLabel(this);
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_sentence = new QLabel(this);
    m_sentence->setWordWrap(true);
    m_chart = new BalanceChart(this);

    m_add = new QPushButton(QStringLiteral("追加(&A)..."), this);
    m_edit = new QPushButton(QStringLiteral("編集(&E)..."), this);
    m_delete = new QPushButton(QStringLiteral("削除(&D)"), this);
    m_help = new QPushButton(QStringLiteral("ヘ　ル　プ"), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);

    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("ゲーム"), this));
    filters->addWidget(m_game);
    filters->addWidget(new QLabel(QStringLiteral("抽せん日"), this));
    filters->addWidget(m_period);
    filters->addStretch();
    for (QPushButton* button : { m_add, m_edit, m_delete })
        filters->addWidget(button);

    auto* lists = new QSplitter(Qt::Vertical, this);
    lists->addWidget(m_list);
    lists->addWidget(m_draws);
    lists->setStretchFactor(0, 3);
    lists->setStretchFactor(1, 1);
    auto* middle = new QSplitter(Qt::Horizontal, this);
    middle->addWidget(lists);
    middle->addWidget(m_chart);
    middle->setStretchFactor(0, 3);
    middle->setStretchFactor(1, 2);
    middle->setSizes({ 640, 440 });

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_help);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(middle, 1);
    layout->addWidget(m_totals);
    layout->addWidget(m_sentence);
    layout->addLayout(bottom);
    resize(1100, 640);

    for (QComboBox* box : { m_game, m_period }) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] { refilter(selected() ? selected()->id : 0); });
    }
    connect(m_add, &QPushButton::clicked, this, &TicketsDialog::onAdd);
    connect(m_edit, &QPushButton::clicked, this, &TicketsDialog::onEdit);
    connect(m_delete, &QPushButton::clicked, this, &TicketsDialog::onDelete);
    connect(m_help, &QPushButton::clicked, this, &TicketsDialog::onHelp);
    connect(close, &QPushButton::clicked, this, &TicketsDialog::accept);
    connect(m_list, &QTableView::doubleClicked, this, &TicketsDialog::onEdit);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &TicketsDialog::onHelp);
    connect(new QShortcut(QKeySequence::Delete, m_list), &QShortcut::activated, this, &TicketsDialog::onDelete);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TicketsDialog::showDrawResults);
    reload();
}

TicketsDialog::~TicketsDialog() = default;

Filter TicketsDialog::filter(const QDate& today) const
{
    Filter filter;
    if (const int game = m_game->currentData().toInt(); game >= 0)
        filter.game = static_cast<Game>(game);
    const auto day = [](const QDate& date) { return date.toString(Qt::ISODate).toStdString(); };
    switch (static_cast<Period>(m_period->currentIndex())) {
    case Period::All:
        break;
    case Period::ThisYear:
        filter.from = day(QDate(today.year(), 1, 1));
        break;
    case Period::LastYear:
        filter.from = day(QDate(today.year() - 1, 1, 1));
        filter.to = day(QDate(today.year() - 1, 12, 31));
        break;
    case Period::ThreeMonths:
        filter.from = day(today.addMonths(-3));
        break;
    case Period::OneYear:
        filter.from = day(today.addYears(-1));
        break;
    }
    return filter;
}

void TicketsDialog::reload()
{
    const std::int64_t kept = selected() ? selected()->id : 0;
    // The rows point into the record: let go of them before it is replaced.
    m_model->setRows(nullptr, {});
    db::Status status;
    m_record = readTicketRecord(m_database, &status);
    if (!m_record)
        ui::showMessage(this, readFailure(status), ui::MessageIcon::Stop);
    refilter(kept);
}

void TicketsDialog::refilter(std::int64_t kept)
{
    m_summary = m_record ? summarize(m_record->tickets, m_record->checked, m_record->book, filter(QDate::currentDate()))
                         : Summary {};
    m_model->setRows(m_record ? &*m_record : nullptr, m_summary.tickets);
    const Totals& t = m_summary.totals;
    m_totals->setText(QStringLiteral(
        "購入 %1　当せん金 %2　収支 %3　払戻率 %4　｜　無作為に買った場合: 当せん金の期待値 %5　払戻率 %6　｜　"
        "未抽せん %7　配当不明 %8")
                          .arg(yen(static_cast<double>(t.cost)), yen(static_cast<double>(t.won)),
                              yen(static_cast<double>(t.balance())), percent(t.returnRate()), yen(t.chanceWon),
                              percent(t.chanceReturnRate()))
                          .arg(t.pending)
                          .arg(t.unknown));
    m_sentence->setText(text(comparison(t)));
    m_chart->setBalances(m_summary.balances);
    // The newest ticket is shown in detail until another is picked.
    if (m_model->rowCount() > 0)
        m_list->selectRow(0);
    select(kept);
    showDrawResults();
}

const Ticket* TicketsDialog::selected() const
{
    if (!m_record || !m_list || !m_list->selectionModel())
        return nullptr;
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.front().row() >= m_model->rowCount())
        return nullptr;
    return &m_record->tickets[m_model->ticketAt(rows.front().row())];
}

void TicketsDialog::select(std::int64_t id)
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_record->tickets[m_model->ticketAt(row)].id == id) {
            m_list->selectRow(row);
            return;
        }
    }
}

void TicketsDialog::showDrawResults()
{
    m_draws->clear();
    const Ticket* ticket = selected();
    if (!ticket)
        return;
    const std::size_t at = static_cast<std::size_t>(ticket - m_record->tickets.data());
    for (const DrawResult& result : m_record->checked.of(at)) {
        const std::string_view date = m_record->book.date(ticket->game, result.draw);
        m_draws->addItem(QStringLiteral("第%1回%2　%3")
                             .arg(result.draw)
                             .arg(date.empty() ? QString() : QStringLiteral("（%1）").arg(text(date)))
                             .arg(resultText(result)));
    }
    if (!ticket->memo.empty())
        m_draws->addItem(QStringLiteral("メモ: ") + text(ticket->memo));
}

void TicketsDialog::onAdd()
{
    Ticket start;
    if (const Ticket* current = selected())
        start = *current;
    start.id = 0;
    start.memo.clear();
    start.entered.clear();
    if (const int game = m_game->currentData().toInt(); game >= 0 && !selected())
        start.game = static_cast<Game>(game);
    std::array<int, 3> nextDraws { 1, 1, 1 };
    for (const Game game : { Game::Numbers3, Game::Numbers4, Game::MiniLoto }) {
        if (const std::optional<db::DrawSpan> stored = db::storedDraws(m_database, game))
            nextDraws[static_cast<std::size_t>(game)] = stored->last + 1;
    }
    start.firstDraw = nextDraws[static_cast<std::size_t>(start.game)];
    TicketEditor editor(start, this, nextDraws);
    if (ui::runModal(editor) != QDialog::Accepted)
        return;
    std::vector<std::int64_t> ids;
    if (const db::Status status = addTickets(m_database, std::span(&editor.ticket(), 1), &ids); !status) {
        ui::showMessage(this, QStringLiteral("　購入記録を書き込めませんでした。。\n") + db::describe(status),
            ui::MessageIcon::Stop);
        return;
    }
    reload();
    select(ids.at(0));
}

void TicketsDialog::onEdit()
{
    const Ticket* ticket = selected();
    if (!ticket)
        return;
    TicketEditor editor(*ticket, this);
    if (ui::runModal(editor) != QDialog::Accepted)
        return;
    bool found = false;
    if (const db::Status status = replaceTicket(m_database, editor.ticket(), found); !status) {
        ui::showMessage(this, QStringLiteral("　購入記録を書き込めませんでした。。\n") + db::describe(status),
            ui::MessageIcon::Stop);
        return;
    }
    reload();
}

void TicketsDialog::onDelete()
{
    const Ticket* ticket = selected();
    if (!ticket)
        return;
    const std::int64_t id = ticket->id;
    const QString question = QStringLiteral("購入記録の番号%1（%2 %3 %4）を削除しますか？")
                                 .arg(id)
                                 .arg(text(gameLabel(ticket->game)), text(kindLabel(ticket->game, ticket->kind)),
                                     text(numbersText(ticket->game, ticket->numbers)));
    if (!ui::askQuestion(this, question))
        return;
    int removed = 0;
    if (const db::Status status = removeTickets(m_database, std::span(&id, 1), removed); !status) {
        ui::showMessage(this, QStringLiteral("　購入記録を書き込めませんでした。。\n") + db::describe(status),
            ui::MessageIcon::Stop);
        return;
    }
    reload();
}

void TicketsDialog::onHelp()
{
    ui::openHelp(this, m_helpPath, QStringLiteral("tickets.html"));
}

} // namespace zelpo::tickets
