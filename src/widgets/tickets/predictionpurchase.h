// SPDX-License-Identifier: MIT
// "予想を購入記録へ": the predictions a game window shows become tickets of
// the kind and units the user picks, for the draw they were made for.
#pragma once

#include "cores/tickets/ticket.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QSpinBox;

namespace zelpo::tickets {

// The tickets the predictions make in the kind: those the game sells, each
// for `draw` with `units`; `skipped` gets the texts that make none.
std::vector<Ticket> ticketsOfPredictions(
    Game game, TicketKind kind, int units, int draw, const QStringList& predictions, QStringList& skipped);

class PredictionPurchase final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PredictionPurchase)

public:
    PredictionPurchase(Game game, int draw, QStringList predictions, QWidget* parent = nullptr);
    ~PredictionPurchase() override;

    TicketKind kind() const;
    int units() const;

    QComboBox* kindBox() const { return m_kind; }
    QSpinBox* unitsBox() const { return m_units; }

private:
    QComboBox* m_kind = nullptr;
    QSpinBox* m_units = nullptr;
};

} // namespace zelpo::tickets
