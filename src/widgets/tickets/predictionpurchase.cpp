// SPDX-License-Identifier: MIT
#include "widgets/tickets/predictionpurchase.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelpo::tickets {

std::vector<Ticket> ticketsOfPredictions(
    Game game, TicketKind kind, int units, int draw, const QStringList& predictions, QStringList& skipped)
{
    std::vector<Ticket> tickets;
    skipped.clear();
    for (const QString& prediction : predictions) {
        const Parsed parsed = parseNumbers(game, prediction.trimmed().toStdString());
        Ticket ticket;
        ticket.game = game;
        ticket.kind = kind;
        ticket.units = units;
        ticket.firstDraw = draw;
        ticket.memo = "予想から";
        if (parsed.numbers)
            ticket.numbers = *parsed.numbers;
        if (!parsed.numbers || refusal(ticket)) {
            if (!prediction.trimmed().isEmpty())
                skipped << prediction.trimmed();
            continue;
        }
        tickets.push_back(ticket);
    }
    return tickets;
}

PredictionPurchase::PredictionPurchase(Game game, int draw, QStringList predictions, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("予想を購入記録へ"));
    m_kind = new QComboBox(this);
    for (const analysis::KindName& kind : analysis::ticketKinds(game))
        m_kind->addItem(QString::fromUtf8(kind.label.data(), static_cast<qsizetype>(kind.label.size())),
            static_cast<int>(kind.kind));
    m_units = new QSpinBox(this);
    m_units->setRange(1, kMostUnits);
    auto* shown = new QLabel(predictions.join(QStringLiteral("　")), this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("回号"), new QLabel(QStringLiteral("第%1回").arg(draw), this));
    form->addRow(QStringLiteral("予想"), shown);
    form->addRow(QStringLiteral("種類"), m_kind);
    form->addRow(QStringLiteral("口数"), m_units);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PredictionPurchase::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PredictionPurchase::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PredictionPurchase::~PredictionPurchase() = default;

TicketKind PredictionPurchase::kind() const
{
    return static_cast<TicketKind>(m_kind->currentData().toInt());
}

int PredictionPurchase::units() const
{
    return m_units->value();
}

} // namespace zelpo::tickets
