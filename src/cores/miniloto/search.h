// SPDX-License-Identifier: MIT
// The Mini Loto history search: from the five number inputs to the WHERE
// clause handed to the draw list, or the message to show.
#pragma once

#include "cores/sql/searchclause.h"

#include <array>
#include <string_view>

namespace zelpo::miniloto {

inline constexpr std::string_view kSearchFillAll = "　全項目記入してください。。";

// The draws whose five numbers all lie among the five inputs, in any order
// and position. Every input must be given; anything but one or two ASCII
// digits is refused.
db::SearchClause searchClause(const std::array<std::string_view, 5>& numbers);

} // namespace zelpo::miniloto
