// SPDX-License-Identifier: MIT
// One file fetched over HTTPS, with the rules every results source is read by:
// https only, with the system's certificate checks (there is no way to turn
// them off); redirects only to https and at most `mostRedirects`; each step
// of a request has its own limit (the name lookup, connecting, the wait for
// the first byte of the answer, then a stall between bytes), so that an
// offline machine or a server that never answers fails within seconds; a body
// beyond `largestBody` is refused as soon as it is announced or exceeded; an
// HTTP error names its status. HTTP/1.1 only: Qt 6.4's HTTP/2 connection can
// lose a failed name lookup and leave the request waiting for ever.
//
// Download works through signals so that a window never waits on it;
// downloadBlocking() runs an event loop for the command line.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace zelpo::update {

struct Transport {
    std::chrono::milliseconds lookup { std::chrono::seconds(5) };  // finding the host's address
    std::chrono::milliseconds connect { std::chrono::seconds(5) }; // connecting, the TLS handshake included
    std::chrono::milliseconds answer { std::chrono::seconds(10) }; // from the request sent to the answer's first byte
    std::chrono::milliseconds stall { std::chrono::seconds(30) };  // without a byte, once the answer has started
    std::chrono::milliseconds allSources { std::chrono::seconds(60) }; // every source of one game together
    qint64 largestBody = 64 * 1024 * 1024;
    int mostRedirects = 5;
    // For tests only, which serve plain HTTP on the loopback address: allows
    // http:// to 127.0.0.1, ::1 and localhost, and nowhere else. Nothing in
    // the program sets it.
    bool plainLoopbackForTests = false;
};

enum class DownloadFailure {
    None,
    NotHttps,    // the address (or a redirect) is not https
    Lookup,      // the host's name is unknown, or its lookup took too long
    Connection,  // refused, unreachable, too slow to connect, closed midway
    Certificate, // the server's certificate is not trusted or not its own
    Timeout,     // connected, but no answer in Transport::answer or no byte for Transport::stall
    Http,        // the server answered with an error status
    Redirect,    // too many redirects, or one without a target
    TooLarge,    // the body is larger than Transport::largestBody
    Truncated,   // the body ended before the length the server announced
    Cancelled,
};

struct Downloaded {
    QUrl url; // the address the body came from, after redirects
    QByteArray body;
    DownloadFailure failure = DownloadFailure::None;
    int status = 0; // the HTTP status, when the server sent one
    QString error;  // English, naming the address; empty on success
    QString reason; // the error without the address: "HTTP 404", "Host example.com not found"

    bool ok() const { return failure == DownloadFailure::None; }
};

// A network manager that takes the system's proxy settings (never for the
// loopback address), for one or more downloads.
std::unique_ptr<QNetworkAccessManager> makeNetworkManager();

class Download final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Download)

public:
    // `manager` is used when given (and must outlive the download); otherwise
    // the download makes its own.
    explicit Download(
        QUrl url, Transport transport = {}, QNetworkAccessManager* manager = nullptr, QObject* parent = nullptr);
    ~Download() override;

    void start();
    // Stops the download; finished() follows with DownloadFailure::Cancelled.
    void cancel();
    bool isFinished() const { return m_finished; }
    const Downloaded& result() const { return m_result; }

Q_SIGNALS:
    void progress(qint64 received, qint64 total); // total -1 when unknown
    void finished();

private:
    void request(const QUrl& url);
    void onReadyRead();
    void onMetaData();
    void onFinished();
    void onStalled();
    // The limit of the step the request has reached, restarted.
    enum class Step { Lookup, Connect, Answer, Receive };
    void enter(Step step);
    void followRedirect();
    void fail(DownloadFailure failure, const QString& reason);
    void done();
    QString refusal(const QUrl& url) const;

    Transport m_transport;
    QNetworkAccessManager* m_manager = nullptr;
    std::unique_ptr<QNetworkAccessManager> m_ownManager;
    QPointer<QNetworkReply> m_reply;
    QTimer m_stall; // the limit of m_step
    Step m_step = Step::Lookup;
    QStringList m_sslErrors;
    qint64 m_announced = -1; // Content-Length, -1 when not sent
    bool m_encoded = false;  // compressed: Content-Length counts the compressed bytes
    int m_redirects = 0;
    bool m_finished = false;
    Downloaded m_result;
};

// Fetches the address and waits for it in an event loop of its own.
Downloaded downloadBlocking(const QUrl& url, const Transport& transport = {});

} // namespace zelpo::update
