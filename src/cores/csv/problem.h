// SPDX-License-Identifier: MIT
// What is wrong with a draw history file, and the bounds every input is held to.
//
// Everything in csv/ works on UTF-8 bytes; turning another encoding into
// UTF-8 is the caller's job (see data/db/transfer.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelpo::db::csv {

// What is wrong with a file, as precisely as it can be told.
struct Problem {
    std::size_t line = 0; // from 1; 0 when it concerns the file as a whole
    std::string column;   // as the header spells it; empty for the whole line
    std::string reason;

    bool operator==(const Problem&) const = default;
};

// "line 12, column N10: "x" is not a digit from 0 to 9"
std::string describe(const Problem& problem);

// A value from a file as it may appear in a message: control characters
// escaped (\n, \t, \x1B, \u0085 ...) so that they never reach a terminal,
// and cut after `longest` characters with "…".
std::string forMessage(std::string_view value, std::size_t longest = 40);

// ---- Limits ----------------------------------------------------------------
// Every input is bounded, whatever reads it, so that memory and time stay in
// proportion to what a draw history can be.

// Far above any real history (32767 draws of a few dozen bytes each): a
// larger input is refused as too large without being read further.
inline constexpr std::size_t kLargestInput = 64 * 1024 * 1024;
// The most UTF-8 an input within kLargestInput can decode to (a Shift_JIS
// half-width kana byte becomes three bytes).
inline constexpr std::size_t kLargestText = 3 * kLargestInput;
// A header with more columns than this is not a draw history.
inline constexpr std::size_t kMostColumns = 1024;
// Nor is a field longer than this: a prediction text is a few characters.
// Without it one giant value would be copied many times over on its way
// into the database.
inline constexpr std::size_t kLongestField = 64 * 1024;

// "too large to be a draw history (N bytes or more; at most M)"
Problem tooLarge(std::size_t bytes);

} // namespace zelpo::db::csv
