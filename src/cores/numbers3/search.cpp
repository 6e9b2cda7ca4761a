// SPDX-License-Identifier: MIT
#include "cores/numbers3/search.h"

#include <array>
#include <string>

namespace zelpo::numbers3 {
namespace {

using db::SearchClause;

// The six arrangements of three digits over N100, N10, N1, in the order
// (H,T,U), (H,U,T), (T,U,H), (T,H,U), (U,T,H), (U,H,T). Repeated digits give
// repeated terms, which the engine matches once.
std::string threeDigitBox(std::string_view h, std::string_view t, std::string_view u)
{
    const std::array<std::array<std::string_view, 3>, 6> terms { {
        { h, t, u },
        { h, u, t },
        { t, u, h },
        { t, h, u },
        { u, t, h },
        { u, h, t },
    } };
    std::string clause;
    for (const auto& term : terms) {
        clause += clause.empty() ? "WHERE (N100= " : ") OR ( N100=";
        clause += term[0];
        clause += " AND N10=";
        clause += term[1];
        clause += " AND N1=";
        clause += term[2];
    }
    return clause + ')';
}

// Two digits X and Y in two different positions, either order. Only the
// hundreds-and-units pair opens without a blank after the first "=".
std::string twoDigitBox(std::string_view x, std::string_view y, bool blankAfterOpening)
{
    struct Term {
        std::string_view first;
        std::string_view a;
        std::string_view second;
        std::string_view b;
    };
    const std::array<Term, 6> terms { {
        { "N100", x, "N10", y },
        { "N100", y, "N10", x },
        { "N100", y, "N1", x },
        { "N100", x, "N1", y },
        { "N10", x, "N1", y },
        { "N10", y, "N1", x },
    } };
    std::string clause;
    bool first = true;
    for (const Term& term : terms) {
        clause += first ? "WHERE (" : ") OR ( ";
        clause += term.first;
        clause += first && blankAfterOpening ? "= " : "=";
        first = false;
        clause += term.a;
        clause += " AND ";
        clause += term.second;
        clause += '=';
        clause += term.b;
    }
    return clause + ')';
}

std::string oneDigitBox(std::string_view x)
{
    std::string clause = "WHERE N100=";
    clause += x;
    clause += " OR N10=";
    clause += x;
    clause += " OR N1=";
    clause += x;
    return clause;
}

std::string boxClause(std::string_view h, std::string_view t, std::string_view u)
{
    const bool hasH = !h.empty();
    const bool hasT = !t.empty();
    const bool hasU = !u.empty();
    if (hasH && hasT && hasU)
        return threeDigitBox(h, t, u);
    if (hasH && hasT)
        return twoDigitBox(h, t, true);
    if (hasH && hasU)
        return twoDigitBox(h, u, false);
    if (hasT && hasU)
        return twoDigitBox(u, t, true);
    return oneDigitBox(hasH ? h : hasT ? t : u);
}

} // namespace

SearchClause searchClause(db::SearchKind kind, std::string_view hundreds, std::string_view tens, std::string_view units)
{
    if (kind == db::SearchKind::None)
        return SearchClause::message(std::string(db::kSearchChooseKind));
    if (hundreds.empty() && tens.empty() && units.empty())
        return SearchClause::message(std::string(db::kSearchFillOne));
    if (!db::searchInputsAccepted({ hundreds, tens, units }, 1))
        return SearchClause::refused();
    if (kind == db::SearchKind::Straight)
        return SearchClause::where(db::straightClause({ { "N100", hundreds }, { "N10", tens }, { "N1", units } }));
    return SearchClause::where(boxClause(hundreds, tens, units));
}

} // namespace zelpo::numbers3
