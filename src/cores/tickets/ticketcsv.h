// SPDX-License-Identifier: MIT
// The tickets as a CSV file (UTF-8, a header row): id, game, kind, numbers,
// units, first, draws, memo, entered. Reading checks every row as entry
// does and names each row it refuses; the id is the file's, never stored.
#pragma once

#include "cores/tickets/ticket.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelpo::tickets {

std::string writeCsv(std::span<const Ticket> tickets);

struct RowProblem {
    std::size_t line = 0; // from 1; 0 for the file as a whole
    std::string reason;   // in Japanese
};

struct CsvTickets {
    std::vector<Ticket> tickets; // empty unless every row was taken
    std::vector<RowProblem> problems;
};

// Columns by their header names, in any order; game, kind, numbers and first
// are needed, units and draws default to 1, memo to empty, entered (YYYY-MM-DD
// HH:MM:SS) to empty, which the store fills in.
CsvTickets readCsv(std::string_view text);

// "3行目: …" for a problem.
std::string describe(const RowProblem& problem);

// Whether the text is a time of entry as the tickets keep it.
bool isEntryTime(std::string_view text);

} // namespace zelpo::tickets
