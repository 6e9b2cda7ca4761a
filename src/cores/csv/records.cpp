// SPDX-License-Identifier: MIT
#include "cores/csv/records.h"

#include "cores/csv/text_p.h"

#include <algorithm>

namespace zelpo::db::csv {
namespace {

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

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

} // namespace zelpo::db::csv
