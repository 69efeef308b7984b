// Coverage maps on the 2° grid (16,200 cells) from 40.5° N 75.25° W at 14.1 MHz,
// 15 March 2026, SSN 120: one half hour, and the whole day of 48 half hours.

#include <benchmark/benchmark.h>

#include "coverage/Coverage.h"

namespace {

CoverageRequest BenchRequest(std::vector<int> halfHours) {
    Settings settings = FactorySettings();
    DeriveSettings(settings);
    CoverageRequest r;
    r.station.Prefix = "<Ins>";
    r.station.LatitudeText = "40.5";
    r.station.LongitudeText = "75.25";
    r.date = DateFromCalendar(2026, 3, 15);
    r.solarIndexText = "S120.0";
    r.band = CoverageBandOf(settings, "14.1").value();
    r.cellDeg = 2;
    r.halfHours = std::move(halfHours);
    return r;
}

void BM_CoverageOneHalfHour(benchmark::State& state) {
    const CoverageRequest request = BenchRequest({30});
    for (auto _ : state) {
        CoverageMap map = ComputeCoverage(request);
        benchmark::DoNotOptimize(map);
    }
}

void BM_CoverageWholeDay(benchmark::State& state) {
    std::vector<int> day;
    for (int j = 0; j < kHalfHours; ++j)
        day.push_back(j);
    const CoverageRequest request = BenchRequest(day);
    for (auto _ : state) {
        CoverageMap map = ComputeCoverage(request);
        benchmark::DoNotOptimize(map);
    }
}

} // namespace

BENCHMARK(BM_CoverageOneHalfHour)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CoverageWholeDay)->Unit(benchmark::kMillisecond)->UseRealTime();
