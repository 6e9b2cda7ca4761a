// SPDX-License-Identifier: MIT
// What the history searches of the three games share: the outcome of
// building a WHERE clause from the typed inputs, the check that keeps typed
// characters from changing a query's structure, and the straight-clause rule
// of the two Numbers games.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zelpo::db {

enum class SearchKind { None, Straight, Box };

// Messages of the search buttons.
inline constexpr std::string_view kSearchChooseKind = "　ボックスかストレートをチェックしてください。。";
inline constexpr std::string_view kSearchFillOne = "　最低一項目記入してください。。";
inline constexpr std::string_view kSearchNoHits = "　検索内容はありません。。";

// Either a clause to query with, a message to show instead of searching, or
// refused input: a search that ends without hits, since no row can match a
// digit that is not a digit.
class SearchClause {
public:
    enum class Outcome { Where, Message, Refused };

    static SearchClause where(std::string clause) { return { Outcome::Where, std::move(clause) }; }
    static SearchClause message(std::string text) { return { Outcome::Message, std::move(text) }; }
    static SearchClause refused() { return { Outcome::Refused, {} }; }

    Outcome outcome() const { return m_outcome; }
    bool isWhere() const { return m_outcome == Outcome::Where; }
    bool isMessage() const { return m_outcome == Outcome::Message; }
    bool isRefused() const { return m_outcome == Outcome::Refused; }
    // The clause or the message; empty when refused.
    const std::string& text() const { return m_text; }

    bool operator==(const SearchClause&) const = default;

private:
    SearchClause(Outcome outcome, std::string text)
        : m_outcome(outcome)
        , m_text(std::move(text))
    {
    }
    Outcome m_outcome;
    std::string m_text;
};

// True when every non-empty input is at most `maxLength` ASCII digits: the
// only text a search puts into a statement.
bool searchInputsAccepted(std::initializer_list<std::string_view> inputs, std::size_t maxLength);

// One position of a Numbers winning number as the straight clause names it.
struct StraightPosition {
    std::string_view column; // "N1000", "N100", "N10", "N1"
    std::string_view text;   // the typed digit, or empty when not given
};

// The straight clause over the given positions, taken in the order passed:
// the first given opens with "WHERE N..=" (with a blank in front for the
// thousands and hundreds), each further one joins with " AND N..=". Empty
// when no position is given.
std::string straightClause(std::initializer_list<StraightPosition> positions);

} // namespace zelpo::db
