// AddMaingrid over 10,000 active tasks.
#include "data/DataUnit.h"
#include "scheduler/ActiveTaskList.h"
#include "support/TestSupport.h"

#include <benchmark/benchmark.h>

static void BM_AddMaingrid10k(benchmark::State &state)
{
    TestProgramDir dir;
    TDataModule1 dm;
    OpenTestDatabase(dm, dir);
    InsertTestTasks(dm, 10000, [](int i) {
        TestTask t;
        t.title = QStringLiteral("任务%1").arg(i);
        t.calendar = i % 2 ? QStringLiteral("农历") : QStringLiteral("阳历");
        t.memo = QStringLiteral("内容 %1").arg(i);
        return t;
    });
    TActiveTaskList list;
    for (auto _ : state) {
        list.AddMaingrid(dm);
        benchmark::DoNotOptimize(list.ActiveTaskCount());
    }
    state.counters["rows"] = list.ActiveTaskCount();
}
BENCHMARK(BM_AddMaingrid10k)->Unit(benchmark::kMillisecond);
