// SPDX-License-Identifier: MIT
#include "testserver.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>

namespace zelpo::test {

namespace {

QByteArray readTlsFile(const char* name)
{
    QFile file(QStringLiteral(ZELPO_UPDATE_TLS "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

LocalServer::LocalServer(Tls tls)
    : m_tls(tls == Tls::SelfSigned)
{
    if (m_tls) {
        auto server = std::make_unique<QSslServer>();
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(QSslCertificate(readTlsFile("server.crt")));
        config.setPrivateKey(QSslKey(readTlsFile("server.key"), QSsl::Rsa));
        server->setSslConfiguration(config);
        m_server = std::move(server);
    } else {
        m_server = std::make_unique<QTcpServer>();
    }
    // A TLS connection counts when its handshake starts: a refused one never becomes pending.
    if (m_tls) {
        connect(static_cast<QSslServer*>(m_server.get()), &QSslServer::startedEncryptionHandshake, this,
            [this] { ++m_connections; });
    }
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection())
            accept(socket);
    });
    m_server->listen(QHostAddress::LocalHost);
}

LocalServer::~LocalServer() = default;

QString LocalServer::url(const QString& path) const
{
    return QStringLiteral("%1://127.0.0.1:%2%3")
        .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(m_server->serverPort())
        .arg(path);
}

void LocalServer::accept(QTcpSocket* socket)
{
    if (!m_tls)
        ++m_connections;
    socket->setParent(this);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const auto read = [this, socket] {
        QByteArray& seen = m_pending[socket];
        seen += socket->readAll();
        if (!seen.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = seen.left(seen.indexOf("\r\n")).split(' ');
        seen.clear();
        answer(socket, requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString());
    };
    connect(socket, &QTcpSocket::readyRead, this, read);
    QMetaObject::invokeMethod(this, read, Qt::QueuedConnection); // what came before the connection
    connect(socket, &QObject::destroyed, this, [this, socket] { m_pending.remove(socket); });
}

void LocalServer::answer(QTcpSocket* socket, const QString& path)
{
    ++m_requests[path];
    const Reply reply = m_routes.value(path, Reply { 404, "no such file", {}, Reply::Mode::Normal });
    if (reply.mode == Reply::Mode::Silent)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Status\r\nConnection: close\r\n";
    if (!reply.location.isEmpty())
        head += "Location: " + reply.location + "\r\n";
    qsizetype length = reply.body.size();
    if (reply.mode == Reply::Mode::Truncated)
        length += 100;
    if (reply.mode != Reply::Mode::Unsized)
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    socket->write(head + "\r\n");
    if (reply.mode == Reply::Mode::Stalled) {
        socket->write(reply.body.left(reply.body.size() / 2));
        return;
    }
    socket->write(reply.body);
    socket->disconnectFromHost();
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace zelpo::test
