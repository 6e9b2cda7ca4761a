// SPDX-License-Identifier: MIT
// What the commands cost as a user meets them: zelpo-cli started afresh for
// every run on a generated 32,767-draw file with a payout row for every draw,
// start-up, reading and printing included. predict is the yardstick the
// backtest with its money is held to (within 1.5 times). The machine's noise
// is large against a few tens of milliseconds: run them with
// --benchmark_repetitions=20 --benchmark_enable_random_interleaving=true.
#include "bench/benchdb.h"

#include <QProcess>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

void runCommand(benchmark::State& state, QStringList arguments)
{
    arguments << QStringLiteral("--db") << zelpo::bench::databaseWithDraws(32767);
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral(ZELPO_CLI), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() != 0) {
            state.SkipWithError("zelpo-cli failed");
            return;
        }
    }
}

constexpr const char* kGames[] = { "numbers3", "numbers4", "miniloto" };

// The fastest repetition: what the command costs with the least of the
// machine's other work in the way.
double fastest(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

// Arg: the game.
void BM_CommandPredict(benchmark::State& state)
{
    runCommand(state, { QStringLiteral("predict"), QLatin1String(kGames[state.range(0)]) });
}
BENCHMARK(BM_CommandPredict)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", fastest);

// Args: the game, and 1 for --json.
void BM_CommandBacktest(benchmark::State& state)
{
    QStringList arguments { QStringLiteral("backtest"), QLatin1String(kGames[state.range(0)]) };
    if (state.range(1))
        arguments << QStringLiteral("--json");
    runCommand(state, arguments);
}
BENCHMARK(BM_CommandBacktest)
    ->Args({ 0, 0 })
    ->Args({ 0, 1 })
    ->Args({ 1, 0 })
    ->Args({ 2, 0 })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", fastest);

} // namespace
