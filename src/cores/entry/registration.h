// SPDX-License-Identifier: MIT
// The rows a Numbers registration appends, as SQL text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zelpo::entry {

enum class NumbersGame { Numbers3, Numbers4 };

// One game's row as the registration window holds it, texts as typed (UTF-8).
struct NumbersDraw {
    std::string kaisai;                     // the draw number
    std::vector<std::string> digits;        // highest position first: 3 for Numbers 3, 4 for Numbers 4
    std::array<std::string, 5> predictions; // kounyu1..kounyu5
};

// How many digits a draw of the game has.
std::size_t digitCount(NumbersGame game);

// True when every digit and every prediction holds text.
bool complete(const NumbersDraw& draw);

// "INSERT INTO ナンバーズ3 VALUES (812,5,0,7,'123','456','789','012','345',' ')":
// the draw number and the digits bare, exactly as typed, the predictions
// quoted with their quotes doubled. Nothing when a bare value is not all
// digits, the number of digits does not fit the game or a prediction holds a
// NUL character, so that no typed text can change or cut the statement.
std::optional<std::string> insertStatement(NumbersGame game, const NumbersDraw& draw);

// "SELECT kaisai FROM ナンバーズ3 WHERE kaisai=812", or nothing for a draw
// number that is not all digits.
std::optional<std::string> storedDrawQuery(NumbersGame game, const std::string& kaisai);

} // namespace zelpo::entry
