// SPDX-License-Identifier: MIT
#include "cores/csv/csvformat.h"

#include "cores/sql/sqltext.h"

#include <algorithm>

namespace zelpo::db::csv {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

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

Problem tooLarge(std::size_t bytes)
{
    return Problem { 0, {},
        "too large to be a draw history (" + std::to_string(bytes) + " bytes or more; at most "
            + std::to_string(kLargestInput) + ")" };
}

std::string forMessage(std::string_view value, std::size_t longest)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < value.size()) {
        if (characters == longest) {
            text += "\u2026";
            break;
        }
        ++characters;
        const auto byte = static_cast<unsigned char>(value[i]);
        if (byte < 0x80) {
            ++i;
            if (byte == '\n') {
                text += "\\n";
            } else if (byte == '\r') {
                text += "\\r";
            } else if (byte == '\t') {
                text += "\\t";
            } else if (byte < 0x20 || byte == 0x7F) {
                text += "\\x";
                text += kHex[byte >> 4];
                text += kHex[byte & 0xF];
            } else {
                text += static_cast<char>(byte);
            }
            continue;
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        if (byte < 0xC2 || i + length > value.size() || firstInvalidUtf8(value.substr(i, length))) {
            // Not UTF-8: shown as the byte it is.
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
            ++i;
            continue;
        }
        char32_t code = byte & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(value[i + k]) & 0x3F);
        // C1 controls, line and paragraph separators, and the marks that turn
        // the direction of text around.
        const bool control = (code >= 0x80 && code <= 0x9F) || code == 0x2028 || code == 0x2029
            || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069) || code == 0x200E
            || code == 0x200F || code == 0x061C;
        if (control) {
            text += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                text += kHex[(code >> shift) & 0xF];
        } else {
            text.append(value.substr(i, length));
        }
        i += length;
    }
    return text;
}

std::string describe(const Problem& problem)
{
    std::string text;
    if (problem.line > 0)
        text += "line " + std::to_string(problem.line);
    if (!problem.column.empty())
        text += (text.empty() ? "column " : ", column ") + problem.column;
    if (!text.empty())
        text += ": ";
    return text + problem.reason;
}

void RecordReader::endLine()
{
    if (m_text[m_at] == '\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n')
        ++m_at;
    ++m_at;
    ++m_line;
}

// The field from its opening quote on; the reader stands after the closing one.
RecordReader::Quoted RecordReader::readQuoted(std::string& field)
{
    const std::size_t size = m_text.size();
    ++m_at;
    while (m_at < size) {
        const std::size_t quote = std::min(m_text.find('"', m_at), size);
        if (field.size() + (quote - m_at) > kLongestField)
            return Quoted::TooLong;
        for (std::size_t k = m_at; k < quote; ++k) {
            const char c = m_text[k];
            if (c == '\n' || (c == '\r' && !(k + 1 < size && m_text[k + 1] == '\n')))
                ++m_line;
        }
        field.append(m_text.substr(m_at, quote - m_at));
        m_at = quote;
        if (m_at == size)
            break;
        if (m_at + 1 < size && m_text[m_at + 1] == '"') {
            if (field.size() == kLongestField)
                return Quoted::TooLong;
            field += '"';
            m_at += 2;
            continue;
        }
        ++m_at;
        return Quoted::Closed;
    }
    return Quoted::Unclosed;
}

bool RecordReader::fail(Record& record, Problem problem)
{
    m_problem = std::move(problem);
    record.fields.clear();
    return false;
}

bool RecordReader::next(Record& record, std::size_t mostFields)
{
    record.fields.clear();
    if (m_problem)
        return false;
    const std::size_t size = m_text.size();
    while (m_at < size && isLineBreak(m_text[m_at]))
        endLine();
    if (m_at >= size)
        return false;

    record.line = m_line;
    for (;;) {
        if (record.fields.size() >= mostFields) {
            m_tooManyFields = true;
            return fail(record, Problem { record.line, {}, "more than " + std::to_string(mostFields) + " fields" });
        }
        const auto tooLong = [line = m_line] {
            return Problem { line, {}, "a field longer than " + std::to_string(kLongestField) + " bytes" };
        };
        std::string& field = record.fields.emplace_back();
        if (m_at < size && m_text[m_at] == '"') {
            const std::size_t opened = m_line;
            switch (readQuoted(field)) {
            case Quoted::Closed:
                break;
            case Quoted::Unclosed:
                return fail(record, Problem { opened, {}, "a quoted field is never closed" });
            case Quoted::TooLong:
                return fail(record, tooLong());
            }
            if (m_at < size && m_text[m_at] != ',' && !isLineBreak(m_text[m_at]))
                return fail(record, Problem { m_line, {}, "text follows the closing quote of a field" });
        } else {
            const std::size_t start = m_at;
            while (m_at < size && m_text[m_at] != ',' && !isLineBreak(m_text[m_at]))
                ++m_at;
            if (m_at - start > kLongestField)
                return fail(record, tooLong());
            field.assign(m_text.substr(start, m_at - start));
        }
        if (m_at < size && m_text[m_at] == ',') {
            ++m_at;
            continue;
        }
        if (m_at < size)
            endLine();
        return true;
    }
}

Records splitRecords(std::string_view text, std::size_t mostFields)
{
    Records result;
    RecordReader reader(text);
    Record record;
    while (reader.next(record, mostFields))
        result.records.push_back(std::move(record));
    result.problem = reader.problem();
    return result;
}

std::string field(std::string_view value)
{
    const bool needsQuotes = value.find_first_of(",\"\r\n") != std::string_view::npos
        || (!value.empty() && (isBlank(value.front()) || isBlank(value.back())));
    if (!needsQuotes)
        return std::string(value);
    std::string result;
    result.reserve(value.size() + 2);
    result += '"';
    for (const char c : value) {
        result += c;
        if (c == '"')
            result += '"';
    }
    result += '"';
    return result;
}

void appendRecord(std::string& out, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += field(fields[i]);
    }
    out += '\n';
}

std::optional<Encoding> encodingNamed(std::string_view name)
{
    const std::string key = lowered(trimmed(name));
    if (key == "utf-8" || key == "utf8")
        return Encoding::Utf8;
    if (key == "shift_jis" || key == "shift-jis" || key == "sjis" || key == "cp932" || key == "windows-31j")
        return Encoding::ShiftJis;
    return std::nullopt;
}

std::size_t utf8BomLength(std::string_view bytes)
{
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

Encoding detectEncoding(std::string_view bytes)
{
    if (utf8BomLength(bytes) > 0)
        return Encoding::Utf8;
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        return Encoding::Utf16;
    return firstInvalidUtf8(bytes) ? Encoding::ShiftJis : Encoding::Utf8;
}

std::optional<std::size_t> firstInvalidUtf8(std::string_view bytes)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = byte(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0; // overlong
            else if (lead == 0xED)
                high = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90; // overlong
            else if (lead == 0xF4)
                high = 0x8F; // above U+10FFFF
        } else {
            return i;
        }
        if (i + length > bytes.size())
            return i;
        if (byte(i + 1) < low || byte(i + 1) > high)
            return i;
        for (std::size_t k = 2; k < length; ++k) {
            if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
                return i;
        }
        i += length;
    }
    return std::nullopt;
}

std::size_t lineAt(std::string_view text, std::size_t offset)
{
    std::size_t line = 1;
    const std::size_t end = std::min(offset, text.size());
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n')))
            ++line;
    }
    return line;
}

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
