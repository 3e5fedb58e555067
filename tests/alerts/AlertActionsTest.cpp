#include "alerts/AlertActions.h"
#include "alerts/MediaPlayer.h"
#include "data/DataUnit.h"
#include "mainwindow/AppContext.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "scheduler/ActiveTaskList.h"
#include "support/TestSupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {
struct Ctx {
    TestProgramDir dir;
    FixedClock clock{QDateTime(QDate(2026, 12, 13), QTime(8, 30, 10))}; // a Sunday
    TDataModule1 dm;
    TActiveTaskList list;
    TAppContext ctx;
    QList<int> reloadedTabs;
    Ctx()
    {
        ctx.vars = LoadMainVars(dir.path());
        ctx.clock = &clock;
        ctx.data = &dm;
        ctx.activeList = &list;
        ctx.ReloadTab = [this](int k) { reloadedTabs << k; };
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
    }
    QString add(const TestTask &t)
    {
        const qint64 id = InsertTestTask(dm, t);
        list.AddMaingrid(dm);
        return QString::number(id);
    }
    QSqlDatabase db() { return QSqlDatabase::database(dm.ADOConnection1.connectionName()); }
    QString field(const QString &sql)
    {
        QSqlQuery q(db());
        q.exec(sql);
        return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
    }
    int count(const QString &where) { return field(QStringLiteral("select count(*) from Task where ") + where).toInt(); }
    void failInserts()
    {
        QSqlQuery q(db());
        ASSERT_TRUE(q.exec(QStringLiteral("create trigger nocopy before insert on Task begin select raise(abort, 'full'); end")));
    }
};

TestTask alarm(const char *code, const QString &title = QStringLiteral("起床"))
{
    TestTask t;
    t.title = title;
    t.memo = QStringLiteral("该起床了");
    t.xhtype = QString::fromLatin1(code);
    t.date = QStringLiteral("2026-12-13");
    t.time = QStringLiteral("08:30:00");
    return t;
}
} // namespace

TEST(AlertTexts, HeadingLinesDelaysAndCountdown)
{
    EXPECT_EQ(Alerts::DelayEntries(), (QStringList{"5分钟", "10分钟", "30分钟", "1小时", "2小时", "5小时", "8小时", "12小时",
                                                  "1天", "2天", "5天", "1周"}));
    const qint64 secs[] = {300, 600, 1800, 3600, 7200, 18000, 28800, 43200, 86400, 172800, 432000, 604800};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(Alerts::DelaySeconds(i), secs[i]);
    EXPECT_EQ(Alerts::DelaySeconds(-1), -1);
    EXPECT_EQ(Alerts::DelaySeconds(12), -1);
    EXPECT_EQ(Alerts::KindOfHeading(QStringLiteral("[闹钟]起床")), QStringLiteral("闹钟"));
    EXPECT_EQ(Alerts::KindOfHeading(QStringLiteral("[计时]考试")), QStringLiteral("计时"));
    EXPECT_EQ(Alerts::KindOfHeading(QStringLiteral("[关机]x")), QString());
    EXPECT_EQ(Alerts::TitleOfHeading(QStringLiteral("[日程]开会 [闹钟]")), QStringLiteral("开会 [闹钟]"));
    EXPECT_EQ(Alerts::DueTextOfLine(Alerts::SecondLine(QStringLiteral("阳历"), QStringLiteral("每天 08:30:00"))),
              QStringLiteral(" 每天 08:30:00"));
    EXPECT_EQ(Alerts::ShutdownCountText(60), QStringLiteral("如果 60 秒内你没有做出选择,系统将默认选择\"立即关机\"！"));
    EXPECT_EQ(Alerts::DelayedMoment(QDateTime(QDate(2026, 12, 31), QTime(23, 58, 0)), 0),
              QDateTime(QDate(2027, 1, 1), QTime(0, 3, 0)));
}

