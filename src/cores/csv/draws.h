// SPDX-License-Identifier: MIT
// Draw histories as CSV: a header whose column order is free, every row
// checked, the draws in file order or every fault found.
#pragma once

#include "cores/csv/problem.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelpo::db::csv {

enum class Table { Numbers3, Numbers4, MiniLoto };

// The program's value for a prediction it has nothing for: one full-width blank.
inline constexpr std::string_view kEmptyPrediction = "\u3000";

inline constexpr int kHighestDraw = 32767;

struct Draw {
    std::size_t line = 0;
    int kaisai = 0;
    std::array<int, 5> numbers {}; // the first 3, 4 or 5 are used
    // kounyu1..kounyu5 as they will be stored; for Mini Loto a bonus column
    // lands in kounyu1 as its decimal text.
    std::array<std::string, 5> kounyu;
    std::optional<int> bonus; // Mini Loto, when the file has a bonus column
};

struct Draws {
    std::vector<Draw> draws;
    std::optional<Problem> problem; // the first fault; `draws` is then empty
};

// The winning-number columns of the table, in stored order.
const std::vector<std::string>& numberColumns(Table table);

// Reads a whole file. The header names the columns in any order (names
// compared without regard to case, unknown ones ignored); `kaisai` and the
// number columns are required, `kounyu1`..`kounyu5` optional (stored as
// kEmptyPrediction when absent, as given when present), and for Mini Loto a
// `bonus` column fills kounyu1. Every row is checked; the first fault found
// is returned and no draw with it. Text beyond kLargestText is refused
// unread; a header beyond kMostColumns columns, or a row with more fields
// than the header, is refused before the row is collected.
Draws readDraws(Table table, std::string_view utf8);

// Every row readDraws() would refuse, in file order, not only the first: what
// a table written out as CSV holds that could not be read back. A fault of
// the file as a whole (header, quoting, size) is the last entry.
std::vector<Problem> rowProblems(Table table, std::string_view utf8);

} // namespace zelpo::db::csv
