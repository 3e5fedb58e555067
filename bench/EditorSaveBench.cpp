// An editor's save with 10,000 tasks in the table: the reloads that follow the write
// (the active list, then the kind's tab), the whole save, and opening an editor.
#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"
#include "editors/TaskEditorForm.h"
#include "editors/TaskEditorLogic.h"
#include "editors/TaskGridModel.h"
#include "mainwindow/MainConfig.h"
#include "mainwindow/MainUnit.h"
#include "platform/Clock.h"
#include "scheduler/ActiveTaskList.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QApplication &app()
{
    static int argc = 1;
    static char name[] = "editor_save_bench";
    static char *argv[] = {name, nullptr};
    static QApplication *a = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *a;
}

// 10,000 tasks of one kind, all active, so the kind's tab holds every one of them.
struct Table {
    TestProgramDir dir;
    TDataModule1 dm;
    TActiveTaskList list;
    std::unique_ptr<TTaskGridModel> grid;
    explicit Table(int kindIndex)
    {
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
        QSqlDatabase db = QSqlDatabase::database(dm.ADOConnection1.connectionName());
        db.transaction();
        for (int i = 0; i < 10000; ++i) {
            TestTask t;
            t.kind = Vocab::kindWordForIndex(kindIndex);
            t.title = QStringLiteral("任务%1").arg(i);
            t.memo = QStringLiteral("内容 %1").arg(i);
            t.xhtype = QStringLiteral("3");
            InsertTestTask(dm, t);
        }
        db.commit();
        TRowSet *rs = dm.rowSetForKind(kindIndex);
        rs->SetSQL(Statements::TabList(0, kindIndex));
        rs->Open();
        grid = std::make_unique<TTaskGridModel>(*rs, kindIndex == Vocab::TabCountdown
                                                         ? TTaskGridModel::CountdownColumns()
                                                         : TTaskGridModel::TaskColumns());
        list.AddMaingrid(dm);
    }
};

const QDateTime Now(QDate(2026, 12, 11), QTime(10, 30));

} // namespace

// What follows a successful write: AddMaingrid, then the tab (reopen, or the countdown's
// resfgriddata(0, 4) which sets its statement anew).
static void BM_SaveReloads10k(benchmark::State &state)
{
    const int kind = int(state.range(0));
    Table t(kind);
    TRowSet *rs = t.dm.rowSetForKind(kind);
    for (auto _ : state) {
        t.list.AddMaingrid(t.dm);
        if (kind == Vocab::TabCountdown) {
            rs->Close();
            rs->SetSQL(Statements::TabList(0, kind));
            rs->Open();
        } else {
            rs->Reopen();
        }
        benchmark::DoNotOptimize(rs->RecordCount());
    }
    state.counters["rows"] = rs->RecordCount();
}
BENCHMARK(BM_SaveReloads10k)->Arg(Vocab::TabAlarm)->Arg(Vocab::TabCountdown)->Unit(benchmark::kMillisecond);

// The whole save of a change: checks, texts, update and both reloads.
static void BM_SaveChange10k(benchmark::State &state)
{
    Table t(Vocab::TabAlarm);
    const EditorKind &kind = *EditorKinds::forIndex(Vocab::TabAlarm);
    TaskEditor::EditorInput in;
    in.windowTitle = kind.changeCaption();
    in.id = t.dm.ADOClock.FieldAsString(QStringLiteral("id"));
    in.title = QStringLiteral("改过");
    in.date = Now.date();
    in.time = QTime(11, 0);
    in.repeat = 3;
    TaskEditor::SaveHooks hooks{[&] { t.list.AddMaingrid(t.dm); }, [&] { t.dm.ADOClock.Reopen(); }};
    for (auto _ : state) {
        const auto r = TaskEditor::Save(t.dm, kind, in, Now, hooks);
        if (!r.saved())
            state.SkipWithError("save refused");
    }
}
BENCHMARK(BM_SaveChange10k)->Unit(benchmark::kMillisecond);

