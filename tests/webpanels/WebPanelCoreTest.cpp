#include "FakeBrowserView.h"
#include "mainwindow/MainConfig.h"
#include "support/TestSupport.h"
#include "webpanels/AdConfig.h"
#include "webpanels/MainPanelTable.h"
#include "webpanels/WebEngineSetup.h"
#include "webpanels/WebPanel.h"
#include "webpanels/WindowPanels.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

const char *const AllPages[18] = {"TJ468X15.html",   "TJ468X60_1.html", "TJ468X60_2.html", "TJ468X60_3.html",
                                  "TJ468X60_5.html", "TJ468X60_6.html", "TJ468X60_7.html", "TJ468X60_8.html",
                                  "TJ468X60_9.html", "tj185X80.html",   "tj153X60.html",   "sy185X135.htm",
                                  "jrrc185X135.htm", "nzrw185X135.htm", "djs185X135.htm",  "dsgj185X135.htm",
                                  "zxcx185X135.htm", "TJ360X30.html"};

void writePages(const TestProgramDir &dir, const std::vector<QString> &except = {})
{
    for (const char *p : AllPages) {
        const QString name = QString::fromLatin1(p);
        if (std::find(except.begin(), except.end(), name) == except.end())
            dir.writeFile(QStringLiteral("AD/Ads/") + name, "<html><body>local</body></html>");
    }
}

// The main window's panels, each with a fake browser from the start.
struct MainSet {
    TestProgramDir dir;
    std::unique_ptr<TMainWebPanelSet> set;
    std::map<QString, std::unique_ptr<FakeBrowserView>> views;
    explicit MainSet(const TAdConfig &ad = DefaultAdConfig())
    {
        set = std::make_unique<TMainWebPanelSet>(dir.path(), ad);
        for (WebPanel *p : set->panels()) {
            auto &v = views[p->objectName()];
            v = std::make_unique<FakeBrowserView>();
            p->SetView(v.get());
        }
    }
    FakeBrowserView &view(const char *name) { return *views.at(QString::fromLatin1(name)); }
    WebPanel &panel(const char *name) { return *set->panel(QString::fromLatin1(name)); }
    QString ads(const char *file) const { return AdsDir(dir.path()) + QString::fromLatin1(file); }
};

} // namespace

TEST(AdConfig, NoFileGivesEveryDefaultAndAFileOverridesOnlyItsKeys)
{
    TestProgramDir dir;
    const TAdConfig none = ReadAdConfig(dir.path());
    EXPECT_EQ(none.Allad1url, Vendor::Site + QStringLiteral("/corvina/gg468X15.html"));
    EXPECT_EQ(none.Todayformurl, Vendor::Site + QStringLiteral("/corvina/baidu360X30.html"));
    EXPECT_EQ(none.Offad3url, Vendor::Site + QStringLiteral("/corvina/dsgj153x60.htm"));
    const TAdConfig defaults = DefaultAdConfig();
    for (const TAdKey &k : AdKeys)
        EXPECT_EQ(none.*k.field, defaults.*k.field) << k.key;
    EXPECT_FALSE(QFile::exists(AdConfigPath(dir.path()))); // reading never creates it

    // Section and key names match without regard to case.
    dir.writeFile(QStringLiteral("AD/Config.ini"),
                  "[MAINAD]\nallad1URL=file:///ads/banner.html\n[Todayad]\nTodayformurl=http://127.0.0.1/x\n");
    const TAdConfig some = ReadAdConfig(dir.path());
    EXPECT_EQ(some.Allad1url, QStringLiteral("file:///ads/banner.html"));
    EXPECT_EQ(some.Todayformurl, QStringLiteral("http://127.0.0.1/x"));
    EXPECT_EQ(some.Allad2url, defaults.Allad2url);
    EXPECT_EQ(some.Todayad1url, defaults.Todayad1url);
}

