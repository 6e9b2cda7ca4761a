// SPDX-License-Identifier: MIT
// The number the next draw will get: the count of stored draws plus one.
#pragma once

#include "data/db/query.h"
#include "data/db/schema.h"

#include <optional>

namespace zelpo::db {

// Runs `fixedSql` (a "SELECT kaisai FROM ..." text) with `where` and returns
// the number of rows plus one, or nothing when the query failed. The stored
// draw numbers play no part: draws 1..499 and 501 also give 501. For the
// three count texts below, a row whose draw number or winning numbers cannot
// be read fails the count, as it fails every other reader of the table.
std::optional<int> nextDrawNumber(
    const QString& database, QStringView fixedSql, const QString& where, Status* status = nullptr);

// The count texts of the windows.
inline constexpr QStringView kCountNumbers3 = u"SELECT kaisai FROM ナンバーズ3 ";
inline constexpr QStringView kCountNumbers4 = u"SELECT kaisai FROM ナンバーズ4 ";
inline constexpr QStringView kCountMiniLoto = u"SELECT kaisai FROM  ミニロト ";

// The standard clauses.
inline const QString kWherePositive = QStringLiteral("WHERE kaisai>0");
inline const QString kWhereListAll = QStringLiteral(" WHERE kaisai>=1");

// The count text of a game's window.
QStringView countStatement(Game game);

// The draws numbered above 0 that a game's window counts: how many, and the
// lowest and the highest number (0 when there are none).
struct DrawSpan {
    int draws = 0;
    int first = 0;
    int last = 0;
};
std::optional<DrawSpan> storedDraws(const QString& database, Game game, Status* status = nullptr);

} // namespace zelpo::db
