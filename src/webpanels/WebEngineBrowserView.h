#pragma once
// The real browser of a web panel: a web engine view on the one shared profile.
#include "webpanels/BrowserView.h"

#include <QWebEngineView>

class IShell;
class QWebEngineProfile;

// One profile for every panel of the program: in memory only, so nothing is
// written outside the program folder, and one set of caches for all panels.
QWebEngineProfile *SharedWebProfile();

class WebEngineBrowserView : public QWebEngineView, public IBrowserView {
    Q_OBJECT
public:
    // Links the user clicks open through shell (the user's own web browser).
    WebEngineBrowserView(IShell *shell, QWidget *parent = nullptr);
    ~WebEngineBrowserView() override;

    void Navigate(const QString &address) override;
    void Refresh() override;
    void SetSilent(bool silent) override;
    void SetBodyMarginZero(std::function<void(bool hadBody)> done) override;

    bool isSilent() const;
};
