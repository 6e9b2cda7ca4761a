// SPDX-License-Identifier: MIT
// Entering or editing one ticket: the game, the kind, the numbers, the
// units, the first draw and how many draws, a memo. OK keeps the window open
// and says why while the ticket is one the game does not sell.
#pragma once

#include "cores/tickets/ticket.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zelpo::tickets {

class TicketEditor final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TicketEditor)

public:
    // `ticket` is shown to start with (its game, kind, numbers, draws...).
    // A new ticket (id 0) moves to `nextDraws` of the game picked, when given.
    explicit TicketEditor(
        const Ticket& ticket, QWidget* parent = nullptr, std::optional<std::array<int, 3>> nextDraws = std::nullopt);
    ~TicketEditor() override;

    // The ticket as entered; valid once the dialog was accepted.
    const Ticket& ticket() const { return m_ticket; }

    // The controls, for the tests.
    QComboBox* gameBox() const { return m_game; }
    QComboBox* kindBox() const { return m_kind; }
    QLineEdit* numbersEdit() const { return m_numbers; }
    QSpinBox* unitsBox() const { return m_units; }
    QSpinBox* firstDrawBox() const { return m_first; }
    QSpinBox* drawsBox() const { return m_draws; }
    QLabel* reasonLabel() const { return m_reason; }

    void accept() override;

private:
    void fillKinds(TicketKind selected);

    Ticket m_ticket;
    QComboBox* m_game = nullptr;
    QComboBox* m_kind = nullptr;
    QLineEdit* m_numbers = nullptr;
    QSpinBox* m_units = nullptr;
    QSpinBox* m_first = nullptr;
    QSpinBox* m_draws = nullptr;
    QLineEdit* m_memo = nullptr;
    QLabel* m_reason = nullptr;
};

} // namespace zelpo::tickets
