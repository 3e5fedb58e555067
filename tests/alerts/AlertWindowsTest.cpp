#include "alerts/AlertActions.h"
#include "alerts/AlertDispatch.h"
#include "alerts/HintUnit.h"
#include "alerts/OffHintUnit.h"
#include "alerts/QtMediaPlayer.h"
#include "data/DataUnit.h"
#include "mainwindow/MainUnit.h"
#include "platform/Clock.h"
#include "platform/DesktopShell.h"
#include "scheduler/ActiveTaskList.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct FakePlayer : IMediaPlayer {
    QStringList calls;
    QString file;
    bool stopped = false;
    void Close() override { calls << QStringLiteral("Close"); }
    void setFileName(const QString &f) override { file = f, calls << QStringLiteral("FileName"); }
    QString FileName() const override { return file; }
    void Open() override { calls << QStringLiteral("Open"); }
    void Play() override { calls << QStringLiteral("Play"); }
    TMPModes Mode() const override { return stopped ? TMPModes::Stopped : TMPModes::Playing; }
};

struct FakeShell : IShell {
    QStringList calls;
    void OpenWebAddress(const QString &) override {}
    void OpenMailAddress(const QString &) override {}
    void StartProgram(const QString &f, const QString &m) override { calls << QStringLiteral("start ") + f + QLatin1Char(' ') + m; }
    void RunShutdownScript(const QString &dir) override { calls << QStringLiteral("shutdown ") + dir; }
};

struct App {
    TestProgramDir dir;
    FixedClock clock{QDateTime(QDate(2026, 12, 13), QTime(8, 30, 10))};
    TDataModule1 dm;
    TActiveTaskList list;
    FakePlayer player;
    FakeShell shell;
    TAppContext ctx;
    QStringList log;
    App()
    {
        dir.writeFile(QStringLiteral("Music/defult.wav"), "RIFF");
        dir.writeFile(QStringLiteral("Music/Off.wav"), "RIFF");
        ctx.vars = LoadMainVars(dir.path());
        ctx.clock = &clock;
        ctx.data = &dm;
        ctx.activeList = &list;
        ctx.MediaPlayer1 = &player;
        ctx.shell = &shell;
        ctx.SaveNote = [this] { log << QStringLiteral("note"); };
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
    }
    QString add(const char16_t *kind, const char16_t *title, const char *code)
    {
        TestTask t;
        t.kind = QString::fromUtf16(kind);
        t.title = QString::fromUtf16(title);
        t.xhtype = QString::fromLatin1(code);
        const qint64 id = InsertTestTask(dm, t);
        list.AddMaingrid(dm);
        return QString::number(id);
    }
    QString stype(const QString &id)
    {
        QSqlQuery q(QSqlDatabase::database(dm.ADOConnection1.connectionName()));
        q.exec(QStringLiteral("select stype from Task where id=") + id);
        return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
    }
    int rows()
    {
        QSqlQuery q(QSqlDatabase::database(dm.ADOConnection1.connectionName()));
        q.exec(QStringLiteral("select count(*) from Task"));
        return q.next() ? q.value(0).toInt() : -1;
    }
};

// Runs fn from inside the next modal loop.
void later(std::function<void()> fn) { QTimer::singleShot(0, qApp, std::move(fn)); }

// Waits (without asserting on time) until cond holds or a generous limit passes.
bool waitFor(const std::function<bool()> &cond)
{
    QElapsedTimer t;
    t.start();
    while (!cond() && t.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return cond();
}
} // namespace

