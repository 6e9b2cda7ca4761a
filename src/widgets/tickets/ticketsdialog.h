// SPDX-License-Identifier: MIT
// The 購入記録 window: the tickets the user bought with what each won, newest
// first, for a game and a period of draw dates; entering, editing and
// deleting them; the totals beside chance's with a sentence, and the balance
// chart. Everything is read afresh from the database file when it opens and
// after every change.
#pragma once

#include "data/tickets/ticketrecord.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace zelpo::tickets {

class BalanceChart;
class TicketModel;

class TicketsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TicketsDialog)

public:
    // `game` picks the game the filter starts with (all without one).
    TicketsDialog(QString database, QString helpPath, std::optional<Game> game = {}, QWidget* parent = nullptr);
    ~TicketsDialog() override;

    // Whether the file could be read (the window then lists nothing).
    bool readOk() const { return m_record.has_value(); }
    const Summary& summary() const { return m_summary; }

    // The controls, for the tests.
    QComboBox* gameFilter() const { return m_game; }
    QComboBox* periodFilter() const { return m_period; }
    QTableView* list() const { return m_list; }
    QListWidget* drawResults() const { return m_draws; }
    QLabel* totalsLabel() const { return m_totals; }
    QLabel* sentenceLabel() const { return m_sentence; }
    BalanceChart* chart() const { return m_chart; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* helpButton() const { return m_help; }

    // The periods of the filter, in the order of its entries.
    enum class Period { All, ThisYear, LastYear, ThreeMonths, OneYear };
    // The filter of the controls as they stand, `today` the day it is.
    Filter filter(const QDate& today) const;

    void onAdd();
    void onEdit();
    void onDelete();
    void onHelp();

private:
    void reload();
    // Filters the record anew, keeping the ticket `kept` selected when it is still listed.
    void refilter(std::int64_t kept);
    void showDrawResults();
    // The ticket of the selected row, or null.
    const Ticket* selected() const;
    void select(std::int64_t id);

    QString m_database;
    QString m_helpPath;
    std::optional<TicketRecord> m_record;
    Summary m_summary;
    QComboBox* m_game = nullptr;
    QComboBox* m_period = nullptr;
    QTableView* m_list = nullptr;
    TicketModel* m_model = nullptr;
    QListWidget* m_draws = nullptr;
    QLabel* m_totals = nullptr;
    QLabel* m_sentence = nullptr;
    BalanceChart* m_chart = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_help = nullptr;
};

} // namespace zelpo::tickets
