#include "webpanels/MainPanelTable.h"

#include "webpanels/WebPanel.h"

#include <QFileInfo>

PanelGeometry MainPanelGeometry(PanelSize size, int tab)
{
    switch (size) {
    case PanelSize::Banner468x15:
        return {QRect(8, 8, 468, 21), QRect(-4, -3, 500, 40), QRect(-4, -1, 675, 41), false};
    case PanelSize::P468x60:
        return {QRect(-4, 233, 468, 60), QRect(0, -3, 490, 80), QRect(3, tab == 0 ? -6 : -7, 466, 68), false};
    case PanelSize::P185x80:
        return {QRect(433, 13, 185, 80), QRect(-5, -3, 210, 97), QRect(-11, -4, 210, 85), true};
    case PanelSize::P185x135:
        return {QRect(433, 99, 185, 130), QRect(-3, -2, 210, 152), QRect(-2, -2, 210, 140), true};
    case PanelSize::P153x60:
        return {QRect(465, 233, 153, 60), QRect(-1, -3, 175, 80), QRect(-11, -3, 165, 67), false};
    }
    return {};
}

using S = PanelSize;
using A = TAdConfig;
const MainPanelSpec MainPanelSpecs[25] = {
    {"allWebBrowser1", "web2Panel", -1, S::Banner468x15, &A::Allad1url, "TJ468X15.html", nullptr},
    {"allwebBrowser2", "web3Panel", 0, S::P185x80, &A::Allad2url, "tj185X80.html", nullptr},
    {"MainWebBrowser1", "web1Panel", 0, S::P468x60, &A::mainad1url, "TJ468X60_3.html", "web1Timer"},
    {"MainWebBrowser2", "web4Panel", 0, S::P185x135, &A::mainad2url, "sy185X135.htm", nullptr},
    {"MainWebBrowser3", "web5Panel", 0, S::P153x60, &A::mainad3url, "tj153X60.html", "web5Timer"},
    {"ToDayWebBrowser1", "TodaywebPanel", 1, S::P468x60, &A::Todayad1url, "TJ468X60_1.html", "Todayweb1Timer"},
    {"TodayWebBrowser2", "Todayweb2Panel", 1, S::P185x135, &A::Todayad2url, "jrrc185X135.htm", nullptr},
    {"TodayWebBrowser3", "todayweb3Panel", 1, S::P153x60, &A::Todayad3url, "tj153X60.html", "Todayweb3Timer"},
    {"TodayWebBrowsercomm", "todaycommPanel", 1, S::P185x80, &A::Allad2url, "tj185X80.html", nullptr},
    {"ClockWebBrowser1", "Clockad1Panel", 2, S::P468x60, &A::Clockad1url, "TJ468X60_2.html", "Clockweb1Timer"},
    {"ClockWebBrowser2", "Clockweb2Panel", 2, S::P185x135, &A::Clockad2url, "nzrw185X135.htm", nullptr},
    {"ClockWebBrowser3", "Clockweb3Panel", 2, S::P153x60, &A::Clockad3url, "tj153X60.html", "Clockweb3Timer"},
    {"ClockWebBrowsercomm", "ColckcommPanel", 2, S::P185x80, &A::Allad2url, "tj185X80.html", nullptr},
    {"TimeWebBrowser1", "timeweb1Panel", 3, S::P468x60, &A::Timedownad1url, "TJ468X60_7.html", "timeweb1Timer"},
    {"TimeWebBrowser2", "Timeweb2Panel", 3, S::P185x135, &A::Timedownad2url, "djs185X135.htm", nullptr},
    {"TimeWebBrowser3", "timeweb3Panel", 3, S::P153x60, &A::Timedownad3url, "tj153X60.html", "Timeweb3Timer"},
    {"TimeWebBrowsercomm", "timecommPanel", 3, S::P185x80, &A::Allad2url, "tj185X80.html", nullptr},
    {"ExeWebBrowser1", "Exeweb1Panel", 4, S::P468x60, &A::Exead1url, "TJ468X60_6.html", "Exeweb1Timer"},
    {"ExeWebBrowser2", "Exeweb2Panel", 4, S::P185x135, &A::Exead2url, "zxcx185X135.htm", nullptr},
    {"ExeWebBrowser3", "Exeweb3Panel", 4, S::P153x60, &A::Exead3url, "tj153X60.html", "Exeweb3Timer"},
    {"ExeWebBrowsercomm", "ExecommPanel", 4, S::P185x80, &A::Allad2url, "tj185X80.html", nullptr},
    {"OffWebBrowser1", "Offweb1Panel", 5, S::P468x60, &A::Offad1url, "TJ468X60_5.html", "Offweb1Timer"},
    {"OffWebBrowser2", "Offweb2Panel", 5, S::P185x135, &A::Offad2url, "dsgj185X135.htm", nullptr},
    {"OffWebBrowser3", "Offweb3Panel", 5, S::P153x60, &A::Offad3url, "tj153X60.html", "Offweb3Timer"},
    {"OffWebBrowsercomm", "OffcommPanel", 5, S::P185x80, &A::Allad2url, "tj185X80.html", nullptr},
};

