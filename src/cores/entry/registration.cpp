// SPDX-License-Identifier: MIT
#include "cores/entry/registration.h"

#include "cores/sql/sqltext.h"

#include <algorithm>

namespace zelpo::entry {
namespace {

std::string tableName(NumbersGame game)
{
    return game == NumbersGame::Numbers3 ? "ナンバーズ3" : "ナンバーズ4";
}

bool hasText(const std::string& text)
{
    return !text.empty();
}

} // namespace

std::size_t digitCount(NumbersGame game)
{
    return game == NumbersGame::Numbers3 ? 3 : 4;
}

bool complete(const NumbersDraw& draw)
{
    return std::all_of(draw.digits.begin(), draw.digits.end(), hasText)
        && std::all_of(draw.predictions.begin(), draw.predictions.end(), hasText);
}

std::optional<std::string> insertStatement(NumbersGame game, const NumbersDraw& draw)
{
    if (draw.digits.size() != digitCount(game) || !db::isDigits(draw.kaisai))
        return std::nullopt;
    std::string sql = "INSERT INTO " + tableName(game) + " VALUES (" + draw.kaisai;
    for (const std::string& digit : draw.digits) {
        if (!db::isDigits(digit))
            return std::nullopt;
        sql += ',' + digit;
    }
    for (const std::string& prediction : draw.predictions) {
        if (!db::isQuotable(prediction))
            return std::nullopt;
        sql += ',' + db::quoted(prediction);
    }
    sql += ",' ')";
    return sql;
}

std::optional<std::string> storedDrawQuery(NumbersGame game, const std::string& kaisai)
{
    if (!db::isDigits(kaisai))
        return std::nullopt;
    return "SELECT kaisai FROM " + tableName(game) + " WHERE kaisai=" + kaisai;
}

} // namespace zelpo::entry
