// One tick of the countdown column over 1,000 countdown rows, and one status bar tick.
#include "data/DataUnit.h"
#include "scheduler/Countdown.h"
#include "scheduler/StatusTicker.h"
#include "support/TestSupport.h"

#include <benchmark/benchmark.h>

static void BM_CountdownTick1000(benchmark::State &state)
{
    TestProgramDir dir;
    TDataModule1 dm;
    OpenTestDatabase(dm, dir);
    InsertTestTasks(dm, 1000, [](int i) {
        TestTask t;
        t.kind = QStringLiteral("计时");
        t.title = QStringLiteral("倒计时%1").arg(i);
        t.calendar = i % 3 ? QStringLiteral("阳历") : QStringLiteral("农历");
        t.xhtype = i % 2 ? QStringLiteral("1") : QStringLiteral("3");
        t.date = QStringLiteral("2027-06-%1").arg(1 + i % 28, 2, 10, QLatin1Char('0'));
        t.time = QStringLiteral("03:33:%1").arg(i % 60, 2, 10, QLatin1Char('0'));
        t.tasktime = t.xhtype == QLatin1String("1") ? t.date + QLatin1Char(' ') + t.time : QStringLiteral("每天 ") + t.time;
        return t;
    });
    dm.ADOTime.SetSQL(Statements::TabList(0, 4));
    dm.ADOTime.Open();
    const QDateTime now(QDate(2026, 12, 11), QTime(8, 0));
    for (auto _ : state) {
        auto texts = Countdown::CountdownTexts(dm.ADOTime, now);
        benchmark::DoNotOptimize(texts.data());
    }
    state.counters["rows"] = dm.ADOTime.RecordCount();
}
BENCHMARK(BM_CountdownTick1000)->Unit(benchmark::kMicrosecond);

static void BM_StatusTexts(benchmark::State &state)
{
    const QDateTime now(QDate(2026, 12, 11), QTime(8, 0));
    for (auto _ : state) {
        QString a = StatusTicker::NowText(now), b = StatusTicker::UptimeText(5000000000), c = StatusTicker::TaskCountText(1000);
        benchmark::DoNotOptimize(a.data());
        benchmark::DoNotOptimize(b.data());
        benchmark::DoNotOptimize(c.data());
    }
}
BENCHMARK(BM_StatusTexts)->Unit(benchmark::kMicrosecond);
