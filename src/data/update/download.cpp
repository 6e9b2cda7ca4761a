// SPDX-License-Identifier: MIT
#include "data/update/download.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QSslSocket>

#include <algorithm>

namespace zelpo::update {

namespace {

bool isLoopbackHost(const QString& host)
{
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// The system's proxies for every host but this machine itself.
class SystemProxies final : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        if (isLoopbackHost(query.peerHostName()))
            return { QNetworkProxy(QNetworkProxy::NoProxy) };
        return systemProxyForQuery(query);
    }
};

QString shown(const QUrl& url)
{
    return url.toDisplayString(QUrl::RemoveUserInfo);
}

QString seconds(std::chrono::milliseconds interval)
{
    return QString::number(static_cast<double>(interval.count()) / 1000.0) + QStringLiteral(" s");
}

} // namespace

std::unique_ptr<QNetworkAccessManager> makeNetworkManager()
{
    auto manager = std::make_unique<QNetworkAccessManager>();
    manager->setProxyFactory(new SystemProxies); // the manager owns it
    manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    return manager;
}

Download::Download(QUrl url, Transport transport, QNetworkAccessManager* manager, QObject* parent)
    : QObject(parent)
    , m_transport(transport)
    , m_manager(manager)
{
    m_result.url = std::move(url);
    m_stall.setSingleShot(true);
    connect(&m_stall, &QTimer::timeout, this, &Download::onStalled);
}

Download::~Download()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

QString Download::refusal(const QUrl& url) const
{
    if (!url.isValid() || url.host().isEmpty())
        return QStringLiteral("not a web address");
    const QString scheme = url.scheme().toLower();
    if (scheme == QStringLiteral("https"))
        return {};
    if (scheme == QStringLiteral("http") && m_transport.plainLoopbackForTests && isLoopbackHost(url.host()))
        return {};
    return QStringLiteral("not an https address; results are read over https only");
}

void Download::start()
{
    if (m_finished || m_reply)
        return;
    if (const QString refused = refusal(m_result.url); !refused.isEmpty())
        return fail(DownloadFailure::NotHttps, refused);
    if (m_result.url.scheme().toLower() == QStringLiteral("https") && !QSslSocket::supportsSsl())
        return fail(DownloadFailure::Connection, QStringLiteral("this system offers no TLS"));
    if (!m_manager) {
        m_ownManager = makeNetworkManager();
        m_manager = m_ownManager.get();
    }
    request(m_result.url);
}

void Download::cancel()
{
    if (!m_finished)
        fail(DownloadFailure::Cancelled, QStringLiteral("cancelled"));
}

void Download::request(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Zelpo"));
    // Offline, HTTP/2 lost the failed lookup of a host looked up before in
    // about one request in three, which then waited until a limit ran out.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);

    m_result.url = url;
    m_result.body.clear();
    m_result.status = 0;
    m_announced = -1;
    m_encoded = false;
    m_sslErrors.clear();
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &Download::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &Download::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &Download::onFinished);
    connect(m_reply, &QNetworkReply::socketStartedConnecting, this, [this] { enter(Step::Connect); });
    connect(m_reply, &QNetworkReply::requestSent, this, [this] { enter(Step::Answer); });
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received) {
        if (received > 0)
            enter(Step::Receive);
    });
    // Never ignored: the reply then fails with a handshake error, and these say why.
    connect(m_reply, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& errors) {
        for (const QSslError& error : errors)
            m_sslErrors << error.errorString();
    });
    // A host given by its address needs no lookup: the connect limit covers both.
    enter(QHostAddress(url.host()).isNull() ? Step::Lookup : Step::Connect);
}

void Download::enter(Step step)
{
    m_step = step;
    switch (step) {
    case Step::Lookup:
        m_stall.setInterval(m_transport.lookup);
        break;
    case Step::Connect:
        m_stall.setInterval(m_transport.connect);
        break;
    case Step::Answer:
        m_stall.setInterval(m_transport.answer);
        break;
    case Step::Receive:
        m_stall.setInterval(m_transport.stall);
        break;
    }
    m_stall.start();
}

void Download::onMetaData()
{
    enter(Step::Receive);
    m_result.status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    m_announced = length.isValid() ? length.toLongLong() : -1;
    m_encoded = m_reply->hasRawHeader(QByteArrayLiteral("Content-Encoding"));
    if (m_result.status < 300 && m_announced > m_transport.largestBody) {
        return fail(DownloadFailure::TooLarge,
            QStringLiteral("the file is %1 bytes, more than the %2 read at most")
                .arg(m_announced)
                .arg(m_transport.largestBody));
    }
}

