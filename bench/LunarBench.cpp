#include "calendar/DateCn.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

const std::vector<QDate> &allDays()
{
    static const std::vector<QDate> days = [] {
        std::vector<QDate> v;
        for (QDate d(1901, 1, 1); d <= QDate(2050, 12, 31); d = d.addDays(1))
            v.push_back(d);
        return v;
    }();
    return days;
}

// Text for every day of the table; the lunar 2-29/2-30 days throw.
void BM_LunarDateTextAllDays(benchmark::State &state)
{
    const auto &days = allDays();
    for (auto _ : state) {
        int failed = 0;
        for (const QDate &d : days) {
            try {
                QString s = DateCn::LunarDateText(d);
                benchmark::DoNotOptimize(s);
            } catch (const EConvertError &) {
                ++failed;
            }
        }
        benchmark::DoNotOptimize(failed);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(days.size()));
}
BENCHMARK(BM_LunarDateTextAllDays)->Unit(benchmark::kMillisecond);

void BM_SolarToLunarAllDays(benchmark::State &state)
{
    const auto &days = allDays();
    for (auto _ : state) {
        int sum = 0;
        for (const QDate &d : days)
            sum += DateCn::SolarToLunar(d);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(days.size()));
}
BENCHMARK(BM_SolarToLunarAllDays)->Unit(benchmark::kMillisecond);

// One call in the first lunar month of a year (carries the previous-year lookup).
void BM_SolarToLunarOneDay(benchmark::State &state)
{
    const QDate d(2034, 1, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(DateCn::SolarToLunar(d));
}
BENCHMARK(BM_SolarToLunarOneDay);

} // namespace
