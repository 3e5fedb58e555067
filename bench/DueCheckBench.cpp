// One due-check tick over 10,000 active tasks, half of them lunar, none due.
#include "data/DataUnit.h"
#include "scheduler/ActiveTaskList.h"
#include "scheduler/DueCheck.h"
#include "support/TestSupport.h"

#include <benchmark/benchmark.h>

static void BM_DueCheckTick10k(benchmark::State &state)
{
    TestProgramDir dir;
    TDataModule1 dm;
    OpenTestDatabase(dm, dir);
    InsertTestTasks(dm, 10000, [](int i) {
        static const char16_t *kinds[] = {u"闹钟", u"日程", u"计时", u"程序", u"关机"};
        TestTask t;
        t.kind = QString::fromUtf16(kinds[i % 5]);
        t.title = QStringLiteral("任务%1").arg(i);
        t.calendar = i % 2 ? QStringLiteral("农历") : QStringLiteral("阳历");
        t.xhtype = QString::number(1 + i % 6);
        t.memo = QStringLiteral("/usr/bin/true");
        // Due between 12:00 and 12:59 (hourly ones at minute 59): the clock below
        // stays within 00:00..00:50, so nothing falls due.
        t.time = QStringLiteral("12:%1:%2").arg(i % 60, 2, 10, QLatin1Char('0')).arg(i / 60 % 60, 2, 10, QLatin1Char('0'));
        if (t.xhtype == QLatin1String("2"))
            t.time = QStringLiteral("00:59:%1").arg(i % 60, 2, 10, QLatin1Char('0'));
        t.date = QStringLiteral("2026-%1-%2").arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(1 + i % 28, 2, 10, QLatin1Char('0'));
        return t;
    });
    TActiveTaskList list;
    list.AddMaingrid(dm);
    int raised = 0;
    TDueCheck check(list, {[&](const TDueAlert &) { ++raised; }, [&](const QString &, const QString &) { ++raised; },
                           [&](const QString &) { ++raised; }});
    const QDateTime base(QDate(2026, 12, 11), QTime(0, 0, 0));
    qint64 i = 0;
    for (auto _ : state) {
        // one new second per tick
        check.Tick(base.addSecs(1 + i++ % 3000));
    }
    state.counters["rows"] = list.ActiveTaskCount();
    state.counters["raised"] = raised;
}
BENCHMARK(BM_DueCheckTick10k)->Unit(benchmark::kMillisecond);
