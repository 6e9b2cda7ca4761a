// SPDX-License-Identifier: MIT
// Storing a Numbers 3 and a Numbers 4 draw together.
#pragma once

#include "cores/entry/registration.h"
#include "data/db/query.h"

namespace zelpo::entry {

inline constexpr QStringView kAppendNumbers3Sql
    = u"SELECT kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5  FROM ナンバーズ3 ";
inline constexpr QStringView kAppendNumbers4Sql
    = u"SELECT kaisai,N1000,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5  FROM ナンバーズ4 ";

struct AppendResult {
    db::Status status;
    // The game whose row was refused (for a duplicate draw number: the game
    // that already holds it). Meaningless when the status is ok.
    NumbersGame game = NumbersGame::Numbers3;
};

// Appends both rows in one transaction: both are stored, or neither. A draw
// number that its table already holds is refused as Failure::Duplicate, also
// in a file whose tables have no key; the Numbers 3 row is checked first.
AppendResult appendDraws(
    const QString& database, const QString& where, const NumbersDraw& numbers3, const NumbersDraw& numbers4);

} // namespace zelpo::entry
