// SPDX-License-Identifier: MIT
#include "cores/csv/draws.h"

#include "cores/csv/encoding.h"
#include "cores/csv/records.h"
#include "cores/csv/text_p.h"
#include "cores/sql/sqltext.h"

#include <algorithm>

namespace zelpo::db::csv {
namespace {

std::string quotedForMessage(std::string_view value)
{
    return '"' + forMessage(value) + '"';
}

// A column as the header spells it, fit for a message.
std::string columnForMessage(std::string_view name)
{
    return forMessage(name);
}

// A field that should hold a whole number: blanks around it are allowed, a
// sign or a decimal point is not. Values too long to matter come back as -1.
std::optional<int> wholeNumber(std::string_view text)
{
    text = trimmed(text);
    if (!isDigits(text))
        return std::nullopt;
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    if (text.size() > 6)
        return -1;
    int value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value;
}

struct TableLayout {
    std::vector<std::string> numbers;
    int low = 0;
    int high = 0;
    bool miniLoto = false;
};

const TableLayout& layout(Table table)
{
    static const TableLayout numbers3 { { "N100", "N10", "N1" }, 0, 9, false };
    static const TableLayout numbers4 { { "N1000", "N100", "N10", "N1" }, 0, 9, false };
    static const TableLayout miniLoto { { "NO1", "NO2", "NO3", "NO4", "NO5" }, 1, 31, true };
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

constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

// Where each column the program knows sits in the file, and how the header spells it.
struct ColumnMap {
    std::size_t kaisai = kAbsent;
    std::array<std::size_t, 5> numbers { kAbsent, kAbsent, kAbsent, kAbsent, kAbsent };
    std::array<std::size_t, 5> kounyu { kAbsent, kAbsent, kAbsent, kAbsent, kAbsent };
    std::size_t bonus = kAbsent;
    std::vector<std::string> spelling; // per file column
};

std::optional<Problem> mapHeader(Table table, const Record& header, ColumnMap& map)
{
    const TableLayout& lay = layout(table);
    std::vector<std::pair<std::string, std::size_t*>> known;
    known.emplace_back("kaisai", &map.kaisai);
    for (std::size_t i = 0; i < lay.numbers.size(); ++i)
        known.emplace_back(lowered(lay.numbers[i]), &map.numbers[i]);
    for (std::size_t i = 0; i < map.kounyu.size(); ++i)
        known.emplace_back("kounyu" + std::to_string(i + 1), &map.kounyu[i]);
    if (lay.miniLoto)
        known.emplace_back("bonus", &map.bonus);

    std::size_t atari = kAbsent; // known, and never read: the program writes " "
    known.emplace_back("atari", &atari);

    for (std::size_t column = 0; column < header.fields.size(); ++column) {
        const std::string_view name = trimmed(header.fields[column]);
        map.spelling.push_back(columnForMessage(name));
        const std::string key = lowered(name);
        for (auto& [knownName, slot] : known) {
            if (knownName != key)
                continue;
            if (*slot != kAbsent)
                return Problem { header.line, map.spelling.back(), "the column appears twice in the header" };
            *slot = column;
        }
    }

    if (map.kaisai == kAbsent)
        return Problem { header.line, "kaisai", "the header has no such column" };
    for (std::size_t i = 0; i < lay.numbers.size(); ++i) {
        if (map.numbers[i] == kAbsent)
            return Problem { header.line, lay.numbers[i], "the header has no such column" };
    }
    if (map.bonus != kAbsent && map.kounyu[0] != kAbsent)
        return Problem { header.line, "bonus", "bonus and kounyu1 would both fill kounyu1; keep one of them" };
    return std::nullopt;
}

bool isEmptyRow(const Record& record)
{
    return std::all_of(
        record.fields.begin(), record.fields.end(), [](const std::string& field) { return trimmed(field).empty(); });
}

std::optional<Problem> checkRow(Table table, const ColumnMap& map, Record& record, Draw& draw)
{
    const TableLayout& lay = layout(table);
    const auto problem = [&](std::size_t column, std::string reason) {
        return Problem { record.line, map.spelling[column], std::move(reason) };
    };
    const auto cell = [&](std::size_t column) -> std::string_view { return record.fields[column]; };

    if (record.fields.size() != map.spelling.size()) {
        return Problem { record.line, {},
            std::to_string(record.fields.size()) + " fields where the header has "
                + std::to_string(map.spelling.size()) };
    }

    draw.line = record.line;
    const std::optional<int> kaisai = wholeNumber(cell(map.kaisai));
    if (!kaisai || *kaisai < 1 || *kaisai > kHighestDraw) {
        return problem(map.kaisai,
            quotedForMessage(cell(map.kaisai)) + " is not a draw number from 1 to " + std::to_string(kHighestDraw));
    }
    draw.kaisai = *kaisai;

    const std::string range = std::to_string(lay.low) + " to " + std::to_string(lay.high);
    for (std::size_t i = 0; i < lay.numbers.size(); ++i) {
        const std::size_t column = map.numbers[i];
        const std::optional<int> value = wholeNumber(cell(column));
        if (!value || *value < lay.low || *value > lay.high) {
            return problem(column,
                quotedForMessage(cell(column)) + (lay.miniLoto ? " is not a number from " : " is not a digit from ")
                    + range);
        }
        draw.numbers[i] = *value;
        if (!lay.miniLoto)
            continue;
        for (std::size_t j = 0; j < i; ++j) {
            if (draw.numbers[j] == *value) {
                return problem(
                    column, std::to_string(*value) + " is drawn twice (also in " + map.spelling[map.numbers[j]] + ")");
            }
        }
    }

    for (std::size_t i = 0; i < draw.kounyu.size(); ++i) {
        if (map.kounyu[i] != kAbsent)
            draw.kounyu[i] = std::move(record.fields[map.kounyu[i]]);
        else
            draw.kounyu[i] = kEmptyPrediction;
    }

    if (map.bonus != kAbsent) {
        const std::optional<int> bonus = wholeNumber(cell(map.bonus));
        if (!bonus || *bonus < lay.low || *bonus > lay.high)
            return problem(map.bonus, quotedForMessage(cell(map.bonus)) + " is not a number from " + range);
        for (std::size_t j = 0; j < lay.numbers.size(); ++j) {
            if (draw.numbers[j] == *bonus) {
                return problem(map.bonus,
                    std::to_string(*bonus) + " is also a drawn number (" + map.spelling[map.numbers[j]] + ")");
            }
        }
        draw.bonus = *bonus;
        draw.kounyu[0] = std::to_string(*bonus);
    }
    return std::nullopt;
}

// Hands every row that is not empty to `onRow` as a draw or as the row's
// fault; `onRow` says whether to go on. Returns a fault of the file as a whole.
template <class OnRow>
std::optional<Problem> walkDraws(Table table, std::string_view utf8, OnRow onRow)
{
    if (utf8.size() > kLargestText)
        return tooLarge(utf8.size());
    utf8.remove_prefix(utf8BomLength(utf8));
    RecordReader reader(utf8);
    Record record;
    if (!reader.next(record, kMostColumns)) {
        if (reader.problem())
            return reader.problem();
        return Problem { 0, {}, "the file is empty: it has no header line" };
    }
    ColumnMap map;
    if (std::optional<Problem> problem = mapHeader(table, record, map))
        return problem;

    std::vector<std::size_t> lineOfDraw(kHighestDraw + 1, 0);
    while (reader.next(record, map.spelling.size())) {
        if (isEmptyRow(record))
            continue;
        Draw draw;
        std::optional<Problem> problem = checkRow(table, map, record, draw);
        if (!problem) {
            std::size_t& line = lineOfDraw[static_cast<std::size_t>(draw.kaisai)];
            if (line != 0) {
                problem = Problem { record.line, map.spelling[map.kaisai],
                    "draw " + std::to_string(draw.kaisai) + " is also on line " + std::to_string(line) };
            } else {
                line = record.line;
            }
        }
        if (!onRow(draw, problem))
            return std::nullopt;
    }
    std::optional<Problem> fault = reader.problem();
    if (fault && reader.tooManyFields())
        fault->reason += " where the header has " + std::to_string(map.spelling.size());
    return fault;
}

} // namespace

const std::vector<std::string>& numberColumns(Table table)
{
    return layout(table).numbers;
}

Draws readDraws(Table table, std::string_view utf8)
{
    Draws result;
    std::optional<Problem> fault = walkDraws(table, utf8, [&](Draw& draw, std::optional<Problem>& problem) {
        if (problem) {
            result.problem = std::move(problem);
            return false;
        }
        result.draws.push_back(std::move(draw));
        return true;
    });
    if (fault)
        result.problem = std::move(fault);
    if (result.problem)
        result.draws.clear();
    return result;
}

std::vector<Problem> rowProblems(Table table, std::string_view utf8)
{
    std::vector<Problem> problems;
    std::optional<Problem> fault = walkDraws(table, utf8, [&](Draw&, std::optional<Problem>& problem) {
        if (problem)
            problems.push_back(std::move(*problem));
        return true;
    });
    if (fault)
        problems.push_back(std::move(*fault));
    return problems;
}

} // namespace zelpo::db::csv
