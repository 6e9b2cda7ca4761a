// SPDX-License-Identifier: MIT
#include "cores/analysis/report.h"

#include "cores/analysis/reporttext.h"

namespace zelpo::analysis {
namespace {

std::string moneyLines(const Money& money, Game game)
{
    std::string text;
    const std::span<const KindName> names = ticketKinds(game);
    const std::span<const KindMoney> kinds = money.kinds();
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        text += std::string(names[k].name) + '\t' + std::to_string(kinds[k].tickets) + '\t'
            + std::to_string(kinds[k].cost()) + '\t' + std::to_string(kinds[k].won) + '\t'
            + formatted(kinds[k].returnRate(), "%.3f") + '\t' + std::to_string(kinds[k].chanceWonYen()) + '\t'
            + formatted(kinds[k].chanceReturnRate(), "%.3f") + '\n';
    }
    return text;
}

std::string moneyJson(const Money& money, Game game)
{
    std::string json = ", \"money\": [";
    const std::span<const KindName> names = ticketKinds(game);
    const std::span<const KindMoney> kinds = money.kinds();
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        json += (k ? ", " : "") + std::string("{\"kind\": ") + jsonString(names[k].name)
            + ", \"tickets\": " + std::to_string(kinds[k].tickets) + ", \"cost\": " + std::to_string(kinds[k].cost())
            + ", \"won\": " + std::to_string(kinds[k].won) + ", \"return\": " + jsonNumber(kinds[k].returnRate())
            + ", \"chance_won\": " + jsonNumber(kinds[k].chanceWon())
            + ", \"chance_return\": " + jsonNumber(kinds[k].chanceReturnRate())
            + ", \"draws_without_payouts\": " + std::to_string(kinds[k].drawsWithoutPayouts) + '}';
    }
    return json + ']';
}

} // namespace

std::string_view gameName(Game game)
{
    return gameId(game);
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
            + formatted(scores[c].expected, "%.3f") + '\t' + (ratio ? formatted(*ratio, "%.3f") : std::string("-"))
            + '\t' + formatted(scores[c].p(), "%.4g") + '\n';
    }
    if (const Money* money = record.money())
        text += moneyLines(*money, record.game());
    for (const Hit& hit : record.hits()) {
        text += std::to_string(hit.draw) + '\t' + std::to_string(hit.prediction) + '\t' + hit.ticket + '\t'
            + classNames(record.game(), hit.classes) + '\n';
    }
    return text;
}

std::string jsonReport(const Record& record)
{
    std::string json = "{\"game\": " + jsonString(gameName(record.game()))
        + ", \"draws\": " + std::to_string(record.draws()) + ", \"tickets\": " + std::to_string(record.tickets())
        + ", \"first\": " + optionalNumber(record.first(), "null")
        + ", \"last\": " + optionalNumber(record.last(), "null") + ", \"classes\": [";
    const std::span<const HitClass> all = hitClasses(record.game());
    const std::span<const ClassScore> scores = record.classes();
    for (std::size_t c = 0; c < scores.size(); ++c) {
        json += (c ? ", " : "") + std::string("{\"class\": ") + jsonString(all[c].name)
            + ", \"hits\": " + std::to_string(scores[c].hits) + ", \"expected\": " + jsonNumber(scores[c].expected)
            + ", \"p\": " + jsonNumber(scores[c].p()) + '}';
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
    json += ']';
    if (const Money* money = record.money())
        json += moneyJson(*money, record.game());
    return json + "}\n";
}

} // namespace zelpo::analysis
