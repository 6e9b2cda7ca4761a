// SPDX-License-Identifier: MIT
#include "data/numbers3/numbers3data.h"

#include "cores/numbers3/prediction.h"

namespace zelpo::numbers3 {

std::optional<QStringList> predictNext(const QString& database, const QString& where, db::Status* status)
{
    return numbers::predictNext<3>(kTable, compose, database, where, status);
}

} // namespace zelpo::numbers3
