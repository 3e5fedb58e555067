#include "info/NetworkTransport.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
TFetchResult::Status StatusOf(QNetworkReply::NetworkError e)
{
    switch (e) {
    case QNetworkReply::NoError:
        return TFetchResult::Ok;
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::ContentGoneError:
        return TFetchResult::NotFound;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::SslHandshakeFailedError:
        return TFetchResult::HostUnreachable;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // also a transfer that stalled past its timeout
    case QNetworkReply::ProxyConnectionClosedError:
        return TFetchResult::ConnectionLost;
    default:
        return TFetchResult::ServerError;
    }
}
} // namespace

TNetworkTransport::TNetworkTransport() : m_nam(new QNetworkAccessManager) {}

TNetworkTransport::~TNetworkTransport()
{
    if (m_reply) {
        m_reply->disconnect();
        m_reply->abort();
    }
    delete m_nam;
}

void TNetworkTransport::Get(const QUrl &url, Progress progress, Done done)
{
    QNetworkRequest req(url);
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    req.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    req.setTransferTimeout(30000);
    m_aborting = false;
    QNetworkReply *reply = m_nam->get(req);
    m_reply = reply;
    if (progress) {
        // Reported from the arriving data itself: downloadProgress is throttled and stays
        // silent when a burst is followed by a stall.
        auto report = [reply, progress] {
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            progress(reply->bytesAvailable(), length.isValid() ? length.toLongLong() : -1);
        };
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, report);
        QObject::connect(reply, &QNetworkReply::readyRead, reply, report);
    }
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply, done] {
        TFetchResult r;
        r.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        r.status = m_aborting ? TFetchResult::Aborted : StatusOf(reply->error());
        if (r.status == TFetchResult::Ok)
            r.body = reply->readAll();
        if (m_reply == reply)
            m_reply = nullptr;
        reply->deleteLater();
        done(r);
    });
}

void TNetworkTransport::Abort()
{
    if (!m_reply)
        return;
    m_aborting = true;
    // Not from inside a progress signal of the same reply: finish on the next turn.
    QPointer<QNetworkReply> reply = m_reply;
    QTimer::singleShot(0, [reply] {
        if (reply)
            reply->abort();
    });
}
