// SPDX-License-Identifier: MIT
#include "data/update/fetch.h"
#include "samples.h"
#include "support/printers.h"
#include "testserver.h"

#include <QEventLoop>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zelpo::update;
using zelpo::Game;
using zelpo::test::LocalServer;
using zelpo::test::Reply;
using zelpo::test::sample;
using namespace std::chrono_literals;

namespace {

Reply ok(QByteArray body)
{
    return Reply { 200, std::move(body), {}, Reply::Mode::Normal };
}

// The bank's file of another draw: the recorded one under another number and date.
QByteArray bankFile(
    const char* recorded, const char* title, const QString& newTitle, const char* date, const QString& newDate)
{
    QStringDecoder decoder("Shift_JIS");
    QString text = decoder.decode(sample(recorded));
    text.replace(QString::fromUtf8(title), newTitle).replace(QString::fromUtf8(date), newDate);
    return zelpo::test::shiftJis(text);
}

QByteArray numbersFile(int kaisai, int day)
{
    return bankFile("A1007054.CSV", "第7054回", QStringLiteral("第%1回").arg(kaisai), "令和8年8月21日",
        QStringLiteral("令和8年8月%1日").arg(day));
}

// Every source of every game on one local server, as recorded.
struct Sources {
    Sources()
    {
        const std::pair<const char*, const char*> files[] = {
            { "/feed/n3/latest.json", "feed-v2-numbers3-latest.json" },
            { "/feed/n3/draws.full.json", "feed-v2-numbers3-draws.full.json" },
            { "/feed/n4/latest.json", "feed-v1-latest.json" },
            { "/feed/n4/all.json", "feed-v1-numbers4_all_full.json" },
            { "/bank/numbers/numbers.csv", "numbers.csv" },
            { "/bank/numbers/A1007054.CSV", "A1007054.CSV" },
            { "/bank/miniloto/miniloto.csv", "miniloto.csv" },
            { "/bank/miniloto/A1011353.CSV", "A1011353.CSV" },
        };
        for (const auto& [path, file] : files)
            server.route(QString::fromLatin1(path), ok(sample(file)));
        urls.numbers3Feed = server.url(QStringLiteral("/feed/n3/draws.full.json"));
        urls.numbers3FeedLatest = server.url(QStringLiteral("/feed/n3/latest.json"));
        urls.numbers4Feed = server.url(QStringLiteral("/feed/n4/all.json"));
        urls.numbers4FeedLatest = server.url(QStringLiteral("/feed/n4/latest.json"));
        urls.numbersOfficialIndex = server.url(QStringLiteral("/bank/numbers/numbers.csv"));
        urls.numbersOfficialFolder = server.url(QStringLiteral("/bank/numbers")); // without the slash
        urls.miniLotoOfficialIndex = server.url(QStringLiteral("/bank/miniloto/miniloto.csv"));
        urls.miniLotoOfficialFolder = server.url(QStringLiteral("/bank/miniloto/"));
    }

    static Transport transport()
    {
        Transport transport;
        transport.stall = 5s;
        transport.plainLoopbackForTests = true;
        return transport;
    }

