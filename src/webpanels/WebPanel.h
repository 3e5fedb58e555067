#pragma once
// One embedded page: a browser behind a cover until its first completed top
// document, an address, a local fallback page and an optional refresh timer.
// The browser may be made later than the panel (a tab not yet shown); what the
// panel was told to show meanwhile is shown once the browser exists.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class IBrowserView;

class WebPanel : public QObject {
    Q_OBJECT
public:
    using ViewFactory = std::function<IBrowserView *()>;

    WebPanel(const QString &name, QObject *parent = nullptr);
    ~WebPanel() override;

    QString name() const { return objectName(); }

    // ---- configuration
    QString Address;       // the configured address
    QString FallbackFile;  // full path of the local page
    bool Silent = true;    // made silent after each navigation
    // Optional refresh: the timer (disabled at start) starts at a completed top
    // document while *flag is set. Its tick reloads this panel and every extra target.
    void SetRefresh(int intervalMs, const bool *flag);
    void AddRefreshTarget(WebPanel *other) { m_extraRefresh.push_back(other); }
    QTimer *RefreshTimer() const { return m_timer.get(); }

    // The browser: either given at once or made on first need by the factory.
    void SetViewFactory(ViewFactory f) { m_factory = std::move(f); }
    void SetView(IBrowserView *view); // not owned
    // The browser is going away (its widget was destroyed first).
    void DetachView() { m_view = nullptr; }
    IBrowserView *View() const { return m_view; }
    // Make the browser on the first navigation rather than waiting for EnsureView.
    bool CreateViewOnNavigate = false;
    bool HasView() const { return m_view != nullptr; }
    // Makes the browser if it does not exist yet and sends it what is pending.
    void EnsureView();

    // ---- operations
    void NavigateToAddress() { Navigate(Address); }
    void Navigate(const QString &address);
    // Navigates to the fallback page when its file exists; false when it does not.
    bool NavigateToFallback();
    void Reload();

    // What the panel shows or will show once its browser exists.
    QString CurrentTarget() const { return m_target; }
    bool CoverVisible() const { return m_coverVisible; }

    // Called on a navigation error, after nothing else (the owner decides the fallback).
    std::function<void(WebPanel *)> NavigateErrorHandler;

    // ---- events (the browser's, and the timer's tick)
    void NavigateComplete();
    void DocumentComplete(bool topDocument);
    void NavigateError();
    void RefreshTimerTick();

signals:
    void coverHidden();

private:
    void bodyMarginDone(bool topDocument, bool hadBody);

    IBrowserView *m_view = nullptr;
    ViewFactory m_factory;
    QString m_target;
    bool m_pending = false; // a navigation the browser has not been sent yet
    bool m_coverVisible = true;
    std::unique_ptr<QTimer> m_timer;
    const bool *m_refreshFlag = nullptr;
    std::vector<WebPanel *> m_extraRefresh;
    std::shared_ptr<int> m_alive; // guards late margin answers after destruction
};
