// SPDX-License-Identifier: MIT
// The Mini Loto table as the windows and the command line read and append it.
#pragma once

#include "cores/miniloto/registration.h"
#include "data/db/query.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace zelpo::miniloto {

inline constexpr QStringView kSearchSql
    = u"SELECT kaisai,NO1,NO2,NO3,NO4,NO5,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5 FROM ミニロト ";
inline constexpr QStringView kPredictionSql = u"SELECT kaisai,NO1,NO2,NO3,NO4,NO5 FROM ミニロト ";
inline constexpr QStringView kAppendSql
    = u"SELECT kaisai,NO1,NO2,NO3,NO4,NO5,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5  FROM ミニロト ";

// "03-09-17-25-30": each number with at least two digits.
QString winningNumbersText(const std::array<int, 5>& numbers);

// Lists the draws the clause admits, each as the seven cells of the draw list:
// draw number, winning numbers (03-09-17-25-30), kounyu1..kounyu5 as stored.
db::Status readDraws(
    const QString& database, const QString& where, const std::function<void(const QStringList& cells)>& onRow);

// The four predictions for the history the clause admits (the windows pass
// "WHERE kaisai>0"), or nothing when the query failed; `status` then tells why.
std::optional<QStringList> predictNext(const QString& database, const QString& where, db::Status* status = nullptr);

// Appends the entry as one row. A draw number that is already stored is
// refused as Failure::Duplicate, also by tables that have no key; a bare
// value that is not all digits (or a text holding a NUL character) as
// Failure::Statement, before the file is opened.
db::Status appendDraw(const QString& database, const QString& where, const DrawEntry& entry);

} // namespace zelpo::miniloto
