// SPDX-License-Identifier: MIT
// How a Numbers draw is shown: its digits, each in decimal, joined.
#pragma once

#include <initializer_list>
#include <string>

namespace zelpo::numbers3 {

// {0, 4, 7} -> "047": a leading zero stays.
std::string winningNumberText(std::initializer_list<int> digits);

} // namespace zelpo::numbers3
