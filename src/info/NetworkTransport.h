#pragma once
// The update component's way onto the network: plain HTTP(S) GETs through Qt.
#include "info/AutoUpgrader.h"

#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;

class TNetworkTransport final : public IUpdateTransport {
public:
    TNetworkTransport();
    ~TNetworkTransport() override;
    void Get(const QUrl &url, Progress progress, Done done) override;
    void Abort() override;

private:
    QNetworkAccessManager *m_nam;
    QPointer<QNetworkReply> m_reply;
    bool m_aborting = false;
};
