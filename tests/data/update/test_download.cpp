// SPDX-License-Identifier: MIT
#include "data/update/download.h"
#include "support/printers.h"
#include "testserver.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>

#include <gtest/gtest.h>

#include <functional>

using namespace zelpo::update;
using zelpo::test::LocalServer;
using zelpo::test::Reply;
using Mode = Reply::Mode;
using namespace std::chrono_literals;

namespace {

Transport testTransport()
{
    Transport transport;
    transport.stall = 5s; // far beyond any answer of the local server, even on a busy machine
    transport.largestBody = 1000;
    transport.plainLoopbackForTests = true;
    return transport;
}

struct DownloadCase {
    const char* name;
    std::vector<std::pair<QString, Reply>> routes; // the first is the one asked for
    DownloadFailure failure;
    QByteArray says; // in the error, or the body on success
    bool plainAllowed = true;
    std::chrono::milliseconds limit = 5s; // the wait for an answer and for each byte of it
};

class Downloads : public testing::TestWithParam<DownloadCase> { };

TEST_P(Downloads, FollowTheRules)
{
    const DownloadCase& c = GetParam();
    LocalServer server;
    for (const auto& [path, reply] : c.routes)
        server.route(path, reply);
    Transport transport = testTransport();
    transport.plainLoopbackForTests = c.plainAllowed;
    transport.answer = c.limit;
    transport.stall = c.limit;
    const Downloaded result = downloadBlocking(QUrl(server.url(c.routes.front().first)), transport);
    EXPECT_EQ(result.failure, c.failure) << result.error.toStdString();
    if (result.ok()) {
        EXPECT_EQ(result.body, c.says);
    } else {
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.says))) << result.error.toStdString();
    }
    if (!c.plainAllowed) {
        EXPECT_EQ(server.connections(), 0); // refused before any connection
    }
}

Reply redirect(const char* to)
{
    return Reply { 302, {}, to, Mode::Normal };
}