// The whole save of a new task (duplicate check, insert, reloads); the table grows by one each time.
static void BM_SaveNew10k(benchmark::State &state)
{
    Table t(Vocab::TabAlarm);
    const EditorKind &kind = *EditorKinds::forIndex(Vocab::TabAlarm);
    TaskEditor::SaveHooks hooks{[&] { t.list.AddMaingrid(t.dm); }, [&] { t.dm.ADOClock.Reopen(); }};
    int n = 0;
    for (auto _ : state) {
        TaskEditor::EditorInput in;
        in.windowTitle = kind.newCaption();
        in.title = QStringLiteral("新%1").arg(++n);
        in.date = Now.date();
        in.time = QTime(11, 0);
        const auto r = TaskEditor::Save(t.dm, kind, in, Now, hooks);
        if (!r.saved())
            state.SkipWithError("save refused");
    }
}
BENCHMARK(BM_SaveNew10k)->Unit(benchmark::kMillisecond);

// Opening an editor on the tab's current task: fill, show, hide.
static void BM_OpenEditor10k(benchmark::State &state)
{
    app();
    Table t(Vocab::TabAlarm);
    FixedClock clock(Now);
    TAppContext ctx;
    ctx.clock = &clock;
    ctx.data = &t.dm;
    ctx.activeList = &t.list;
    std::unique_ptr<TTaskEditorForm> editor(CreateTaskEditor(Vocab::TabAlarm, ctx, nullptr));
    for (auto _ : state) {
        editor->PrepareChange(TaskEditor::RecordFromRowSet(t.dm.ADOClock));
        editor->show();
        QApplication::processEvents();
        editor->hide();
    }
}
BENCHMARK(BM_OpenEditor10k)->Unit(benchmark::kMillisecond);

// The two reloads apart.
static void BM_TabReopenOnly10k(benchmark::State &state)
{
    Table t(Vocab::TabAlarm);
    for (auto _ : state)
        t.dm.ADOClock.Reopen();
}
BENCHMARK(BM_TabReopenOnly10k)->Unit(benchmark::kMillisecond);
static void BM_ListOnly10k(benchmark::State &state)
{
    Table t(Vocab::TabAlarm);
    for (auto _ : state)
        t.list.AddMaingrid(t.dm);
}
BENCHMARK(BM_ListOnly10k)->Unit(benchmark::kMillisecond);

// The same change saved from the alarm editor of a main window whose grids show the lists.
static void BM_MainWindowSave10k(benchmark::State &state)
{
    app();
    TestProgramDir dir;
    {
        TDataModule1 seed;
        seed.ADOConnection1.setDatabaseFile(dir.databaseFile());
        seed.ADOConnection1.Open();
        QSqlDatabase db = QSqlDatabase::database(seed.ADOConnection1.connectionName());
        db.transaction();
        for (int i = 0; i < 10000; ++i) {
            TestTask t;
            t.title = QStringLiteral("任务%1").arg(i);
            t.xhtype = QStringLiteral("3");
            InsertTestTask(seed, t);
        }
        db.commit();
    }
    FixedClock clock(Now);
    TDataModule1 dm;
    TActiveTaskList list;
    TAppContext ctx;
    ctx.vars = LoadMainVars(dir.path());
    ctx.clock = &clock;
    ctx.data = &dm;
    ctx.activeList = &list;
    TMainForm form(ctx);
    form.show();
    form.sPageControl1->setCurrentWidget(form.sTabSheet3);
    TTaskEditorForm *editor = form.ClockForm;
    editor->PrepareChange(TaskEditor::RecordFromRowSet(dm.ADOClock));
    editor->showMessage = [&](const QString &m) { state.SkipWithError(m.toUtf8().constData()); };
    for (auto _ : state) {
        editor->Button1Click();
        QApplication::processEvents();
    }
    state.counters["rows"] = dm.ADOClock.RecordCount();
}
BENCHMARK(BM_MainWindowSave10k)->Unit(benchmark::kMillisecond);
