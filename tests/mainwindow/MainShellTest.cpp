#include "alerts/MediaPlayer.h"
#include "data/DataUnit.h"
#include "editors/TaskGridModel.h"
#include "mainwindow/MainUnit.h"
#include "mainwindow/SysCommand.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "scheduler/ActiveTaskList.h"
#include "settings/SystemsetUnit.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCursor>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class RecordingShell final : public IShell {
public:
    QStringList opened;
    void OpenWebAddress(const QString &a) override { opened << a; }
    void OpenMailAddress(const QString &a) override { opened << QStringLiteral("mailto:") + a; }
    void StartProgram(const QString &, const QString &) override {}
    void RunShutdownScript(const QString &) override {}
};

class RecordingPlayer final : public IMediaPlayer {
public:
    QStringList played;
    QString file;
    void Close() override {}
    void setFileName(const QString &f) override { file = f; }
    QString FileName() const override { return file; }
    void Open() override {}
    void Play() override { played << file; }
    TMPModes Mode() const override { return TMPModes::Stopped; }
};

struct App {
    TestProgramDir dir;
    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(8, 0))};
    TDataModule1 dm;
    TActiveTaskList list;
    RecordingShell shell;
    RecordingPlayer chime;
    TAppContext ctx;
    int notesSaved = 0;
    int loopsEnded = 0;
    // The test runs no message loop of its own to end; count the request instead.
    void wire(TMainForm &f) { f.EndMessageLoop = [this] { ++loopsEnded; }; }
    App()
    {
        for (const char *icon : {"icons/tray.png", "icons/tray22.png", "icons/corvina.png"}) {
            QFile f(QStringLiteral(CORVINA_ASSETS_DIR "/") + QLatin1String(icon));
            if (f.open(QIODevice::ReadOnly))
                dir.writeFile(QLatin1String(icon), f.readAll());
        }
        ctx.vars = LoadMainVars(dir.path());
        ctx.clock = &clock;
        ctx.data = &dm;
        ctx.activeList = &list;
        ctx.shell = &shell;
        ctx.MediaPlayer2 = &chime;
        ctx.SaveNote = [this] { ++notesSaved; };
    }
};