const std::vector<FallbackStep> &BannerFallbackSteps()
{
    static const std::vector<FallbackStep> steps = {
        {"TJ468X60_3.html", {"MainWebBrowser1"}},
        {"TJ468X60_1.html", {"ToDayWebBrowser1"}},
        {"TJ468X60_2.html", {"ClockWebBrowser1"}},
        {"TJ468X60_7.html", {"TimeWebBrowser1"}},
        {"TJ468X60_5.html", {"OffWebBrowser1"}},
        {"TJ468X60_6.html", {"ExeWebBrowser1"}},
        {"TJ468X15.html", {"allWebBrowser1"}},
        {"tj185X80.html",
         {"allwebBrowser2", "TodayWebBrowsercomm", "ClockWebBrowsercomm", "TimeWebBrowsercomm", "OffWebBrowsercomm",
          "ExeWebBrowsercomm"}},
        {"sy185X135.htm", {"MainWebBrowser2"}},
        {"jrrc185X135.htm", {"TodayWebBrowser2"}},
        {"nzrw185X135.htm", {"ClockWebBrowser2"}},
        {"djs185X135.htm", {"TimeWebBrowser2"}},
        {"dsgj185X135.htm", {"OffWebBrowser2"}},
        {"zxcx185X135.htm", {"ExeWebBrowser2"}},
        {"tj153X60.html",
         {"MainWebBrowser3", "TodayWebBrowser3", "ClockWebBrowser3", "TimeWebBrowser3", "OffWebBrowser3",
          "ExeWebBrowser3"}},
    };
    return steps;
}

TMainWebPanelSet::TMainWebPanelSet(const QString &programDir, const TAdConfig &ad, QObject *parent)
    : QObject(parent), m_programDir(programDir)
{
    setObjectName(QStringLiteral("MainWebPanels"));
    const QString ads = AdsDir(programDir);
    for (const MainPanelSpec &s : MainPanelSpecs) {
        auto *p = new WebPanel(QString::fromLatin1(s.browser), this);
        p->Address = ad.*s.address;
        p->FallbackFile = ads + QString::fromLatin1(s.fallback);
        p->Silent = true;
        if (s.timer) {
            p->SetRefresh(MainRefreshIntervalMs, &WebRefreshOn);
            p->RefreshTimer()->setObjectName(QString::fromLatin1(s.timer));
        }
        m_panels.push_back(p);
    }
    // Only the banner's errors switch the window to its local pages; the others
    // keep whatever their browser shows after the failure.
    m_panels.front()->NavigateErrorHandler = [this](WebPanel *) { allWebBrowser1NavigateError(); };
}

WebPanel *TMainWebPanelSet::panel(const QString &browserName) const
{
    for (WebPanel *p : m_panels)
        if (p->objectName() == browserName)
            return p;
    return nullptr;
}

std::vector<WebPanel *> TMainWebPanelSet::panelsOfTab(int tab) const
{
    std::vector<WebPanel *> r;
    for (size_t i = 0; i < m_panels.size(); ++i)
        if (MainPanelSpecs[i].tab == tab)
            r.push_back(m_panels[i]);
    return r;
}

void TMainWebPanelSet::NavigateAll()
{
    for (WebPanel *p : m_panels)
        p->NavigateToAddress();
}

void TMainWebPanelSet::allWebBrowser1NavigateError()
{
    WebRefreshOn = false;
    const QString ads = AdsDir(m_programDir);
    for (const FallbackStep &step : BannerFallbackSteps()) {
        const QString path = ads + QString::fromLatin1(step.file);
        if (!QFileInfo(path).isFile())
            continue;
        for (const char *b : step.browsers)
            if (WebPanel *p = panel(QString::fromLatin1(b)))
                p->Navigate(path);
    }
}
