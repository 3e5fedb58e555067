#include "webpanels/WebEngineBrowserView.h"

#include "platform/Shell.h"
#include "webpanels/WebEngineSetup.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

QWebEngineProfile *SharedWebProfile()
{
    static QPointer<QWebEngineProfile> profile;
    if (!profile) {
        PrepareWebEngine(); // the engine starts with the first profile
        // No storage name: an off-the-record profile, parented to the application so
        // it outlives every page.
        profile = new QWebEngineProfile(QCoreApplication::instance());
        profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        QWebEngineSettings *s = profile->settings();
        s->setAttribute(QWebEngineSettings::ShowScrollBars, false);
        s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    }
    return profile;
}

namespace {

void openOutside(IShell *shell, const QUrl &url)
{
    if (shell && url.isValid() && !url.isEmpty())
        shell->OpenWebAddress(url.toString());
}

// A page asked for a new window (target="_blank", window.open): the first address
// it is sent to goes to the user's browser, and the page is dropped.
class OutsideLinkPage : public QWebEnginePage {
public:
    OutsideLinkPage(IShell *shell, QObject *parent) : QWebEnginePage(SharedWebProfile(), parent), m_shell(shell) {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        if (isMainFrame && !m_done) {
            m_done = true;
            openOutside(m_shell, url);
            deleteLater();
        }
        return false;
    }

private:
    IShell *m_shell;
    bool m_done = false;
};

class PanelPage : public QWebEnginePage {
public:
    PanelPage(IShell *shell, QObject *parent) : QWebEnginePage(SharedWebProfile(), parent), m_shell(shell) {}
    bool silent = false;

protected:
    // A panel is a few hundred pixels: a clicked link belongs in a real browser.
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeLinkClicked) {
            openOutside(m_shell, url);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
    QWebEnginePage *createWindow(WebWindowType) override { return new OutsideLinkPage(m_shell, this); }

    void javaScriptAlert(const QUrl &origin, const QString &msg) override
    {
        if (!silent)
            QWebEnginePage::javaScriptAlert(origin, msg);
    }
    bool javaScriptConfirm(const QUrl &origin, const QString &msg) override
    {
        return silent ? false : QWebEnginePage::javaScriptConfirm(origin, msg);
    }
    bool javaScriptPrompt(const QUrl &origin, const QString &msg, const QString &def, QString *result) override
    {
        return silent ? false : QWebEnginePage::javaScriptPrompt(origin, msg, def, result);
    }
    QStringList chooseFiles(FileSelectionMode mode, const QStringList &old, const QStringList &types) override
    {
        return silent ? QStringList() : QWebEnginePage::chooseFiles(mode, old, types);
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int, const QString &) override {}

private:
    IShell *m_shell;
};

} // namespace

WebEngineBrowserView::WebEngineBrowserView(IShell *shell, QWidget *parent) : QWebEngineView(parent)
{
    auto *page = new PanelPage(shell, this);
    setPage(page);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The engine reports top documents only: frames have no events of their own here.
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            if (OnNavigateComplete)
                OnNavigateComplete();
            if (OnDocumentComplete)
                OnDocumentComplete(true);
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            // A load cut short by the next navigation is no error of the page.
            if (info.errorCode() == -3) // net::ERR_ABORTED
                break;
            if (OnNavigateError)
                OnNavigateError();
            break;
        default:
            break;
        }
    });
}

WebEngineBrowserView::~WebEngineBrowserView()
{
    OnNavigateComplete = nullptr;
    OnDocumentComplete = nullptr;
    OnNavigateError = nullptr;
}

void WebEngineBrowserView::Navigate(const QString &address)
{
    const QUrl url = address.isEmpty() ? QUrl(QStringLiteral("about:blank")) : QUrl::fromUserInput(address);
    load(url);
}

void WebEngineBrowserView::Refresh()
{
    reload();
}

void WebEngineBrowserView::SetSilent(bool silent)
{
    static_cast<PanelPage *>(page())->silent = silent;
}

bool WebEngineBrowserView::isSilent() const
{
    return static_cast<PanelPage *>(page())->silent;
}

void WebEngineBrowserView::SetBodyMarginZero(std::function<void(bool)> done)
{
    static const QString script = QStringLiteral(
        "(function(){var b=document.body;if(!b)return false;b.style.margin='0px';return true;})()");
    QPointer<WebEngineBrowserView> self(this);
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [self, done](const QVariant &r) {
        if (self && done)
            done(r.toBool());
    });
}
