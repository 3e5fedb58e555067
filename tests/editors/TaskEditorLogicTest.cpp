#include "calendar/DateCn.h"
#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"
#include "editors/TaskEditorLogic.h"
#include "support/TestSupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace TaskEditor;

namespace {

QString S(const char16_t *s) { return QString::fromUtf16(s); }

struct Db {
    TestProgramDir dir;
    TDataModule1 dm;
    Db()
    {
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
    }
    QSqlDatabase db() { return QSqlDatabase::database(dm.ADOConnection1.connectionName(), false); }
    int count(const QString &where = QStringLiteral("1=1"))
    {
        QSqlQuery q(db());
        q.exec(QStringLiteral("select count(*) from Task where ") + where);
        q.next();
        return q.value(0).toInt();
    }
    // column -> value of the one row with this id
    QVariant field(qint64 id, const char *column)
    {
        QSqlQuery q(db());
        q.exec(QStringLiteral("select %1 from Task where id=%2").arg(QString::fromLatin1(column)).arg(id));
        return q.next() ? q.value(0) : QVariant();
    }
    qint64 lastId()
    {
        QSqlQuery q(db());
        q.exec(QStringLiteral("select max(id) from Task"));
        q.next();
        return q.value(0).toLongLong();
    }
};

const EditorKind &kindOf(int index) { return *EditorKinds::forIndex(index); }
const EditorKind &Alarm() { return kindOf(Vocab::TabAlarm); }

const QDateTime Now(QDate(2026, 12, 11), QTime(10, 30, 0)); // a Friday

EditorInput newInput(const EditorKind &k, const QString &title = QStringLiteral("起床"))
{
    EditorInput in;
    in.windowTitle = k.newCaption();
    in.title = title;
    in.content = QStringLiteral("内容");
    in.date = Now.date();
    in.time = QTime(11, 0, 0);
    return in;
}

} // namespace