    LocalServer server;
    SourceUrls urls;
};

struct FetchCase {
    const char* name;
    Game game;
    int from;
    const char* source; // "@/path": this server's path; "#file": a sample's path
    std::vector<std::pair<QString, Reply>> routes;
    const char* answered; // "feed", "official", "=" for the source asked, "" for none
    std::size_t draws;
    QStringList failures; // each failure holds its fragment, in order
    const char* untouched = nullptr;
};

QStringList texts(const std::vector<SourceFailure>& failures)
{
    QStringList texts;
    for (const SourceFailure& failure : failures)
        texts << failure.text();
    return texts;
}

class Fetches : public testing::TestWithParam<FetchCase> { };

TEST_P(Fetches, AnswerFromTheFirstSoundSource)
{
    const FetchCase& c = GetParam();
    Sources sources;
    for (const auto& [path, reply] : c.routes)
        sources.server.route(path, reply);
    QString source = QString::fromUtf8(c.source);
    if (source.startsWith(QLatin1Char('@')))
        source = sources.server.url(source.mid(1));
    else if (source.startsWith(QLatin1Char('#')))
        source = QStringLiteral(ZELPO_UPDATE_SAMPLES "/") + source.mid(1);

    const FetchResult result
        = fetchBlocking(FetchRequest { c.game, c.from, source, true, {} }, sources.urls, Sources::transport());
    const QString answered = QString::fromUtf8(c.answered);
    const QStringList failures = texts(result.failures);
    EXPECT_EQ(result.source, answered == QStringLiteral("=") ? source : answered) << failures.join('\n').toStdString();
    EXPECT_EQ(result.draws.size(), c.draws);
    ASSERT_EQ(failures.size(), c.failures.size()) << failures.join('\n').toStdString();
    for (qsizetype i = 0; i < c.failures.size(); ++i)
        EXPECT_TRUE(failures[i].contains(c.failures[i])) << failures[i].toStdString();
    if (result.ok()) {
        EXPECT_GE(result.draws.front().kaisai, 1);
        EXPECT_EQ(result.draws.back().kaisai, result.latest);
    }
    if (c.untouched) {
        EXPECT_EQ(sources.server.requests(QString::fromLatin1(c.untouched)), 0);
    }
}

QByteArray feedWithout7053()
{
    QByteArray text = sample("feed-v2-numbers3-draws.full.json");
    const qsizetype at = text.indexOf("  {\n    \"draw_no\": 7053");
    return text.remove(at, text.indexOf("  {\n    \"draw_no\": 7054") - at);
}

INSTANTIATE_TEST_SUITE_P(Sources, Fetches,
    testing::Values(FetchCase { "feed_answers", Game::Numbers3, 7051, "", {}, "feed", 5, {} },
        FetchCase {
            "feed_current_from_its_latest_file", Game::Numbers4, 7055, "", {}, "feed", 1, {}, "/feed/n4/all.json" },
        FetchCase { "feed_fails_the_bank_answers", Game::Numbers3, 7054, "",
            { { "/feed/n3/draws.full.json", Reply { 404, {}, {}, Reply::Mode::Normal } } }, "official", 1,
            { "/feed/n3/draws.full.json: HTTP 404" } },
        FetchCase { "feed_lacks_a_draw_the_bank_has_it", Game::Numbers3, 7052, "",
            { { "/feed/n3/draws.full.json", ok(feedWithout7053()) },
                { "/bank/numbers/A1007052.CSV", ok(numbersFile(7052, 19)) },
                { "/bank/numbers/A1007053.CSV", ok(numbersFile(7053, 20)) } },
            "official", 3, { "feed: draw 7053 is missing (the source publishes draws up to 7054)" } },
        FetchCase { "feed_of_the_other_game", Game::Numbers4, 7054, "",
            { { "/feed/n4/all.json", ok(sample("feed-v2-numbers3-draws.full.json")) } }, "official", 1,
            { "wrong game" } },
        FetchCase { "feed_without_its_latest_file", Game::Numbers4, 7055, "",
            { { "/feed/n4/latest.json", Reply { 404, {}, {}, Reply::Mode::Normal } } }, "feed", 5, {} },
        FetchCase { "miniloto_from_the_bank", Game::MiniLoto, 1353, "", {}, "official", 1, {} },
        FetchCase { "bank_fails_too", Game::MiniLoto, 1353, "",
            { { "/bank/miniloto/miniloto.csv", Reply { 500, {}, {}, Reply::Mode::Normal } } }, "", 0,
            { "official: http://127.0.0.1" } },
        FetchCase { "feed_asked_for_miniloto", Game::MiniLoto, 1, "feed", {}, "", 0,
            { "feed: the feed carries no Mini Loto draws" } },
        FetchCase { "bank_asked_for_years", Game::Numbers3, 1, "official", {}, "", 0,
            { "official: draws 1 to 7054 would be 7054 files of the bank, more than 400" } },
        // 6655 to 7054: the most files the bank is asked for, so reading starts (and meets a 404 here).
        FetchCase { "bank_asked_for_its_most_files", Game::Numbers3, 6655, "official", {}, "", 0,
            { "/bank/numbers/A1006655.CSV: HTTP 404" } },
        FetchCase { "bank_file_of_another_draw", Game::Numbers3, 7053, "official",
            { { "/bank/numbers/A1007053.CSV", ok(numbersFile(7052, 19)) } }, "", 0, { "holds draw 7052, not 7053" } },
        FetchCase { "file_at_an_address", Game::Numbers4, 7050, "@/feed/n4/all.json", {}, "=", 5, {} },
        FetchCase { "file_at_a_path", Game::Numbers3, 7054, "#feed-v2-numbers3-draws.min.json", {}, "=", 5, {} },
        FetchCase {
            "file_that_is_not_there", Game::Numbers3, 1, "#no-such-file.json", {}, "", 0, { "no-such-file.json" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fetch, TellsEachSourceAndItsProgressAndStopsWhenCancelled)
{
    Sources sources;
    sources.server.route(QStringLiteral("/feed/n3/draws.full.json"), Reply { 403, {}, {}, Reply::Mode::Normal });
    sources.server.route(QStringLiteral("/bank/numbers/A1007052.CSV"), ok(numbersFile(7052, 19)));
    sources.server.route(QStringLiteral("/bank/numbers/A1007053.CSV"), Reply { 200, "A50", {}, Reply::Mode::Stalled });
    Fetch fetch(FetchRequest { Game::Numbers3, 7052, {}, true, {} }, sources.urls, Sources::transport());
    QStringList events;
    QObject::connect(&fetch, &Fetch::sourceStarted, &fetch, [&](const QString& source) { events << source; });
    QObject::connect(&fetch, &Fetch::progress, &fetch, [&](const QString& source, int read, int expected) {
        events << QStringLiteral("%1 %2/%3").arg(source).arg(read).arg(expected);
        if (read == 1)
            fetch.cancel();
    });
    QEventLoop loop;
    QObject::connect(&fetch, &Fetch::finished, &loop, &QEventLoop::quit);
    fetch.start();
    loop.exec();
    EXPECT_EQ(events, QStringList({ "feed", "official", "official 0/3", "official 1/3" }));
    EXPECT_TRUE(fetch.result().cancelled);
    EXPECT_FALSE(fetch.result().ok());
    EXPECT_EQ(fetch.result().failures.size(), 1); // the feed's 403 only: nothing tried after the cancel
}

// The feed's second host is tried before the bank, whatever kept the first
// from answering; a failure of both hosts leaves the game to the bank.
struct HostCase {
    const char* name;
    std::vector<std::pair<QString, Reply>> routes;
    bool firstRefused; // the first host's port is closed
    const char* answered;
    std::vector<FailureKind> failures;
};

class FeedHosts : public testing::TestWithParam<HostCase> { };

TEST_P(FeedHosts, TheSecondHostBeforeTheNextSource)
{
    const HostCase& c = GetParam();
    Sources sources;
    sources.server.route(QStringLiteral("/second/n3/latest.json"), ok(sample("feed-v2-numbers3-latest.json")));
    sources.server.route(QStringLiteral("/second/n3/all.json"), ok(sample("feed-v2-numbers3-draws.full.json")));
    for (const auto& [path, reply] : c.routes)
        sources.server.route(path, reply);
    if (c.firstRefused) {
        const QString closed = QStringLiteral("http://127.0.0.1:%1").arg(zelpo::test::closedPort());
        sources.urls.numbers3Feed = closed + QStringLiteral("/all.json");
        sources.urls.numbers3FeedLatest = closed + QStringLiteral("/latest.json");
    }
    sources.urls.numbers3FeedSecond = sources.server.url(QStringLiteral("/second/n3/all.json"));
    sources.urls.numbers3FeedLatestSecond = sources.server.url(QStringLiteral("/second/n3/latest.json"));

    const FetchResult result
        = fetchBlocking(FetchRequest { Game::Numbers3, 7054, {}, true, {} }, sources.urls, Sources::transport());
    EXPECT_EQ(result.source, QString::fromUtf8(c.answered)) << texts(result.failures).join('\n').toStdString();
    std::vector<FailureKind> kinds;
    for (const SourceFailure& failure : result.failures)
        kinds.push_back(failure.kind);
    EXPECT_EQ(kinds, c.failures) << texts(result.failures).join('\n').toStdString();
    // The bank is asked only once both hosts have failed.
    EXPECT_EQ(
        sources.server.requests(QStringLiteral("/bank/numbers/numbers.csv")), result.source == "official" ? 1 : 0);
}

Reply status(int code)
{
    return Reply { code, {}, {}, Reply::Mode::Normal };
}

INSTANTIATE_TEST_SUITE_P(Sources, FeedHosts,
    testing::Values(HostCase { "first_host_answers", {}, false, "feed", {} },
        HostCase { "first_host_unreachable", {}, true, "feed", { FailureKind::Connection } },
        HostCase { "first_host_serves_no_feed",
            { { "/feed/n3/latest.json", status(404) }, { "/feed/n3/draws.full.json", ok("<html>moved</html>") } },
            false, "feed", { FailureKind::Content } },
        HostCase { "both_hosts_fail",
            { { "/second/n3/latest.json", status(503) }, { "/second/n3/all.json", status(503) } }, true, "official",
            { FailureKind::Connection, FailureKind::Refused } }),
    [](const auto& info) { return std::string(info.param.name); });

// One game's sources share one limit: a source that keeps it waiting is the
// last one tried.
TEST(Fetch, TheSourcesOfAGameShareOneTimeLimit)
{
    Sources sources;
    sources.server.route(QStringLiteral("/feed/n3/latest.json"), Reply { 200, "x", {}, Reply::Mode::Stalled });
    Transport transport = Sources::transport();
    transport.allSources = 300ms;
    const FetchResult result
        = fetchBlocking(FetchRequest { Game::Numbers3, 7054, {}, true, {} }, sources.urls, transport);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.cancelled);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].source, "feed");
    EXPECT_EQ(result.failures[0].kind, FailureKind::Timeout);
    EXPECT_EQ(sources.server.requests(QStringLiteral("/bank/numbers/numbers.csv")), 0);
}

TEST(SourceUrls, PresetsAreHttpsAndTheSettingsFileOverridesThem)
{
    const SourceUrls presets = presetSourceUrls();
    for (const QString& url : { presets.numbers3Feed, presets.numbers3FeedLatest, presets.numbers4Feed,
             presets.numbers4FeedLatest, presets.numbersOfficialIndex, presets.numbersOfficialFolder,
             presets.miniLotoOfficialIndex, presets.miniLotoOfficialFolder })
        EXPECT_TRUE(url.startsWith(QStringLiteral("https://"))) << url.toStdString();
    EXPECT_TRUE(presets.feeds(Game::MiniLoto).empty());
    for (const Game game : { Game::Numbers3, Game::Numbers4 }) {
        // Two hosts serving the same paths.
        const std::vector<SourceUrls::FeedFiles> hosts = presets.feeds(game);
        ASSERT_EQ(hosts.size(), 2u);
        EXPECT_NE(QUrl(hosts[0].all).host(), QUrl(hosts[1].all).host());
        for (const SourceUrls::FeedFiles& files : hosts) {
            EXPECT_TRUE(files.all.startsWith(QStringLiteral("https://"))) << files.all.toStdString();
            EXPECT_TRUE(files.latest.startsWith(QStringLiteral("https://"))) << files.latest.toStdString();
        }
        EXPECT_TRUE(hosts[0].all.endsWith(QUrl(hosts[1].all).path()));
    }

    const QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("zelpo.conf")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("update/numbers3_feed"), QStringLiteral("https://mirror.example/n3.json"));
    settings.setValue(QStringLiteral("update/miniloto_official_index"), QStringLiteral("  "));
    SourceUrls expected = presets;
    expected.numbers3Feed = QStringLiteral("https://mirror.example/n3.json");
    EXPECT_EQ(sourceUrls(settings), expected);
}

} // namespace