TEST(MainWebPanels, StartUpNavigatesEveryBrowserToItsAddressInOrder)
{
    TAdConfig ad = DefaultAdConfig();
    for (const TAdKey &k : AdKeys)
        ad.*k.field = QString::fromLatin1(k.key); // tell the keys apart
    TestProgramDir dir;
    TMainWebPanelSet set(dir.path(), ad);
    QStringList order;
    std::vector<std::unique_ptr<FakeBrowserView>> views;
    for (WebPanel *p : set.panels()) {
        views.push_back(std::make_unique<FakeBrowserView>());
        p->SetView(views.back().get());
    }
    set.NavigateAll();
    for (size_t i = 0; i < views.size(); ++i)
        order << set.panels()[i]->objectName() + QLatin1Char('=') + views[i]->navigated.join(QLatin1Char(','));
    const QStringList expected = {
        "allWebBrowser1=Allad1url",        "allwebBrowser2=Allad2url",         "MainWebBrowser1=mainad1url",
        "MainWebBrowser2=mainad2url",      "MainWebBrowser3=mainad3url",       "ToDayWebBrowser1=Todayad1url",
        "TodayWebBrowser2=Todayad2url",    "TodayWebBrowser3=Todayad3url",     "TodayWebBrowsercomm=Allad2url",
        "ClockWebBrowser1=Clockad1url",    "ClockWebBrowser2=Clockad2url",     "ClockWebBrowser3=Clockad3url",
        "ClockWebBrowsercomm=Allad2url",   "TimeWebBrowser1=Timedownad1url",   "TimeWebBrowser2=Timedownad2url",
        "TimeWebBrowser3=Timedownad3url",  "TimeWebBrowsercomm=Allad2url",     "ExeWebBrowser1=Exead1url",
        "ExeWebBrowser2=Exead2url",        "ExeWebBrowser3=Exead3url",         "ExeWebBrowsercomm=Allad2url",
        "OffWebBrowser1=Offad1url",        "OffWebBrowser2=Offad2url",         "OffWebBrowser3=Offad3url",
        "OffWebBrowsercomm=Allad2url"};
    EXPECT_EQ(order, expected);
    for (auto &v : views)
        EXPECT_TRUE(v->silent);
}

TEST(MainWebPanels, TopDocumentHidesTheCoverAndStartsTheTimerFramesOnlySetTheMargin)
{
    MainSet m;
    m.set->NavigateAll();
    WebPanel &p = m.panel("MainWebBrowser1");
    FakeBrowserView &v = m.view("MainWebBrowser1");
    ASSERT_TRUE(p.RefreshTimer());
    EXPECT_EQ(p.RefreshTimer()->objectName(), QStringLiteral("web1Timer"));
    EXPECT_EQ(p.RefreshTimer()->interval(), 120000);
    EXPECT_FALSE(p.RefreshTimer()->isActive());

    v.load(false); // a frame inside the page
    EXPECT_EQ(v.marginSets, 1);
    EXPECT_TRUE(p.CoverVisible());
    EXPECT_FALSE(p.RefreshTimer()->isActive());

    int hidden = 0;
    QObject::connect(&p, &WebPanel::coverHidden, [&] { ++hidden; });
    v.load(true);
    EXPECT_EQ(v.marginSets, 2);
    EXPECT_FALSE(p.CoverVisible());
    EXPECT_TRUE(p.RefreshTimer()->isActive());
    v.load(true); // later documents do not show or hide anything again
    EXPECT_EQ(hidden, 1);

    // A tick reloads only its own panel, and the timer keeps running.
    p.RefreshTimerTick();
    EXPECT_EQ(v.refreshes, 1);
    EXPECT_EQ(m.view("MainWebBrowser3").refreshes, 0);
    EXPECT_TRUE(p.RefreshTimer()->isActive());

    // Panels without a timer just lose their cover.
    m.view("MainWebBrowser2").load();
    EXPECT_FALSE(m.panel("MainWebBrowser2").CoverVisible());
    EXPECT_EQ(m.panel("MainWebBrowser2").RefreshTimer(), nullptr);
}

TEST(MainWebPanels, APageWithoutBodyKeepsItsCoverAndStartsNoTimer)
{
    MainSet m;
    FakeBrowserView &v = m.view("TodayWebBrowser3");
    v.hasBody = false;
    v.load(true);
    EXPECT_TRUE(m.panel("TodayWebBrowser3").CoverVisible());
    EXPECT_FALSE(m.panel("TodayWebBrowser3").RefreshTimer()->isActive());
}