TEST(ReminderDone, OneShotIsFinishedAndReloadedRecurringIsLeftAlone)
{
    Ctx c;
    const QString daily = c.add(alarm("3"));
    TestTask sched = alarm("1", QStringLiteral("开会"));
    sched.kind = QStringLiteral("日程");
    const QString once = c.add(sched);

    EXPECT_TRUE(Alerts::FinishReminder(c.ctx, QStringLiteral("[闹钟]起床"), daily, QStringLiteral("3")));
    EXPECT_EQ(c.count(QStringLiteral("stype='0'")), 2);
    EXPECT_TRUE(c.reloadedTabs.isEmpty());

    EXPECT_TRUE(Alerts::FinishReminder(c.ctx, QStringLiteral("[日程]开会"), once, QStringLiteral("1")));
    EXPECT_EQ(c.field(QStringLiteral("select stype from Task where id=") + once), QStringLiteral("1"));
    EXPECT_FALSE(c.list.containsId(once));
    EXPECT_EQ(c.reloadedTabs, QList<int>{0});

    // A hand-edited id is refused before any statement; the window stays open.
    EXPECT_FALSE(Alerts::FinishReminder(c.ctx, QStringLiteral("[日程]开会"), QStringLiteral("1 or 1=1"), QStringLiteral("1")));
    EXPECT_EQ(c.count(QStringLiteral("stype='0'")), 1);
}

TEST(ReminderPostpone, AWeekOnAOneShotAlarmReplacesItWithACopyThatShowsItsNewTime)
{
    Ctx c;
    TestTask t = alarm("1");
    t.title = QStringLiteral("O'Brien 起床");
    const QString id = c.add(t);
    ASSERT_TRUE(Alerts::PostponeReminder(c.ctx, QStringLiteral("[闹钟]O'Brien 起床"), QStringLiteral("该起床了"), id,
                                         QStringLiteral("1"), 11));
    EXPECT_EQ(c.reloadedTabs, QList<int>{1});
    EXPECT_EQ(c.field(QStringLiteral("select stype from Task where id=") + id), QStringLiteral("1"));
    QSqlQuery q(c.db());
    q.exec(QStringLiteral("select tasktype,taskname,taskmemo,taskdate,tasktime,tasktimetype,xhtype,tasktemptime,stype "
                          "from Task where id<>") + id);
    ASSERT_TRUE(q.next());
    const QStringList got = {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                             q.value(3).toString(), q.value(4).toString(), q.value(5).toString(),
                             q.value(6).toString(), q.value(7).toString(), q.value(8).toString()};
    EXPECT_EQ(got, (QStringList{"闹钟", "O'Brien 起床", "该起床了", "2026-12-20", "2026-12-20 08:30:10", "阳历", "1",
                                "08:30:10", "0"}));
    EXPECT_FALSE(q.next());
    ASSERT_EQ(c.list.ActiveTaskCount(), 1);
    EXPECT_EQ(c.list.row(0)[TActiveTaskList::ColTaskTime], QStringLiteral("2026-12-20 08:30:10"));
}

TEST(ReminderPostpone, RecurringAndLunarTasksKeepTheirScheduleAndGainASolarCopy)
{
    Ctx c;
    TestTask t = alarm("4");
    t.calendar = QStringLiteral("农历");
    const QString id = c.add(t);
    ASSERT_TRUE(Alerts::PostponeReminder(c.ctx, QStringLiteral("[闹钟]起床"), QString(), id, QStringLiteral("4"), 1));
    EXPECT_EQ(c.count(QStringLiteral("stype='0'")), 2);
    EXPECT_EQ(c.field(QStringLiteral("select tasktimetype||' '||tasktemptime from Task where id<>") + id),
              QStringLiteral("阳历 08:40:10"));
}

