// The frequency map's cells: the 877-cell grid's MUFs for one instant (paths prepared
// and evaluated, as one redraw does), and the 48 half hours of a whole day.

#include <benchmark/benchmark.h>

#include <vector>

#include "core/Core.h"
#include "engine/Propagation.h"
#include "freqmap/FreqMapCells.h"
#include "freqmap/FreqMapRender.h"
#include "freqmap/FreqMapValues.h"
#include "maps/PixelBuffer.h"

namespace {

// A station at 50° N 10° E on 21 December 2026, SSN 100, minimum angle 1.5°.
StationConditions BenchConditions() {
    Terminal a;
    SetTerminalDegrees(a, 50.0, -10.0);
    const DateValue date = DateFromCalendar(2026, 12, 21);
    const SolarPosition sun = ComputeSolarPosition(date, TimeZoneState{});
    return MakeStationConditions(a, date, 100.0f, "", 1.5 * kRadPerDeg, sun);
}

void BM_FreqMapHighResolutionOneInstant(benchmark::State& state) {
    const StationConditions conditions = BenchConditions();
    const std::vector<FreqMapCell> cells =
        FreqMapLayout(FreqMapResolution::High, {1, 1, 1171, 917}, -10.0);
    const FreqMapSlots slots = MakeFreqMapSlots(Settings{});
    for (auto _ : state) {
        const auto values = ComputeFreqMapValues(conditions, slots, cells, {12.0});
        benchmark::DoNotOptimize(values[0].mufs.data());
    }
    state.counters["cells"] = static_cast<double>(cells.size());
}
BENCHMARK(BM_FreqMapHighResolutionOneInstant)->Unit(benchmark::kMillisecond);

void BM_FreqMapHighResolutionWholeDay(benchmark::State& state) {
    const StationConditions conditions = BenchConditions();
    const std::vector<FreqMapCell> cells =
        FreqMapLayout(FreqMapResolution::High, {1, 1, 1171, 917}, -10.0);
    const FreqMapSlots slots = MakeFreqMapSlots(Settings{});
    std::vector<double> day;
    for (int j = 0; j < 48; ++j)
        day.push_back(0.5 * j);
    for (auto _ : state) {
        const auto values = ComputeFreqMapValues(conditions, slots, cells, day);
        benchmark::DoNotOptimize(values.back().mufs.data());
    }
}
BENCHMARK(BM_FreqMapHighResolutionWholeDay)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// A whole redraw of the display's map at 1920 × 1080: the 877 cells' MUFs and classes,
// then the picture with its smooth coastlines (1171 × 883 pixels, the map of a
// 1920-pixel-wide screen in a window of 1040 usable rows).
void BM_FreqMapRedraw1920x1080(benchmark::State& state) {
    const StationConditions conditions = BenchConditions();
    PixelBuffer image(1171, 883);
    const std::vector<FreqMapCell> cells =
        FreqMapLayout(FreqMapResolution::High, FreqMapArea(1171, 883), -10.0);
    const FreqMapSlots slots = MakeFreqMapSlots(Settings{});
    for (auto _ : state) {
        const auto values = ComputeFreqMapValues(conditions, slots, cells, {12.0});
        const std::vector<int>& classes = values[0].classes;
        FreqMapPicture picture;
        picture.cells = &cells;
        picture.classes = &classes;
        picture.freqSlots = &slots;
        picture.station = {50.0, -10.0};
        picture.centreLonDeg = -10.0;
        picture.sun = SubsolarPointAt(DateFromCalendar(2026, 12, 21), 12.0);
        picture.timeText = "1200";
        RenderFreqMap(image, picture);
        benchmark::DoNotOptimize(image.Row(0));
    }
}
BENCHMARK(BM_FreqMapRedraw1920x1080)->Unit(benchmark::kMillisecond);

} // namespace
