// SPDX-License-Identifier: MIT
#include "data/numbers4/numbers4data.h"

#include "cores/numbers4/prediction.h"

namespace zelpo::numbers4 {

std::optional<QStringList> predictNext(const QString& database, const QString& where, db::Status* status)
{
    return numbers::predictNext<4>(kTable, compose, database, where, status);
}

} // namespace zelpo::numbers4
