#include "data/DataUnit.h"
#include "data/TaskStatements.h"
#include "data/TaskVocabulary.h"
#include "editors/TaskGridModel.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
struct Db {
    TestProgramDir dir;
    TDataModule1 dm;
    Db()
    {
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
    }
};
} // namespace

TEST(TaskGridModel, ShowsTheChosenFieldsUnderTheirHeaders)
{
    Db db;
    TestTask a;
    a.kind = QStringLiteral("计时");
    a.title = QStringLiteral("第一");
    a.calendar = QStringLiteral("农历");
    a.tasktime = QStringLiteral("每天 08:00:00");
    InsertTestTask(db.dm, a);
    a.title = QStringLiteral("第二");
    const qint64 second = InsertTestTask(db.dm, a);
    db.dm.ADOTime.SetSQL(Statements::TabList(0, Vocab::TabCountdown));
    db.dm.ADOTime.Open();

    TTaskGridModel m(db.dm.ADOTime, TTaskGridModel::CountdownColumns());
    const char16_t *headers[] = {u"任务名称", u"到期时间", u"时间类型", u"剩余时间"};
    ASSERT_EQ(m.columnCount(), 8);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(m.headerData(c, Qt::Horizontal).toString(), QString::fromUtf16(headers[c]));
        EXPECT_TRUE(m.columns()[c].visible);
    }
    for (int c = 4; c < 8; ++c)
        EXPECT_FALSE(m.columns()[c].visible);
    EXPECT_EQ(m.textColumn(), 3);
    ASSERT_EQ(m.rowCount(), 2);
    EXPECT_EQ(m.index(0, 0).data().toString(), QStringLiteral("第二")); // newest first
    EXPECT_EQ(m.index(0, 1).data().toString(), QStringLiteral("每天 08:00:00"));
    EXPECT_EQ(m.index(0, 2).data().toString(), QStringLiteral("农历"));
    EXPECT_EQ(m.index(0, 3).data().toString(), QString());
    EXPECT_EQ(m.index(0, 4).data().toString(), QString::number(second));
    EXPECT_EQ(m.index(0, 5).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(m.index(0, 6).data().toString(), QStringLiteral("08:00:00"));
    EXPECT_EQ(m.index(0, 7).data().toString(), QStringLiteral("2026-12-11"));

    QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
    m.setRemainingText(1, QStringLiteral("1天0小时0分0秒"));
    m.setRemainingText(5, QStringLiteral("ignored"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(m.index(1, 3).data().toString(), QStringLiteral("1天0小时0分0秒"));

    QSignalSpy reset(&m, &QAbstractItemModel::modelReset);
    db.dm.ADOTime.Reopen(); // a reload empties the column
    EXPECT_GE(reset.count(), 1);
    EXPECT_EQ(m.index(1, 3).data().toString(), QString());
    db.dm.ADOTime.Close();
    EXPECT_EQ(m.rowCount(), 0);
}

TEST(TaskGridModel, TaskColumnsHaveNoTextColumn)
{
    Db db;
    TTaskGridModel m(db.dm.ADOClock, TTaskGridModel::TaskColumns());
    EXPECT_EQ(m.columnCount(), 3);
    EXPECT_EQ(m.textColumn(), -1);
    EXPECT_EQ(m.rowCount(), 0);
    int width = 0;
    for (const TaskGridColumn &c : m.columns())
        width += c.width;
    EXPECT_EQ(width, 188 + 154 + 68);
    m.setRemainingText(0, QStringLiteral("x")); // no such column: nothing happens
}
