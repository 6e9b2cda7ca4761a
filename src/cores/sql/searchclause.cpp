// SPDX-License-Identifier: MIT
#include "cores/sql/searchclause.h"

#include "cores/sql/sqltext.h"

namespace zelpo::db {

bool searchInputsAccepted(std::initializer_list<std::string_view> inputs, std::size_t maxLength)
{
    for (const std::string_view input : inputs) {
        if (!input.empty() && (input.size() > maxLength || !isDigits(input)))
            return false;
    }
    return true;
}

std::string straightClause(std::initializer_list<StraightPosition> positions)
{
    std::string clause;
    for (const StraightPosition& position : positions) {
        if (position.text.empty())
            continue;
        if (clause.empty()) {
            if (position.column == "N1000" || position.column == "N100")
                clause += ' ';
            clause += "WHERE ";
        } else {
            clause += " AND ";
        }
        clause += position.column;
        clause += '=';
        clause += position.text;
    }
    return clause;
}

} // namespace zelpo::db
