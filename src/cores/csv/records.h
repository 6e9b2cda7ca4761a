// SPDX-License-Identifier: MIT
// CSV records: splitting text into records and fields, and writing fields
// back out.
#pragma once

#include "cores/csv/problem.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelpo::db::csv {

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

} // namespace zelpo::db::csv
