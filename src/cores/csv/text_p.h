// SPDX-License-Identifier: MIT
// Small text helpers the readers of csv/ share.
#pragma once

#include <string>
#include <string_view>

namespace zelpo::db::csv {

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The text without the blanks around it.
std::string_view trimmed(std::string_view text);

// The text with A-Z in lower case; other bytes as they are.
std::string lowered(std::string_view text);

} // namespace zelpo::db::csv
