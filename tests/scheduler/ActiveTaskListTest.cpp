#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"
#include "scheduler/ActiveTaskList.h"
#include "support/TestSupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {
struct Fixture {
    TestProgramDir dir;
    TDataModule1 dm;
    TActiveTaskList list;
    Fixture()
    {
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
    }
    void forceId(qint64 from, qint64 to)
    {
        QSqlQuery(QSqlDatabase::database(dm.ADOConnection1.connectionName()))
            .exec(QStringLiteral("update Task set id=%1 where id=%2").arg(to).arg(from));
    }
};
} // namespace

TEST(ActiveTaskList, EmptyTableGivesHeaderAndOneBlankRow)
{
    Fixture f;
    f.list.AddMaingrid(f.dm);
    EXPECT_EQ(f.list.ActiveTaskCount(), 0);
    EXPECT_EQ(f.list.rowCount(), 1);
    EXPECT_EQ(f.list.data(f.list.index(0, 0)).toString(), QString());
}

TEST(ActiveTaskList, ListsActiveRowsNewestFirstWithAllTenColumns)
{
    Fixture f;
    const qint64 ids[] = {4, 9, 7};
    for (qint64 id : ids) {
        TestTask t;
        t.title = QStringLiteral("task%1").arg(id);
        f.forceId(InsertTestTask(f.dm, t), id);
    }
    TestTask prog;
    prog.kind = Vocab::KindProgram;
    prog.title = QStringLiteral("记事本");
    prog.memo = QStringLiteral("/usr/bin/editor");
    prog.exetype = QStringLiteral("3");
    prog.calendar = Vocab::CalendarLunar;
    prog.xhtype = QStringLiteral("3");
    prog.tasktime = QStringLiteral("每天 08:00:00");
    f.forceId(InsertTestTask(f.dm, prog), 8);
    TestTask finished;
    finished.stype = QStringLiteral("1");
    InsertTestTask(f.dm, finished);

    f.list.AddMaingrid(f.dm);
    ASSERT_EQ(f.list.ActiveTaskCount(), 4);
    QStringList order;
    for (const auto &r : f.list.rows())
        order << r[TActiveTaskList::ColId];
    EXPECT_EQ(order, (QStringList{"9", "8", "7", "4"}));
    const auto &p = f.list.row(1);
    const TActiveTaskList::Row want = {QStringLiteral("[程序]记事本"), QStringLiteral("每天 08:00:00"), QStringLiteral("3"),
                                       QStringLiteral("/usr/bin/editor"), QStringLiteral("08:00:00"), QStringLiteral("8"),
                                       QStringLiteral("程序"), QStringLiteral("农历"), QStringLiteral("2026-12-11"),
                                       QStringLiteral("3")};
    EXPECT_EQ(p, want);
    EXPECT_EQ(f.list.row(0)[TActiveTaskList::ColShowMode], QString()); // not a program: empty
    EXPECT_EQ(f.list.row(0)[TActiveTaskList::ColLabel], QStringLiteral("[闹钟]task9"));
}

TEST(ActiveTaskList, FinishTaskReloadsAndSwallowsFailures)
{
    Fixture f;
    TestTask t;
    const QString id = QString::number(InsertTestTask(f.dm, t));
    f.dm.ADOExe.SetSQL(Statements::TabList(0, Vocab::TabProgram));
    f.list.AddMaingrid(f.dm);
    ASSERT_EQ(f.list.ActiveTaskCount(), 1);
    f.list.FinishTask(f.dm, id);
    EXPECT_EQ(f.list.ActiveTaskCount(), 0);
    EXPECT_TRUE(f.dm.ADOExe.Active());
    EXPECT_FALSE(f.dm.ADO2.Active());
    EXPECT_NO_THROW(f.list.FinishTask(f.dm, QStringLiteral("1 or 1=1")));
    f.dm.ADOConnection1.Close();
    EXPECT_NO_THROW(f.list.FinishTask(f.dm, id));
    EXPECT_THROW(f.list.AddMaingrid(f.dm), EDatabaseError); // the reload's own failure is the caller's
}
