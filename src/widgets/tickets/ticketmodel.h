// SPDX-License-Identifier: MIT
// The tickets of the 購入記録 window as rows, newest first: what was bought,
// for which draws, and what came of it so far.
#pragma once

#include "data/tickets/ticketrecord.h"

#include <QAbstractTableModel>

namespace zelpo::tickets {

class TicketModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TicketModel)

public:
    enum Column { Id, GameColumn, Kind, Numbers, Units, Draws, Result, Won, Memo, ColumnCount };

    explicit TicketModel(QObject* parent = nullptr);
    ~TicketModel() override;

    // The rows: the record's tickets listed in `rows` (indexes into it).
    void setRows(const TicketRecord* record, std::vector<std::size_t> rows);
    // The index in the record's tickets of a row.
    std::size_t ticketAt(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TicketRecord* m_record = nullptr;
    std::vector<std::size_t> m_rows;
};

// What came of a ticket in a few words: "当せん 1・はずれ 2・未抽せん 3".
QString resultText(std::span<const DrawResult> results);
// One draw's result: "当せん セット（ボックス） 15,000円".
QString resultText(const DrawResult& result);

} // namespace zelpo::tickets
