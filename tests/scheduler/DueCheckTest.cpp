#include "calendar/DateCn.h"
#include "data/DataUnit.h"
#include "scheduler/ActiveTaskList.h"
#include "scheduler/DueCheck.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <gtest/gtest.h>

using Row = TActiveTaskList::Row;

namespace {
Row makeRow(const QString &code, const QString &calendar, const QString &date, const QString &time,
            const QString &kind = QStringLiteral("闹钟"))
{
    Row r;
    r[TActiveTaskList::ColLabel] = QStringLiteral("[") + kind + QStringLiteral("]t");
    r[TActiveTaskList::ColRepeat] = code;
    r[TActiveTaskList::ColCalendar] = calendar;
    r[TActiveTaskList::ColDate] = date;
    r[TActiveTaskList::ColTimeText] = time;
    r[TActiveTaskList::ColKind] = kind;
    r[TActiveTaskList::ColId] = QStringLiteral("1");
    return r;
}

QDateTime at(int y, int m, int d, int h, int mi, int s) { return QDateTime(QDate(y, m, d), QTime(h, mi, s)); }

// The first day from `from` on whose lunar month and day are as asked.
QDate lunarDay(QDate from, int month, int day)
{
    for (QDate d = from; d.year() < 2050; d = d.addDays(1))
        if (DateCn::SolarToLunar(d) == month * 100 + day)
            return d;
    return {};
}

const QString S = QStringLiteral("阳历");
const QString L = QStringLiteral("农历");
} // namespace

TEST(DueRule, EveryCodeUnderTheSolarCalendar)
{
    // 2026-12-10 is a Thursday.
    struct Case {
        const char *code, *date, *time;
        QDateTime now;
        bool due;
    } cases[] = {
        {"1", "2026-12-10", "08:30:00", at(2026, 12, 10, 8, 30, 0), true},
        {"1", "2026-12-10", "08:30:00", at(2026, 12, 11, 8, 30, 0), false}, // another day
        {"1", "2026-12-10", "08:30:00", at(2026, 12, 10, 8, 30, 1), false},
        {"2", "2020-01-01", "03:15:42", at(2026, 12, 10, 17, 15, 42), true}, // any date and hour
        {"2", "2020-01-01", "03:15:42", at(2026, 12, 10, 17, 16, 42), false},
        {"3", "2030-06-01", "21:00:00", at(2026, 12, 10, 21, 0, 0), true},   // before its stored date too
        {"4", "2026-01-01", "07:00:00", at(2026, 12, 10, 7, 0, 0), true},    // both Thursdays
        {"4", "2026-01-02", "07:00:00", at(2026, 12, 10, 7, 0, 0), false},
        {"5", "2025-03-10", "12:00:00", at(2026, 12, 10, 12, 0, 0), true},
        {"5", "2025-03-11", "12:00:00", at(2026, 12, 10, 12, 0, 0), false},
        {"6", "2024-02-29", "06:00:00", at(2028, 2, 29, 6, 0, 0), true},     // leap years only
        {"6", "2024-02-29", "06:00:00", at(2027, 3, 1, 6, 0, 0), false},
        {"6", "2024-12-10", "06:00:00", at(2026, 11, 10, 6, 0, 0), false},
    };
    for (const Case &c : cases) {
        const Row r = makeRow(QString::fromLatin1(c.code), S, QString::fromLatin1(c.date), QString::fromLatin1(c.time));
        EXPECT_EQ(IsRowDue(r, TSecondTexts::of(c.now)), c.due) << c.code << " " << c.date << " " << c.time << " at "
                                                              << c.now.toString(Qt::ISODate).toStdString();
    }
}

