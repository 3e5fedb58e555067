#include "data/TaskStatements.h"

#include <gtest/gtest.h>

namespace {
TaskFields sample()
{
    TaskFields f;
    f.title = QStringLiteral("起床");
    f.content = QStringLiteral("喝水");
    f.taskdate = QStringLiteral("2026-12-11");
    f.tasktime = QStringLiteral("2026-12-11 08:00:00");
    f.calendar = QStringLiteral("阳历");
    f.xhtype = QStringLiteral("1");
    f.tasktemptime = QStringLiteral("08:00:00");
    f.exetype = QStringLiteral("2");
    return f;
}
} // namespace

TEST(TaskStatements, TextsAreWordForWordForOrdinaryValues)
{
    const TaskFields f = sample();
    struct Case {
        QString got;
        const char *want;
    } cases[] = {
        {Statements::ActiveList(), "Select * from task where stype='0' order by id desc"},
        {Statements::TabList(1, 1), "Select * from task where (stype='1')   and (tasktype='闹钟') order by id desc"},
        {Statements::TabList(0, 4), "Select * from task where (stype='0')   and (tasktype='计时') order by id desc"},
        {Statements::DuplicateTitle(QStringLiteral("日程"), f.title),
         "Select * from Task where (taskname='起床') and (tasktype='日程')"},
        {Statements::DuplicateTitle(QStringLiteral("关机"), f.title),
         "Select * from Task where  (taskname='起床') and (tasktype='关机')"},
        {Statements::InsertTask(QStringLiteral("闹钟"), f),
         "Insert Into Task (tasktype,taskname,taskmemo,taskdate,tasktime,tasktimetype,xhtype,tasktemptime) values "
         "('闹钟','起床','喝水','2026-12-11','2026-12-11 08:00:00','阳历','1','08:00:00') "},
        {Statements::InsertTask(QStringLiteral("程序"), f),
         "Insert Into Task (tasktype,taskname,taskmemo,tasktime,tasktimetype,xhtype,Exetype,taskdate,tasktemptime) "
         "values ('程序','起床','喝水','2026-12-11 08:00:00','阳历','1','2','2026-12-11','08:00:00') "},
        {Statements::InsertTask(QStringLiteral("关机"), f),
         "Insert Into Task (tasktype,taskname,taskdate,tasktime,tasktimetype,xhtype,tasktemptime) values "
         "('关机','起床','2026-12-11','2026-12-11 08:00:00','阳历','1','08:00:00') "},
        {Statements::UpdateTask(QStringLiteral("计时"), f, QStringLiteral("7")),
         "Update Task set taskname='起床',taskmemo='喝水',xhtype='1',tasktimetype='阳历',taskdate='2026-12-11',"
         "tasktemptime='08:00:00',tasktime='2026-12-11 08:00:00',stype='0' where id=7 "},
        {Statements::UpdateTask(QStringLiteral("程序"), f, QStringLiteral("7")),
         "Update Task set taskname='起床',taskmemo='喝水',xhtype='1',tasktimetype='阳历',taskdate='2026-12-11',"
         "tasktemptime='08:00:00',tasktime='2026-12-11 08:00:00',stype='0',Exetype='2' where id=7 "},
        {Statements::UpdateTask(QStringLiteral("关机"), f, QStringLiteral("7")),
         "Update Task set taskname='起床',xhtype='1',tasktimetype='阳历',taskdate='2026-12-11',"
         "tasktemptime='08:00:00',tasktime='2026-12-11 08:00:00',stype='0' where id=7 "},
        {Statements::FinishTask(QStringLiteral("12")), "Update Task set stype='1' where id=12"},
        {Statements::SelectTask(QStringLiteral("12")), "select * from task where id=12"},
        {Statements::InsertPostponed(QStringLiteral("闹钟"), f.title, f.content, f.taskdate, f.tasktime, f.calendar,
                                     f.tasktemptime),
         "Insert Into Task (tasktype,taskname,taskmemo,taskdate,tasktime,tasktimetype,xhtype,tasktemptime) values "
         "('闹钟','起床','喝水','2026-12-11','2026-12-11 08:00:00','阳历','1','08:00:00') "},
        {Statements::InsertPostponedShutdown(QStringLiteral("关机"), f.title, f.taskdate, f.tasktime, f.calendar,
                                             f.tasktemptime),
         "Insert Into Task (tasktype,taskname,taskdate,tasktime,tasktimetype,xhtype,tasktemptime) values "
         "('关机','起床','2026-12-11','2026-12-11 08:00:00','阳历','1','08:00:00') "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.got.toStdString(), std::string(c.want));
    EXPECT_TRUE(Statements::TabList(0, 5).isEmpty());
    EXPECT_TRUE(Statements::TabList(0, -1).isEmpty());
}

TEST(TaskStatements, QuotesAreDoubledAndIdsMustBeIntegers)
{
    TaskFields f = sample();
    f.title = QStringLiteral("it's'); drop table Task; --");
    EXPECT_EQ(Statements::DuplicateTitle(QStringLiteral("闹钟"), f.title).toStdString(),
              std::string("Select * from Task where (taskname='it''s''); drop table Task; --') and (tasktype='闹钟')"));
    for (const char *bad : {"", "1 or 1=1", "1;", "abc", "+5", " 5", "5 ", "1e3", "١٢"})
        EXPECT_THROW(Statements::FinishTask(QString::fromUtf8(bad)), EDatabaseError) << bad;
    EXPECT_THROW(Statements::UpdateTask(QStringLiteral("闹钟"), f, QStringLiteral("0x1")), EDatabaseError);
    EXPECT_EQ(Statements::SelectTask(QStringLiteral("007")).toStdString(), "select * from task where id=7");
}
