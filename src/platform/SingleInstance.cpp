#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

SingleInstance::SingleInstance(const QString &programDir, QObject *parent) : QObject(parent)
{
    const QByteArray key = QDir::cleanPath(programDir).toUtf8() + '|' + qgetenv("USER") + qgetenv("USERNAME");
    m_name = QStringLiteral("CorvinaDesktop-")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::notifyRunning()
{
    QLocalSocket s;
    s.connectToServer(m_name);
    if (!s.waitForConnected(500))
        return false;
    s.write("show\n");
    s.waitForBytesWritten(500);
    s.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A server left behind by a crashed run: nobody answered, so take its name over.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *c = m_server->nextPendingConnection()) {
            connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    return true;
}