void Download::onReadyRead()
{
    enter(Step::Receive);
    if (m_result.status >= 300) {
        m_reply->readAll(); // the page of a redirect or an error is of no use
        return;
    }
    // What has arrived, never more than one byte past the cap: read(n) would
    // reserve n bytes whatever arrived.
    const qint64 room = m_transport.largestBody - m_result.body.size() + 1;
    m_result.body += m_reply->read(std::min(m_reply->bytesAvailable(), room));
    if (m_result.body.size() > m_transport.largestBody) {
        return fail(DownloadFailure::TooLarge,
            QStringLiteral("the file is larger than the %1 bytes read at most").arg(m_transport.largestBody));
    }
    Q_EMIT progress(m_result.body.size(), m_announced);
}

void Download::onFinished()
{
    if (m_finished || !m_reply)
        return;
    onMetaData();
    if (m_finished)
        return;
    if (m_reply->bytesAvailable() > 0)
        onReadyRead();
    if (m_finished)
        return;
    const QNetworkReply::NetworkError error = m_reply->error();
    const bool truncated = !m_encoded && m_announced >= 0 && m_result.body.size() < m_announced;
    if (m_result.status >= 300 && m_result.status < 400 && error == QNetworkReply::NoError)
        return followRedirect();
    if (m_result.status >= 400) {
        const QString reason = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return fail(DownloadFailure::Http,
            QStringLiteral("HTTP %1%2")
                .arg(m_result.status)
                .arg(reason.isEmpty() ? QString() : QLatin1Char(' ') + reason));
    }
    if (error == QNetworkReply::SslHandshakeFailedError || !m_sslErrors.isEmpty()) {
        m_sslErrors.removeDuplicates();
        return fail(DownloadFailure::Certificate,
            QStringLiteral("the server's certificate is refused: %1")
                .arg(m_sslErrors.isEmpty() ? m_reply->errorString() : m_sslErrors.join(QStringLiteral("; "))));
    }
    if (truncated) {
        return fail(DownloadFailure::Truncated,
            QStringLiteral("the connection closed after %1 of the %2 bytes announced")
                .arg(m_result.body.size())
                .arg(m_announced));
    }
    if (error == QNetworkReply::HostNotFoundError)
        return fail(DownloadFailure::Lookup, m_reply->errorString());
    if (error != QNetworkReply::NoError)
        return fail(DownloadFailure::Connection, m_reply->errorString());
    m_stall.stop();
    m_reply->disconnect(this);
    m_reply->deleteLater();
    m_reply = nullptr;
    done();
}

void Download::followRedirect()
{
    const QUrl from = m_result.url;
    const QUrl location = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    m_reply->disconnect(this);
    m_reply->deleteLater();
    m_reply = nullptr;
    if (location.isEmpty())
        return fail(DownloadFailure::Redirect, QStringLiteral("HTTP %1 without a new address").arg(m_result.status));
    const QUrl target = from.resolved(location);
    if (++m_redirects > m_transport.mostRedirects) {
        return fail(DownloadFailure::Redirect,
            QStringLiteral("more than %1 redirects (the last to %2)")
                .arg(m_transport.mostRedirects)
                .arg(shown(target)));
    }
    if (const QString refused = refusal(target); !refused.isEmpty()) {
        return fail(DownloadFailure::NotHttps, QStringLiteral("redirects to %1: %2").arg(shown(target), refused));
    }
    request(target);
}

void Download::onStalled()
{
    switch (m_step) {
    case Step::Lookup:
        return fail(DownloadFailure::Lookup,
            QStringLiteral("the lookup of %1 took more than %2").arg(m_result.url.host(), seconds(m_transport.lookup)));
    case Step::Connect:
        return fail(DownloadFailure::Connection,
            QStringLiteral("connecting took more than %1").arg(seconds(m_transport.connect)));
    case Step::Answer:
        return fail(DownloadFailure::Timeout, QStringLiteral("no answer for %1").arg(seconds(m_transport.answer)));
    case Step::Receive:
        break;
    }
    fail(DownloadFailure::Timeout, QStringLiteral("no data for %1").arg(seconds(m_transport.stall)));
}

void Download::fail(DownloadFailure failure, const QString& reason)
{
    if (m_finished)
        return;
    if (m_reply) {
        m_reply->disconnect(this);
        if (!m_reply->isFinished())
            m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    m_result.failure = failure;
    m_result.reason = reason;
    m_result.error = shown(m_result.url) + QStringLiteral(": ") + reason;
    m_result.body.clear();
    done();
}

void Download::done()
{
    m_stall.stop();
    m_finished = true;
    // Always after the call that ended the download returns, so that whoever
    // started or cancelled it never sees finished() inside that call.
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT finished(); }, Qt::QueuedConnection);
}

Downloaded downloadBlocking(const QUrl& url, const Transport& transport)
{
    Download download(url, transport);
    QEventLoop loop;
    QObject::connect(&download, &Download::finished, &loop, &QEventLoop::quit);
    download.start();
    loop.exec();
    return download.result();
}

} // namespace zelpo::update
