// SPDX-License-Identifier: MIT
// The Numbers 3 table as the window and the command line read it.
#pragma once

#include "db/query.h"
#include "numbers3/statistics.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace zelpo::numbers3 {

inline constexpr QStringView kSearchSql
    = u"SELECT kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5 FROM ナンバーズ3 ";
inline constexpr QStringView kPredictSql = u"SELECT kaisai,N100,N10,N1 FROM ナンバーズ3 ";
inline constexpr QStringView kDataSql = u"SELECT kaisai,N100,N10,N1 FROM ナンバーズ3 ";

// Lists the draws the clause admits, each as the seven cells of the draw list:
// draw number, winning number (047), kounyu1..kounyu5 as stored.
db::Status readDraws(
    const QString& database, const QString& where, const std::function<void(const QStringList& cells)>& onRow);

// The five predictions for the next draw, from the draws the clause admits in
// draw order (the windows pass "WHERE kaisai>0"), or nothing when the query
// failed; `status` then tells why. Every window that predicts calls this.
std::optional<QStringList> predictNext(const QString& database, const QString& where, db::Status* status = nullptr);

// The digit counts per position over the draws the clause admits (the windows
// pass "WHERE kaisai>0"), or nothing when the query failed; `status` then tells why.
std::optional<DigitCounts> digitCounts(const QString& database, const QString& where, db::Status* status = nullptr);

} // namespace zelpo::numbers3
