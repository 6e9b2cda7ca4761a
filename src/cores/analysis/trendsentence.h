// SPDX-License-Identifier: MIT
// What the window says about the trends, in Japanese: a title per section,
// a sentence per test at the 5% level, a note for the sections without a
// test, and the reminder that every draw is independent of the last.
#pragma once

#include "cores/analysis/trends.h"

#include <string>
#include <string_view>

namespace zelpo::analysis {

// "sums" -> "合計値"; the name itself when it is not a section's.
std::string_view sectionTitle(std::string_view section);

// The place of the digit at `position` (1 = leftmost, as the trends count)
// of a Numbers game, by the name used everywhere in the program: "百の位",
// "十の位", "一の位", and "千の位" first for Numbers 4. Empty for a position
// the game does not have.
std::string_view placeName(std::string_view game, int position);

// A row's label as the window shows it: "single" -> "シングル", "with" ->
// "あり", a Numbers position and digit "1:7" -> "百の位の7"; any other label
// as it is.
std::string rowTitle(std::string_view game, std::string_view label);

// Whether the test's p falls under 5%, and how likely such a result is by
// chance alone; a test of one position names its place.
std::string testSentence(std::string_view game, std::string_view section, const TrendTest& test);

// For gaps and pairs, which carry a p per row but no test: why a small p
// there means little. Empty for the other sections.
std::string sectionNote(std::string_view game, std::string_view section);

// That past draws do not change the next draw's chances.
std::string_view independenceNote();

} // namespace zelpo::analysis
