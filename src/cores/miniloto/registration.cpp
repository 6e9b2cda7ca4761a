// SPDX-License-Identifier: MIT
#include "cores/miniloto/registration.h"

#include "cores/sql/sqltext.h"

#include <algorithm>

namespace zelpo::miniloto {

bool missingNumber(const DrawEntry& entry)
{
    return std::any_of(entry.numbers.begin(), entry.numbers.end(), [](const std::string& n) { return n.empty(); });
}

std::optional<std::string> insertStatement(const DrawEntry& entry)
{
    if (!db::isDigits(entry.kaisai))
        return std::nullopt;
    std::string sql = "INSERT INTO ミニロト VALUES (" + entry.kaisai;
    for (const std::string& number : entry.numbers) {
        if (!db::isDigits(number))
            return std::nullopt;
        sql += ',' + number;
    }
    if (!db::isQuotable(entry.bonus))
        return std::nullopt;
    sql += ',' + db::quoted(entry.bonus);
    for (const std::string& prediction : entry.predictions) {
        if (!db::isQuotable(prediction))
            return std::nullopt;
        sql += ',' + db::quoted(prediction);
    }
    sql += ",' ')";
    return sql;
}

std::optional<std::string> storedDrawQuery(const std::string& kaisai)
{
    if (!db::isDigits(kaisai))
        return std::nullopt;
    return "SELECT kaisai FROM ミニロト WHERE kaisai=" + kaisai;
}

} // namespace zelpo::miniloto
