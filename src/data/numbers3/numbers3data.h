// SPDX-License-Identifier: MIT
// The Numbers 3 table as the window and the command line read it.
#pragma once

#include "data/numbers/numbersdata.h"

namespace zelpo::numbers3 {

inline constexpr QStringView kSearchSql
    = u"SELECT kaisai,N100,N10,N1,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5 FROM ナンバーズ3 ";
inline constexpr QStringView kPredictSql = u"SELECT kaisai,N100,N10,N1 FROM ナンバーズ3 ";
inline constexpr QStringView kDataSql = u"SELECT kaisai,N100,N10,N1 FROM ナンバーズ3 ";

inline constexpr numbers::Table kTable { kSearchSql, kPredictSql, kDataSql, 3, { u"N100", u"N10", u"N1" } };

// The five predictions for the next draw (see numbers::predictNext). Every
// window that predicts Numbers 3 calls this.
std::optional<QStringList> predictNext(const QString& database, const QString& where, db::Status* status = nullptr);

} // namespace zelpo::numbers3
