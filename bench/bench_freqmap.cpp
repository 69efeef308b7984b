// The frequency map's cells: the 877-cell grid's MUFs for one instant (paths prepared
// and evaluated, as one redraw does), and the 48 half hours of a whole day.

#include <benchmark/benchmark.h>

#include <vector>

#include "core/KxLib.h"
#include "engine/KxEphem.h"
#include "maps/FreqMapCells.h"
#include "maps/FreqMapValues.h"

namespace {

// A station at 50° N 10° E on 21 December 2026, SSN 100, minimum angle 1.5°.
FreqMapConditions BenchConditions() {
    Terminal a;
    SetTerminalDegrees(a, 50.0, -10.0);
    const DateValue date = DateFromCalendar(2026, 12, 21);
    const SolarPosition sun = ComputeSolarPosition(date, TimeZoneState{});
    return MakeFreqMapConditions(a, date, 100.0f, "", 1.5 * kRadPerDeg, sun);
}

void BM_FreqMapHighResolutionOneInstant(benchmark::State& state) {
    const FreqMapConditions conditions = BenchConditions();
    const std::vector<FreqMapCell> cells =
        FreqMapLayout(FreqMapResolution::High, {1, 1, 1171, 917}, -10.0);
    std::vector<float> mufs;
    for (auto _ : state) {
        const std::vector<FreqMapCellPath> paths = PrepareFreqMapPaths(conditions, cells);
        FreqMapMufs(conditions, paths, 12.0f, mufs);
        benchmark::DoNotOptimize(mufs.data());
    }
    state.counters["cells"] = static_cast<double>(cells.size());
}
BENCHMARK(BM_FreqMapHighResolutionOneInstant)->Unit(benchmark::kMillisecond);

void BM_FreqMapHighResolutionWholeDay(benchmark::State& state) {
    const FreqMapConditions conditions = BenchConditions();
    const std::vector<FreqMapCell> cells =
        FreqMapLayout(FreqMapResolution::High, {1, 1, 1171, 917}, -10.0);
    std::vector<float> mufs;
    for (auto _ : state) {
        const std::vector<FreqMapCellPath> paths = PrepareFreqMapPaths(conditions, cells);
        for (int j = 0; j < 48; ++j) {
            FreqMapMufs(conditions, paths, 0.5f * j, mufs);
            benchmark::DoNotOptimize(mufs.data());
        }
    }
}
BENCHMARK(BM_FreqMapHighResolutionWholeDay)->Unit(benchmark::kMillisecond);

} // namespace