void waitFor(const std::function<bool()> &done)
{
    for (int i = 0; i < 400 && !done(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

QStringList shownCaptions(QMenu *m)
{
    QStringList out;
    for (QAction *a : m->actions())
        if (a->isVisible())
            out << a->text();
    return out;
}

} // namespace

TEST(SysCommand, MinimiseHidesCloseFollowsTheSettingOthersPassOn)
{
    using SysCommand::TAction;
    struct Case {
        quint32 code;
        bool closeExits;
        bool tray;
        TAction action;
    } cases[] = {
        {SysCommand::ScMinimize, true, true, TAction::HideToTray},
        {SysCommand::ScMinimize, false, true, TAction::HideToTray},
        {SysCommand::ScClose, true, true, TAction::Close},
        {SysCommand::ScClose, false, true, TAction::HideToTray},
        // without a notification area nothing is hidden where it cannot be found again
        {SysCommand::ScMinimize, false, false, TAction::Minimize},
        {SysCommand::ScClose, false, false, TAction::Minimize},
        {SysCommand::ScClose, true, false, TAction::Close},
        // everything else is the window system's, compared as the whole code
        {SysCommand::ScMove, true, true, TAction::PassOn},
        {SysCommand::ScKeyMenu, false, true, TAction::PassOn},
        {SysCommand::ScRestore, false, true, TAction::PassOn},
        {SysCommand::ScMinimize | 0x2, false, true, TAction::PassOn},
        {SysCommand::ScClose + 1, true, true, TAction::PassOn},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SysCommand::WMSysCommand(c.code, c.closeExits, c.tray), c.action)
            << std::hex << c.code << " closeExits=" << c.closeExits << " tray=" << c.tray;
}

TEST(MainShell, CommandsHideShowAndEndTheProgram)
{
    App app;
    TMainForm form(app.ctx);
    app.wire(form);
    form.TrayAvailable = [] { return true; };
    form.show();
    ASSERT_TRUE(form.isVisible());

    EXPECT_TRUE(form.WMSysCommand(SysCommand::ScMinimize));
    EXPECT_FALSE(form.isVisible());
    form.ShowFromTray();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isMinimized());
    form.ShowFromTray(); // already shown: only comes to the front
    EXPECT_TRUE(form.isVisible());

    EXPECT_FALSE(form.WMSysCommand(SysCommand::ScMove));
    EXPECT_TRUE(form.isVisible());

    app.ctx.vars.CloseExits = false; // as the settings dialog leaves it: takes effect at once
    EXPECT_TRUE(form.WMSysCommand(SysCommand::ScClose));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(app.notesSaved, 0);
    EXPECT_EQ(app.loopsEnded, 0);
    form.ShowFromTray();

    app.ctx.vars.CloseExits = true;
    EXPECT_TRUE(form.WMSysCommand(SysCommand::ScClose));
    EXPECT_EQ(app.notesSaved, 1);
    EXPECT_EQ(app.loopsEnded, 1);
}

TEST(MainShell, AWindowSystemMinimiseHidesAndTheTrayIconBringsItBack)
{
    App app;
    TMainForm form(app.ctx);
    app.wire(form);
    form.TrayAvailable = [] { return true; };
    form.show();
    form.showMinimized(); // the title bar's minimise, as the window system reports it
    waitFor([&] { return !form.isVisible(); });
    EXPECT_FALSE(form.isVisible());

    emit form.CnTrayIcon1->activated(QSystemTrayIcon::Context); // right button: the menu only
    EXPECT_FALSE(form.isVisible());
    emit form.CnTrayIcon1->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isMinimized());

    form.HideToTray();
    EXPECT_FALSE(form.isVisible());
    // trays that report only single clicks still bring the hidden window back
    emit form.CnTrayIcon1->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(form.isVisible());
    emit form.CnTrayIcon1->activated(QSystemTrayIcon::Trigger); // shown: nothing happens
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(app.notesSaved, 0);
}

TEST(MainShell, MainMenuOpensLeftOfAndBelowTheCursor)
{
    App app;
    TMainForm form(app.ctx);
    app.wire(form);
    form.show();
    QCursor::setPos(QPoint(300, 200));
    if (QCursor::pos() != QPoint(300, 200))
        GTEST_SKIP() << "this platform does not move the cursor";
    form.MainButton->click();
    ASSERT_TRUE(form.AdvPopupMenu1->isVisible());
    EXPECT_EQ(form.AdvPopupMenu1->pos(), QPoint(200, 220));
    form.AdvPopupMenu1->hide();
}

TEST(MainShell, WithoutATrayMinimiseAndCloseToTrayOnlyMinimise)
{
    App app;
    app.ctx.vars.CloseExits = false;
    TMainForm form(app.ctx);
    app.wire(form);
    form.TrayAvailable = [] { return false; };
    form.show();
    EXPECT_TRUE(form.WMSysCommand(SysCommand::ScClose));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isMinimized());
    form.ShowFromTray();
    EXPECT_FALSE(form.isMinimized());
    form.showMinimized(); // the window system's own minimise stays one
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(app.notesSaved, 0);
}

TEST(MainShell, EveryWayOutSavesTheNoteOnce)
{
    {
        App app;
        TMainForm form(app.ctx);
        app.wire(form);
        form.show();
        form.N1->trigger(); // tray "退出"
        EXPECT_EQ(app.notesSaved, 1);
        EXPECT_EQ(app.loopsEnded, 1);
        form.close(); // the window going away afterwards saves nothing twice
        EXPECT_EQ(app.notesSaved, 1);
        EXPECT_EQ(app.loopsEnded, 1);
    }
    {
        App app;
        app.ctx.vars.CloseExits = false;
        TMainForm form(app.ctx);
        app.wire(form);
        form.show();
        form.close(); // the program closing its own window always ends it
        EXPECT_EQ(app.notesSaved, 1);
        EXPECT_EQ(app.loopsEnded, 1);
        EXPECT_FALSE(form.isVisible());
    }
    {
        App app;
        app.ctx.SaveNote = nullptr; // no note window: nothing to save, nothing breaks
        TMainForm form(app.ctx);
        app.wire(form);
        form.N1->trigger();
    }
}

