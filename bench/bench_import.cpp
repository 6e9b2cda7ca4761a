// SPDX-License-Identifier: MIT
// Importing a whole Numbers 3 history into an empty database, and its parts.
#include "data/db/create.h"
#include "data/db/transfer.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// The real history when it is at hand, else a generated file of the same
// shape: 7,054 draws with a date column the import ignores.
const QByteArray& numbers3History()
{
    static const QByteArray bytes = [] {
        QString dir = qEnvironmentVariable("ZELPO_SHARED_DATA");
        if (dir.isEmpty())
            dir = QStringLiteral(ZELPO_SHARED_DATA_DIR);
        QFile file(dir + QStringLiteral("/numbers3.csv"));
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
        QByteArray generated = "kaisai,date,N100,N10,N1\n";
        std::mt19937 random(7054);
        std::uniform_int_distribution<int> digit(0, 9);
        for (int kaisai = 1; kaisai <= 7054; ++kaisai) {
            generated += QByteArray::number(kaisai) + ",2000-01-01," + QByteArray::number(digit(random)) + ','
                + QByteArray::number(digit(random)) + ',' + QByteArray::number(digit(random)) + '\n';
        }
        return generated;
    }();
    return bytes;
}

void BM_ImportNumbers3History(benchmark::State& state)
{
    const QByteArray& bytes = numbers3History();
    const QTemporaryDir dir;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = dir.filePath(QStringLiteral("import-%1.mdb").arg(++round));
        zelpo::db::createDatabaseFile(path);
        state.ResumeTiming();
        const zelpo::db::ImportResult result = zelpo::db::importDraws(path, zelpo::Game::Numbers3, bytes);
        if (!result.ok() || result.imported != 7054)
            state.SkipWithError("the import failed");
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportNumbers3History)->Unit(benchmark::kMillisecond);

// The file side alone: decoding, splitting and checking every row.
void BM_ReadNumbers3History(benchmark::State& state)
{
    const QByteArray& bytes = numbers3History();
    for (auto _ : state) {
        const zelpo::db::DecodedText text = zelpo::db::decodeText(bytes, std::nullopt);
        benchmark::DoNotOptimize(zelpo::db::csv::readDraws(zelpo::db::csv::Table::Numbers3, text.utf8));
    }
}
BENCHMARK(BM_ReadNumbers3History)->Unit(benchmark::kMillisecond);

void BM_ExportNumbers3History(benchmark::State& state)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.mdb"));
    zelpo::db::createDatabaseFile(path);
    zelpo::db::importDraws(path, zelpo::Game::Numbers3, numbers3History());
    for (auto _ : state)
        benchmark::DoNotOptimize(zelpo::db::exportDraws(path, zelpo::Game::Numbers3));
}
BENCHMARK(BM_ExportNumbers3History)->Unit(benchmark::kMillisecond);

} // namespace
