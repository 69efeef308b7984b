#include "atlas/BuiltInAtlas.h"
#include "planner/Planner.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

// The planner from one station to the 371 places of the built-in atlas with ten
// frequencies, on the program's thread pool (all cores). The CPU column is the
// whole process's time, all threads: on a busy machine real time / CPU time shows the
// share of the cores the run got.

namespace {

PlannerSetup TenBandSetup(std::vector<PathKind> kinds) {
    PlannerSetup setup;
    setup.inputs.terminalA.Prefix = "<Ins>";
    setup.inputs.terminalA.LatitudeText = "48.1N";
    setup.inputs.terminalA.LongitudeText = "11.6E";
    setup.inputs.date = DateFromCalendar(2026, 3, 21);
    setup.inputs.solarIndexText = "S120.0";
    setup.settings = FactorySettings();
    const char* freqs[] = {"3.6",  "5.3",  "7.1",  "10.1", "14.1",
                           "18.1", "21.1", "24.9", "28.3", "29.6"};
    setup.settings.FrequencyCount = 10;
    for (int n = 0; n < 10; ++n)
        setup.settings.Frequencies[n] = {freqs[n], "0.0"};
    DeriveSettings(setup.settings);
    setup.kinds = std::move(kinds);
    return setup;
}

std::vector<Terminal> BuiltInPlaces() {
    return AtlasPlaces(AtlasOf(BuiltInAtlasEntries()));
}

void RunPlanner(benchmark::State& state, std::vector<PathKind> kinds) {
    const PlannerSetup setup = TenBandSetup(std::move(kinds));
    const std::vector<Terminal> places = BuiltInPlaces();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputePlannerRows(setup, places));
    state.counters["places"] = static_cast<double>(places.size());
}

void BM_PlannerAtlasShortPath(benchmark::State& state) {
    RunPlanner(state, {PathKind::Short});
}
void BM_PlannerAtlasBothPaths(benchmark::State& state) {
    RunPlanner(state, {PathKind::Short, PathKind::Long});
}

// The same with the P.533 engine: 371 places × 10 frequencies × 24 hours.
void BM_P533PlannerAtlasShortPath(benchmark::State& state) {
    static const p533::DataLoad load =
        p533::LoadPredictionData(std::filesystem::path(HOPSCOPE_SOURCE_DIR) / "p533" / "data");
    if (!load.data)
        throw std::runtime_error(load.error);
    PlannerSetup setup = TenBandSetup({PathKind::Short});
    setup.engine.engine = PredictionEngine::P533;
    setup.engine.data = load.data;
    setup.engine.station.transmitPowerDbkW = -10.0;
    setup.engine.station.bandwidthHz = 2700.0;
    setup.engine.station.requiredSnrDb = 10.0;
    const std::vector<Terminal> places = BuiltInPlaces();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputePlannerRows(setup, places));
    state.counters["places"] = static_cast<double>(places.size());
}

// The window's first rows: its first chunk of 16 places, short path.
void BM_PlannerFirstChunk(benchmark::State& state) {
    const PlannerSetup setup = TenBandSetup({PathKind::Short});
    const std::vector<Terminal> places = BuiltInPlaces();
    const std::span<const Terminal> first(places.data(), 16);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputePlannerRows(setup, first));
}

} // namespace

BENCHMARK(BM_PlannerAtlasShortPath)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_PlannerAtlasBothPaths)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_P533PlannerAtlasShortPath)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_PlannerFirstChunk)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
