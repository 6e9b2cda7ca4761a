// SPDX-License-Identifier: MIT
#include "cores/csv/payoutcsv.h"

#include "cores/csv/encoding.h"
#include "cores/csv/records.h"
#include "cores/csv/text_p.h"
#include "cores/sql/sqltext.h"

#include <algorithm>

namespace zelpo::db::csv {
namespace {

// Digits only, at most `most`; nothing for anything else.
std::optional<std::int64_t> wholeNumber(std::string_view text, std::int64_t most)
{
    if (!isDigits(text))
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
        if (value > most)
            return std::nullopt;
    }
    return value;
}

std::string quotedForMessage(std::string_view value)
{
    return '"' + forMessage(value) + '"';
}

constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

struct Header {
    std::size_t kaisai = kAbsent;
    std::size_t date = kAbsent;
    std::vector<std::size_t> amounts;  // per wanted amount column
    std::vector<std::string> spelling; // per file column
};

std::optional<Problem> mapHeader(
    const Record& record, const std::vector<std::string>& amountColumns, bool dateRequired, Header& header)
{
    header.amounts.assign(amountColumns.size(), kAbsent);
    std::vector<std::pair<std::string, std::size_t*>> known { { "kaisai", &header.kaisai }, { "date", &header.date } };
    for (std::size_t i = 0; i < amountColumns.size(); ++i)
        known.emplace_back(amountColumns[i], &header.amounts[i]);

    for (std::size_t column = 0; column < record.fields.size(); ++column) {
        const std::string_view name = trimmed(record.fields[column]);
        header.spelling.push_back(forMessage(name));
        const std::string key = lowered(name);
        for (auto& [knownName, slot] : known) {
            if (knownName != key)
                continue;
            if (*slot != kAbsent)
                return Problem { record.line, header.spelling.back(), "the column appears twice in the header" };
            *slot = column;
        }
    }
    const auto missing = [&](std::string column) {
        return Problem { record.line, std::move(column), "the header has no such column" };
    };
    if (header.kaisai == kAbsent)
        return missing("kaisai");
    if (dateRequired && header.date == kAbsent)
        return missing("date");
    for (std::size_t i = 0; i < amountColumns.size(); ++i) {
        if (header.amounts[i] == kAbsent)
            return missing(amountColumns[i]);
    }
    return std::nullopt;
}

std::optional<Problem> readRow(const Header& header, const Record& record, PayoutRow& row)
{
    if (record.fields.size() != header.spelling.size()) {
        return Problem { record.line, {},
            std::to_string(record.fields.size()) + " fields where the header has "
                + std::to_string(header.spelling.size()) };
    }
    const auto problem = [&](std::size_t column, std::string reason) {
        return Problem { record.line, header.spelling[column],
            quotedForMessage(record.fields[column]) + " is not " + std::move(reason) };
    };
    row.line = record.line;
    const std::optional<std::int64_t> kaisai = wholeNumber(trimmed(record.fields[header.kaisai]), kHighestDraw);
    if (!kaisai || *kaisai < 1)
        return problem(header.kaisai, "a draw number from 1 to " + std::to_string(kHighestDraw));
    row.kaisai = static_cast<int>(*kaisai);

    if (header.date != kAbsent) {
        const std::string_view date = trimmed(record.fields[header.date]);
        if (!date.empty() && !isDate(date))
            return problem(header.date, "a date written YYYY-MM-DD");
        row.date = date;
    }
    for (const std::size_t column : header.amounts) {
        const std::string_view text = trimmed(record.fields[column]);
        std::optional<std::int64_t>& amount = row.amounts.emplace_back();
        if (text.empty())
            continue;
        amount = wholeNumber(text, kLargestAmount);
        if (!amount)
            return problem(column, "empty or a whole number from 0 to " + std::to_string(kLargestAmount));
    }
    return std::nullopt;
}

PayoutRows walk(std::string_view utf8, const std::vector<std::string>& amountColumns, bool dateRequired)
{
    PayoutRows result;
    const auto fail = [&](Problem problem) {
        result.rows.clear();
        result.problem = std::move(problem);
        return std::move(result);
    };
    if (utf8.size() > kLargestText)
        return fail(tooLarge(utf8.size()));
    utf8.remove_prefix(utf8BomLength(utf8));
    RecordReader reader(utf8);
    Record record;
    if (!reader.next(record, kMostColumns))
        return fail(reader.problem().value_or(Problem { 0, {}, "the file is empty: it has no header line" }));
    Header header;
    if (std::optional<Problem> problem = mapHeader(record, amountColumns, dateRequired, header))
        return fail(std::move(*problem));

    std::vector<std::size_t> lineOfDraw(kHighestDraw + 1, 0);
    while (reader.next(record, header.spelling.size())) {
        if (std::all_of(record.fields.begin(), record.fields.end(),
                [](const std::string& field) { return trimmed(field).empty(); }))
            continue;
        PayoutRow row;
        if (std::optional<Problem> problem = readRow(header, record, row))
            return fail(std::move(*problem));
        std::size_t& line = lineOfDraw[static_cast<std::size_t>(row.kaisai)];
        if (line != 0) {
            return fail(Problem { record.line, header.spelling[header.kaisai],
                "draw " + std::to_string(row.kaisai) + " is also on line " + std::to_string(line) });
        }
        line = record.line;
        result.rows.push_back(std::move(row));
    }
    if (std::optional<Problem> fault = reader.problem()) {
        if (reader.tooManyFields())
            fault->reason += " where the header has " + std::to_string(header.spelling.size());
        return fail(std::move(*fault));
    }
    return result;
}

} // namespace

const std::vector<std::string>& payoutColumns(Table table)
{
    static const std::vector<std::string> numbers3 { "straight", "box", "set_straight", "set_box", "mini" };
    static const std::vector<std::string> numbers4 { "straight", "box", "set_straight", "set_box" };
    static const std::vector<std::string> miniLoto { "prize1", "winners1", "prize2", "winners2", "prize3", "winners3",
        "prize4", "winners4" };
    switch (table) {
    case Table::Numbers3:
        return numbers3;
    case Table::Numbers4:
        return numbers4;
    case Table::MiniLoto:
        break;
    }
    return miniLoto;
}

bool isDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    const std::optional<std::int64_t> year = wholeNumber(text.substr(0, 4), 9999);
    const std::optional<std::int64_t> month = wholeNumber(text.substr(5, 2), 12);
    const std::optional<std::int64_t> day = wholeNumber(text.substr(8, 2), 31);
    if (!year || !month || !day || *year < 1 || *month < 1 || *day < 1)
        return false;
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    constexpr int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return *day <= kDays[*month - 1] + (leap && *month == 2 ? 1 : 0);
}

PayoutRows readPayouts(Table table, std::string_view utf8)
{
    return walk(utf8, payoutColumns(table), false);
}

PayoutRows readDates(std::string_view utf8)
{
    return walk(utf8, {}, true);
}

} // namespace zelpo::db::csv