TEST(MainWebPanels, BannerErrorSendsEveryPanelToItsPageSkippingMissingFiles)
{
    MainSet m;
    writePages(m.dir, {QStringLiteral("tj153X60.html"), QStringLiteral("TJ468X60_7.html")});
    m.set->NavigateAll();
    m.view("MainWebBrowser1").load(true); // already running: keeps reloading afterwards
    ASSERT_TRUE(m.panel("MainWebBrowser1").RefreshTimer()->isActive());

    m.view("TodayWebBrowser2").fail(); // another panel's failure changes nothing
    EXPECT_TRUE(m.set->WebRefreshOn);
    EXPECT_EQ(m.view("TodayWebBrowser2").navigated.size(), 1);

    m.view("allWebBrowser1").fail();
    EXPECT_FALSE(m.set->WebRefreshOn);
    struct Case {
        const char *browser;
        const char *page; // nullptr: file missing, not navigated again
    } cases[] = {
        {"MainWebBrowser1", "TJ468X60_3.html"},    {"ToDayWebBrowser1", "TJ468X60_1.html"},
        {"ClockWebBrowser1", "TJ468X60_2.html"},   {"TimeWebBrowser1", nullptr},
        {"OffWebBrowser1", "TJ468X60_5.html"},     {"ExeWebBrowser1", "TJ468X60_6.html"},
        {"allWebBrowser1", "TJ468X15.html"},       {"allwebBrowser2", "tj185X80.html"},
        {"TodayWebBrowsercomm", "tj185X80.html"},  {"ClockWebBrowsercomm", "tj185X80.html"},
        {"TimeWebBrowsercomm", "tj185X80.html"},   {"OffWebBrowsercomm", "tj185X80.html"},
        {"ExeWebBrowsercomm", "tj185X80.html"},    {"MainWebBrowser2", "sy185X135.htm"},
        {"TodayWebBrowser2", "jrrc185X135.htm"},   {"ClockWebBrowser2", "nzrw185X135.htm"},
        {"TimeWebBrowser2", "djs185X135.htm"},     {"OffWebBrowser2", "dsgj185X135.htm"},
        {"ExeWebBrowser2", "zxcx185X135.htm"},     {"MainWebBrowser3", nullptr},
        {"TodayWebBrowser3", nullptr},             {"ClockWebBrowser3", nullptr},
        {"TimeWebBrowser3", nullptr},              {"OffWebBrowser3", nullptr},
        {"ExeWebBrowser3", nullptr},
    };
    for (const Case &c : cases) {
        const QStringList &nav = m.view(c.browser).navigated;
        if (c.page) {
            ASSERT_EQ(nav.size(), 2) << c.browser;
            EXPECT_EQ(nav.last(), m.ads(c.page)) << c.browser;
        } else {
            EXPECT_EQ(nav.size(), 1) << c.browser;
        }
    }

    // After the banner failed no timer starts any more; a running one keeps going.
    m.view("ToDayWebBrowser1").load(true);
    EXPECT_FALSE(m.panel("ToDayWebBrowser1").RefreshTimer()->isActive());
    EXPECT_FALSE(m.panel("ToDayWebBrowser1").CoverVisible());
    EXPECT_TRUE(m.panel("MainWebBrowser1").RefreshTimer()->isActive());

    // Every further banner error (the local banner failing too) repeats the whole step.
    m.view("allWebBrowser1").fail();
    EXPECT_EQ(m.view("MainWebBrowser2").navigated.size(), 3);
}

TEST(MainWebPanels, ABrowserMadeLaterShowsWhatItWasToldMeanwhile)
{
    TestProgramDir dir;
    writePages(dir);
    TMainWebPanelSet set(dir.path(), DefaultAdConfig());
    std::map<QString, std::unique_ptr<FakeBrowserView>> made;
    for (WebPanel *p : set.panels())
        p->SetViewFactory([&made, p]() -> IBrowserView * {
            auto &v = made[p->objectName()];
            v = std::make_unique<FakeBrowserView>();
            return v.get();
        });
    WebPanel *banner = set.panel(QStringLiteral("allWebBrowser1"));
    WebPanel *clock = set.panel(QStringLiteral("ClockWebBrowser2"));
    WebPanel *home = set.panel(QStringLiteral("MainWebBrowser2"));
    set.NavigateAll();
    EXPECT_TRUE(made.empty());
    EXPECT_EQ(clock->CurrentTarget(), DefaultAdConfig().Clockad2url);

    home->EnsureView();
    banner->EnsureView();
    EXPECT_EQ(made.at(QStringLiteral("MainWebBrowser2"))->navigated, QStringList{DefaultAdConfig().mainad2url});
    made.at(QStringLiteral("allWebBrowser1"))->fail();
    EXPECT_EQ(made.at(QStringLiteral("MainWebBrowser2"))->navigated.last(), AdsDir(dir.path()) + "sy185X135.htm");

    // The alarm tab is shown only now: its browser goes straight to the local page.
    clock->EnsureView();
    EXPECT_EQ(made.at(QStringLiteral("ClockWebBrowser2"))->navigated,
              QStringList{AdsDir(dir.path()) + "nzrw185X135.htm"});
    EXPECT_TRUE(made.at(QStringLiteral("ClockWebBrowser2"))->silent);
    clock->EnsureView(); // once only
    EXPECT_EQ(made.at(QStringLiteral("ClockWebBrowser2"))->navigated.size(), 1);
}

TEST(MainWebPanels, GeometryOfThePanels)
{
    EXPECT_EQ(MainPanelGeometry(PanelSize::P468x60, 0).cover, QRect(3, -6, 466, 68));
    EXPECT_EQ(MainPanelGeometry(PanelSize::P468x60, 3).cover, QRect(3, -7, 466, 68));
    EXPECT_EQ(MainPanelGeometry(PanelSize::P185x135, 2).clip, QRect(433, 99, 185, 130));
    EXPECT_TRUE(MainPanelGeometry(PanelSize::P185x80, 1).framedCover);
    EXPECT_FALSE(MainPanelGeometry(PanelSize::P153x60, 1).framedCover);
    EXPECT_EQ(MainPanelGeometry(PanelSize::Banner468x15, -1).browser, QRect(-4, -3, 500, 40));
}

