// SPDX-License-Identifier: MIT
// How a Numbers draw is shown: its digits, each in decimal, joined.
#pragma once

#include <array>
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

// The five predicted draws of a game as the texts it shows.
template <std::size_t Positions>
std::array<std::string, 5> predictionTexts(const std::array<std::array<int, Positions>, 5>& draws)
{
    std::array<std::string, 5> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = winningNumberText(draws[i]);
    return texts;
}

} // namespace zelpo::numbers
