// SPDX-License-Identifier: MIT
#include "db/drawcount.h"

namespace zelpo::db {

std::optional<int> nextDrawNumber(const QString& database, QStringView fixedSql, const QString& where, Status* status)
{
    int counter = 1;
    const Status result = read(database, fixedSql, where, [&counter](const Row&) { ++counter; });
    if (status)
        *status = result;
    if (!result)
        return std::nullopt;
    return counter;
}

} // namespace zelpo::db