TEST(ReminderPostpone, AFailedInsertLeavesTheOriginalActive)
{
    Ctx c;
    const QString id = c.add(alarm("1"));
    c.failInserts();
    EXPECT_FALSE(Alerts::PostponeReminder(c.ctx, QStringLiteral("[闹钟]起床"), QString(), id, QStringLiteral("1"), 0));
    EXPECT_FALSE(Alerts::PostponeShutdown(c.ctx, QStringLiteral("[关机]起床"), id, QStringLiteral("1"), 0));
    EXPECT_EQ(c.count(QStringLiteral("stype='0'")), 1);
    EXPECT_EQ(c.count(QStringLiteral("1=1")), 1);
    EXPECT_TRUE(c.reloadedTabs.isEmpty());
    // No delay chosen (or a heading of no reminder kind): nothing is written.
    EXPECT_FALSE(Alerts::PostponeReminder(c.ctx, QStringLiteral("[闹钟]起床"), QString(), id, QStringLiteral("1"), -1));
    EXPECT_FALSE(Alerts::PostponeReminder(c.ctx, QStringLiteral("起床"), QString(), id, QStringLiteral("1"), 0));
}

TEST(ShutdownActions, CancelFinishesOneShotPostponeCopiesWithoutContentRunUsesTheShell)
{
    Ctx c;
    TestTask off = alarm("1", QStringLiteral("下班"));
    off.kind = QStringLiteral("关机");
    off.memo = QString();
    const QString once = c.add(off);
    off.xhtype = QStringLiteral("3");
    off.title = QStringLiteral("每晚");
    const QString daily = c.add(off);

    EXPECT_TRUE(Alerts::FinishShutdown(c.ctx, daily, QStringLiteral("3")));
    EXPECT_EQ(c.count(QStringLiteral("stype='0'")), 2);
    EXPECT_TRUE(Alerts::FinishShutdown(c.ctx, once, QStringLiteral("1")));
    EXPECT_EQ(c.field(QStringLiteral("select stype from Task where id=") + once), QStringLiteral("1"));
    EXPECT_EQ(c.reloadedTabs, QList<int>{3});

    ASSERT_TRUE(Alerts::PostponeShutdown(c.ctx, QStringLiteral("[关机]每晚"), daily, QStringLiteral("3"), 1));
    EXPECT_EQ(c.field(QStringLiteral("select taskname||'|'||ifnull(taskmemo,'')||'|'||tasktime||'|'||xhtype from Task "
                                     "where id>") + daily),
              QStringLiteral("每晚||2026-12-13 08:40:10|1"));
    EXPECT_EQ(c.field(QStringLiteral("select stype from Task where id=") + daily), QStringLiteral("0"));

    struct RecShell : IShell {
        QStringList calls;
        void OpenWebAddress(const QString &) override {}
        void OpenMailAddress(const QString &) override {}
        void StartProgram(const QString &, const QString &) override {}
        void RunShutdownScript(const QString &dir) override { calls << dir; }
    } shell;
    QStringList order;
    c.ctx.shell = &shell;
    c.ctx.SaveNote = [&] { order << QStringLiteral("note"); };
    Alerts::RunShutdown(c.ctx);
    EXPECT_EQ(order, QStringList{"note"});
    EXPECT_EQ(shell.calls, QStringList{c.dir.path()});
}

TEST(AlertSound, StartsOnlyAnExistingFile)
{
    struct RecPlayer : IMediaPlayer {
        QStringList calls;
        QString file;
        void Close() override { calls << "Close"; }
        void setFileName(const QString &f) override { file = f, calls << "FileName"; }
        QString FileName() const override { return file; }
        void Open() override { calls << "Open"; }
        void Play() override { calls << "Play"; }
        TMPModes Mode() const override { return TMPModes::Stopped; }
    } p;
    TestProgramDir dir;
    Alerts::StartAlertSound(&p, dir.file(QStringLiteral("Music/none.wav")));
    Alerts::StartAlertSound(&p, dir.file(QStringLiteral("Music")));
    EXPECT_TRUE(p.calls.isEmpty());
    dir.writeFile(QStringLiteral("Music/a.wav"), "RIFF");
    Alerts::StartAlertSound(&p, dir.file(QStringLiteral("Music/a.wav")));
    EXPECT_EQ(p.calls, (QStringList{"Close", "FileName", "Open", "Play"}));
    EXPECT_EQ(p.file, dir.file(QStringLiteral("Music/a.wav")));
}
