// SPDX-License-Identifier: MIT
// The cost of the query procedure itself: a draw count and a bare walk.
#include "bench/benchdb.h"
#include "data/db/drawcount.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

namespace {

void BM_NextDrawNumber(benchmark::State& state)
{
    const QString& path = zelpo::bench::databaseWithDraws(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::db::nextDrawNumber(path, zelpo::db::kCountNumbers3, zelpo::db::kWherePositive));
}
BENCHMARK(BM_NextDrawNumber)->Arg(7054)->Arg(32767)->Unit(benchmark::kMillisecond);

// The floor every reader is measured against: open, walk the rows, discard, close.
void BM_BareReadNumbers3(benchmark::State& state)
{
    const QString& path = zelpo::bench::databaseWithDraws(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
            database.setDatabaseName(path);
            database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            database.open();
            QSqlQuery query(database);
            query.setForwardOnly(true);
            query.exec(QStringLiteral("SELECT N100,N10,N1 FROM ナンバーズ3 WHERE kaisai>0"));
            int sum = 0;
            while (query.next())
                sum += query.value(0).toInt() + query.value(1).toInt() + query.value(2).toInt();
            benchmark::DoNotOptimize(sum);
            query.finish();
            database.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    }
}
BENCHMARK(BM_BareReadNumbers3)->Arg(7054)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace
