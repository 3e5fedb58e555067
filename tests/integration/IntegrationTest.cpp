// The whole program put together as the start-up puts it together, driven from the
// due check, the alert windows, the editors, the note and the quit routine.
#include "alerts/AlertDispatch.h"
#include "alerts/HintUnit.h"
#include "alerts/MediaPlayer.h"
#include "alerts/OffHintUnit.h"
#include "data/DataUnit.h"
#include "editors/TaskEditorForm.h"
#include "editors/TaskGridModel.h"
#include "mainwindow/AppContext.h"
#include "mainwindow/MainUnit.h"
#include "note/TodayNote.h"
#include "note/TodayUnit.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "scheduler/ActiveTaskList.h"
#include "scheduler/Countdown.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimeEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Records what the program asks of the shell; the shutdown also notes what the
// note's file held at that moment.
struct RecordingShell final : IShell {
    QString programDir;
    QStringList calls;
    QStringList noteAtShutdown;
    void OpenWebAddress(const QString &a) override { calls << QStringLiteral("web ") + a; }
    void OpenMailAddress(const QString &a) override { calls << QStringLiteral("mail ") + a; }
    void StartProgram(const QString &f, const QString &m) override
    {
        calls << QStringLiteral("start ") + f + QLatin1Char(' ') + m;
    }
    void RunShutdownScript(const QString &dir) override
    {
        calls << QStringLiteral("shutdown ") + dir;
        noteAtShutdown << ReadTodayText(programDir).text;
    }
    int count(const QString &prefix) const
    {
        int n = 0;
        for (const QString &c : calls)
            n += c.startsWith(prefix);
        return n;
    }
};

struct RecordingPlayer final : IMediaPlayer {
    QString file;
    QStringList calls;
    void Close() override { calls << QStringLiteral("Close"); }
    void setFileName(const QString &f) override { file = f; }
    QString FileName() const override { return file; }
    void Open() override { calls << QStringLiteral("Open"); }
    void Play() override { calls << QStringLiteral("Play"); }
    TMPModes Mode() const override { return TMPModes::Playing; }
};

// Steps run from inside the modal loops of one test; everything still pending is
// dropped with it, and a window a failed step left open is closed so the test ends.
class ModalDriver : public QObject {
public:
    ModalDriver()
    {
        m_guard.setSingleShot(true);
        connect(&m_guard, &QTimer::timeout, this, [] {
            for (int i = 0; i < 10; ++i) {
                QWidget *w = QApplication::activeModalWidget();
                if (!w)
                    break;
                ADD_FAILURE() << "a modal window was left open: " << w->metaObject()->className();
                if (auto *d = qobject_cast<QDialog *>(w))
                    d->reject();
                else
                    w->close();
            }
        });
        m_guard.start(10000);
    }
    // Runs fn from inside the next modal loop.
    void later(std::function<void()> fn) { QTimer::singleShot(0, this, std::move(fn)); }
    // Runs fn once the active modal window is a W, or with nullptr after a generous while.
    template <class W>
    void whenModal(std::function<void(W *)> fn, int tries = 1000)
    {
        QTimer::singleShot(5, this, [this, fn = std::move(fn), tries]() mutable {
            if (auto *w = qobject_cast<W *>(QApplication::activeModalWidget()); w && w->isVisible()) {
                fn(w);
                return;
            }
            if (tries <= 0) {
                fn(nullptr);
                return;
            }
            whenModal<W>(std::move(fn), tries - 1);
        });
    }

private:
    QTimer m_guard;
};

void settle()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 50)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The program as the start-up builds it, on a temporary program folder, a fixed
// clock, a recording shell and recording sound players.
struct Program {
    TestProgramDir dir;
    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(8, 0, 0))};
    RecordingShell shell;
    RecordingPlayer player1, player2;
    TDataModule1 dm;
    TActiveTaskList list;
    TAppContext ctx;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<TTodayForm> note;
    int loopsEnded = 0;

    explicit Program(const QVector<TestTask> &tasks = {})
    {
        dir.writeFile(QStringLiteral("Music/defult.wav"), "RIFF");
        dir.writeFile(QStringLiteral("Music/Off.wav"), "RIFF");
        shell.programDir = dir.path();
        // The tasks are there before the program starts, as on a real start.
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
        for (const TestTask &t : tasks)
            InsertTestTask(dm, t);

        ctx.vars = LoadMainVars(dir.path());
        ctx.clock = &clock;
        ctx.data = &dm;
        ctx.activeList = &list;
        ctx.shell = &shell;
        ctx.MediaPlayer1 = &player1;
        ctx.MediaPlayer2 = &player2;
        ctx.WebPanelsOn = false;
        main = std::make_unique<TMainForm>(ctx);
        note = std::make_unique<TTodayForm>(ctx);
        ctx.SaveNote = [this] { note->SaveNote(); };
        ctx.ShowNote = [this] { note->ShowNote(); };
        main->TrayAvailable = [] { return true; };
        main->EndMessageLoop = [this] { ++loopsEnded; };
        main->show(); // shows the note, which reads its file
        settle();
    }
    ~Program()
    {
        // the windows go before the data and the list they look at
        note.reset();
        main.reset();
    }

    // One due check at the next second of the clock.
    void tickNextSecond()
    {
        main->CheckTimerTimer(); // takes the current second
        clock.advanceSecs(1);
        main->CheckTimerTimer();
    }

    QString field(const QString &id, const char *name)
    {
        QSqlQuery q(QSqlDatabase::database(dm.ADOConnection1.connectionName()));
        q.exec(QStringLiteral("select %1 from Task where id=%2").arg(QLatin1String(name), id));
        return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
    }
    QString idOf(const QString &title)
    {
        QSqlQuery q(QSqlDatabase::database(dm.ADOConnection1.connectionName()));
        q.exec(QStringLiteral("select id from Task where taskname='%1'").arg(title));
        return q.next() ? q.value(0).toString() : QString();
    }
    // The task names a tab's grid shows, top to bottom.
    static QStringList shownTitles(TTaskGridModel *m)
    {
        QStringList out;
        const TRowSet &rs = m->rowSet();
        for (int r = 0; r < rs.RecordCount(); ++r)
            out << m->data(m->index(r, 0)).toString();
        return out;
    }
    QStringList activeLabels() const
    {
        QStringList out;
        for (const auto &r : list.rows())
            out << r[TActiveTaskList::ColLabel];
        return out;
    }
};

TestTask task(const char16_t *kind, const char16_t *title, const char *time, const char *code = "1")
{
    TestTask t;
    t.kind = QString::fromUtf16(kind);
    t.title = QString::fromUtf16(title);
    t.date = QStringLiteral("2026-12-11");
    t.time = QString::fromLatin1(time);
    t.xhtype = QString::fromLatin1(code);
    return t;
}

} // namespace

TEST(Integration, DueAlarmChangedFromItsReminderIsSavedEverywhereAndFallsDueAtItsNewTime)
{
    TestTask alarm = task(u"闹钟", u"起床", "08:00:01");
    alarm.memo = QStringLiteral("带伞");
    Program p({alarm, task(u"闹钟", u"午饭", "12:00:00", "3")});
    ModalDriver drive;
    const QString id = p.idOf(QStringLiteral("起床"));
    ASSERT_FALSE(id.isEmpty());
    ASSERT_EQ(p.activeLabels(), (QStringList{"[闹钟]午饭", "[闹钟]起床"}));
    ASSERT_EQ(Program::shownTitles(p.main->ClockGridModel), (QStringList{"午饭", "起床"}));

    QPointer<THintForm> reminder;
    bool editorSeen = false;
    QObject::connect(p.main->AlertDispatch, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        reminder = f;
        drive.later([&, f] {
            EXPECT_EQ(QApplication::activeModalWidget(), f);
            EXPECT_EQ(f->sLabel1->text(), QStringLiteral("[闹钟]起床"));
            EXPECT_EQ(f->sLabel3->text(), QStringLiteral("带伞"));
            EXPECT_EQ(f->Edit1->text(), id);
            drive.whenModal<TTaskEditorForm>([&](TTaskEditorForm *e) {
                ASSERT_TRUE(e);
                editorSeen = true;
                EXPECT_EQ(e, p.main->ClockForm);
                EXPECT_EQ(e->windowTitle(), QStringLiteral("修改闹钟任务"));
                EXPECT_EQ(e->sEdit1->text(), QStringLiteral("起床"));
                EXPECT_EQ(e->Memo1->toPlainText(), QStringLiteral("带伞"));
                EXPECT_EQ(e->AdvDateTimePicker2->time(), QTime(8, 0, 1));
                e->sEdit1->setText(QStringLiteral("起床跑步"));
                e->AdvDateTimePicker2->setTime(QTime(9, 30, 0));
                e->showMessage = [](const QString &m) { ADD_FAILURE() << "editor refused: " << m.toStdString(); };
                e->Button1->click();
            });
            f->Button2->click(); // 修改
        });
    });
    p.tickNextSecond();

    EXPECT_TRUE(editorSeen);
    EXPECT_TRUE(reminder.isNull()) << "the reminder closes once its task was changed";
    EXPECT_FALSE(p.main->ClockForm->isVisible());
    EXPECT_EQ(p.field(id, "taskname"), QStringLiteral("起床跑步"));
    EXPECT_EQ(p.field(id, "tasktemptime"), QStringLiteral("09:30:00"));
    EXPECT_EQ(p.field(id, "stype"), QStringLiteral("0"));
    EXPECT_EQ(p.activeLabels(), (QStringList{"[闹钟]午饭", "[闹钟]起床跑步"}));
    EXPECT_EQ(Program::shownTitles(p.main->ClockGridModel), (QStringList{"午饭", "起床跑步"}));

    // At its new time it is due again; 完成 then finishes the one-shot task.
    int reminders = 0;
    QObject::disconnect(p.main->AlertDispatch, &TAlertDispatch::reminderCreated, nullptr, nullptr);
    QObject::connect(p.main->AlertDispatch, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        ++reminders;
        drive.later([&, f] {
            EXPECT_EQ(f->sLabel1->text(), QStringLiteral("[闹钟]起床跑步"));
            f->Button1->click(); // 完成
        });
    });
    p.clock.set(QDateTime(QDate(2026, 12, 11), QTime(9, 29, 59)));
    p.tickNextSecond();
    EXPECT_EQ(reminders, 1);
    EXPECT_EQ(p.field(id, "stype"), QStringLiteral("1"));
    EXPECT_EQ(p.activeLabels(), (QStringList{"[闹钟]午饭"}));
    EXPECT_EQ(Program::shownTitles(p.main->ClockGridModel), (QStringList{"午饭"}));
}

TEST(Integration, ShutdownWarningRunOutSavesTheNoteThenRunsTheScriptOnceAndFinishesTheTask)
{
    Program p({task(u"关机", u"下班关机", "08:00:01")});
    ModalDriver drive;
    const QString id = p.idOf(QStringLiteral("下班关机"));
    ASSERT_EQ(Program::shownTitles(p.main->OffGridModel), (QStringList{"下班关机"}));
    ASSERT_TRUE(p.note->isVisible());
    p.note->Memo1->setPlainText(QStringLiteral("交周报\n买菜"));

    TOffHintForm *off = p.main->OffHintForm;
    bool warned = false;
    drive.whenModal<TOffHintForm>([&](TOffHintForm *w) {
        ASSERT_TRUE(w);
        warned = true;
        EXPECT_EQ(w, off);
        EXPECT_EQ(w->sLabel1->text(), QStringLiteral("[关机]下班关机"));
        EXPECT_EQ(w->Edit1->text(), id);
        EXPECT_TRUE(w->counting());
        w->Timer1Timer();
        const QString first = w->sLabel3->text();
        w->Timer1Timer();
        EXPECT_NE(w->sLabel3->text(), first) << "the count line follows the count";
        EXPECT_EQ(p.shell.count(QStringLiteral("shutdown")), 0);
        // let the rest of the minute run out
        for (int i = 0; i < 80 && w->counting(); ++i)
            w->Timer1Timer();
        EXPECT_FALSE(w->counting());
    });
    p.tickNextSecond();

    EXPECT_TRUE(warned);
    EXPECT_FALSE(off->isVisible());
    ASSERT_EQ(p.shell.count(QStringLiteral("shutdown")), 1);
    EXPECT_EQ(p.shell.calls.last(), QStringLiteral("shutdown ") + p.dir.path());
    EXPECT_EQ(p.shell.noteAtShutdown, (QStringList{"交周报\n买菜"})) << "the note is saved before the script";
    EXPECT_FALSE(QFile::exists(p.dir.shutdownMarker()));
    EXPECT_EQ(p.field(id, "stype"), QStringLiteral("1"));
    EXPECT_TRUE(p.activeLabels().isEmpty());
    EXPECT_TRUE(Program::shownTitles(p.main->OffGridModel).isEmpty());

    // nothing more starts it: the warning's timer is stopped, and the due check has passed that second
    p.tickNextSecond();
    settle();
    EXPECT_EQ(p.shell.count(QStringLiteral("shutdown")), 1);
}

TEST(Integration, DueProgramIsStartedWithItsShowModeAndAOneShotOneLeavesTheActiveLists)
{
    TestTask once = task(u"程序", u"备份", "08:00:01");
    once.memo = QStringLiteral("/opt/tools/backup.sh");
    once.exetype = QStringLiteral("2");
    TestTask daily = task(u"程序", u"同步", "08:00:01", "3");
    daily.memo = QStringLiteral("/opt/tools/sync.sh");
    daily.exetype = QStringLiteral("3");
    Program p({once, daily});
    ModalDriver drive;
    const QString onceId = p.idOf(QStringLiteral("备份"));
    const QString dailyId = p.idOf(QStringLiteral("同步"));
    ASSERT_EQ(Program::shownTitles(p.main->ExeGridModel), (QStringList{"同步", "备份"}));

    p.tickNextSecond();

    EXPECT_EQ(p.shell.calls, (QStringList{"start /opt/tools/sync.sh 3", "start /opt/tools/backup.sh 2"}));
    EXPECT_EQ(p.field(onceId, "stype"), QStringLiteral("1"));
    EXPECT_EQ(p.field(dailyId, "stype"), QStringLiteral("0"));
    EXPECT_EQ(p.activeLabels(), (QStringList{"[程序]同步"}));
    EXPECT_EQ(Program::shownTitles(p.main->ExeGridModel), (QStringList{"同步"}));

    // the finished task is listed under 过期任务
    p.main->sComboBox3->setCurrentIndex(1);
    EXPECT_EQ(Program::shownTitles(p.main->ExeGridModel), (QStringList{"备份"}));
}

TEST(Integration, AlarmMadeWithQuickCreateFallsDuePostponedFallsDueAgain)
{
    Program p;
    ModalDriver drive;
    p.main->Timer1Timer();
    EXPECT_EQ(p.main->StatusPanel2->text(), QStringLiteral("最近任务数量:0 个"));

    bool edited = false;
    drive.whenModal<TTaskEditorForm>([&](TTaskEditorForm *e) {
        ASSERT_TRUE(e);
        edited = true;
        EXPECT_EQ(e, p.main->ClockForm);
        EXPECT_EQ(e->windowTitle(), QStringLiteral("新建闹钟任务"));
        EXPECT_EQ(e->AdvDateTimePicker2->time(), QTime(8, 0, 0)) << "a new task starts at the program's clock";
        e->sEdit1->setText(QStringLiteral("喝水"));
        e->Memo1->setPlainText(QStringLiteral("一杯"));
        e->AdvDateTimePicker2->setTime(QTime(8, 5, 0));
        e->showMessage = [](const QString &m) { ADD_FAILURE() << "editor refused: " << m.toStdString(); };
        e->Button1->click();
    });
    p.main->ClockButton->click(); // 快速新建 闹钟任务
    ASSERT_TRUE(edited);
    const QString id = p.idOf(QStringLiteral("喝水"));
    ASSERT_FALSE(id.isEmpty());
    EXPECT_EQ(p.activeLabels(), (QStringList{"[闹钟]喝水"}));
    EXPECT_EQ(Program::shownTitles(p.main->ClockGridModel), (QStringList{"喝水"}));
    p.main->Timer1Timer();
    EXPECT_EQ(p.main->StatusPanel2->text(), QStringLiteral("最近任务数量:1 个"));

    // due at 08:05:00: 延时 by the first delay (5 minutes)
    QStringList headings;
    QObject::connect(p.main->AlertDispatch, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        headings << f->sLabel1->text() + QLatin1Char('|') + f->sLabel3->text();
        drive.later([f] {
            if (f->sComboBox1->currentIndex() != 0)
                ADD_FAILURE() << "the delay starts at its first entry";
            f->Button3->click(); // 延时
        });
    });
    p.clock.set(QDateTime(QDate(2026, 12, 11), QTime(8, 4, 59)));
    p.tickNextSecond();
    ASSERT_EQ(headings, (QStringList{"[闹钟]喝水|一杯"}));
    EXPECT_EQ(p.field(id, "stype"), QStringLiteral("1"));
    ASSERT_EQ(p.list.ActiveTaskCount(), 1);
    const QString copy = p.list.row(0)[TActiveTaskList::ColId];
    EXPECT_NE(copy, id);
    EXPECT_EQ(p.field(copy, "tasktemptime"), QStringLiteral("08:10:00"));
    EXPECT_EQ(Program::shownTitles(p.main->ClockGridModel), (QStringList{"喝水"}));

    // the copy falls due five minutes on, with the same heading and content
    QObject::disconnect(p.main->AlertDispatch, &TAlertDispatch::reminderCreated, nullptr, nullptr);
    QObject::connect(p.main->AlertDispatch, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        headings << f->sLabel1->text() + QLatin1Char('|') + f->sLabel3->text();
        drive.later([f] { f->Button1->click(); }); // 完成
    });
    p.clock.set(QDateTime(QDate(2026, 12, 11), QTime(8, 9, 59)));
    p.tickNextSecond();
    EXPECT_EQ(headings, (QStringList{"[闹钟]喝水|一杯", "[闹钟]喝水|一杯"}));
    EXPECT_EQ(p.field(copy, "stype"), QStringLiteral("1"));
    EXPECT_TRUE(p.activeLabels().isEmpty());
    EXPECT_TRUE(Program::shownTitles(p.main->ClockGridModel).isEmpty());
}

TEST(Integration, PostponedShutdownWarnsAgainWithAFreshCount)
{
    Program p({task(u"关机", u"关电脑", "08:00:01")});
    ModalDriver drive;
    const QString id = p.idOf(QStringLiteral("关电脑"));
    TOffHintForm *off = p.main->OffHintForm;

    int warnings = 0;
    drive.whenModal<TOffHintForm>([&](TOffHintForm *w) {
        ASSERT_TRUE(w);
        ++warnings;
        for (int i = 0; i < 20; ++i)
            w->Timer1Timer();
        EXPECT_EQ(w->counter(), 41);
        w->Button3->click(); // 延时, 5 minutes
    });
    p.tickNextSecond();
    ASSERT_EQ(warnings, 1);
    EXPECT_FALSE(off->isVisible());
    EXPECT_FALSE(off->counting());
    EXPECT_EQ(p.field(id, "stype"), QStringLiteral("1"));
    ASSERT_EQ(p.list.ActiveTaskCount(), 1);
    const QString copy = p.list.row(0)[TActiveTaskList::ColId];
    EXPECT_EQ(p.field(copy, "tasktemptime"), QStringLiteral("08:05:01"));
    EXPECT_EQ(Program::shownTitles(p.main->OffGridModel), (QStringList{"关电脑"}));

    drive.whenModal<TOffHintForm>([&](TOffHintForm *w) {
        ASSERT_TRUE(w);
        ++warnings;
        EXPECT_EQ(w->sLabel1->text(), QStringLiteral("[关机]关电脑"));
        EXPECT_EQ(w->Edit1->text(), copy);
        EXPECT_EQ(w->counter(), 61) << "each warning counts a whole minute";
        EXPECT_TRUE(w->counting());
        w->Button1->click(); // 取消关机
    });
    p.clock.set(QDateTime(QDate(2026, 12, 11), QTime(8, 5, 0)));
    p.tickNextSecond();
    EXPECT_EQ(warnings, 2);
    EXPECT_FALSE(off->isVisible());
    EXPECT_EQ(p.shell.count(QStringLiteral("shutdown")), 0);
    EXPECT_EQ(p.field(copy, "stype"), QStringLiteral("1"));
    EXPECT_TRUE(p.activeLabels().isEmpty());
    EXPECT_TRUE(Program::shownTitles(p.main->OffGridModel).isEmpty());
}

TEST(Integration, ShutdownDueWhileAReminderWaitsOpensOnTopThroughTheRunningCheckTimer)
{
    Program p({task(u"闹钟", u"吃药", "08:00:01"), task(u"关机", u"关电脑", "08:00:02")});
    ModalDriver drive;
    QPointer<THintForm> reminder;
    bool warned = false, done = false;
    QObject::connect(p.main->AlertDispatch, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        reminder = f;
        drive.later([&] {
            // the next second comes while the reminder waits; the window's own timer carries on
            p.clock.advanceSecs(1);
            drive.whenModal<TOffHintForm>([&](TOffHintForm *w) {
                ASSERT_TRUE(w) << "the warning never came";
                warned = true;
                EXPECT_EQ(w->sLabel1->text(), QStringLiteral("[关机]关电脑"));
                EXPECT_TRUE(reminder && reminder->isVisible()) << "the reminder waits beneath";
                w->Button1->click(); // 取消关机
                drive.whenModal<THintForm>([&](THintForm *h) {
                    ASSERT_TRUE(h);
                    EXPECT_EQ(h, reminder.data());
                    done = true;
                    h->Button1->click(); // 完成
                });
            });
        });
    });
    p.tickNextSecond();

    EXPECT_TRUE(warned);
    EXPECT_TRUE(done);
    EXPECT_TRUE(reminder.isNull());
    EXPECT_FALSE(p.main->OffHintForm->isVisible());
    EXPECT_EQ(p.shell.count(QStringLiteral("shutdown")), 0);
    EXPECT_EQ(p.field(p.idOf(QStringLiteral("吃药")), "stype"), QStringLiteral("1"));
    EXPECT_EQ(p.field(p.idOf(QStringLiteral("关电脑")), "stype"), QStringLiteral("1"));
    EXPECT_TRUE(p.activeLabels().isEmpty());
    EXPECT_TRUE(Program::shownTitles(p.main->ClockGridModel).isEmpty());
    EXPECT_TRUE(Program::shownTitles(p.main->OffGridModel).isEmpty());
    EXPECT_TRUE(p.main->CheckTimer->isActive()) << "the due check goes on after the alerts";
}

TEST(Integration, WarningHiddenByItsCloseBoxCountsOnShutsDownOnceThenShowsTheWaitingOne)
{
    Program p({task(u"关机", u"甲", "08:00:01"), task(u"关机", u"乙", "08:00:02")});
    ModalDriver drive;
    TOffHintForm *off = p.main->OffHintForm;
    p.note->Memo1->setPlainText(QStringLiteral("记得锁门"));

    drive.whenModal<TOffHintForm>([](TOffHintForm *w) {
        ASSERT_TRUE(w);
        w->close(); // the close box
    });
    p.tickNextSecond();
    EXPECT_FALSE(off->isVisible());
    ASSERT_TRUE(off->counting()) << "the count goes on behind the closed window";

    // the second one falls due meanwhile and waits for the first
    p.clock.advanceSecs(1);
    p.main->CheckTimerTimer();
    EXPECT_EQ(p.main->AlertDispatch->queuedShutdowns(), 1);
    EXPECT_EQ(off->sLabel1->text(), QStringLiteral("[关机]甲")) << "the running warning keeps its task";

    QString second;
    drive.whenModal<TOffHintForm>([&](TOffHintForm *w) {
        ASSERT_TRUE(w);
        second = w->sLabel1->text();
        EXPECT_EQ(w->counter(), 61);
        w->Button1->click(); // 取消关机
    });
    for (int i = 0; i < 80 && off->counting(); ++i)
        off->Timer1Timer();
    EXPECT_FALSE(off->counting());
    ASSERT_EQ(p.shell.count(QStringLiteral("shutdown")), 1);
    EXPECT_EQ(p.shell.noteAtShutdown, (QStringList{"记得锁门"}));
    EXPECT_EQ(p.field(p.idOf(QStringLiteral("甲")), "stype"), QStringLiteral("1"));

    QElapsedTimer t;
    t.start();
    while (second.isEmpty() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(second, QStringLiteral("[关机]乙"));
    EXPECT_EQ(p.shell.count(QStringLiteral("shutdown")), 1);
    EXPECT_EQ(p.field(p.idOf(QStringLiteral("乙")), "stype"), QStringLiteral("1"));
    EXPECT_TRUE(p.activeLabels().isEmpty());
    EXPECT_TRUE(Program::shownTitles(p.main->OffGridModel).isEmpty());
}

TEST(Integration, CountdownChangedFromItsReminderGetsItsNewRemainingTimeInTheTab)
{
    Program p({task(u"计时", u"泡面", "08:00:03")});
    ModalDriver drive;
    const QString id = p.idOf(QStringLiteral("泡面"));
    TTaskGridModel *grid = p.main->TimeGridModel;
    ASSERT_EQ(Program::shownTitles(grid), (QStringList{"泡面"}));
    p.main->TimeroutTimerTimer();
    EXPECT_EQ(grid->remainingText(0), Countdown::SpanText(3000));

    bool edited = false;
    QObject::connect(p.main->AlertDispatch, &TAlertDispatch::reminderCreated, [&](THintForm *f) {
        drive.later([&, f] {
            EXPECT_EQ(f->sLabel1->text(), QStringLiteral("[计时]泡面"));
            drive.whenModal<TTaskEditorForm>([&](TTaskEditorForm *e) {
                ASSERT_TRUE(e);
                edited = true;
                EXPECT_EQ(e, p.main->TimeForm);
                EXPECT_EQ(e->sEdit1->text(), QStringLiteral("泡面"));
                e->AdvDateTimePicker2->setTime(QTime(8, 10, 3));
                e->showMessage = [](const QString &m) { ADD_FAILURE() << "editor refused: " << m.toStdString(); };
                e->Button1->click();
            });
            f->Button2->click(); // 修改
        });
    });
    p.clock.set(QDateTime(QDate(2026, 12, 11), QTime(8, 0, 2)));
    p.tickNextSecond();
    ASSERT_TRUE(edited);
    EXPECT_EQ(p.field(id, "tasktime"), QStringLiteral("2026-12-11 08:10:03"));
    EXPECT_EQ(p.field(id, "stype"), QStringLiteral("0"));
    ASSERT_EQ(Program::shownTitles(grid), (QStringList{"泡面"}));
    EXPECT_EQ(grid->data(grid->index(0, 1)).toString(), QStringLiteral("2026-12-11 08:10:03"));
    p.main->TimeroutTimerTimer();
    EXPECT_EQ(grid->remainingText(0), Countdown::SpanText(600 * 1000));
    EXPECT_EQ(p.activeLabels(), (QStringList{"[计时]泡面"}));
}

TEST(Integration, QuitFromTheTrayMenuSavesTheTypedNote)
{
    Program p;
    ModalDriver drive;
    ASSERT_TRUE(p.note->isVisible());
    p.note->Memo1->setPlainText(QStringLiteral("明天九点开会"));
    ASSERT_NE(ReadTodayText(p.dir.path()).text, QStringLiteral("明天九点开会"));

    p.main->N1->trigger(); // 退出
    EXPECT_EQ(p.loopsEnded, 1);
    const TodayText saved = ReadTodayText(p.dir.path());
    EXPECT_TRUE(saved.found);
    EXPECT_EQ(saved.text, QStringLiteral("明天九点开会"));
    EXPECT_EQ(TodayTextPath(p.dir.path()), p.dir.file(QStringLiteral("Config/Today.txt")));

    // a second way out afterwards changes nothing
    p.note->Memo1->setPlainText(QStringLiteral("later"));
    p.main->QuitProgram();
    EXPECT_EQ(p.loopsEnded, 1);
}
