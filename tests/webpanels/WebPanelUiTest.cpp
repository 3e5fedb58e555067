#include "data/DataUnit.h"
#include "mainwindow/MainUnit.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "scheduler/ActiveTaskList.h"
#include "support/TestSupport.h"
#include "webpanels/MainPanelTable.h"
#include "webpanels/WebEngineBrowserView.h"
#include "webpanels/WebEngineSetup.h"
#include "webpanels/WebPanel.h"
#include "webpanels/WebPanelWidgets.h"
#include "webpanels/WindowPanels.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QTabWidget>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <functional>

namespace {

class RecordingShell : public IShell {
public:
    QStringList opened;
    void OpenWebAddress(const QString &a) override { opened << a; }
    void OpenMailAddress(const QString &) override {}
    void StartProgram(const QString &, const QString &) override {}
    void RunShutdownScript(const QString &) override {}
};

// Runs the event loop until done() holds or a generous bound passes.
bool waitFor(const std::function<bool()> &done, int boundMs = 30000)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(20);
    QTimer::singleShot(boundMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

QVariant runScript(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool answered = false;
    view->page()->runJavaScript(script, [&](const QVariant &r) {
        result = r;
        answered = true;
    });
    waitFor([&] { return answered; });
    return result;
}

} // namespace

TEST(WebEnginePanel, AFailingAddressFallsBackToTheLocalPageWhichLoadsOffscreen)
{
    TestProgramDir dir;
    dir.writeFile(QStringLiteral("AD/Ads/TJ468X60_8.html"), [&] {
        QFile f(QStringLiteral(CORVINA_ASSETS_DIR "/AD/Ads/TJ468X60_8.html"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }());
    RecordingShell shell;
    TAppContext ctx;
    ctx.vars.ProgramDir = dir.path();
    ctx.shell = &shell;
    ctx.AdConfig.Todayad1url = QStringLiteral("http://127.0.0.1:1/none"); // nothing listens there

    QWidget window;
    window.resize(484, 80);
    auto *strip = new QWidget(&window);
    strip->setGeometry(8, 8, 468, 60);
    auto *cover = new QFrame(strip);
    cover->setObjectName(QStringLiteral("web1Panel"));
    cover->setGeometry(0, 0, 468, 60);
    WebPanel *panel = InstallAlertWebPanel(cover, ctx);
    window.show();
    EXPECT_FALSE(panel->HasView()); // made at the first navigation
    panel->NavigateToAddress();
    ASSERT_TRUE(panel->HasView());

    ASSERT_TRUE(waitFor([&] { return !panel->CoverVisible(); })) << "the local page never completed";
    EXPECT_TRUE(cover->isHidden());
    auto *view = strip->findChild<WebEngineBrowserView *>(QStringLiteral("WebBrowser1"));
    ASSERT_TRUE(view);
    EXPECT_EQ(view->url(), QUrl::fromLocalFile(AdsDir(dir.path()) + AdPages::Alert));
    EXPECT_TRUE(view->isSilent());
    EXPECT_EQ(runScript(view, QStringLiteral("document.body.style.margin")).toString(), QStringLiteral("0px"));
    EXPECT_TRUE(runScript(view, QStringLiteral("document.getElementById('ad') !== null")).toBool());

    // A clicked link goes to the user's browser; the panel stays on its page.
    runScript(view, QStringLiteral("var a=document.createElement('a');a.href='http://127.0.0.1:1/more';"
                                   "document.body.appendChild(a);a.click();true"));
    EXPECT_TRUE(waitFor([&] { return !shell.opened.isEmpty(); }));
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("http://127.0.0.1:1/more")});
    EXPECT_EQ(view->url(), QUrl::fromLocalFile(AdsDir(dir.path()) + AdPages::Alert));
}

TEST(MainFormWebPanels, PanelsSitOnTheirTabsAndBrowsersAreMadePerTab)
{
    TestProgramDir dir;
    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(8, 0))};
    TDataModule1 dm;
    TActiveTaskList list;
    TAppContext ctx;
    ctx.vars = LoadMainVars(dir.path());
    ctx.clock = &clock;
    ctx.data = &dm;
    ctx.activeList = &list;
    ctx.WebPanelsOn = true;
    dir.writeFile(QStringLiteral("AD/Config.ini"), "[Clockad]\nClockad1url=about:blank\n");
    TMainForm form(ctx);
    ASSERT_TRUE(form.WebPanels);
    EXPECT_EQ(ctx.AdConfig.Clockad1url, QStringLiteral("about:blank")); // read for the other windows too
    EXPECT_EQ(form.WebPanels->panels().size(), 25u);

    QWidget *tabs[6] = {form.sTabSheet1, form.sTabSheet2, form.sTabSheet3,
                        form.sTabSheet4, form.sTabSheet5, form.sTabSheet6};
    for (const MainPanelSpec &s : MainPanelSpecs) {
        auto *cover = form.findChild<QFrame *>(QString::fromLatin1(s.cover));
        ASSERT_TRUE(cover) << s.cover;
        const PanelGeometry g = MainPanelGeometry(s.size, s.tab);
        EXPECT_EQ(cover->geometry(), g.cover) << s.cover;
        QWidget *clip = cover->parentWidget();
        EXPECT_EQ(clip->geometry(), g.clip) << s.cover;
        EXPECT_EQ(clip->parentWidget(), s.tab < 0 ? static_cast<QWidget *>(&form) : tabs[s.tab]) << s.cover;
    }
    EXPECT_EQ(form.findChild<QFrame *>(QStringLiteral("web2Panel"))->parentWidget(), form.BannerArea);
    // Nothing of the engine before the window is painted.
    EXPECT_TRUE(form.findChildren<QWebEngineView *>().isEmpty());

    form.sPageControl1->setCurrentIndex(2); // 闹钟任务
    QStringList made;
    for (auto *v : form.findChildren<QWebEngineView *>())
        made << v->objectName();
    made.sort();
    EXPECT_EQ(made, (QStringList{"ClockWebBrowser1", "ClockWebBrowser2", "ClockWebBrowser3", "ClockWebBrowsercomm",
                                 "allWebBrowser1"}));
    auto *clock1 = form.findChild<QWebEngineView *>(QStringLiteral("ClockWebBrowser1"));
    EXPECT_EQ(clock1->geometry(), MainPanelGeometry(PanelSize::P468x60, 2).browser);
    EXPECT_TRUE(waitFor([&] { return clock1->url() == QUrl(QStringLiteral("about:blank")); }));
}

int main(int argc, char **argv)
{
    PrepareWebEngine();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