TEST(TaskEditorTexts, DisplayTextForEveryRecurrence)
{
    struct Case {
        int code;
        QDate date;
        QTime time;
        const char16_t *text;
    } cases[] = {
        {1, QDate(2026, 12, 11), QTime(8, 5, 9), u"2026-12-11 08:05:09"},
        {2, QDate(2026, 12, 11), QTime(14, 30, 15), u"每小时 30:15"},
        {3, QDate(2026, 12, 11), QTime(7, 0, 0), u"每天 07:00:00"},
        {4, QDate(2026, 12, 13), QTime(7, 0, 0), u"每周日 07:00:00"},
        {4, QDate(2026, 12, 14), QTime(7, 0, 0), u"每周一 07:00:00"},
        {4, QDate(2026, 12, 9), QTime(7, 0, 0), u"每周三 07:00:00"},
        {4, QDate(2026, 12, 12), QTime(7, 0, 0), u"每周六 07:00:00"},
        {5, QDate(2026, 12, 5), QTime(7, 0, 0), u"每月5日 07:00:00"},
        {5, QDate(2026, 12, 25), QTime(7, 0, 0), u"每月25日 07:00:00"},
        {6, QDate(2026, 5, 3), QTime(7, 0, 0), u"每年05月03日 07:00:00"},
        {6, QDate(2026, 3, 5), QTime(23, 59, 59), u"每年03月05日 23:59:59"},
        {7, QDate(2026, 3, 5), QTime(1, 0, 0), u""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DisplayText(c.code, c.date, c.time), S(c.text)) << c.code << " " << c.date.toString().toStdString();
}

TEST(TaskEditorTexts, FieldsPerKind)
{
    EditorInput in = newInput(Alarm());
    in.lunar = true;
    in.repeat = 3;
    in.showMode = 3;
    const TaskFields alarm = BuildFields(Alarm(), in);
    EXPECT_EQ(alarm.calendar, S(u"农历"));
    EXPECT_EQ(alarm.xhtype, QStringLiteral("3"));
    EXPECT_EQ(alarm.tasktime, S(u"每天 11:00:00"));
    EXPECT_EQ(alarm.taskdate, QStringLiteral("2026-12-11"));
    EXPECT_EQ(alarm.tasktemptime, QStringLiteral("11:00:00"));
    EXPECT_EQ(alarm.content, S(u"内容"));
    EXPECT_TRUE(alarm.exetype.isEmpty());
    EXPECT_EQ(BuildFields(kindOf(Vocab::TabProgram), in).exetype, QStringLiteral("3"));
    EXPECT_TRUE(BuildFields(kindOf(Vocab::TabShutdown), in).content.isEmpty());
    in.lunar = false;
    EXPECT_EQ(BuildFields(Alarm(), in).calendar, S(u"阳历"));
}

TEST(TaskEditorOneTime, SolarAndLunarReferenceDay)
{
    struct Case {
        bool lunar;
        QDateTime now;
        QDate picked;
        QTime time;
        const char16_t *message; // nullptr: passes
    } cases[] = {
        // solar: today a minute ahead or behind, yesterday, tomorrow earlier in the day
        {false, Now, Now.date(), QTime(10, 31, 0), nullptr},
        {false, Now, Now.date(), QTime(10, 30, 0), nullptr},
        {false, Now, Now.date(), QTime(10, 29, 0), u"单次循环的闹钟时间必须大于现在时间"},
        {false, Now, Now.date().addDays(-1), QTime(23, 0, 0), u"单次循环的闹钟日期必须大于现在日期"},
        {false, Now, Now.date().addDays(1), QTime(0, 0, 0), nullptr},
        // 13 Nov 2011 is lunar 10-18
        {true, QDateTime(QDate(2011, 11, 13), QTime(12, 0)), QDate(2011, 10, 17), QTime(23, 0), u"单次循环的闹钟日期必须大于现在日期"},
        {true, QDateTime(QDate(2011, 11, 13), QTime(12, 0)), QDate(2011, 10, 18), QTime(13, 0), nullptr},
        {true, QDateTime(QDate(2011, 11, 13), QTime(12, 0)), QDate(2011, 10, 18), QTime(11, 0), u"单次循环的闹钟时间必须大于现在时间"},
        {true, QDateTime(QDate(2011, 11, 13), QTime(12, 0)), QDate(2011, 10, 19), QTime(0, 0), nullptr},
        {true, QDateTime(QDate(2011, 11, 13), QTime(12, 0)), QDate(2011, 11, 13), QTime(0, 0), nullptr},
        // 10 Jan 2012 is lunar 12-17: the reference day lies in the current solar year
        {true, QDateTime(QDate(2012, 1, 10), QTime(12, 0)), QDate(2012, 12, 20), QTime(0, 0), nullptr},
        {true, QDateTime(QDate(2012, 1, 10), QTime(12, 0)), QDate(2011, 12, 20), QTime(0, 0), u"单次循环的闹钟日期必须大于现在日期"},
        // 30 Mar 2014 is lunar 2-30, which no solar date has: compared as numbers
        {true, QDateTime(QDate(2014, 3, 30), QTime(12, 0)), QDate(2014, 2, 28), QTime(23, 0), u"单次循环的闹钟日期必须大于现在日期"},
        {true, QDateTime(QDate(2014, 3, 30), QTime(12, 0)), QDate(2014, 3, 1), QTime(0, 0), nullptr},
        {true, QDateTime(QDate(2014, 3, 30), QTime(12, 0)), QDate(2014, 3, 30), QTime(0, 0), nullptr},
    };
    for (const Case &c : cases) {
        const auto r = CheckOneTime(c.lunar, c.picked, c.time, c.now);
        if (c.message)
            EXPECT_EQ(r.value_or(QStringLiteral("<passes>")), S(c.message)) << c.picked.toString().toStdString();
        else
            EXPECT_FALSE(r) << c.picked.toString().toStdString() << " " << r.value_or(QString()).toStdString();
    }
}

TEST(TaskEditorOneTime, EveryLunarDayOfAYearCanBeSavedAhead)
{
    // Lunar 2-29 in a solar year without 29 February, 2-30, leap months: none of them stops a save.
    int oddDays = 0;
    for (QDate d(2014, 1, 1); d.year() == 2014; d = d.addDays(1)) {
        if (!DateCn::TryLunarDateText(d))
            ++oddDays;
        const QDateTime now(d, QTime(12, 0));
        EXPECT_FALSE(CheckOneTime(true, QDate(2014, 12, 31), QTime(0, 0), now)) << d.toString().toStdString();
        EXPECT_TRUE(CheckOneTime(true, QDate(2013, 12, 31), QTime(0, 0), now))
            << d.toString().toStdString();
    }
    EXPECT_GT(oddDays, 0); // the year does hold such days
    EXPECT_THROW(CheckOneTime(true, QDate(2060, 1, 1), QTime(0, 0), QDateTime(QDate(2060, 1, 1), QTime(0, 0))),
                 EConvertError);
}

TEST(TaskEditorSave, ChecksInOrderWithTheirMessages)
{
    Db db;
    int reloads = 0;
    SaveHooks hooks{[&] { ++reloads; }, [&] { ++reloads; }};

    TDataModule1 closed; // never connected
    EXPECT_EQ(Save(closed, Alarm(), newInput(Alarm(), QString()), Now, hooks).message, EditorText::NotConnected);

    SaveResult r = Save(db.dm, Alarm(), newInput(Alarm(), QString()), Now, hooks);
    EXPECT_EQ(r.message, EditorText::EmptyTitle);
    EXPECT_TRUE(r.focusTitle);

    EditorInput past = newInput(Alarm());
    past.time = QTime(10, 29, 59);
    EXPECT_EQ(Save(db.dm, Alarm(), past, Now, hooks).message, EditorText::TimePassed);
    past.date = Now.date().addDays(-1);
    EXPECT_EQ(Save(db.dm, Alarm(), past, Now, hooks).message, EditorText::DatePassed);
    EXPECT_EQ(db.count(), 0);
    EXPECT_EQ(reloads, 0);

    past.repeat = 3; // recurring tasks skip the date and time tests
    r = Save(db.dm, Alarm(), past, Now, hooks);
    EXPECT_TRUE(r.saved()) << r.message.toStdString();
    EXPECT_EQ(reloads, 2);
    EXPECT_FALSE(db.dm.ADO1.Active());

    EditorInput blanks = newInput(Alarm(), QStringLiteral("   "));
    EXPECT_TRUE(Save(db.dm, Alarm(), blanks, Now, hooks).saved());
    EXPECT_EQ(db.field(db.lastId(), "taskname").toString(), QStringLiteral("   "));
}

TEST(TaskEditorSave, InsertWritesEachKindsColumns)
{
    Db db;
    for (const EditorKind *k = EditorKinds::begin(); k != EditorKinds::end(); ++k) {
        EditorInput in = newInput(*k, QStringLiteral("同名"));
        in.repeat = 5;
        in.lunar = true;
        in.showMode = 2;
        in.date = QDate(2027, 2, 5);
        in.time = QTime(6, 7, 8);
        ASSERT_TRUE(Save(db.dm, *k, in, Now, {}).saved()) << k->className; // same title, other kind: accepted
        const qint64 id = db.lastId();
        EXPECT_EQ(db.field(id, "tasktype").toString(), k->kind());
        EXPECT_EQ(db.field(id, "taskname").toString(), QStringLiteral("同名"));
        EXPECT_EQ(db.field(id, "taskdate").toString(), QStringLiteral("2027-02-05"));
        EXPECT_EQ(db.field(id, "tasktemptime").toString(), QStringLiteral("06:07:08"));
        EXPECT_EQ(db.field(id, "tasktime").toString(), S(u"每月5日 06:07:08"));
        EXPECT_EQ(db.field(id, "tasktimetype").toString(), S(u"农历"));
        EXPECT_EQ(db.field(id, "xhtype").toString(), QStringLiteral("5"));
        EXPECT_EQ(db.field(id, "stype").toString(), QStringLiteral("0"));
        const bool program = k->content == EditorContentRow::ProgramPath;
        const bool shutdown = k->content == EditorContentRow::None;
        EXPECT_EQ(db.field(id, "taskmemo").isNull(), shutdown) << k->className;
        if (!shutdown)
            EXPECT_EQ(db.field(id, "taskmemo").toString(), S(u"内容"));
        EXPECT_EQ(db.field(id, "Exetype").isNull(), !program) << k->className;
        if (program)
            EXPECT_EQ(db.field(id, "Exetype").toString(), QStringLiteral("2"));
    }
    EXPECT_EQ(db.count(), 5);
}

TEST(TaskEditorSave, DuplicateTitleIsRefusedForTheSameKindOnly)
{
    Db db;
    for (const EditorKind *k = EditorKinds::begin(); k != EditorKinds::end(); ++k) {
        TestTask finished;
        finished.kind = k->kind();
        finished.title = QStringLiteral("旧'任务");
        finished.stype = QStringLiteral("1");
        InsertTestTask(db.dm, finished);
    }
    for (const EditorKind *k = EditorKinds::begin(); k != EditorKinds::end(); ++k) {
        const SaveResult r = Save(db.dm, *k, newInput(*k, QStringLiteral("旧'任务")), Now, {});
        EXPECT_EQ(r.message, EditorText::DuplicateTitle) << k->className;
        EXPECT_FALSE(db.dm.ADO1.Active());
        EXPECT_TRUE(Save(db.dm, *k, newInput(*k, QStringLiteral("旧'任务 ")), Now, {}).saved());
    }
    EXPECT_EQ(db.count(), 10);
    // A change may take the title of another task of its kind.
    TestTask other;
    other.title = QStringLiteral("甲");
    const qint64 id = InsertTestTask(db.dm, other);
    EditorInput change = newInput(Alarm(), QStringLiteral("旧'任务"));
    change.windowTitle = Alarm().changeCaption();
    change.id = QString::number(id);
    EXPECT_TRUE(Save(db.dm, Alarm(), change, Now, {}).saved());
    EXPECT_EQ(db.field(id, "taskname").toString(), QStringLiteral("旧'任务"));
}

TEST(TaskEditorSave, ChangeUpdatesAndReactivates)
{
    Db db;
    struct Case {
        int kind;
        QString memoAfter;    // what taskmemo reads after the change
        QString exetypeAfter; // and Exetype
    } cases[] = {
        {Vocab::TabAlarm, S(u"新内容"), QStringLiteral("keep")},
        {Vocab::TabSchedule, S(u"新内容"), QStringLiteral("keep")},
        {Vocab::TabCountdown, S(u"新内容"), QStringLiteral("keep")},
        {Vocab::TabProgram, S(u"新内容"), QStringLiteral("3")},
        {Vocab::TabShutdown, S(u"旧内容"), QStringLiteral("keep")}, // the shutdown editor never writes content
    };
    for (const Case &c : cases) {
        const EditorKind &k = kindOf(c.kind);
        TestTask t;
        t.kind = k.kind();
        t.title = QStringLiteral("旧");
        t.memo = S(u"旧内容");
        t.stype = QStringLiteral("1");
        t.exetype = QStringLiteral("keep");
        const qint64 id = InsertTestTask(db.dm, t);
        EditorInput in = newInput(k, QStringLiteral("新"));
        in.windowTitle = k.changeCaption();
        in.id = QString::number(id);
        in.content = S(u"新内容");
        in.repeat = 6;
        in.showMode = 3;
        in.date = QDate(2027, 5, 3);
        ASSERT_TRUE(Save(db.dm, k, in, Now, {}).saved()) << k.className;
        EXPECT_EQ(db.field(id, "taskname").toString(), QStringLiteral("新"));
        EXPECT_EQ(db.field(id, "stype").toString(), QStringLiteral("0"));
        EXPECT_EQ(db.field(id, "tasktype").toString(), k.kind());
        EXPECT_EQ(db.field(id, "tasktime").toString(), S(u"每年05月03日 11:00:00"));
        EXPECT_EQ(db.field(id, "xhtype").toString(), QStringLiteral("6"));
        EXPECT_EQ(db.field(id, "taskmemo").toString(), c.memoAfter) << k.className;
        EXPECT_EQ(db.field(id, "Exetype").toString(), c.exetypeAfter) << k.className;
    }
    EXPECT_EQ(db.count(), 5);
}

TEST(TaskEditorSave, FailuresWriteNothingAndSayWhich)
{
    Db db;
    // A reload that fails takes the write back with it.
    int afterRollback = 0;
    bool failReload = true;
    SaveHooks failing{[&] { ++afterRollback; }, [&] {
                          if (failReload) {
                              failReload = false;
                              throw EDatabaseError("reload failed");
                          }
                      }};
    SaveResult r = Save(db.dm, Alarm(), newInput(Alarm()), Now, failing);
    EXPECT_EQ(r.outcome, SaveResult::Failed);
    EXPECT_EQ(r.message, EditorText::InsertFailed);
    EXPECT_EQ(db.count(), 0);
    EXPECT_EQ(afterRollback, 2); // the lists are loaded again from the table as it stands
    EXPECT_FALSE(db.dm.ADO1.Active());

    // A key that is no number, and a change whose reload fails.
    EditorInput change = newInput(Alarm());
    change.windowTitle = QStringLiteral("修改闹钟任务");
    change.id = QStringLiteral("1 or 1=1");
    EXPECT_EQ(Save(db.dm, Alarm(), change, Now, {}).message, EditorText::UpdateFailed);
    const qint64 id = InsertTestTask(db.dm, TestTask{});
    change.id = QString::number(id);
    failReload = true;
    EXPECT_EQ(Save(db.dm, Alarm(), change, Now, failing).message, EditorText::UpdateFailed);
    EXPECT_EQ(db.field(id, "taskname").toString(), QStringLiteral("t"));

    // The duplicate check itself failing ends the save with its error.
    QSqlQuery(db.db()).exec(QStringLiteral("alter table Task rename to Gone"));
    r = Save(db.dm, Alarm(), newInput(Alarm()), Now, {});
    EXPECT_EQ(r.outcome, SaveResult::Failed);
    EXPECT_FALSE(r.message.isEmpty());
    EXPECT_NE(r.message, EditorText::InsertFailed);
    EXPECT_FALSE(db.dm.ADO1.Active());
}

TEST(TaskEditorSave, LunarSavesOnEveryDay)
{
    Db db;
    // lunar 2-30 (30 Mar 2014) and the solar 29 Feb-less lunar 2-29 of another year
    QDate twoTwentyNine;
    for (QDate d(2013, 1, 1); d.year() == 2013 && !twoTwentyNine.isValid(); d = d.addDays(1))
        if (DateCn::SolarToLunar(d) == 229)
            twoTwentyNine = d;
    ASSERT_TRUE(twoTwentyNine.isValid());
    int n = 0;
    for (const QDate day : {QDate(2014, 3, 30), twoTwentyNine}) {
        const QDateTime now(day, QTime(9, 0));
        for (int repeat : {1, 3, 6}) {
            EditorInput in = newInput(Alarm(), QStringLiteral("农历%1").arg(++n));
            in.lunar = true;
            in.repeat = repeat;
            in.date = QDate(day.year(), 3, 1);
            const SaveResult r = Save(db.dm, Alarm(), in, now, {});
            EXPECT_TRUE(r.saved()) << day.toString().toStdString() << " " << r.message.toStdString();
        }
    }
}

TEST(TaskEditorSave, AwkwardTextsAreStoredUnchanged)
{
    Db db;
    const QString texts[] = {
        QStringLiteral("it's \"quoted\" ''"), QStringLiteral("back\\slash\\"), QStringLiteral("line1\nline2\r\nline3"),
        S(u"表情😀🎉"), QString(10000, QChar(u'长')), QStringLiteral("'); drop table Task; --"),
    };
    for (const QString &t : texts) {
        EditorInput in = newInput(Alarm(), t);
        in.content = t + t;
        ASSERT_TRUE(Save(db.dm, Alarm(), in, Now, {}).saved());
        const qint64 id = db.lastId();
        EXPECT_EQ(db.field(id, "taskname").toString(), t);
        EXPECT_EQ(db.field(id, "taskmemo").toString(), t + t);
        EXPECT_EQ(Save(db.dm, Alarm(), in, Now, {}).message, EditorText::DuplicateTitle);
    }
    EXPECT_EQ(db.count(), int(std::size(texts)));
}

TEST(TaskEditorLoad, ReadsStoredTextsOrSaysWhyNot)
{
    TaskRecord r{QStringLiteral("7"), QStringLiteral("标题"), QStringLiteral("m"), QStringLiteral("2026-02-03"),
                 QStringLiteral("04:05:06"), S(u"农历"), QStringLiteral("4"), QStringLiteral("2")};
    LoadResult ok = ReadRecord(r);
    ASSERT_TRUE(ok.values);
    EXPECT_EQ(ok.values->date, QDate(2026, 2, 3));
    EXPECT_EQ(ok.values->time, QTime(4, 5, 6));
    EXPECT_TRUE(ok.values->lunar);
    EXPECT_EQ(ok.values->repeat, 4);
    EXPECT_EQ(ok.values->showMode, 2);

    struct Codes {
        const char *xhtype, *exetype;
        int repeat, showMode;
    } codes[] = {{"7", "4", 0, 0}, {"", "", 0, 0}, {"x", "1.5", 0, 0}, {" 6", "3", 6, 3}};
    for (const Codes &c : codes) {
        r.xhtype = QString::fromLatin1(c.xhtype);
        r.exetype = QString::fromLatin1(c.exetype);
        const LoadResult l = ReadRecord(r);
        ASSERT_TRUE(l.values);
        EXPECT_EQ(l.values->repeat, c.repeat) << c.xhtype;
        EXPECT_EQ(l.values->showMode, c.showMode) << c.exetype;
    }
    r.calendar = S(u"阳历");
    EXPECT_FALSE(ReadRecord(r).values->lunar);

    for (const char *badDate : {"2026/02/03", "", "2026-02-30", "昨天"}) {
        TaskRecord bad = r;
        bad.date = QString::fromUtf8(badDate);
        const LoadResult l = ReadRecord(bad);
        EXPECT_FALSE(l.values) << badDate;
        EXPECT_FALSE(l.error.isEmpty());
    }
    for (const char *badTime : {"4:05", "25:00:00", ""}) {
        TaskRecord bad = r;
        bad.time = QString::fromLatin1(badTime);
        EXPECT_FALSE(ReadRecord(bad).values) << badTime;
    }
}

TEST(EditorKindsTable, CoversEveryKindOnce)
{
    for (int i = 0; i <= 4; ++i) {
        const EditorKind *k = EditorKinds::forIndex(i);
        ASSERT_TRUE(k);
        EXPECT_EQ(k->kind(), Vocab::kindWordForIndex(i));
        EXPECT_EQ(EditorKinds::forKind(k->kind()), k);
        EXPECT_NE(k->newCaption(), k->changeCaption());
        EXPECT_FALSE(IsNewTask(*k, k->changeCaption()));
        EXPECT_TRUE(IsNewTask(*k, k->newCaption()));
        EXPECT_FALSE(IsNewTask(*k, QString::fromUtf16(k->designTitle)));
    }
    EXPECT_FALSE(EditorKinds::forIndex(5));
    EXPECT_FALSE(EditorKinds::forKind(QStringLiteral("x")));
    const EditorKind &countdown = kindOf(Vocab::TabCountdown);
    for (int code = 1; code <= 6; ++code)
        EXPECT_EQ(countdown.offersRepeat(code), code == 1 || code == 3);
}
