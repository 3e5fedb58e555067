#include "data/DataUnit.h"
#include "mainwindow/MainUnit.h"
#include "platform/Clock.h"
#include "scheduler/ActiveTaskList.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

namespace {
struct App {
    TestProgramDir dir;
    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(8, 0))};
    TDataModule1 dm;
    TActiveTaskList list;
    TAppContext ctx;
    App()
    {
        ctx.vars = LoadMainVars(dir.path());
        ctx.clock = &clock;
        ctx.data = &dm;
        ctx.activeList = &list;
    }
};
} // namespace

TEST(MainForm, ComesUpWithItsFrameAndLoadsTheActiveList)
{
    App app;
    {
        TDataModule1 seed;
        seed.ADOConnection1.setDatabaseFile(app.dir.databaseFile());
        seed.ADOConnection1.Open();
        TestTask t;
        t.title = QStringLiteral("起床");
        InsertTestTask(seed, t);
    }
    TMainForm form(app.ctx);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("青雀日程助手"));
    EXPECT_EQ(form.size(), QSize(644, 388));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    const char16_t *tabs[] = {u"首页", u"今日日程", u"闹钟任务", u"倒计时器", u"执行程序", u"定时关机", u"名站导航", u"精品展厅"};
    auto *pc = form.findChild<QTabWidget *>(QStringLiteral("sPageControl1"));
    ASSERT_TRUE(pc);
    ASSERT_EQ(pc->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pc->tabText(i), QString::fromUtf16(tabs[i]));
        EXPECT_EQ(pc->widget(i)->objectName(), QStringLiteral("sTabSheet%1").arg(i + 1));
    }
    EXPECT_EQ(pc->currentIndex(), 0);
    auto *grid = form.findChild<QTableView *>(QStringLiteral("MainStringGrid"));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral(" 任务名称"));
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral(" 到期时间"));
    for (int c = 2; c < 10; ++c)
        EXPECT_TRUE(grid->isColumnHidden(c)) << c;
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), QStringLiteral("[闹钟]起床"));
    EXPECT_EQ(app.list.ActiveTaskCount(), 1);
    EXPECT_TRUE(app.dm.ADOClock.Active());
    EXPECT_EQ(app.dm.ADOClock.RecordCount(), 1);
    EXPECT_TRUE(form.findChild<QStatusBar *>(QStringLiteral("StatusBar1")));
}

TEST(MainForm, StartsWithEmptyListsWhenTheDatabaseIsUnusable)
{
    for (const QByteArray &content : {QByteArray(), QByteArray("not a database at all"), QByteArray("-")}) {
        App app;
        if (content == "-")
            QFile::remove(app.dir.databaseFile());
        else
            app.dir.writeFile(QStringLiteral("LData/CorvinaData.mdb"), content);
        TMainForm form(app.ctx);
        EXPECT_FALSE(app.dm.ADOConnection1.Connected());
        EXPECT_EQ(app.list.ActiveTaskCount(), 0);
        EXPECT_EQ(app.list.rowCount(), 1); // the header row and one blank row
        EXPECT_FALSE(QApplication::activeModalWidget());
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
