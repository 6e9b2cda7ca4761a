// SPDX-License-Identifier: MIT
#include "widgets/tickets/ticketeditor.h"

#include "cores/csv/draws.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelpo::tickets {
namespace {

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

constexpr Game kGames[] = { Game::Numbers3, Game::Numbers4, Game::MiniLoto };

QSpinBox* spinBox(QWidget* parent, int lowest, int highest, int value)
{
    auto* box = new QSpinBox(parent);
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

} // namespace

TicketEditor::TicketEditor(const Ticket& ticket, QWidget* parent, std::optional<std::array<int, 3>> nextDraws)
    : QDialog(parent)
    , m_ticket(ticket)
{
    setWindowTitle(ticket.id ? QStringLiteral("購入記録の編集") : QStringLiteral("購入記録の追加"));
    m_game = new QComboBox(this);
    for (const Game game : kGames)
        m_game->addItem(text(gameLabel(game)), static_cast<int>(game));
    m_game->setCurrentIndex(static_cast<int>(ticket.game));
    m_kind = new QComboBox(this);
    m_numbers = new QLineEdit(text(numbersText(ticket.game, ticket.numbers)), this);
    m_numbers->setPlaceholderText(QStringLiteral("123、0123、1-5-12-20-31"));
    m_units = spinBox(this, 1, kMostUnits, ticket.units);
    m_first = spinBox(this, 1, db::csv::kHighestDraw, ticket.firstDraw);
    m_draws = spinBox(this, 1, kMostDraws, ticket.draws);
    m_memo = new QLineEdit(text(ticket.memo), this);
    m_reason = new QLabel(this);
    m_reason->setStyleSheet(QStringLiteral("color: #b02020"));
    m_reason->setWordWrap(true);
    fillKinds(ticket.kind);
    connect(m_game, &QComboBox::currentIndexChanged, this, [this, nextDraws](int index) {
        fillKinds(TicketKind::Straight);
        if (nextDraws && index >= 0 && index < 3)
            m_first->setValue((*nextDraws)[static_cast<std::size_t>(index)]);
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("ゲーム"), m_game);
    form->addRow(QStringLiteral("種類"), m_kind);
    form->addRow(QStringLiteral("数字"), m_numbers);
    form->addRow(QStringLiteral("口数"), m_units);
    form->addRow(QStringLiteral("回号（最初の回）"), m_first);
    form->addRow(QStringLiteral("継続回数"), m_draws);
    form->addRow(QStringLiteral("メモ"), m_memo);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TicketEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TicketEditor::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_reason);
    layout->addWidget(buttons);
}

TicketEditor::~TicketEditor() = default;

void TicketEditor::fillKinds(TicketKind selected)
{
    const auto game = static_cast<Game>(m_game->currentData().toInt());
    m_kind->clear();
    for (const analysis::KindName& kind : analysis::ticketKinds(game)) {
        m_kind->addItem(text(kind.label), static_cast<int>(kind.kind));
        if (kind.kind == selected)
            m_kind->setCurrentIndex(m_kind->count() - 1);
    }
}

void TicketEditor::accept()
{
    Ticket ticket = m_ticket;
    ticket.game = static_cast<Game>(m_game->currentData().toInt());
    ticket.kind = static_cast<TicketKind>(m_kind->currentData().toInt());
    ticket.units = m_units->value();
    ticket.firstDraw = m_first->value();
    ticket.draws = m_draws->value();
    ticket.memo = m_memo->text().toStdString();
    const Parsed parsed = parseNumbers(ticket.game, m_numbers->text().trimmed().toStdString());
    std::optional<std::string> refused = parsed.numbers ? std::nullopt : std::optional(parsed.refusal);
    if (parsed.numbers) {
        ticket.numbers = *parsed.numbers;
        refused = refusal(ticket);
    }
    if (refused) {
        m_reason->setText(QString::fromStdString(*refused));
        return;
    }
    m_ticket = ticket;
    QDialog::accept();
}

} // namespace zelpo::tickets
