// Fetch-and-fill of the solar figures against the local solar data server of
// tests/solar. Run it as
//   tests/solar/with-solar-server.sh build/bench/bench_solar
// (without the server each benchmark reports an error and measures nothing).
#include "solar/SolarLookup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace std::chrono;

// The evening the recorded files were written, so that today has its Kp.
const system_clock::time_point kNow = sys_days{2026y / 12 / 8} + 22h + 10min;

void LookUp(benchmark::State& state, CalendarDay date, bool refresh) {
    const char* server = std::getenv("HOPSCOPE_SOLAR_TEST_BASE");
    if (!server) {
        state.SkipWithError("run through tests/solar/with-solar-server.sh");
        return;
    }
    const auto dir = std::filesystem::temp_directory_path() / "hopscope-bench-solar";
    std::filesystem::create_directories(dir);
    SolarRequest request;
    request.dataDir = dir;
    request.date = date;
    request.now = kNow;
    request.baseUrl = std::string(server) + "/good";
    request.refresh = refresh;
    LookUpSolarFigure(request); // the copies exist for the cached case
    for (auto _ : state) {
        const SolarLookup found = LookUpSolarFigure(request);
        if (!found.figure)
            state.SkipWithError(found.error.c_str());
        benchmark::DoNotOptimize(found.figure->solarText);
    }
    std::filesystem::remove_all(dir);
}

/// Today: the daily flux and the Kp fetched together, checked, kept and read.
void BM_SolarFetchToday(benchmark::State& state) {
    LookUp(state, {2026, 12, 8}, true);
}
BENCHMARK(BM_SolarFetchToday)->Unit(benchmark::kMillisecond);

/// An earlier month: the observed months alone fetched, checked, kept and read.
void BM_SolarFetchMonthly(benchmark::State& state) {
    LookUp(state, {2026, 3, 15}, true);
}
BENCHMARK(BM_SolarFetchMonthly)->Unit(benchmark::kMillisecond);

/// Today again from fresh copies: no network at all.
void BM_SolarFromCopies(benchmark::State& state) {
    LookUp(state, {2026, 12, 8}, false);
}
BENCHMARK(BM_SolarFromCopies)->Unit(benchmark::kMillisecond);

} // namespace