TEST(AlertWebPanel, ErrorGoesToItsLocalPageWhenPresent)
{
    TestProgramDir dir;
    TAdConfig ad = DefaultAdConfig();
    ad.Todayad1url = QStringLiteral("http://127.0.0.1:9/x");
    QObject owner;
    WebPanel *p = MakeAlertWebPanel(dir.path(), ad, &owner);
    FakeBrowserView v;
    p->SetView(&v);
    p->NavigateToAddress();
    v.fail(); // no local page: nothing more happens
    EXPECT_EQ(v.navigated, QStringList{ad.Todayad1url});
    writePages(dir);
    v.fail();
    EXPECT_EQ(v.navigated.last(), AdsDir(dir.path()) + AdPages::Alert);
    v.load();
    EXPECT_TRUE(v.silent);
    EXPECT_FALSE(p->CoverVisible());
    EXPECT_EQ(p->RefreshTimer(), nullptr);
}

TEST(NoteWebPanels, LowerPanelStartsTheHourlyTimerForBothAndUpperErrorFallsBack)
{
    TestProgramDir dir;
    writePages(dir);
    TNoteWebPanels note(dir.path(), DefaultAdConfig());
    FakeBrowserView lower, upper;
    note.WebBrowser1->SetView(&lower);
    note.WebBrowser2->SetView(&upper);
    note.NavigateAll();
    EXPECT_EQ(lower.navigated, QStringList{DefaultAdConfig().Todayad1url});
    EXPECT_EQ(upper.navigated, QStringList{DefaultAdConfig().Todayformurl});

    QTimer *webTimer = note.WebBrowser1->RefreshTimer();
    ASSERT_TRUE(webTimer);
    EXPECT_EQ(webTimer->objectName(), QStringLiteral("webTimer"));
    EXPECT_EQ(webTimer->interval(), 3600000);
    upper.load(true);
    EXPECT_FALSE(webTimer->isActive()); // only the lower panel starts it
    lower.load(true);
    EXPECT_TRUE(webTimer->isActive());
    note.WebBrowser1->RefreshTimerTick();
    EXPECT_EQ(lower.refreshes, 1);
    EXPECT_EQ(upper.refreshes, 1);
    EXPECT_EQ(lower.silentCalls + upper.silentCalls, 0); // never silent

    lower.fail(); // the lower panel has no error handler
    EXPECT_TRUE(note.NoteWebRefreshOn);
    upper.fail();
    EXPECT_FALSE(note.NoteWebRefreshOn);
    EXPECT_EQ(lower.navigated.last(), AdsDir(dir.path()) + AdPages::NoteLower);
    EXPECT_EQ(upper.navigated.last(), AdsDir(dir.path()) + AdPages::NoteUpper);
}

TEST(NoteWebPanels, AfterTheUpperErrorTheTimerNeverStarts)
{
    TestProgramDir dir; // no local pages at all: nothing is navigated
    TNoteWebPanels note(dir.path(), DefaultAdConfig());
    FakeBrowserView lower, upper;
    note.WebBrowser1->SetView(&lower);
    note.WebBrowser2->SetView(&upper);
    note.NavigateAll();
    upper.fail();
    EXPECT_EQ(lower.navigated.size(), 1);
    EXPECT_EQ(upper.navigated.size(), 1);
    lower.load(true);
    EXPECT_FALSE(note.WebBrowser1->RefreshTimer()->isActive());
}

TEST(WebEngineFlags, OneRendererAndNoSandboxOnlyForRoot)
{
    const QByteArray user = WebEngineChromiumFlags({}, false);
    EXPECT_TRUE(user.contains("--renderer-process-limit=1"));
    EXPECT_FALSE(user.contains("--no-sandbox"));
    EXPECT_TRUE(WebEngineChromiumFlags({}, true).contains("--no-sandbox"));
    // The user's own flags are kept and win over ours.
    const QByteArray mine = WebEngineChromiumFlags("--renderer-process-limit=4  --disable-gpu", true);
    EXPECT_TRUE(mine.contains("--renderer-process-limit=4"));
    EXPECT_FALSE(mine.contains("--renderer-process-limit=1"));
    EXPECT_TRUE(mine.contains("--disable-gpu"));
    EXPECT_EQ(WebEngineChromiumFlags("--no-sandbox", true).count("--no-sandbox"), 1);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the refresh timers need an application
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
