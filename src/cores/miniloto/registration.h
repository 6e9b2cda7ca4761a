// SPDX-License-Identifier: MIT
// The row a Mini Loto registration appends, as SQL text.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace zelpo::miniloto {

// What the registration window holds when its add button is pressed, as typed
// (UTF-8).
struct DrawEntry {
    std::string kaisai;                     // the draw number
    std::array<std::string, 5> numbers;     // NO1..NO5
    std::string bonus;                      // kounyu1, the "サービス" number
    std::array<std::string, 4> predictions; // kounyu2..kounyu5
};

// True when one of the five winning numbers is empty: the draw is incomplete.
bool missingNumber(const DrawEntry& entry);

// "INSERT INTO ミニロト VALUES (123,3,12,17,25,30,'7','1-5-9-20-31',...,' ')":
// the draw number and the five numbers bare, exactly as typed, the texts
// quoted with their quotes doubled. Nothing when a bare value is not all
// digits or a text holds a NUL character, so that no typed text can change or
// cut the statement.
std::optional<std::string> insertStatement(const DrawEntry& entry);

// "SELECT kaisai FROM ミニロト WHERE kaisai=123", or nothing for a draw
// number that is not all digits.
std::optional<std::string> storedDrawQuery(const std::string& kaisai);

} // namespace zelpo::miniloto
