// SPDX-License-Identifier: MIT
// The Numbers 3 and Numbers 4 tables as the windows and the command line read
// them: one table differs from the other only in its statements and its digit
// columns, so every reader takes the table's description.
#pragma once

#include "cores/numbers/digitchains.h"
#include "cores/numbers/statistics.h"
#include "data/db/query.h"

#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace zelpo::numbers {

struct Table {
    QStringView searchSql;                   // kaisai, the digits, kounyu1..kounyu5
    QStringView predictSql;                  // kaisai and the digits
    QStringView dataSql;                     // kaisai and the digits
    int positions;                           // 3 or 4
    std::array<QStringView, 4> digitColumns; // most significant first; `positions` of them
};

// Lists the draws the clause admits, each as the seven cells of the draw list:
// draw number, winning number (047), kounyu1..kounyu5 as stored.
db::Status readDraws(const Table& table, const QString& database, const QString& where,
    const std::function<void(const QStringList& cells)>& onRow);

// How a game turns the choices of its digit chains into its five texts.
template <std::size_t Positions>
using Composition = Predictions (*)(const DigitChains<Positions>&);

// The five predictions for the next draw, from the draws the clause admits in
// draw order (the windows pass "WHERE kaisai>0"), or nothing when the query
// failed; `status` then tells why.
template <std::size_t Positions>
std::optional<QStringList> predictNext(const Table& table, Composition<Positions> compose, const QString& database,
    const QString& where, db::Status* status = nullptr);

extern template std::optional<QStringList> predictNext<3>(
    const Table&, Composition<3>, const QString&, const QString&, db::Status*);
extern template std::optional<QStringList> predictNext<4>(
    const Table&, Composition<4>, const QString&, const QString&, db::Status*);

// The digit counts per position over the draws the clause admits (the windows
// pass "WHERE kaisai>0"), or nothing when the query failed; `status` then tells why.
std::optional<DigitCounts> digitCounts(
    const Table& table, const QString& database, const QString& where, db::Status* status = nullptr);

} // namespace zelpo::numbers
