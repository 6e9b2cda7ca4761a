// SPDX-License-Identifier: MIT
// The update against the network as a user meets it:
//  - offline: a name that does not resolve and a port that refuses, each
//    fetched 20 times; every one must fail within the 5 s lookup or connect
//    limit (the counter "slowest_s" is the slowest of the 20);
//  - a whole update of the three games, 100 new draws each, from a local
//    HTTPS server: the feed's JSON for Numbers 3 and 4, the bank's index and
//    100 per-draw files for Mini Loto. The target is under 1 s of wall time.
#include "data/db/history.h"
#include "data/update/download.h"
#include "data/update/updaterun.h"
#include "tests/data/update/testserver.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using zelpo::Game;
using namespace zelpo::update;

constexpr int kNewDraws = 100;

// ---- Offline ------------------------------------------------------------------

void failEachTime(benchmark::State& state, const QUrl& url, DownloadFailure expected)
{
    double slowest = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const Downloaded result = downloadBlocking(url, Transport {});
        slowest = std::max(slowest, static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (result.failure != expected) {
            state.SkipWithError((QStringLiteral("an unexpected failure: ") + result.error).toStdString().c_str());
            break;
        }
    }
    state.counters["slowest_s"] = slowest;
}

void BM_UnresolvableNameFails(benchmark::State& state)
{
    failEachTime(
        state, QUrl(QStringLiteral("https://zelpo-bench.invalid/api/v1/latest.json")), DownloadFailure::Lookup);
}
BENCHMARK(BM_UnresolvableNameFails)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_RefusedPortFails(benchmark::State& state)
{
    const QUrl url(QStringLiteral("https://127.0.0.1:%1/api/v1/latest.json").arg(zelpo::test::closedPort()));
    failEachTime(state, url, DownloadFailure::Connection);
}
BENCHMARK(BM_RefusedPortFails)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- A whole update over HTTPS -------------------------------------------------

QList<QStringList> rows(const char* name)
{
    QFile file(QStringLiteral(ZELPO_REPO_DATA_DIR "/") + QLatin1String(name));
    QList<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    file.readLine(); // the header
    while (!file.atEnd())
        rows << QString::fromUtf8(file.readLine().trimmed()).split(QLatin1Char(','));
    return rows;
}

// The last kNewDraws draws of the built-in history, as the feed's v1 JSON.
QByteArray feedOf(const char* name)
{
    const QList<QStringList> draws = rows(name);
    QStringList items;
    for (qsizetype i = std::max<qsizetype>(0, draws.size() - kNewDraws); i < draws.size(); ++i) {
        const QStringList& row = draws[i];
        items << QStringLiteral("{\"draw_no\":%1,\"date\":\"%2\",\"digits\":[%3]}")
                     .arg(row[0], row[1], row.mid(2).join(QLatin1Char(',')));
    }
    return (QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']')).toUtf8();
}

QString eraDate(const QDate& date)
{
    return QStringLiteral("令和%1年%2月%3日").arg(date.year() - 2018).arg(date.month()).arg(date.day());
}

QString recorded(const char* name)
{
    QFile file(QStringLiteral(ZELPO_UPDATE_SAMPLES "/") + QLatin1String(name));
    QStringDecoder decoder("Shift_JIS");
    return file.open(QIODevice::ReadOnly) ? decoder.decode(file.readAll()) : QString();
}

QByteArray shiftJis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

QString titleLine(const QStringList& row)
{
    return QStringLiteral("第%1回ミニロト,数字選択式全国自治宝くじ,%2,東京 宝くじドリーム館")
        .arg(row[0], eraDate(QDate::fromString(row[1], Qt::ISODate)));
}