TEST(Reminder, IsFilledSoundsFirstAndDoneFinishesAOneShotTask)
{
    App app;
    const QString id = app.add(u"日程", u"开会", "1");
    TAlertDispatch d(app.ctx, nullptr);
    QPointer<THintForm> seen;
    QObject::connect(&d, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        seen = f;
        later([&, f] {
            EXPECT_TRUE(f->isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), f);
            EXPECT_EQ(app.player.calls, (QStringList{"Close", "FileName", "Open", "Play"}));
            EXPECT_EQ(app.player.file, app.dir.file(QStringLiteral("Music/defult.wav")));
            EXPECT_EQ(f->windowTitle(), QStringLiteral("青雀日程助手提醒你"));
            EXPECT_EQ(f->size(), QSize(484, 338));
            EXPECT_EQ(f->sLabel1->text(), QStringLiteral("[日程]开会"));
            EXPECT_EQ(f->sLabel2->text(), QStringLiteral("阳历 2026-12-11 08:00:00"));
            EXPECT_EQ(f->sLabel3->text(), QStringLiteral("十点 <b>三楼</b>"));
            EXPECT_EQ(f->sLabel3->textFormat(), Qt::PlainText);
            EXPECT_EQ(f->Edit1->text(), id);
            EXPECT_EQ(f->Edit2->text(), QStringLiteral("1"));
            EXPECT_FALSE(f->Edit1->isVisible());
            EXPECT_FALSE(f->Edit2->isVisible());
            EXPECT_EQ(f->sComboBox1->count(), 12);
            EXPECT_EQ(f->sComboBox1->currentText(), QStringLiteral("5分钟"));
            EXPECT_FALSE(f->sComboBox1->isEditable());
            auto *web = f->findChild<QWidget *>(QStringLiteral("web1Panel"));
            ASSERT_TRUE(web);
            EXPECT_EQ(web->size(), QSize(468, 60));
            app.player.calls.clear();
            f->Button1->click();
        });
    });
    d.showhint(QStringLiteral("[日程]开会"), QStringLiteral("阳历"), QStringLiteral("2026-12-11 08:00:00"),
               QStringLiteral("十点 <b>三楼</b>"), id, QStringLiteral("1"), false);
    EXPECT_TRUE(seen.isNull()); // gone once its modal display ended
    EXPECT_EQ(app.player.calls, QStringList{"Close"});
    EXPECT_EQ(app.stype(id), QStringLiteral("1"));
    EXPECT_EQ(app.list.ActiveTaskCount(), 0);
}

TEST(Reminder, ASecondOpensOnTopAndTheFirstWaitsForIt)
{
    App app;
    const QString a = app.add(u"闹钟", u"一", "3");
    const QString b = app.add(u"闹钟", u"二", "3");
    TAlertDispatch d(app.ctx, nullptr);
    QStringList order;
    int n = 0;
    QObject::connect(&d, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        if (n++ == 0) {
            later([&, f] {
                d.showhint(QStringLiteral("[闹钟]二"), QStringLiteral("阳历"), QString(), QString(), b,
                           QStringLiteral("3"), false);
                order << QStringLiteral("upper answered");
                EXPECT_EQ(QApplication::activeModalWidget(), f);
                f->Button1->click();
            });
        } else {
            later([&, f] {
                order << QStringLiteral("upper shown");
                f->Button1->click();
            });
        }
    });
    d.showhint(QStringLiteral("[闹钟]一"), QStringLiteral("阳历"), QString(), QString(), a, QStringLiteral("3"), false);
    order << QStringLiteral("lower answered");
    EXPECT_EQ(order, (QStringList{"upper shown", "upper answered", "lower answered"}));
    EXPECT_EQ(app.list.ActiveTaskCount(), 2); // recurring: nothing written
}

