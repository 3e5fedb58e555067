#include "webpanels/WebPanel.h"

#include "webpanels/BrowserView.h"

#include <QFileInfo>

WebPanel::WebPanel(const QString &name, QObject *parent) : QObject(parent), m_alive(std::make_shared<int>(0))
{
    setObjectName(name);
}

WebPanel::~WebPanel()
{
    if (m_view) {
        m_view->OnNavigateComplete = nullptr;
        m_view->OnDocumentComplete = nullptr;
        m_view->OnNavigateError = nullptr;
        m_view->OnDestroyed = nullptr;
    }
}

void WebPanel::SetRefresh(int intervalMs, const bool *flag)
{
    m_timer = std::make_unique<QTimer>();
    m_timer->setInterval(intervalMs);
    m_refreshFlag = flag;
    connect(m_timer.get(), &QTimer::timeout, this, &WebPanel::RefreshTimerTick);
}

void WebPanel::SetView(IBrowserView *view)
{
    m_view = view;
    if (!m_view)
        return;
    m_view->OnNavigateComplete = [this] { NavigateComplete(); };
    m_view->OnDocumentComplete = [this](bool top) { DocumentComplete(top); };
    m_view->OnNavigateError = [this] { NavigateError(); };
    m_view->OnDestroyed = [this] { m_view = nullptr; };
    if (Silent)
        m_view->SetSilent(true);
    if (m_pending) {
        m_pending = false;
        m_view->Navigate(m_target);
    }
}

void WebPanel::EnsureView()
{
    if (!m_view && m_factory)
        SetView(m_factory());
}

void WebPanel::Navigate(const QString &address)
{
    m_target = address;
    if (!m_view && CreateViewOnNavigate && m_factory) {
        m_pending = true;
        EnsureView(); // sends the pending navigation
        return;
    }
    if (m_view)
        m_view->Navigate(address);
    else
        m_pending = true;
}

bool WebPanel::NavigateToFallback()
{
    if (FallbackFile.isEmpty() || !QFileInfo(FallbackFile).isFile())
        return false;
    Navigate(FallbackFile);
    return true;
}

void WebPanel::Reload()
{
    if (m_view)
        m_view->Refresh();
}

void WebPanel::NavigateComplete()
{
    if (Silent && m_view)
        m_view->SetSilent(true);
}

void WebPanel::DocumentComplete(bool topDocument)
{
    if (!m_view)
        return;
    std::weak_ptr<int> alive = m_alive;
    m_view->SetBodyMarginZero([this, alive, topDocument](bool hadBody) {
        if (!alive.expired())
            bodyMarginDone(topDocument, hadBody);
    });
}

void WebPanel::bodyMarginDone(bool topDocument, bool hadBody)
{
    // Without a body the step stops: the cover stays and no timer starts.
    if (!hadBody || !topDocument)
        return;
    if (m_coverVisible) {
        m_coverVisible = false;
        emit coverHidden();
    }
    if (m_timer && m_refreshFlag && *m_refreshFlag && !m_timer->isActive())
        m_timer->start();
}

void WebPanel::NavigateError()
{
    if (NavigateErrorHandler)
        NavigateErrorHandler(this);
}

void WebPanel::RefreshTimerTick()
{
    Reload();
    for (WebPanel *p : m_extraRefresh)
        p->Reload();
}
