// SPDX-License-Identifier: MIT
// How a Numbers draw is shown: its digits, each in decimal, joined.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

namespace zelpo::numbers {

// {0, 4, 7} -> "047": a leading zero stays.
std::string winningNumberText(std::span<const int> digits);
inline std::string winningNumberText(std::initializer_list<int> digits)
{
    return winningNumberText(std::span(digits.begin(), digits.size()));
}

} // namespace zelpo::numbers
