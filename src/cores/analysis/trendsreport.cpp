// SPDX-License-Identifier: MIT
#include "cores/analysis/trendsreport.h"

#include <charconv>
#include <cstdio>

namespace zelpo::analysis {
namespace {

// The shortest text that reads back as the same double.
std::string exact(double value)
{
    char buffer[32];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string fixed(double value, const char* format)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string jsonString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string optionalNumber(std::optional<int> value, const char* missing)
{
    return value ? std::to_string(*value) : std::string(missing);
}

std::string jsonRow(const TrendRow& row)
{
    std::string json = "{\"label\": " + jsonString(row.label) + ", \"observed\": " + std::to_string(row.observed)
        + ", \"expected\": " + exact(row.expected);
    if (row.p)
        json += ", \"p\": " + exact(*row.p);
    return json + '}';
}

std::string jsonTest(const TrendTest& test)
{
    return "{\"label\": " + jsonString(test.label) + ", \"statistic\": " + exact(test.statistic)
        + ", \"df\": " + std::to_string(test.df) + ", \"p\": " + exact(test.p) + '}';
}

} // namespace

std::string trendsText(const Trends& trends)
{
    std::string text = trends.game + '\t' + std::to_string(trends.draws) + '\t' + optionalNumber(trends.first, "-")
        + '\t' + optionalNumber(trends.last, "-") + '\n';
    for (const TrendSection& section : trends.sections) {
        text += '\n' + section.name + '\n';
        for (const TrendRow& row : section.rows) {
            text += row.label + '\t' + std::to_string(row.observed) + '\t' + fixed(row.expected, "%.3f");
            if (row.p)
                text += '\t' + fixed(*row.p, "%.4g");
            text += '\n';
        }
        for (const TrendTest& test : section.tests) {
            text += "test\t" + test.label + '\t' + fixed(test.statistic, "%.3f") + '\t' + std::to_string(test.df) + '\t'
                + fixed(test.p, "%.4g") + '\n';
        }
    }
    return text;
}

std::string trendsJson(const Trends& trends)
{
    std::string json = "{\"game\": " + jsonString(trends.game) + ", \"draws\": " + std::to_string(trends.draws)
        + ", \"first\": " + optionalNumber(trends.first, "null") + ", \"last\": " + optionalNumber(trends.last, "null")
        + ", \"sections\": [";
    for (std::size_t s = 0; s < trends.sections.size(); ++s) {
        const TrendSection& section = trends.sections[s];
        json += (s ? ", " : "") + std::string("{\"name\": ") + jsonString(section.name) + ", \"rows\": [";
        for (std::size_t r = 0; r < section.rows.size(); ++r)
            json += (r ? ", " : "") + jsonRow(section.rows[r]);
        json += "], \"tests\": [";
        for (std::size_t t = 0; t < section.tests.size(); ++t)
            json += (t ? ", " : "") + jsonTest(section.tests[t]);
        json += "]}";
    }
    return json + "]}\n";
}

} // namespace zelpo::analysis
