// SPDX-License-Identifier: MIT
// Published payouts as CSV text, and the draw dates of a history file: the
// files the program's built-in payouts come from and an update may bring.
//
//     kaisai,straight,box,set_straight,set_box,mini
//     35,65500,,,,6500
//
// An empty field is an amount left unknown or a class not sold that draw; it
// stays apart from 0. Works on UTF-8 text as the draw reader does.
#pragma once

#include "cores/csv/draws.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelpo::db::csv {

// The amount columns of the game's payouts, in stored order: Numbers 3
// straight, box, set_straight, set_box, mini; Numbers 4 the same without
// mini; Mini Loto prize1, winners1 .. prize4, winners4.
const std::vector<std::string>& payoutColumns(Table table);

// No lottery pays more than this per ticket, nor has as many winners: a
// larger value is refused, so that any sum over a history fits 64 bits.
inline constexpr std::int64_t kLargestAmount = 1'000'000'000;

struct PayoutRow {
    std::size_t line = 0;
    int kaisai = 0;
    std::string date; // YYYY-MM-DD; empty when the file gives none
    // In payoutColumns() order; nothing for an empty field. Empty for readDates().
    std::vector<std::optional<std::int64_t>> amounts;
};

struct PayoutRows {
    std::vector<PayoutRow> rows;    // in file order
    std::optional<Problem> problem; // the first fault; `rows` is then empty
};

// True for a date written YYYY-MM-DD that the calendar has (leap days included).
bool isDate(std::string_view text);

// Reads a payouts file. The header names the columns in any order (compared
// without regard to case, unknown ones ignored); `kaisai` and every amount
// column are required, `date` is optional. Draw numbers run from 1 to
// kHighestDraw, each once; an amount is empty or a whole number from 0 to
// kLargestAmount; a date is empty or isDate(). Blanks around a value are
// allowed. The first fault is returned and no row with it.
PayoutRows readPayouts(Table table, std::string_view utf8);

// The draw number and date of every row of a file that has both columns (a
// draw history); other columns are ignored and the amounts left empty.
PayoutRows readDates(std::string_view utf8);

} // namespace zelpo::db::csv