// Serves the last kNewDraws Mini Loto draws as the bank does: the index, and
// one file per draw (the recorded file with its title, date and numbers replaced).
void routeBank(zelpo::test::LocalServer& server)
{
    using zelpo::test::Reply;
    const QList<QStringList> draws = rows("miniloto.csv");
    QStringList index;
    const QStringList file = recorded("A1011353.CSV").split(QStringLiteral("\r\n"));
    for (qsizetype i = draws.size() - kNewDraws; i < draws.size(); ++i) {
        const QStringList& row = draws[i];
        index.prepend(QStringLiteral("A51\r\n") + titleLine(row));
        QStringList lines = file;
        for (QString& line : lines) {
            if (line.startsWith(QStringLiteral("第")))
                line = titleLine(row);
            else if (line.startsWith(QStringLiteral("本数字")))
                line = QStringLiteral("本数字,%1,ボーナス数字,%2")
                           .arg(row.mid(2, 5).join(QLatin1Char(',')), row[7].rightJustified(2, QLatin1Char('0')));
        }
        server.route(QStringLiteral("/bank/A101%1.CSV").arg(row[0].toInt(), 4, 10, QLatin1Char('0')),
            Reply { 200, shiftJis(lines.join(QStringLiteral("\r\n"))), {}, Reply::Mode::Normal });
    }
    server.route(QStringLiteral("/bank/miniloto.csv"),
        Reply { 200, shiftJis(index.mid(0, 5).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")), {},
            Reply::Mode::Normal });
}

// The built-in history without its last kNewDraws draws of each game.
const QString& olderFile()
{
    static const QTemporaryDir dir;
    static const QString path = [] {
        const QString made = dir.filePath(QStringLiteral("older.mdb"));
        zelpo::db::createDatabaseWithHistory(made);
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-cut"));
            database.setDatabaseName(made);
            database.open();
            QSqlQuery query(database);
            for (const char* table : { "ナンバーズ3", "ナンバーズ4", "ミニロト" }) {
                for (const QString& name :
                    { QString::fromUtf8(table), QString::fromUtf8(table) + QStringLiteral("配当") })
                    query.exec(QStringLiteral("DELETE FROM %1 WHERE kaisai>(SELECT max(kaisai) FROM %2)-%3")
                                   .arg(name, QString::fromUtf8(table))
                                   .arg(kNewDraws));
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench-cut"));
        return made;
    }();
    return path;
}

void BM_ThreeGameUpdateOverHttps(benchmark::State& state)
{
    using zelpo::test::LocalServer;
    using zelpo::test::Reply;
    const QSslConfiguration trusted = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = trusted;
    trusting.addCaCertificates(QSslCertificate::fromPath(QStringLiteral(ZELPO_UPDATE_TLS "/server.crt")));
    QSslConfiguration::setDefaultConfiguration(trusting);

    LocalServer server(LocalServer::Tls::SelfSigned);
    server.route(QStringLiteral("/feed/n3.json"), Reply { 200, feedOf("numbers3.csv"), {}, Reply::Mode::Normal });
    server.route(QStringLiteral("/feed/n4.json"), Reply { 200, feedOf("numbers4.csv"), {}, Reply::Mode::Normal });
    routeBank(server);
    SourceUrls urls;
    urls.numbers3Feed = server.url(QStringLiteral("/feed/n3.json"));
    urls.numbers4Feed = server.url(QStringLiteral("/feed/n4.json"));
    urls.miniLotoOfficialIndex = server.url(QStringLiteral("/bank/miniloto.csv"));
    urls.miniLotoOfficialFolder = server.url(QStringLiteral("/bank/"));

    const QTemporaryDir dir;
    const QString& older = olderFile();
    const QString path = dir.filePath(QStringLiteral("update.mdb"));
    // 0: the three games; 1, 2, 3: one of them alone, to see where the time goes.
    std::vector<Game> games { Game::Numbers3, Game::Numbers4, Game::MiniLoto };
    if (state.range(0) > 0)
        games = { games[static_cast<std::size_t>(state.range(0) - 1)] };
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        QFile::copy(older, path);
        state.ResumeTiming();
        const std::vector<GameOutcome> outcomes
            = updateBlocking(UpdateRequest { path, games, {}, false }, urls, Transport {});
        const auto notUpdated = std::find_if(outcomes.begin(), outcomes.end(), [](const GameOutcome& outcome) {
            return outcome.status != GameOutcome::Status::Updated || outcome.added != kNewDraws;
        });
        if (notUpdated != outcomes.end()) {
            state.SkipWithError((QStringLiteral("not updated: ") + notUpdated->reason).toStdString().c_str());
            break;
        }
    }
    QSslConfiguration::setDefaultConfiguration(trusted);
}
BENCHMARK(BM_ThreeGameUpdateOverHttps)->DenseRange(0, 3)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
