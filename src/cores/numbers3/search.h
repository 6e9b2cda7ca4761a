// SPDX-License-Identifier: MIT
// The Numbers 3 history search: from the three digit inputs and the kind of
// search to the WHERE clause handed to the draw list, or the message to show.
#pragma once

#include "cores/sql/searchclause.h"

#include <string_view>

namespace zelpo::numbers3 {

// Straight: every given digit in its own position. Box: the given digits in
// any arrangement over the three positions. An input is given when not empty;
// anything but one ASCII digit is refused.
db::SearchClause searchClause(
    db::SearchKind kind, std::string_view hundreds, std::string_view tens, std::string_view units);

} // namespace zelpo::numbers3
