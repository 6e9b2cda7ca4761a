// SPDX-License-Identifier: MIT
// Draw histories as CSV text: splitting records, reading a header whose column
// order is free, checking every row, and writing fields back out.
//
// Everything here works on UTF-8 bytes; turning another encoding into UTF-8
// is the caller's job (see transfer.h).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// ---- Records ---------------------------------------------------------------

struct Record {
    std::size_t line = 0; // where the record starts
    std::vector<std::string> fields;
};

struct Records {
    std::vector<Record> records;
    std::optional<Problem> problem;
};

// Fields are separated by commas and records by CRLF, LF or a lone CR. A field
// in double quotes may hold commas, line breaks and doubled quotes; a quote
// inside an unquoted field is kept as it is. Lines that are entirely empty
// are skipped.
class RecordReader {
public:
    explicit RecordReader(std::string_view text)
        : m_text(text)
    {
    }

    // Reads the next record into `record`; false at the end of the text or at
    // a fault, which problem() then tells. A record with more than `mostFields`
    // fields, or a field longer than kLongestField bytes, is a fault as soon
    // as the reader comes to it: neither is ever collected.
    bool next(Record& record, std::size_t mostFields);
    const std::optional<Problem>& problem() const { return m_problem; }
    // The fault is a record beyond `mostFields`.
    bool tooManyFields() const { return m_tooManyFields; }

private:
    enum class Quoted { Closed, Unclosed, TooLong };
    void endLine();
    Quoted readQuoted(std::string& field);
    bool fail(Record& record, Problem problem);

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
    std::optional<Problem> m_problem;
    bool m_tooManyFields = false;
};

// Every record of the text, each of at most `mostFields` fields.
Records splitRecords(std::string_view text, std::size_t mostFields = kMostColumns);

// ---- Writing ---------------------------------------------------------------

// The field as it goes into a file: in quotes (inner quotes doubled) when it
// holds a comma, a quote or a line break, or begins or ends with a blank.
std::string field(std::string_view value);

// Appends the fields joined by commas and ended by LF.
void appendRecord(std::string& out, const std::vector<std::string>& fields);

// ---- Encodings -------------------------------------------------------------

enum class Encoding { Utf8, ShiftJis, Utf16 };

// "utf-8", "utf8", "shift_jis", "sjis", "cp932", "windows-31j" (any case).
std::optional<Encoding> encodingNamed(std::string_view name);

// A byte-order mark decides; otherwise text that is valid UTF-8 is UTF-8 and
// anything else is taken for Shift_JIS.
Encoding detectEncoding(std::string_view bytes);

// Length of a UTF-8 byte-order mark at the start, 0 or 3.
std::size_t utf8BomLength(std::string_view bytes);

// Offset of the first byte that breaks UTF-8 (overlong forms, surrogates and
// values above U+10FFFF included), or nothing when the text is valid.
std::optional<std::size_t> firstInvalidUtf8(std::string_view bytes);

// The line (from 1) that holds the byte at `offset`.
std::size_t lineAt(std::string_view text, std::size_t offset);

// ---- Draws -----------------------------------------------------------------

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
