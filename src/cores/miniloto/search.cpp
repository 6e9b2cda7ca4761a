// SPDX-License-Identifier: MIT
#include "cores/miniloto/search.h"

#include <algorithm>
#include <string>

namespace zelpo::miniloto {

db::SearchClause searchClause(const std::array<std::string_view, 5>& numbers)
{
    if (std::ranges::any_of(numbers, [](std::string_view number) { return number.empty(); }))
        return db::SearchClause::message(std::string(kSearchFillAll));
    if (!db::searchInputsAccepted({ numbers[0], numbers[1], numbers[2], numbers[3], numbers[4] }, 2))
        return db::SearchClause::refused();

    std::string list;
    for (const std::string_view number : numbers) {
        if (!list.empty())
            list += ',';
        list += number;
    }
    std::string clause = " WHERE (NO1 IN (" + list;
    for (const char* column : { "NO2", "NO3", "NO4", "NO5" }) {
        clause += " )) AND (";
        clause += column;
        clause += " IN (";
        clause += list;
    }
    clause += " ))";
    return db::SearchClause::where(std::move(clause));
}

} // namespace zelpo::miniloto