TEST(Reminder, EditClosesOnlyWhenTheEditorReallyOpened)
{
    App app;
    const QString id = app.add(u"计时", u"考试", "1");
    TAlertDispatch d(app.ctx, nullptr);
    QStringList edits;
    bool editorAlreadyOpen = false;
    app.ctx.EditTask = [&](const QString &kind, const QString &taskId) {
        edits << kind + QLatin1Char(' ') + taskId;
        if (editorAlreadyOpen)
            return; // the open editor is only raised
        QDialog editor;
        later([&editor] { editor.accept(); });
        editor.exec();
    };
    QObject::connect(&d, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        later([&, f] {
            editorAlreadyOpen = true;
            f->Button2->click();
            EXPECT_TRUE(f->isVisible()); // stays open, the editor keeps its contents
            editorAlreadyOpen = false;
            f->Button2->click();
        });
    });
    d.showhint(QStringLiteral("[计时]考试"), QStringLiteral("阳历"), QString(), QString(), id, QStringLiteral("1"), false);
    EXPECT_EQ(edits, (QStringList{"计时 " + id, "计时 " + id}));
    EXPECT_EQ(app.stype(id), QStringLiteral("0"));

    // A task deleted meanwhile: nothing happens, the reminder stays.
    edits.clear();
    QObject::disconnect(&d, &TAlertDispatch::reminderCreated, nullptr, nullptr);
    QObject::connect(&d, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        later([&, f] {
            f->Button2->click();
            EXPECT_TRUE(f->isVisible());
            f->close();
        });
    });
    d.showhint(QStringLiteral("[计时]考试"), QStringLiteral("阳历"), QString(), QString(), QStringLiteral("9999"),
               QStringLiteral("1"), false);
    EXPECT_TRUE(edits.isEmpty());
}

TEST(Reminder, PostponeWithTheChosenDelayClosesAndASilentAlertStillShows)
{
    App app;
    QFile::remove(app.dir.file(QStringLiteral("Music/defult.wav")));
    const QString id = app.add(u"闹钟", u"起床", "1");
    TAlertDispatch d(app.ctx, nullptr);
    bool shown = false;
    QObject::connect(&d, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        later([&, f] {
            shown = f->isVisible();
            f->sComboBox1->setCurrentIndex(11);
            f->Button3->click();
        });
    });
    d.showhint(QStringLiteral("[闹钟]起床"), QStringLiteral("农历"), QStringLiteral("2026-12-13 08:30:00"),
               QStringLiteral("该起床了"), id, QStringLiteral("1"), false);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(app.player.calls.isEmpty());
    EXPECT_EQ(app.stype(id), QStringLiteral("1"));
    ASSERT_EQ(app.list.ActiveTaskCount(), 1);
    EXPECT_EQ(app.list.row(0)[TActiveTaskList::ColTaskTime], QStringLiteral("2026-12-20 08:30:10"));
    EXPECT_EQ(app.list.row(0)[TActiveTaskList::ColCalendar], QStringLiteral("阳历"));
}

namespace {
// Shows a shutdown warning whose real timer never fires during the test; the
// ticks are driven by hand.
void showWarning(TAlertDispatch &d, const QString &id, const char *code, const QString &title = QStringLiteral("下班"))
{
    d.OffHintForm()->Timer1->setInterval(3600 * 1000);
    d.showhint(QStringLiteral("[关机]") + title, QStringLiteral("阳历"), QStringLiteral("每天 18:00:00"),
               QStringLiteral("内容"), id, QString::fromLatin1(code), true);
}
} // namespace

