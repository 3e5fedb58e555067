#include "TestHttpServer.h"

#include <QTcpSocket>
#include <stdexcept>

TestHttpServer::TestHttpServer()
{
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("cannot listen on 127.0.0.1");
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_server.nextPendingConnection()) {
            connect(s, &QTcpSocket::readyRead, s, [this, s] { answer(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
}

QUrl TestHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

void TestHttpServer::answer(QTcpSocket *s)
{
    QByteArray request = s->property("request").toByteArray() + s->readAll();
    s->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> first = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = first.size() > 1 ? QString::fromLatin1(first[1]) : QString();
    ++m_hits[path];
    const auto it = m_routes.constFind(path);
    if (it == m_routes.constEnd()) {
        s->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found");
        s->disconnectFromHost();
        return;
    }
    s->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: "
             + QByteArray::number(it->body.size()) + "\r\nConnection: close\r\n\r\n");
    if (it->stalled) {
        s->write(it->body.left(it->body.size() / 2));
        return;
    }
    if (it->broken) {
        s->write(it->body.left(it->body.size() / 2));
        s->flush();
        s->abort();
        return;
    }
    s->write(it->body);
    s->disconnectFromHost();
}

quint16 ClosedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
