// SPDX-License-Identifier: MIT
// The trends of one game, every section with its tests, over histories in
// memory as long as the bundled one and as the longest a game may grow; and
// the 出現傾向 window opening on the bundled history.
#include "cores/analysis/minilototrends.h"
#include "cores/analysis/numberstrends.h"
#include "data/analysis/trendsdata.h"
#include "data/db/history.h"
#include "widgets/trends/trendsdialog.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

template <std::size_t D>
std::vector<std::array<int, D>> digitHistory(int draws)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<std::array<int, D>> history(static_cast<std::size_t>(draws));
    for (auto& draw : history)
        std::generate(draw.begin(), draw.end(), [&] { return digit(random); });
    return history;
}

std::vector<std::array<int, 5>> setHistory(int draws)
{
    std::mt19937 random(12345);
    std::array<int, 31> numbers {};
    std::vector<std::array<int, 5>> history(static_cast<std::size_t>(draws));
    for (auto& draw : history) {
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), random);
        std::copy_n(numbers.begin(), 5, draw.begin());
    }
    return history;
}

template <std::size_t D>
void BM_TrendsNumbers(benchmark::State& state)
{
    const auto history = digitHistory<D>(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::analysis::numbersTrends(history));
}
BENCHMARK(BM_TrendsNumbers<3>)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrendsNumbers<4>)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);

void BM_TrendsMiniloto(benchmark::State& state)
{
    const auto history = setHistory(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::analysis::minilotoTrends(history));
}
BENCHMARK(BM_TrendsMiniloto)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);

// The database `zelpo-cli init` makes: the bundled history of every game.
const QString& bundledDatabase()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("bundled.mdb"));
        zelpo::db::createDatabaseWithHistory(file);
        return file;
    }();
    return path;
}

// What opening the window costs: the read of the table and every section,
// the tabs with their charts, tables and sentences built, shown and painted.
template <zelpo::Game game>
void BM_TrendsWindowBundled(benchmark::State& state)
{
    const QString& path = bundledDatabase();
    for (auto _ : state) {
        std::optional<zelpo::analysis::Trends> all = zelpo::analysis::readTrends(game, path);
        if (!all || all->draws == 0) {
            state.SkipWithError("the bundled history could not be read");
            return;
        }
        zelpo::analysis::TrendsDialog window(game, std::move(*all),
            [&path](std::optional<int> last) { return zelpo::analysis::readTrends(game, path, last); });
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.trends().draws);
    }
}
BENCHMARK(BM_TrendsWindowBundled<zelpo::Game::Numbers3>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendsWindowBundled<zelpo::Game::Numbers4>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendsWindowBundled<zelpo::Game::MiniLoto>)->Unit(benchmark::kMillisecond);

} // namespace