TEST(DueRule, EveryCodeUnderTheLunarCalendar)
{
    const QDate midAutumn = lunarDay(QDate(2026, 1, 1), 8, 15);
    ASSERT_TRUE(midAutumn.isValid());
    const QString lunarText = DateCn::LunarDateText(midAutumn);
    const QDateTime now(midAutumn, QTime(9, 0, 0));
    // The weekday of the lunar date text read as a solar date.
    const QDate asSolar = QDate::fromString(lunarText, QStringLiteral("yyyy-MM-dd"));
    const QString sameWeekday = asSolar.addDays(-7 * 30).toString(QStringLiteral("yyyy-MM-dd"));
    const QString otherWeekday = asSolar.addDays(-7 * 30 + 1).toString(QStringLiteral("yyyy-MM-dd"));
    struct Case {
        QString code, date;
        bool due;
    } cases[] = {
        {QStringLiteral("1"), lunarText, true},
        {QStringLiteral("1"), midAutumn.toString(QStringLiteral("yyyy-MM-dd")), false}, // the solar text is not it
        {QStringLiteral("3"), QStringLiteral("1999-01-01"), true},
        {QStringLiteral("4"), sameWeekday, true},
        {QStringLiteral("4"), otherWeekday, false},
        {QStringLiteral("5"), QStringLiteral("2001-01-15"), true},
        {QStringLiteral("5"), QStringLiteral("2001-01-16"), false},
        {QStringLiteral("6"), QStringLiteral("2001-08-15"), true},
        {QStringLiteral("6"), QStringLiteral("2001-09-15"), false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsRowDue(makeRow(c.code, L, c.date, QStringLiteral("09:00:00")), TSecondTexts::of(now)), c.due)
            << c.code.toStdString() << " " << c.date.toStdString();
}

TEST(DueRule, LunarDayThirtyOfTheSecondMonthStillCounts)
{
    // Lunar 2-30 has no date text; a monthly task for day 30 fires all the same,
    // while the rules that need the whole text just do not match.
    const QDate d = lunarDay(QDate(1901, 1, 1), 2, 30);
    ASSERT_TRUE(d.isValid());
    const TSecondTexts s = TSecondTexts::of(QDateTime(d, QTime(10, 0, 0)));
    EXPECT_FALSE(s.LunarTodayText.has_value());
    EXPECT_TRUE(IsRowDue(makeRow(QStringLiteral("5"), L, QStringLiteral("2001-01-30"), QStringLiteral("10:00:00")), s));
    EXPECT_FALSE(IsRowDue(makeRow(QStringLiteral("4"), L, QStringLiteral("2001-01-30"), QStringLiteral("10:00:00")), s));
    EXPECT_FALSE(IsRowDue(makeRow(QStringLiteral("1"), L, QStringLiteral("2001-02-28"), QStringLiteral("10:00:00")), s));
}

TEST(DueRule, HandEditedRowsAreNeverDue)
{
    const QDateTime now = at(2026, 2, 28, 8, 0, 0);
    const TSecondTexts s = TSecondTexts::of(now);
    const QStringList codes = {QString(), QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("x"),
                               QStringLiteral("-1"), QStringLiteral("99999999999999")};
    for (const QString &code : codes)
        EXPECT_FALSE(IsRowDue(makeRow(code, S, QStringLiteral("2026-02-28"), QStringLiteral("08:00:00")), s))
            << code.toStdString();
    for (const char *date : {"2026-02-30", "", "garbage", "2026-2-28"})
        for (const char *code : {"1", "4", "5", "6"})
            EXPECT_FALSE(IsRowDue(makeRow(QString::fromLatin1(code), S, QString::fromLatin1(date), QStringLiteral("08:00:00")), s))
                << code << " " << date;
    for (const char *time : {"25:61:00", "", "8:00:00", "xx:00:00"})
        for (const char *code : {"1", "2", "3"})
            EXPECT_FALSE(IsRowDue(makeRow(QString::fromLatin1(code), S, QStringLiteral("2026-02-28"), QString::fromLatin1(time)), s))
                << code << " " << time;
    // Outside the lunar table nothing lunar is due.
    EXPECT_FALSE(IsRowDue(makeRow(QStringLiteral("5"), L, QStringLiteral("2001-01-01"), QStringLiteral("08:00:00")),
                          TSecondTexts::of(at(2051, 1, 1, 8, 0, 0))));
}

TEST(DueCheckTiming, CoversEverySecondSinceTheLastButNotLongGaps)
{
    TActiveTaskList list;
    TDueCheck check(list, {});
    const QDateTime t0 = at(2026, 12, 11, 8, 0, 0).addMSecs(730);
    EXPECT_EQ(check.SecondsToCover(t0), QVector<QDateTime>{at(2026, 12, 11, 8, 0, 0)});
    check.Tick(t0);
    EXPECT_TRUE(check.SecondsToCover(t0.addMSecs(200)).isEmpty()); // same second again
    const auto three = check.SecondsToCover(t0.addSecs(3));
    ASSERT_EQ(three.size(), 3);
    EXPECT_EQ(three.front(), at(2026, 12, 11, 8, 0, 1));
    EXPECT_EQ(three.back(), at(2026, 12, 11, 8, 0, 3));
    EXPECT_EQ(check.SecondsToCover(t0.addSecs(60)).size(), 60);
    EXPECT_EQ(check.SecondsToCover(t0.addSecs(61)), QVector<QDateTime>{at(2026, 12, 11, 8, 1, 1)});
    EXPECT_EQ(check.SecondsToCover(t0.addSecs(-30)), QVector<QDateTime>{at(2026, 12, 11, 7, 59, 30)});
    EXPECT_EQ(check.SecondsToCover(t0.addDays(1)).size(), 1);

    for (int msec : {0, 1, 500, 994, 999})
        EXPECT_EQ(MsecsToNextSecondTick(QDateTime(QDate(2026, 1, 1), QTime(1, 2, 3, msec))), 1005 - msec);
}

namespace {
// A program folder with a database; the list loaded from it and a check recording its actions.
struct Fixture {
    TestProgramDir dir;
    TDataModule1 dm;
    TActiveTaskList list;
    QStringList log;
    std::function<void(const TDueAlert &)> onAlert;
    TDueCheck check{list,
                    {[this](const TDueAlert &a) {
                         log << QStringLiteral("hint %1 %2 %3 %4 %5 %6 %7")
                                    .arg(a.ttop, a.ttype, a.ttime, a.tmemo, a.tid, a.txh)
                                    .arg(a.off ? 1 : 0);
                         if (onAlert)
                             onAlert(a);
                     },
                     [this](const QString &file, const QString &mode) { log << QStringLiteral("start %1 %2").arg(file, mode); },
                     [this](const QString &id) {
                         log << QStringLiteral("finish ") + id;
                         list.FinishTask(dm, id);
                     }}};
    Fixture()
    {
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
    }
    qint64 add(TestTask t)
    {
        const qint64 id = InsertTestTask(dm, t);
        list.AddMaingrid(dm);
        return id;
    }
};

TestTask task(const char16_t *kind, const char16_t *title, const char *code, const char *time,
              const char *date = "2026-12-11")
{
    TestTask t;
    t.kind = QString::fromUtf16(kind);
    t.title = QString::fromUtf16(title);
    t.xhtype = QString::fromLatin1(code);
    t.time = QString::fromLatin1(time);
    t.date = QString::fromLatin1(date);
    return t;
}
} // namespace

TEST(DueCheckTick, ActsPerKindWithTheRowsTexts)
{
    Fixture f;
    TestTask alarm = task(u"闹钟", u"起床", "3", "08:00:00");
    alarm.memo = QStringLiteral("该起床了");
    alarm.tasktime = QStringLiteral("每天 08:00:00");
    const qint64 a = f.add(alarm);
    const qint64 off = f.add(task(u"关机", u"下班", "1", "08:00:00"));
    f.add(task(u"计时", u"周计时", "4", "08:00:00", "2026-12-11")); // countdowns raise only for 1 and 3
    const qint64 cd = f.add(task(u"计时", u"倒计时", "1", "08:00:00"));
    TestTask prog = task(u"程序", u"备份", "1", "08:00:00");
    prog.memo = QStringLiteral("/opt/my tools/back'up.sh");
    prog.exetype = QStringLiteral("3");
    const qint64 p = f.add(prog);
    TestTask daily = task(u"程序", u"每日", "3", "08:00:00");
    daily.memo = QStringLiteral("/bin/true");
    const qint64 pd = f.add(daily);
    f.add(task(u"程序", u"空路径", "1", "08:00:00")); // no file: nothing, not finished
    f.add(task(u"闹钟", u"别的时间", "1", "08:00:01"));

    f.check.Tick(at(2026, 12, 11, 8, 0, 0).addMSecs(10));
    const QStringList expected = {
        QStringLiteral("start /bin/true 1"),
        QStringLiteral("start /opt/my tools/back'up.sh 3"),
        QStringLiteral("finish %1").arg(p),
        QStringLiteral("hint [计时]倒计时 阳历 2026-12-11 08:00:00  %1 1 0").arg(cd),
        QStringLiteral("hint [关机]下班 阳历 2026-12-11 08:00:00  %1 1 1").arg(off),
        QStringLiteral("hint [闹钟]起床 阳历 每天 08:00:00 该起床了 %1 3 0").arg(a),
    };
    EXPECT_EQ(f.log, expected);
    EXPECT_FALSE(f.list.containsId(QString::number(p)));
    EXPECT_TRUE(f.list.containsId(QString::number(pd)));
    EXPECT_EQ(f.list.ActiveTaskCount(), 7);
}

TEST(DueCheckTick, AllTasksOfOneSecondFireEvenWhenAnAlertWaits)
{
    Fixture f;
    const qint64 older = f.add(task(u"闹钟", u"一", "1", "08:00:00"));
    const qint64 newer = f.add(task(u"日程", u"二", "1", "08:00:00"));
    // The first alert's window stays open for 20 seconds; a nested tick runs meanwhile.
    int nested = 0;
    f.onAlert = [&](const TDueAlert &) {
        if (nested++ == 0)
            f.check.Tick(at(2026, 12, 11, 8, 0, 20));
    };
    f.check.Tick(at(2026, 12, 11, 8, 0, 0));
    ASSERT_EQ(f.log.size(), 2);
    EXPECT_TRUE(f.log[0].contains(QStringLiteral(" %1 1 0").arg(newer)));
    EXPECT_TRUE(f.log[1].contains(QStringLiteral(" %1 1 0").arg(older)));
    // The nested tick took 08:00:01..08:00:20; the outer one does not raise them again.
    EXPECT_EQ(f.check.lastCovered(), at(2026, 12, 11, 8, 0, 20));
}

TEST(DueCheckTick, SecondsMissedByABusyInterfaceAreCaughtUp)
{
    Fixture f;
    f.add(task(u"闹钟", u"一", "1", "08:00:02"));
    f.add(task(u"闹钟", u"二", "3", "08:00:05"));
    f.add(task(u"闹钟", u"三", "3", "08:05:00"));
    f.check.Tick(at(2026, 12, 11, 8, 0, 0));
    f.check.Tick(at(2026, 12, 11, 8, 0, 7)); // 1..7 covered
    EXPECT_EQ(f.log.size(), 2);
    f.log.clear();
    f.check.Tick(at(2026, 12, 11, 8, 5, 30)); // more than a minute later: only now
    EXPECT_TRUE(f.log.isEmpty());
    f.check.Tick(at(2026, 12, 11, 8, 4, 59)); // set back: only now, then forward again
    f.check.Tick(at(2026, 12, 11, 8, 5, 1));
    ASSERT_EQ(f.log.size(), 1);
    EXPECT_TRUE(f.log[0].contains(QStringLiteral("[闹钟]三")));
}

TEST(DueCheckTick, ATaskAnEarlierAlertFinishedChangedOrDeletedIsNotRaised)
{
    Fixture f;
    const qint64 changed = f.add(task(u"闹钟", u"改", "1", "08:00:00"));
    const qint64 finished = f.add(task(u"闹钟", u"完", "1", "08:00:00"));
    const qint64 deleted = f.add(task(u"闹钟", u"删", "1", "08:00:00"));
    const qint64 first = f.add(task(u"闹钟", u"先", "1", "08:00:00"));
    f.onAlert = [&](const TDueAlert &a) {
        if (a.tid != QString::number(first))
            return;
        f.dm.ADO1.SetSQL(QStringLiteral("update Task set tasktemptime='09:00:00' where id=%1").arg(changed));
        f.dm.ADO1.ExecSQL();
        f.dm.ADO1.SetSQL(QStringLiteral("update Task set stype='1' where id=%1").arg(finished));
        f.dm.ADO1.ExecSQL();
        f.dm.ADO1.SetSQL(QStringLiteral("delete from Task where id=%1").arg(deleted));
        f.dm.ADO1.ExecSQL();
        f.list.AddMaingrid(f.dm);
    };
    f.check.Tick(at(2026, 12, 11, 8, 0, 0));
    ASSERT_EQ(f.log.size(), 1);
    EXPECT_TRUE(f.log[0].contains(QStringLiteral("[闹钟]先")));
}

TEST(DueCheckTick, BadRowsAreSkippedAloneAndTheRestStillFire)
{
    Fixture f;
    f.add(task(u"闹钟", u"好一", "1", "08:00:00", "2026-02-28"));
    for (const char *code : {"", "0", "7", "abc"})
        f.add(task(u"闹钟", u"坏码", code, "08:00:00", "2026-02-28"));
    f.add(task(u"闹钟", u"坏日", "5", "08:00:00", "2026-02-30"));
    f.add(task(u"闹钟", u"坏时", "2", "25:61:00", "2026-02-28"));
    TestTask lunarOnce = task(u"闹钟", u"农历", "1", "08:00:00", "2026-02-28"); // the solar text of today
    lunarOnce.calendar = QStringLiteral("农历");
    f.add(lunarOnce);
    TestTask missing = task(u"程序", u"无文件", "3", "08:00:00");
    missing.memo = QStringLiteral("/nonexistent/\"quoted\" path.exe");
    f.add(missing);
    TestTask empty = task(u"闹钟", u"", "3", "", "");
    empty.kind = QString();
    f.add(empty);
    f.add(task(u"闹钟", u"好二", "3", "08:00:00"));
    f.check.Tick(at(2026, 2, 28, 8, 0, 0));
    ASSERT_EQ(f.log.size(), 3);
    EXPECT_TRUE(f.log[0].contains(QStringLiteral("[闹钟]好二")));
    EXPECT_TRUE(f.log[1].startsWith(QStringLiteral("start /nonexistent/\"quoted\" path.exe 1")));
    EXPECT_TRUE(f.log[2].contains(QStringLiteral("[闹钟]好一")));
}