TEST(ShutdownWarning, CountsDownReplaysTheSoundAndShutsDownWhenTheCountRunsOut)
{
    App app;
    const QString id = app.add(u"关机", u"下班", "1");
    TAlertDispatch d(app.ctx, nullptr);
    TOffHintForm *w = d.OffHintForm();
    QStringList lines;
    later([&] {
        EXPECT_EQ(app.player.calls, (QStringList{"Close", "FileName", "Open", "Play"}));
        EXPECT_EQ(app.player.file, app.dir.file(QStringLiteral("Music/Off.wav")));
        EXPECT_EQ(w->size(), QSize(484, 263));
        EXPECT_EQ(w->sLabel1->text(), QStringLiteral("[关机]下班"));
        EXPECT_EQ(w->sLabel2->text(), QStringLiteral("阳历 每天 18:00:00"));
        EXPECT_NE(w->sLabel3->text(), QStringLiteral("内容"));
        EXPECT_TRUE(w->counting());
        app.player.calls.clear();
        app.player.stopped = true;
        for (int i = 0; i < 61; ++i) {
            w->Timer1Timer();
            lines << w->sLabel3->text();
        }
        EXPECT_EQ(app.player.calls.count(QStringLiteral("Play")), 61);
        EXPECT_TRUE(app.shell.calls.isEmpty());
        w->Timer1Timer();
    });
    showWarning(d, id, "1");
    EXPECT_EQ(lines.front(), QStringLiteral("如果 60 秒内你没有做出选择,系统将默认选择\"立即关机\"！"));
    EXPECT_EQ(lines.back(), QStringLiteral("如果 0 秒内你没有做出选择,系统将默认选择\"立即关机\"！"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->counting());
    EXPECT_EQ(app.stype(id), QStringLiteral("1"));
    EXPECT_EQ(app.log, QStringList{"note"});
    EXPECT_EQ(app.shell.calls, QStringList{"shutdown " + app.dir.path()});
}

TEST(ShutdownWarning, TheCloseBoxHidesButTheCountGoesOn)
{
    App app;
    const QString id = app.add(u"关机", u"下班", "1");
    TAlertDispatch d(app.ctx, nullptr);
    TOffHintForm *w = d.OffHintForm();
    later([&] { w->close(); });
    showWarning(d, id, "1");
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->counting());
    EXPECT_EQ(app.player.calls.last(), QStringLiteral("Close"));
    for (int i = 0; i < 62; ++i)
        w->Timer1Timer();
    EXPECT_FALSE(w->counting());
    EXPECT_EQ(app.stype(id), QStringLiteral("1"));
    EXPECT_EQ(app.shell.calls.size(), 1);
}

TEST(ShutdownWarning, ButtonsOnRecurringAndOneShotTasks)
{
    App app;
    const QString weekly = app.add(u"关机", u"周五", "4");
    const QString once = app.add(u"关机", u"一次", "1");
    TAlertDispatch d(app.ctx, nullptr);
    TOffHintForm *w = d.OffHintForm();

    // 马上关机 on a weekly task: script at once, task active, window stays open.
    later([&] {
        w->Button2->click();
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->counting());
        EXPECT_EQ(app.shell.calls.size(), 1);
        w->close();
    });
    showWarning(d, weekly, "4", QStringLiteral("周五"));
    EXPECT_EQ(app.stype(weekly), QStringLiteral("0"));

    // 取消关机 on a daily task writes nothing; on a one-shot it finishes it.
    later([&] { w->Button1->click(); });
    showWarning(d, weekly, "3", QStringLiteral("周五"));
    EXPECT_EQ(app.stype(weekly), QStringLiteral("0"));
    later([&] {
        EXPECT_EQ(w->counter(), 61); // a new warning starts its count again
        w->Button1->click();
    });
    showWarning(d, once, "1", QStringLiteral("一次"));
    EXPECT_EQ(app.stype(once), QStringLiteral("1"));

    // 延时 on a recurring task: a one-shot copy without content, warning closed, sound stopped.
    const int before = app.rows();
    app.player.calls.clear();
    later([&] {
        w->sComboBox1->setCurrentIndex(1);
        w->Button3->click();
    });
    showWarning(d, weekly, "4", QStringLiteral("周五"));
    EXPECT_EQ(app.rows(), before + 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(app.player.calls.last(), QStringLiteral("Close"));
    EXPECT_EQ(w->sComboBox1->currentIndex(), 1); // the one window keeps its choice
    EXPECT_EQ(app.shell.calls.size(), 1);
}

