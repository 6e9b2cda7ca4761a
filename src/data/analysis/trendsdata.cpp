// SPDX-License-Identifier: MIT
#include "data/analysis/trendsdata.h"

#include "cores/analysis/minilototrends.h"
#include "cores/analysis/numberstrends.h"
#include "data/analysis/recorddata.h"
#include "data/db/drawcount.h"

#include <algorithm>

namespace zelpo::analysis {
namespace {

template <std::size_t N>
std::array<int, N> firstNumbers(const Draw& draw)
{
    std::array<int, N> numbers {};
    std::copy_n(draw.numbers.begin(), N, numbers.begin());
    return numbers;
}

// The countable draws of the table, then the tally over the last `last` of them.
template <class Tally, std::size_t N>
std::optional<Trends> tallyWindow(Game game, const QString& database, std::optional<int> last, db::Status* status)
{
    std::vector<std::pair<int, std::array<int, N>>> draws; // kaisai, numbers
    const db::Status read = readDraws(game, database, db::kWherePositive, [&](const Draw& draw) {
        const std::array<int, N> numbers = firstNumbers<N>(draw);
        if (Tally::accepts(numbers))
            draws.emplace_back(draw.kaisai, numbers);
    });
    if (status)
        *status = read;
    if (!read)
        return std::nullopt;
    const std::size_t size = last ? std::min(draws.size(), static_cast<std::size_t>(std::max(*last, 0))) : draws.size();
    const auto window = std::span(draws).last(size);
    Tally tally;
    for (const auto& draw : window)
        tally.add(draw.second);
    Trends trends = tally.trends();
    if (!window.empty()) {
        trends.first = window.front().first;
        trends.last = window.back().first;
    }
    return trends;
}

} // namespace

std::optional<Trends> readTrends(Game game, const QString& database, std::optional<int> last, db::Status* status)
{
    switch (game) {
    case Game::Numbers3:
        return tallyWindow<NumbersTrendTally<3>, 3>(game, database, last, status);
    case Game::Numbers4:
        return tallyWindow<NumbersTrendTally<4>, 4>(game, database, last, status);
    case Game::MiniLoto:
        return tallyWindow<MinilotoTrendTally, 5>(game, database, last, status);
    }
    return std::nullopt;
}

} // namespace zelpo::analysis
