// SPDX-License-Identifier: MIT
// The Numbers 4 history search: from the four digit inputs and the kind of
// search to the WHERE clause handed to the draw list, or the message to show.
#pragma once

#include "cores/sql/searchclause.h"

#include <string_view>

namespace zelpo::numbers4 {

// Straight: every given digit in its own position, any number of them. Box:
// all four digits, in any of their 24 orderings; the message otherwise names
// the empty positions. Anything but one ASCII digit is refused.
db::SearchClause searchClause(db::SearchKind kind, std::string_view thousands, std::string_view hundreds,
    std::string_view tens, std::string_view units);

} // namespace zelpo::numbers4