TEST(MainShell, MenusHoldTheirEntriesAndCallTheirDialogs)
{
    App app;
    int style = 0, feedback = 0, about = 0, update = 0;
    app.ctx.ShowStyleDialog = [&] { ++style; };
    app.ctx.ShowFeedbackDialog = [&] { ++feedback; };
    app.ctx.ShowAboutDialog = [&] { ++about; };
    app.ctx.CheckUpdate = [&] { ++update; };
    TMainForm form(app.ctx);
    app.wire(form);

    const QStringList common{"个性皮肤", "系统设置", "意见反馈", "使用帮助", "检查更新", "关于我们"};
    EXPECT_EQ(shownCaptions(form.AdvPopupMenu1), common);
    EXPECT_EQ(shownCaptions(form.AdvPopupMenu2), common + QStringList{"退出"});
    for (QAction *hidden : {form.sssss1, form.MenuItem2}) {
        EXPECT_EQ(hidden->text(), QStringLiteral("个人设置"));
        EXPECT_FALSE(hidden->isVisible());
    }

    for (QAction *a : {form.dddd1, form.MenuItem1})
        a->trigger();
    for (QAction *a : {form.N6, form.MenuItem4})
        a->trigger();
    for (QAction *a : {form.N7, form.MenuItem5})
        a->trigger();
    for (QAction *a : {form.N4, form.N5})
        a->trigger();
    for (QAction *a : {form.N2, form.N3})
        a->trigger();
    EXPECT_EQ(style, 2);
    EXPECT_EQ(feedback, 2);
    EXPECT_EQ(about, 2);
    EXPECT_EQ(update, 2);
    EXPECT_EQ(app.shell.opened, (QStringList{app.ctx.vars.HelpPageUrl, app.ctx.vars.HelpPageUrl}));
    EXPECT_TRUE(app.ctx.vars.HelpPageUrl.endsWith(QStringLiteral("/html/5special1/show1.htm")));

    // "系统设置" opens the settings dialog modally from either menu
    ASSERT_TRUE(form.SystemsetForm);
    for (QAction *a : {form.rrrrrr1, form.MenuItem3}) {
        bool wasShown = false;
        QTimer::singleShot(0, &form, [&] {
            wasShown = form.SystemsetForm->isVisible();
            form.SystemsetForm->Button2->click();
        });
        a->trigger();
        EXPECT_TRUE(wasShown);
        EXPECT_FALSE(form.SystemsetForm->isVisible());
    }

    // with no hooks set the entries do nothing
    App bare;
    TMainForm plain(bare.ctx);
    bare.wire(plain);
    for (QAction *a : {plain.dddd1, plain.N6, plain.N7, plain.N4})
        a->trigger();
}

TEST(MainShell, TrayIconHasItsOwnPictureAndHint)
{
    App app;
    TMainForm form(app.ctx);
    app.wire(form);
    ASSERT_TRUE(form.CnTrayIcon1);
    EXPECT_EQ(form.CnTrayIcon1->toolTip(), QStringLiteral("青雀日程助手"));
    EXPECT_FALSE(form.CnTrayIcon1->icon().isNull());
    EXPECT_EQ(form.CnTrayIcon1->contextMenu(), form.AdvPopupMenu2);
}

