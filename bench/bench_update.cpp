// SPDX-License-Identifier: MIT
// Reading and checking the whole Numbers 3 feed (draws.full.json), as an
// update that fills dates and payouts reads it.
#include "data/update/feedjson.h"

#include <QFile>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <random>

namespace {

QList<QByteArrayList> csvRows(const QString& name)
{
    QString dir = qEnvironmentVariable("ZELPO_SHARED_DATA");
    if (dir.isEmpty())
        dir = QStringLiteral(ZELPO_SHARED_DATA_DIR);
    QFile file(dir + QLatin1Char('/') + name);
    QList<QByteArrayList> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    file.readLine(); // the header
    while (!file.atEnd())
        rows << file.readLine().trimmed().split(',');
    return rows;
}

void appendDraw(
    QByteArray& out, int kaisai, const QByteArray& date, const QByteArrayList& digits, const QByteArrayList& prizes)
{
    static const char* const kClasses[] = { "straight", "box", "set_straight", "set_box", "mini" };
    out += "  {\n    \"draw_no\": " + QByteArray::number(kaisai) + ",\n    \"draw_date\": \"" + date
        + "\",\n    \"result\": {\n      \"values\": [\n";
    for (qsizetype i = 0; i < digits.size(); ++i)
        out += "        " + digits[i] + (i + 1 < digits.size() ? ",\n" : "\n");
    out += "      ],\n      \"display\": \"" + digits.join() + "\"\n    },\n    \"prize\": {\n";
    for (int i = 0; i < 5; ++i) {
        // The feed writes 0 where a class paid nothing.
        const QByteArray yen = prizes[i].isEmpty() ? QByteArray("0") : prizes[i];
        out += "      \"" + QByteArray(kClasses[i]) + "\": " + yen + (i < 4 ? ",\n" : "\n");
    }
    out += "    }\n  }";
}

// The feed's draws.full.json for the bundled history (7,054 draws) when it is
// at hand, else a generated history of the same size and shape.
const QByteArray& numbers3Feed()
{
    static const QByteArray bytes = [] {
        const QList<QByteArrayList> draws = csvRows(QStringLiteral("numbers3.csv"));
        const QList<QByteArrayList> payouts = csvRows(QStringLiteral("numbers3-payouts.csv"));
        QByteArray out = "[\n";
        std::mt19937 random(7054);
        std::uniform_int_distribution<int> digit(0, 9);
        const bool real = !draws.isEmpty() && draws.size() == payouts.size();
        const qsizetype count = real ? draws.size() : 7054;
        for (qsizetype i = 0; i < count; ++i) {
            if (i)
                out += ",\n";
            if (real) {
                appendDraw(out, draws[i][0].toInt(), draws[i][1], draws[i].mid(2, 3), payouts[i].mid(1, 5));
                continue;
            }
            const QDate date = QDate(1994, 10, 7).addDays(i);
            appendDraw(out, static_cast<int>(i + 1), date.toString(Qt::ISODate).toLatin1(),
                { QByteArray::number(digit(random)), QByteArray::number(digit(random)),
                    QByteArray::number(digit(random)) },
                { "100100", "16600", "58300", "8300", "10000" });
        }
        return out + "\n]\n";
    }();
    return bytes;
}

void BM_ReadNumbers3Feed(benchmark::State& state)
{
    const QByteArray& bytes = numbers3Feed();
    for (auto _ : state) {
        const zelpo::update::Parsed parsed = zelpo::update::parseFeedJson(zelpo::Game::Numbers3, bytes);
        if (!parsed.ok() || parsed.draws.size() < 7054)
            state.SkipWithError("the feed was not read");
        benchmark::DoNotOptimize(parsed);
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReadNumbers3Feed)->Unit(benchmark::kMillisecond);

} // namespace
