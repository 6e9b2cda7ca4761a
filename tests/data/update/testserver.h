// SPDX-License-Identifier: MIT
// A web server on 127.0.0.1 that the network tests start: it answers each
// path with a scripted reply, or misbehaves as a broken server would.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <memory>

class QTcpServer;
class QTcpSocket;

namespace zelpo::test {

struct Reply {
    enum class Mode {
        Normal,    // the whole reply, then the connection closes
        Silent,    // reads the request and never answers
        Truncated, // announces 100 bytes more than it sends, then closes
        Unsized,   // no Content-Length: the body ends when the connection closes
        Stalled,   // announces the whole body, sends half and waits for ever
    };
    int status = 200;
    QByteArray body;
    QByteArray location; // a Location header when not empty
    Mode mode = Mode::Normal;
};

class LocalServer final : public QObject {
    Q_OBJECT

public:
    enum class Tls { None, SelfSigned }; // SelfSigned: the certificate committed under tls/
    explicit LocalServer(Tls tls = Tls::None);
    ~LocalServer() override;

    void route(const QString& path, Reply reply) { m_routes.insert(path, std::move(reply)); }
    QString url(const QString& path) const; // http(s)://127.0.0.1:port + path
    int requests(const QString& path) const { return m_requests.value(path); }
    int connections() const { return m_connections; }

private:
    void accept(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);

    std::unique_ptr<QTcpServer> m_server;
    bool m_tls = false;
    QHash<QString, Reply> m_routes;
    QHash<QString, int> m_requests;
    QHash<QTcpSocket*, QByteArray> m_pending; // what each connection has sent so far
    int m_connections = 0;
};

// A port on 127.0.0.1 where nothing listens.
quint16 closedPort();

} // namespace zelpo::test
