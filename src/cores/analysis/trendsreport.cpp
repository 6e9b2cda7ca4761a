// SPDX-License-Identifier: MIT
#include "cores/analysis/trendsreport.h"

#include "cores/analysis/reporttext.h"

namespace zelpo::analysis {
namespace {

std::string jsonRow(const TrendRow& row)
{
    std::string json = "{\"label\": " + jsonString(row.label) + ", \"observed\": " + std::to_string(row.observed)
        + ", \"expected\": " + jsonNumber(row.expected);
    if (row.p)
        json += ", \"p\": " + jsonNumber(*row.p);
    return json + '}';
}

std::string jsonTest(const TrendTest& test)
{
    return "{\"label\": " + jsonString(test.label) + ", \"statistic\": " + jsonNumber(test.statistic)
        + ", \"df\": " + std::to_string(test.df) + ", \"p\": " + jsonNumber(test.p) + '}';
}

} // namespace

std::string trendsText(const Trends& trends)
{
    std::string text = trends.game + '\t' + std::to_string(trends.draws) + '\t' + optionalNumber(trends.first, "-")
        + '\t' + optionalNumber(trends.last, "-") + '\n';
    for (const TrendSection& section : trends.sections) {
        text += '\n' + section.name + '\n';
        for (const TrendRow& row : section.rows) {
            text += row.label + '\t' + std::to_string(row.observed) + '\t' + formatted(row.expected, "%.3f");
            if (row.p)
                text += '\t' + formatted(*row.p, "%.4g");
            text += '\n';
        }
        for (const TrendTest& test : section.tests) {
            text += "test\t" + test.label + '\t' + formatted(test.statistic, "%.3f") + '\t' + std::to_string(test.df)
                + '\t' + formatted(test.p, "%.4g") + '\n';
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
