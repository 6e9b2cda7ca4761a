// SPDX-License-Identifier: MIT
#include "cores/numbers4/search.h"

#include <algorithm>
#include <array>
#include <string>

namespace zelpo::numbers4 {
namespace {

using db::SearchClause;

// "　一、三桁目が記入されてません。。": the empty positions counted from the
// right, units first. Empty when all four are given.
std::string missingPositions(const std::array<std::string_view, 4>& digits)
{
    static constexpr std::array<std::string_view, 4> kOrdinals { "一", "二", "三", "四" };
    std::string named;
    for (std::size_t fromRight = 0; fromRight < 4; ++fromRight) {
        if (!digits[3 - fromRight].empty())
            continue;
        if (!named.empty())
            named += "、";
        named += kOrdinals[fromRight];
    }
    return named.empty() ? named : "　" + named + "桁目が記入されてません。。";
}

// One term per ordering of the four digits, in lexicographic order of the
// orderings; repeated digits are kept as repeated terms.
std::string boxClause(const std::array<std::string_view, 4>& digits)
{
    std::array<std::size_t, 4> order { 0, 1, 2, 3 };
    std::string clause;
    do {
        clause += clause.empty() ? "WHERE (N1000= " : ") OR (N1000=";
        clause += digits[order[0]];
        clause += " AND N100=";
        clause += digits[order[1]];
        clause += " AND N10=";
        clause += digits[order[2]];
        clause += " AND N1=";
        clause += digits[order[3]];
    } while (std::next_permutation(order.begin(), order.end()));
    return clause + ')';
}

} // namespace

SearchClause searchClause(db::SearchKind kind, std::string_view thousands, std::string_view hundreds,
    std::string_view tens, std::string_view units)
{
    const std::array<std::string_view, 4> digits { thousands, hundreds, tens, units };
    switch (kind) {
    case db::SearchKind::None:
        return SearchClause::message(std::string(db::kSearchChooseKind));
    case db::SearchKind::Straight:
        if (std::ranges::all_of(digits, [](std::string_view digit) { return digit.empty(); }))
            return SearchClause::message(std::string(db::kSearchFillOne));
        break;
    case db::SearchKind::Box:
        if (std::string missing = missingPositions(digits); !missing.empty())
            return SearchClause::message(std::move(missing));
        break;
    }
    if (!db::searchInputsAccepted({ thousands, hundreds, tens, units }, 1))
        return SearchClause::refused();
    if (kind == db::SearchKind::Straight)
        return SearchClause::where(
            db::straightClause({ { "N1000", thousands }, { "N100", hundreds }, { "N10", tens }, { "N1", units } }));
    return SearchClause::where(boxClause(digits));
}

} // namespace zelpo::numbers4
