// SPDX-License-Identifier: MIT
// The predictions: the cores alone on histories in memory, and the whole road
// from the file (query + core), to set beside the bare reads of the same rows.
#include "bench/benchdb.h"
#include "cores/numbers3/prediction.h"
#include "cores/numbers4/prediction.h"
#include "data/db/drawcount.h"
#include "data/numbers3/numbers3data.h"
#include "data/numbers4/numbers4data.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

template <class Digits>
std::vector<Digits> generatedHistory(int draws)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> digit(0, 9);
    std::vector<Digits> history(static_cast<std::size_t>(draws));
    for (Digits& draw : history) {
        for (int& d : draw)
            d = digit(random);
    }
    return history;
}

void BM_PredictNumbers3Core(benchmark::State& state)
{
    const auto history = generatedHistory<zelpo::numbers3::Digits>(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::numbers3::predict(history));
}
BENCHMARK(BM_PredictNumbers3Core)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);

void BM_PredictNumbers4Core(benchmark::State& state)
{
    const auto history = generatedHistory<zelpo::numbers4::Digits>(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::numbers4::predict(history));
}
BENCHMARK(BM_PredictNumbers4Core)->Arg(7054)->Arg(32767)->Unit(benchmark::kMicrosecond);

void BM_PredictNumbers3Query(benchmark::State& state)
{
    const QString& path = zelpo::bench::databaseWithDraws(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::numbers3::predictNext(path, zelpo::db::kWherePositive));
}
BENCHMARK(BM_PredictNumbers3Query)->Arg(7054)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_PredictNumbers4Query(benchmark::State& state)
{
    const QString& path = zelpo::bench::databaseWithDraws(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::numbers4::predictNext(path, zelpo::db::kWherePositive));
}
BENCHMARK(BM_PredictNumbers4Query)->Arg(7054)->Arg(32767)->Unit(benchmark::kMillisecond);

// The query procedure alone on the prediction's rows, digits read and summed:
// what query + core costs beyond the core.
void BM_ReadPredictionRowsNumbers3(benchmark::State& state)
{
    const QString& path = zelpo::bench::databaseWithDraws(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int sum = 0;
        zelpo::db::read(
            path, zelpo::numbers3::kPredictSql, zelpo::db::kWherePositive, [&sum](const zelpo::db::Row& row) {
                sum += row.integer(u"N100") + row.integer(u"N10") + row.integer(u"N1");
            });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadPredictionRowsNumbers3)->Arg(7054)->Arg(32767)->Unit(benchmark::kMillisecond);

// The floor for the Numbers 4 prediction, as BM_BareReadNumbers3 is for Numbers 3.
void BM_BareReadNumbers4(benchmark::State& state)
{
    const QString& path = zelpo::bench::databaseWithDraws(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare4"));
            database.setDatabaseName(path);
            database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            database.open();
            QSqlQuery query(database);
            query.setForwardOnly(true);
            query.exec(QStringLiteral("SELECT N1000,N100,N10,N1 FROM ナンバーズ4 WHERE kaisai>0"));
            int sum = 0;
            while (query.next()) {
                sum += query.value(0).toInt() + query.value(1).toInt() + query.value(2).toInt()
                    + query.value(3).toInt();
            }
            benchmark::DoNotOptimize(sum);
            query.finish();
            database.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bare4"));
    }
}
BENCHMARK(BM_BareReadNumbers4)->Arg(7054)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace
