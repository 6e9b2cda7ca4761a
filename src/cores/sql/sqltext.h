// SPDX-License-Identifier: MIT
// Pieces of SQL text built from what the user typed.
#pragma once

#include <string>
#include <string_view>

namespace zelpo::db {

// A text value between single quotes, with each quote doubled, so that
// whatever was typed is stored as typed: O'Neil -> 'O''Neil'.
inline std::string quoted(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result += '\'';
    for (const char c : text) {
        result += c;
        if (c == '\'')
            result += '\'';
    }
    result += '\'';
    return result;
}

// True when quoted(text) carries the whole text: SQL text ends at a NUL
// character, so a value holding one would cut the statement short there.
inline bool isQuotable(std::string_view text)
{
    return text.find('\0') == std::string_view::npos;
}

// True when `text` is one or more ASCII digits: the only thing ever placed
// unquoted into a statement.
inline bool isDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace zelpo::db
