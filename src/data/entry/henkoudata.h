// SPDX-License-Identifier: MIT
// The draw editor's reading of one draw and its writing back.
#pragma once

#include "cores/entry/editing.h"
#include "data/db/query.h"

#include <QString>

#include <array>
#include <optional>

namespace zelpo::entry {

// The readers' SELECT texts.
inline constexpr QStringView kNumbers3DrawSql
    = u"SELECT kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5 FROM ナンバーズ3 ";
inline constexpr QStringView kNumbers4DrawSql
    = u"SELECT kaisai,N1000,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5 FROM ナンバーズ4 ";
inline constexpr QStringView kMiniLotoDrawSql
    = u"SELECT kaisai,NO1,NO2,NO3,NO4,NO5,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5 FROM ミニロト ";

// The writer's SELECT texts (two blanks before FROM), checked before the UPDATE runs.
inline constexpr QStringView kNumbers3WriterSql
    = u"SELECT kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5  FROM ナンバーズ3 ";
inline constexpr QStringView kNumbers4WriterSql
    = u"SELECT kaisai,N1000,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5  FROM ナンバーズ4 ";
inline constexpr QStringView kMiniLotoWriterSql
    = u"SELECT kaisai,NO1,NO2,NO3,NO4,NO5,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5  FROM ミニロト ";

// One draw as the editor's fields show it.
struct ShownDraw {
    QString drawNumber;               // field 1019
    std::array<QString, 5> numbers;   // fields 1009, 1012, 1013, 1014, 1015 (unused ones empty)
    std::array<QString, 5> purchases; // fields 1010, 1011, 1016, 1017, 1018
};

// Reads the draws the clause admits; the last one read is the one shown, and
// no row at all shows as every field empty. `shown` is set only on success.
db::Status readDraw(EditedGame game, const QString& database, const QString& where, ShownDraw& shown);

// Runs `updateSql` (from buildUpdate) on the draws the clause admits. A clause
// that admits no stored draw is refused rather than reported as written.
db::Status writeDraw(EditedGame game, const QString& database, const QString& where, const QString& updateSql);

} // namespace zelpo::entry
