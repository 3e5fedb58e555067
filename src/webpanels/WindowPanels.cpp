#include "webpanels/WindowPanels.h"

#include "webpanels/WebPanel.h"

#include <QTimer>

WebPanel *MakeAlertWebPanel(const QString &programDir, const TAdConfig &ad, QObject *parent)
{
    auto *p = new WebPanel(QStringLiteral("WebBrowser1"), parent);
    p->Address = ad.Todayad1url;
    p->FallbackFile = AdsDir(programDir) + AdPages::Alert;
    p->Silent = true;
    p->NavigateErrorHandler = [](WebPanel *self) { self->NavigateToFallback(); };
    return p;
}

TNoteWebPanels::TNoteWebPanels(const QString &programDir, const TAdConfig &ad, QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("NoteWebPanels"));
    const QString ads = AdsDir(programDir);
    WebBrowser1 = new WebPanel(QStringLiteral("WebBrowser1"), this);
    WebBrowser1->Address = ad.Todayad1url;
    WebBrowser1->FallbackFile = ads + AdPages::NoteLower;
    WebBrowser1->Silent = false;
    WebBrowser1->SetRefresh(NoteRefreshIntervalMs, &NoteWebRefreshOn);
    WebBrowser1->RefreshTimer()->setObjectName(QStringLiteral("webTimer"));

    WebBrowser2 = new WebPanel(QStringLiteral("WebBrowser2"), this);
    WebBrowser2->Address = ad.Todayformurl;
    WebBrowser2->FallbackFile = ads + AdPages::NoteUpper;
    WebBrowser2->Silent = false;
    WebBrowser2->NavigateErrorHandler = [this](WebPanel *) { WebBrowser2NavigateError(); };

    WebBrowser1->AddRefreshTarget(WebBrowser2);
}

void TNoteWebPanels::NavigateAll()
{
    WebBrowser1->NavigateToAddress();
    WebBrowser2->NavigateToAddress();
}

void TNoteWebPanels::WebBrowser2NavigateError()
{
    NoteWebRefreshOn = false;
    WebBrowser1->NavigateToFallback();
    WebBrowser2->NavigateToFallback();
}