TEST(MainShell, LinkTabsOpenTheirSiteAndReturnHome)
{
    App app;
    TMainForm form(app.ctx);
    app.wire(form);
    form.show();
    for (int start : {2, 0, 5}) {
        for (int link : {6, 7}) {
            app.shell.opened.clear();
            form.sPageControl1->setCurrentIndex(start);
            form.sPageControl1->setCurrentIndex(link);
            waitFor([&] { return form.sPageControl1->currentIndex() == 0; });
            EXPECT_EQ(form.sPageControl1->currentIndex(), 0) << start << "->" << link;
            EXPECT_EQ(app.shell.opened, QStringList{link == 6 ? app.ctx.vars.SecondSiteUrl : app.ctx.vars.ShowcasePageUrl});
        }
    }
    app.shell.opened.clear();
    emit form.loginLabel->linkActivated(QStringLiteral("#"));
    emit form.sWebLabel1->linkActivated(QStringLiteral("#"));
    EXPECT_EQ(app.shell.opened, (QStringList{app.ctx.vars.LoginPageUrl, app.ctx.vars.SignUpPageUrl}));
    EXPECT_TRUE(app.ctx.vars.SignUpPageUrl.endsWith(QStringLiteral("/do/reg.php")));
}

TEST(MainShell, StatusBarAndChimeFollowTheClock)
{
    App app;
    app.dir.writeFile(QStringLiteral("Music/Time/9.mp3"), "ID3");
    TMainForm form(app.ctx);
    app.wire(form);
    app.clock.set(QDateTime(QDate(2026, 12, 11), QTime(9, 0, 0)));
    form.Timer1Timer();
    EXPECT_EQ(form.StatusPanel0->text(), QStringLiteral("现在时间:2026-12-11 09:00:00"));
    EXPECT_EQ(form.StatusPanel2->text(), QStringLiteral("最近任务数量:0 个"));
    EXPECT_TRUE(form.StatusPanel1->text().startsWith(QStringLiteral("系统已运行：")));
    EXPECT_TRUE(form.StatusPanel1->text().endsWith(QStringLiteral("秒")));
    EXPECT_EQ(app.chime.played, QStringList{app.dir.file(QStringLiteral("Music/Time/9.mp3"))});

    app.clock.advanceSecs(1);
    form.Timer1Timer();
    EXPECT_EQ(app.chime.played.size(), 1);

    app.ctx.vars.ChimeOn = false; // the settings dialog's switch reaches the next full hour
    app.clock.set(QDateTime(QDate(2026, 12, 11), QTime(9, 0, 0)));
    form.Timer1Timer();
    EXPECT_EQ(app.chime.played.size(), 1);

    app.ctx.MediaPlayer2 = nullptr;
    app.ctx.vars.ChimeOn = true;
    form.Timer1Timer(); // no player: no sound, no crash
}

TEST(MainShell, CountdownTickWritesThroughTheRowHook)
{
    App app;
    {
        TDataModule1 seed;
        seed.ADOConnection1.setDatabaseFile(app.dir.databaseFile());
        seed.ADOConnection1.Open();
        TestTask t;
        t.kind = QStringLiteral("计时");
        t.tasktime = QStringLiteral("2026-12-12 10:03:04");
        InsertTestTask(seed, t);
        t.tasktime = QStringLiteral("bad");
        InsertTestTask(seed, t);
    }
    TMainForm form(app.ctx);
    app.wire(form);
    ASSERT_TRUE(app.dm.ADOTime.Active());
    ASSERT_TRUE(form.TimeGridModel);
    form.TimeroutTimerTimer(); // no hook: the countdown tab's own grid takes the texts
    EXPECT_EQ(form.TimeGridModel->remainingText(1), QStringLiteral("1天2:3:4"));
    EXPECT_EQ(form.TimeGridModel->remainingText(0), QString()); // the unreadable row
    QStringList written;
    app.ctx.SetRemainingText = [&](int row, const QString &text) { written << QString::number(row) + text; };
    form.TimeroutTimerTimer();
    EXPECT_EQ(written, QStringList{QStringLiteral("11天2:3:4")});
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
