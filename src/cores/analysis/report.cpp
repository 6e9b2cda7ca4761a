// SPDX-License-Identifier: MIT
#include "cores/analysis/report.h"

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

std::string optionalNumber(std::optional<int> value)
{
    return value ? std::to_string(*value) : std::string("null");
}

} // namespace

std::string_view gameName(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return "numbers3";
    case Game::Numbers4:
        return "numbers4";
    case Game::MiniLoto:
        return "miniloto";
    }
    return {};
}

std::string classNames(Game game, ClassSet classes)
{
    std::string names;
    const std::span<const HitClass> all = hitClasses(game);
    for (std::size_t c = 0; c < all.size(); ++c) {
        if ((classes >> c) & 1u) {
            if (!names.empty())
                names += ',';
            names += all[c].name;
        }
    }
    return names;
}

std::string textReport(const Record& record)
{
    std::string text;
    const std::span<const HitClass> all = hitClasses(record.game());
    const std::span<const ClassScore> scores = record.classes();
    for (std::size_t c = 0; c < scores.size(); ++c) {
        const std::optional<double> ratio = scores[c].ratio();
        text += std::string(all[c].name) + '\t' + std::to_string(scores[c].hits) + '\t'
            + fixed(scores[c].expected, "%.3f") + '\t' + (ratio ? fixed(*ratio, "%.3f") : std::string("-")) + '\t'
            + fixed(scores[c].p(), "%.4g") + '\n';
    }
    for (const Hit& hit : record.hits()) {
        text += std::to_string(hit.draw) + '\t' + std::to_string(hit.prediction) + '\t' + hit.ticket + '\t'
            + classNames(record.game(), hit.classes) + '\n';
    }
    return text;
}

std::string jsonReport(const Record& record)
{
    std::string json = "{\"game\": " + jsonString(gameName(record.game())) + ", \"draws\": "
        + std::to_string(record.draws()) + ", \"tickets\": " + std::to_string(record.tickets()) + ", \"first\": "
        + optionalNumber(record.first()) + ", \"last\": " + optionalNumber(record.last()) + ", \"classes\": [";
    const std::span<const HitClass> all = hitClasses(record.game());
    const std::span<const ClassScore> scores = record.classes();
    for (std::size_t c = 0; c < scores.size(); ++c) {
        json += (c ? ", " : "") + std::string("{\"class\": ") + jsonString(all[c].name)
            + ", \"hits\": " + std::to_string(scores[c].hits) + ", \"expected\": " + exact(scores[c].expected)
            + ", \"p\": " + exact(scores[c].p()) + '}';
    }
    json += "], \"hits\": [";
    bool firstHit = true;
    for (const Hit& hit : record.hits()) {
        json += (firstHit ? "" : ", ") + std::string("{\"draw\": ") + std::to_string(hit.draw) + ", \"prediction\": "
            + std::to_string(hit.prediction) + ", \"ticket\": " + jsonString(hit.ticket) + ", \"classes\": [";
        bool firstClass = true;
        for (std::size_t c = 0; c < all.size(); ++c) {
            if ((hit.classes >> c) & 1u) {
                json += (firstClass ? "" : ", ") + jsonString(all[c].name);
                firstClass = false;
            }
        }
        json += "]}";
        firstHit = false;
    }
    return json + "]}\n";
}

} // namespace zelpo::analysis
