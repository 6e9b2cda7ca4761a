// SPDX-License-Identifier: MIT
// The Numbers 4 table as the windows and the command line read it.
#pragma once

#include "data/numbers/numbersdata.h"

namespace zelpo::numbers4 {

inline constexpr QStringView kSearchSql
    = u"SELECT kaisai,N1000,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5 FROM ナンバーズ4 ";
inline constexpr QStringView kPredictSql = u"SELECT kaisai,N1000,N100,N10,N1 FROM ナンバーズ4 ";
inline constexpr QStringView kDataSql = u"SELECT kaisai,N1000,N100,N10,N1 FROM ナンバーズ4 ";

inline constexpr numbers::Table kTable { kSearchSql, kPredictSql, kDataSql, 4, { u"N1000", u"N100", u"N10", u"N1" } };

// The five predictions for the next draw (see numbers::predictNext). Every
// window that predicts Numbers 4 calls this.
std::optional<QStringList> predictNext(const QString& database, const QString& where, db::Status* status = nullptr);

} // namespace zelpo::numbers4
