#pragma once
// The main window's twenty-five panels: the banner in the top strip and four
// panels on each of the six task tabs, their geometry, addresses, fallback pages,
// refresh timers, and the banner's switch of every panel to its local page.
#include "webpanels/AdConfig.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <vector>

class WebPanel;

enum class PanelSize { Banner468x15, P468x60, P185x80, P185x135, P153x60 };

struct PanelGeometry {
    QRect clip;    // in the tab's client area (the banner: in the window)
    QRect browser; // inside the clip area
    QRect cover;   // inside the clip area
    bool framedCover = false;
};
// tab: 0..5 for 首页..定时关机, -1 for the banner.
PanelGeometry MainPanelGeometry(PanelSize size, int tab);

struct MainPanelSpec {
    const char *browser; // the browser's name; the panel carries it too
    const char *cover;
    int tab; // -1 the top strip
    PanelSize size;
    QString TAdConfig::*address;
    const char *fallback; // file name in AD/Ads
    const char *timer;    // nullptr: no refresh
};
// In start-up navigation order.
extern const MainPanelSpec MainPanelSpecs[25];

struct FallbackStep {
    const char *file;
    std::vector<const char *> browsers;
};
// The banner error's order of local pages.
const std::vector<FallbackStep> &BannerFallbackSteps();

inline constexpr int MainRefreshIntervalMs = 120000;

class TMainWebPanelSet : public QObject {
    Q_OBJECT
public:
    TMainWebPanelSet(const QString &programDir, const TAdConfig &ad, QObject *parent = nullptr);

    // Shared by every main-window refresh timer; cleared by a banner error only.
    bool WebRefreshOn = true;

    WebPanel *panel(const QString &browserName) const;
    const std::vector<WebPanel *> &panels() const { return m_panels; } // start-up order
    std::vector<WebPanel *> panelsOfTab(int tab) const;

    // Start-up: every panel to its address, in the fixed order.
    void NavigateAll();
    // The banner's navigation error, for the page or any frame in it.
    void allWebBrowser1NavigateError();

private:
    QString m_programDir;
    std::vector<WebPanel *> m_panels;
};