INSTANTIATE_TEST_SUITE_P(Servers, Downloads,
    testing::Values(
        DownloadCase { "ok", { { "/f", Reply { 200, "draws", {}, Mode::Normal } } }, DownloadFailure::None, "draws" },
        DownloadCase {
            "forbidden", { { "/f", Reply { 403, "no", {}, Mode::Normal } } }, DownloadFailure::Http, "/f: HTTP 403" },
        DownloadCase {
            "not_found", { { "/f", Reply { 404, "no", {}, Mode::Normal } } }, DownloadFailure::Http, "HTTP 404" },
        DownloadCase {
            "server_error", { { "/f", Reply { 500, "no", {}, Mode::Normal } } }, DownloadFailure::Http, "HTTP 500" },
        DownloadCase { "never_answers", { { "/f", Reply { 200, "x", {}, Mode::Silent } } }, DownloadFailure::Timeout,
            "/f: no answer for 0.3 s", true, 300ms },
        DownloadCase { "stops_midway", { { "/f", Reply { 200, "draws", {}, Mode::Stalled } } },
            DownloadFailure::Timeout, "/f: no data for 0.3 s", true, 300ms },
        DownloadCase { "truncated", { { "/f", Reply { 200, "draws", {}, Mode::Truncated } } },
            DownloadFailure::Truncated, "closed after 5 of the 105 bytes" },
        DownloadCase { "announced_over_the_cap", { { "/f", Reply { 200, QByteArray(1001, 'x'), {}, Mode::Normal } } },
            DownloadFailure::TooLarge, "the file is 1001 bytes, more than the 1000" },
        DownloadCase { "unannounced_over_the_cap",
            { { "/f", Reply { 200, QByteArray(5000, 'x'), {}, Mode::Unsized } } }, DownloadFailure::TooLarge,
            "larger than the 1000 bytes" },
        DownloadCase { "at_the_cap", { { "/f", Reply { 200, QByteArray(1000, 'x'), {}, Mode::Unsized } } },
            DownloadFailure::None, QByteArray(1000, 'x') },
        DownloadCase { "redirects_within_the_limit",
            { { "/a", redirect("/b") }, { "/b", redirect("/c") }, { "/c", redirect("/d") }, { "/d", redirect("/e") },
                { "/e", redirect("/f") }, { "/f", Reply { 200, "draws", {}, Mode::Normal } } },
            DownloadFailure::None, "draws" },
        DownloadCase {
            "redirect_loop", { { "/a", redirect("/a") } }, DownloadFailure::Redirect, "more than 5 redirects" },
        DownloadCase { "redirect_to_http", { { "/a", redirect("http://example.com/draws.json") } },
            DownloadFailure::NotHttps, "/a: redirects to http://example.com/draws.json: not an https address" },
        DownloadCase { "redirect_nowhere", { { "/a", redirect("") } }, DownloadFailure::Redirect,
            "HTTP 302 without a new address" },
        DownloadCase { "plain_http_in_the_program", { { "/f", Reply { 200, "draws", {}, Mode::Normal } } },
            DownloadFailure::NotHttps, "/f: not an https address", false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Download, RefusesAClosedPortAndAnAddressThatIsNone)
{
    const Transport transport = testTransport();
    const Downloaded refused
        = downloadBlocking(QUrl(QStringLiteral("http://127.0.0.1:%1/f").arg(zelpo::test::closedPort())), transport);
    EXPECT_EQ(refused.failure, DownloadFailure::Connection) << refused.error.toStdString();
    EXPECT_EQ(downloadBlocking(QUrl(QStringLiteral("draws.json")), transport).failure, DownloadFailure::NotHttps);
}

// Offline or facing a dead host, a download fails within its step's limit
// and says which step failed: the lookup and connecting count as the
// internet not reached, a connected server that keeps silent does not.
struct UnreachableCase {
    const char* name;
    std::function<QString(LocalServer&)> url;
    DownloadFailure failure;
    const char* says;
};

class Unreachable : public testing::TestWithParam<UnreachableCase> { };

TEST_P(Unreachable, FailsAtTheStepThatDidNotAnswer)
{
    const UnreachableCase& c = GetParam();
    LocalServer server;
    server.route(QStringLiteral("/silent"), Reply { 200, "x", {}, Mode::Silent });
    Transport transport = testTransport();
    transport.lookup = 2s; // a resolver that never answers counts as a lookup failure too
    transport.connect = 300ms;
    transport.answer = 300ms;
    const QString url = c.url(server);
    const Downloaded result = downloadBlocking(QUrl(url), transport);
    EXPECT_EQ(result.failure, c.failure) << result.error.toStdString();
    EXPECT_TRUE(result.reason.contains(QString::fromUtf8(c.says))) << result.reason.toStdString();
    EXPECT_EQ(result.error, url + QStringLiteral(": ") + result.reason);
}

INSTANTIATE_TEST_SUITE_P(Hosts, Unreachable,
    testing::Values(UnreachableCase { "name_that_is_none",
                        [](LocalServer&) { return QStringLiteral("https://zelpo-test.invalid/f"); },
                        DownloadFailure::Lookup, "zelpo-test.invalid" },
        UnreachableCase { "refused_port",
            [](LocalServer&) { return QStringLiteral("http://127.0.0.1:%1/f").arg(zelpo::test::closedPort()); },
            DownloadFailure::Connection, "refused" },
        UnreachableCase { "accepts_and_keeps_silent",
            [](LocalServer& server) { return server.url(QStringLiteral("/silent")); }, DownloadFailure::Timeout,
            "no answer for 0.3 s" },
        // A plain server never answers the TLS greeting: the handshake is part of connecting.
        UnreachableCase { "handshake_never_answered",
            [](LocalServer& server) {
                return server.url(QStringLiteral("/silent")).replace(QStringLiteral("http:"), QStringLiteral("https:"));
            },
            DownloadFailure::Connection, "connecting took more than 0.3 s" },
        // By name: the lookup's limit ends once connecting starts.
        UnreachableCase { "handshake_never_answered_by_name",
            [](LocalServer& server) {
                return server.url(QStringLiteral("/silent"))
                    .replace(QStringLiteral("http://127.0.0.1"), QStringLiteral("https://localhost"));
            },
            DownloadFailure::Connection, "connecting took more than 0.3 s" }),
    [](const auto& info) { return std::string(info.param.name); });

// The certificate is checked and there is no way around it: a server with a
// certificate nobody vouches for is never read, even on this machine.
TEST(Download, RefusesASelfSignedCertificate)
{
    LocalServer server(LocalServer::Tls::SelfSigned);
    server.route(QStringLiteral("/f"), Reply { 200, "draws", {}, Mode::Normal });
    const Downloaded result = downloadBlocking(QUrl(server.url(QStringLiteral("/f"))), testTransport());
    EXPECT_EQ(result.failure, DownloadFailure::Certificate) << result.error.toStdString();
    EXPECT_TRUE(
        result.error.contains(QStringLiteral("self-signed")) || result.error.contains(QStringLiteral("not trusted")))
        << result.error.toStdString();
    EXPECT_EQ(server.requests(QStringLiteral("/f")), 0);
    EXPECT_EQ(server.connections(), 1); // it did try
}

TEST(Download, CancelsInTheMiddleAndFinishesOnce)
{
    LocalServer server;
    server.route(QStringLiteral("/f"), Reply { 200, QByteArray(800, 'x'), {}, Mode::Stalled });
    QNetworkAccessManager manager;
    Download download(QUrl(server.url(QStringLiteral("/f"))), testTransport(), &manager);
    int finished = 0;
    QEventLoop loop;
    QObject::connect(&download, &Download::progress, &download, [&](qint64 received, qint64 total) {
        EXPECT_EQ(total, 800);
        if (received > 0)
            download.cancel();
    });
    QObject::connect(&download, &Download::finished, &loop, [&] {
        ++finished;
        loop.quit();
    });
    download.start();
    loop.exec();
    EXPECT_EQ(download.result().failure, DownloadFailure::Cancelled);
    EXPECT_TRUE(download.result().body.isEmpty());
    download.cancel(); // nothing more happens
    QCoreApplication::processEvents();
    EXPECT_EQ(finished, 1);
}

} // namespace
