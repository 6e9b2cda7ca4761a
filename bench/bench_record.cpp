// SPDX-License-Identifier: MIT
// The prediction record: the walk-forward backtest core on generated
// histories, without and with the money, the backtest from a file, and the
// 予想の成績 window (read, computation and filling) on the built-in history.
#include "bench/benchdb.h"
#include "cores/analysis/backtest.h"
#include "cores/analysis/report.h"
#include "data/analysis/recorddata.h"
#include "data/db/connection.h"
#include "data/db/create.h"
#include "data/db/drawcount.h"
#include "data/db/history.h"
#include "data/db/transfer.h"
#include "widgets/record/predictionrecorddialog.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using zelpo::Game;
using zelpo::analysis::Draw;
using zelpo::analysis::Payouts;

std::vector<Draw> generatedDraws(Game game, int count)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> number(1, 31);
    std::vector<Draw> draws(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Draw& draw = draws[static_cast<std::size_t>(i)];
        draw.kaisai = i + 1;
        for (int& n : draw.numbers)
            n = game == Game::MiniLoto ? number(random) : digit(random);
        draw.bonus = number(random);
    }
    return draws;
}

template <Game game>
void BM_BacktestCore(benchmark::State& state)
{
    const std::vector<Draw> draws = generatedDraws(game, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::analysis::backtest(game, draws));
}
BENCHMARK(BM_BacktestCore<Game::Numbers3>)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BacktestCore<Game::Numbers4>)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BacktestCore<Game::MiniLoto>)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);

// A payout row for every draw, each amount known.
Payouts generatedPayouts(Game game, int count)
{
    std::mt19937 random(54321);
    std::uniform_int_distribution<zelpo::analysis::Yen> yen(1000, 1000000);
    std::vector<zelpo::analysis::Numbers3Payout> numbers(static_cast<std::size_t>(count));
    std::vector<zelpo::analysis::MiniLotoPayout> miniLoto(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        numbers[at] = { i + 1, "2026-01-05", yen(random), yen(random), yen(random), yen(random), yen(random) };
        miniLoto[at] = { i + 1, "2026-01-05", { yen(random), yen(random), yen(random), yen(random) }, {} };
    }
    if (game == Game::MiniLoto)
        return Payouts(std::span<const zelpo::analysis::MiniLotoPayout>(miniLoto));
    if (game == Game::Numbers3)
        return Payouts(std::span<const zelpo::analysis::Numbers3Payout>(numbers));
    std::vector<zelpo::analysis::Numbers4Payout> four;
    for (const auto& row : numbers)
        four.push_back({ row.kaisai, row.date, row.straight, row.box, row.setStraight, row.setBox });
    return Payouts(std::span<const zelpo::analysis::Numbers4Payout>(four));
}

// The same with the money of every kind counted against the payouts.
template <Game game>
void BM_BacktestCoreMoney(benchmark::State& state)
{
    const std::vector<Draw> draws = generatedDraws(game, static_cast<int>(state.range(0)));
    const Payouts payouts = generatedPayouts(game, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::analysis::backtest(game, draws, {}, false, &payouts));
}
BENCHMARK(BM_BacktestCoreMoney<Game::Numbers3>)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BacktestCoreMoney<Game::Numbers4>)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BacktestCoreMoney<Game::MiniLoto>)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);

// What zelpo-cli backtest costs on a generated file with a payout row for
// every draw: the draws and (arg 1) their payouts read in one pass, the walk
// and the report; set beside BM_PredictNumbers3Query, what zelpo-cli predict
// costs. Arg 2: the first target draw (0: every draw).
void BM_BacktestFileNumbers3(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const QString& path = zelpo::bench::databaseWithDraws(count);
    zelpo::analysis::Range range;
    if (state.range(2) > 0)
        range.from = static_cast<int>(state.range(2));
    for (auto _ : state) {
        if (state.range(1)) {
            const std::optional<zelpo::analysis::Record> record
                = zelpo::analysis::backtest(zelpo::Game::Numbers3, path, range);
            if (!record || !record->money() || record->money()->kinds()[0].tickets == 0) {
                state.SkipWithError("the backtest found no payouts");
                return;
            }
            benchmark::DoNotOptimize(zelpo::analysis::jsonReport(*record));
        } else {
            zelpo::analysis::Backtest walk(Game::Numbers3, range);
            zelpo::analysis::readDraws(
                zelpo::Game::Numbers3, path, zelpo::db::kWherePositive, [&](const Draw& draw) { walk.add(draw); });
            benchmark::DoNotOptimize(zelpo::analysis::jsonReport(walk.record()));
        }
    }
}
BENCHMARK(BM_BacktestFileNumbers3)
    ->Args({ 32767, 0, 0 })
    ->Args({ 32767, 1, 0 })
    ->Args({ 32767, 1, 30000 })
    ->Unit(benchmark::kMillisecond);

// A database made as zelpo-cli init makes it: the built-in histories with
// their dates and payouts. Made once.
const QString& builtInDatabase()
{
    static QTemporaryDir dir;
    static QString path;
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("built-in.mdb"));
        zelpo::db::createDatabaseWithHistory(path);
    }
    return path;
}

// What opening the window costs on the built-in history: the one read of the
// table with its payouts, the backtest and the hit check with their money,
// the tables, the sentences, the charts and the list filled.
void BM_RecordWindowReal(benchmark::State& state)
{
    const auto game = static_cast<zelpo::Game>(state.range(0));
    const QString& path = builtInDatabase();
    for (auto _ : state) {
        std::optional<zelpo::analysis::StoredDraws> draws = zelpo::analysis::readStoredDraws(game, path);
        if (!draws || draws->draws.size() < 1000 || draws->payouts.size() < 1000) {
            state.SkipWithError("the built-in history could not be read");
            return;
        }
        zelpo::analysis::PredictionRecordDialog window(std::move(*draws));
        benchmark::DoNotOptimize(window.backtestRecord().draws());
    }
}
BENCHMARK(BM_RecordWindowReal)
    ->Arg(static_cast<int>(zelpo::Game::Numbers3))
    ->Arg(static_cast<int>(zelpo::Game::Numbers4))
    ->Arg(static_cast<int>(zelpo::Game::MiniLoto))
    ->Unit(benchmark::kMillisecond);

} // namespace
