#pragma once
// A tiny HTTP/1.1 server on 127.0.0.1 for the update tests: fixed answers by path,
// a count of requests per path, and a route that drops the connection half way.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTcpServer>
#include <QUrl>

class TestHttpServer : public QObject {
public:
    TestHttpServer();
    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString &path) const;
    void serve(const QString &path, const QByteArray &body) { m_routes[path] = {200, body, false}; }
    // Announces the whole body but sends only its first half, then closes.
    void serveBroken(const QString &path, const QByteArray &body) { m_routes[path] = {200, body, true}; }
    // Announces the whole body, sends its first half and then waits for ever.
    void serveStalled(const QString &path, const QByteArray &body) { m_routes[path] = {200, body, false, true}; }
    int requests(const QString &path) const { return m_hits.value(path); }

private:
    struct Route {
        int status;
        QByteArray body;
        bool broken;
        bool stalled = false;
    };
    void answer(QTcpSocket *s);
    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QHash<QString, int> m_hits;
};

// A port on 127.0.0.1 on which nothing listens.
quint16 ClosedPort();