TEST(ShutdownWarning, ASecondAlertWaitsForTheRunningCountdown)
{
    App app;
    const QString first = app.add(u"关机", u"一", "3");
    const QString second = app.add(u"关机", u"二", "3");
    const QString gone = app.add(u"关机", u"删", "3");
    TAlertDispatch d(app.ctx, nullptr);
    TOffHintForm *w = d.OffHintForm();
    QStringList shown;
    // Answers whichever warning is up, once each.
    QTimer answerer;
    answerer.setInterval(5);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (!w->isVisible() || !w->counting())
            return;
        shown << w->sLabel1->text() + QLatin1Char(' ') + w->Edit1->text();
        if (shown.size() == 1) {
            showWarning(d, gone, "3", QStringLiteral("删")); // nested ticks raise two more
            showWarning(d, second, "3", QStringLiteral("二"));
            EXPECT_EQ(d.queuedShutdowns(), 2);
            QSqlQuery q(QSqlDatabase::database(app.dm.ADOConnection1.connectionName()));
            q.exec(QStringLiteral("delete from Task where id=") + gone); // deleted on its tab meanwhile
            app.list.AddMaingrid(app.dm);
            EXPECT_EQ(w->sLabel1->text(), QStringLiteral("[关机]一"));
            EXPECT_EQ(w->Edit1->text(), first);
        }
        w->Button1->click();
    });
    answerer.start();
    showWarning(d, first, "3", QStringLiteral("一"));
    ASSERT_TRUE(waitFor([&] { return shown.size() == 2 && !w->isVisible(); }));
    EXPECT_EQ(shown, (QStringList{"[关机]一 " + first, "[关机]二 " + second}));
    EXPECT_EQ(d.queuedShutdowns(), 0);
}

TEST(MainFormScheduler, TicksJustAfterEachSecondAndRaisesDueTasks)
{
    App app;
    const QString id = app.add(u"闹钟", u"起床", "3");
    {
        QSqlQuery q(QSqlDatabase::database(app.dm.ADOConnection1.connectionName()));
        q.exec(QStringLiteral("update Task set tasktemptime='08:30:10' where id=") + id);
    }
    app.clock.set(QDateTime(QDate(2026, 12, 13), QTime(8, 30, 10, 250)));
    TMainForm form(app.ctx);
    EXPECT_TRUE(form.CheckTimer->isSingleShot());
    EXPECT_EQ(form.CheckTimer->timerType(), Qt::PreciseTimer);
    QStringList raised;
    QObject::connect(form.AlertDispatch, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        raised << f->sLabel1->text();
        later([f] { f->Button1->click(); });
    });
    form.CheckTimerTimer();
    EXPECT_EQ(raised, QStringList{"[闹钟]起床"});
    EXPECT_EQ(form.CheckTimer->interval(), 755);
    EXPECT_TRUE(form.CheckTimer->isActive());
    form.CheckTimerTimer(); // the same second again raises nothing
    EXPECT_EQ(raised.size(), 1);
}

TEST(RealBackends, AnUnplayableSoundLetsTheAlertGoOnSilently)
{
    App app;
    TMediaPlayer player;
    app.ctx.MediaPlayer1 = &player;
    app.dir.writeFile(QStringLiteral("Music/defult.wav"), "this is not a wave file at all");
    const QString id = app.add(u"闹钟", u"起床", "3");
    TAlertDispatch d(app.ctx, nullptr);
    bool shown = false;
    QObject::connect(&d, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        later([&, f] {
            shown = f->isVisible();
            waitFor([&] { return player.Mode() == IMediaPlayer::TMPModes::NotReady; });
            f->Button1->click();
        });
    });
    d.showhint(QStringLiteral("[闹钟]起床"), QStringLiteral("阳历"), QString(), QString(), id, QStringLiteral("3"), false);
    EXPECT_TRUE(shown);
    EXPECT_EQ(player.Mode(), IMediaPlayer::TMPModes::NotReady);
    player.Close();
    player.Play(); // closed: harmless
    EXPECT_EQ(player.Mode(), IMediaPlayer::TMPModes::NotReady);
}

TEST(RealBackends, TheShutdownScriptOfTheProgramFolderIsRun)
{
    TestProgramDir dir; // its script only writes a marker
    DesktopShell shell;
    shell.RunShutdownScript(dir.path());
    EXPECT_TRUE(waitFor([&] { return QFile::exists(dir.shutdownMarker()); }));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
