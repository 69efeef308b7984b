// Coverage maps on the 2° grid (16,200 cells) from 40.5° N 75.25° W at 14.1 MHz,
// 15 March 2026, SSN 120: one half hour, and the whole day of 48 half hours; with the
// P.533 engine (100 W SSB station, isotropic antennas) one hour and the day's 24 hours.

#include <benchmark/benchmark.h>

#include <stdexcept>

#include "coverage/Coverage.h"
#include "coverage/CoverageRender.h"
#include "maps/BaseMaps.h"
#include "maps/PixelBuffer.h"

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

CoverageRequest P533Request(std::vector<int> halfHours) {
    static const p533::DataLoad load =
        p533::LoadPredictionData(std::filesystem::path(HOPSCOPE_SOURCE_DIR) / "p533" / "data");
    if (!load.data)
        throw std::runtime_error(load.error);
    CoverageRequest r = BenchRequest(std::move(halfHours));
    r.engine.engine = PredictionEngine::P533;
    r.engine.data = load.data;
    r.engine.station.transmitPowerDbkW = -10.0;
    r.engine.station.bandwidthHz = 2700.0;
    r.engine.station.requiredSnrDb = 10.0;
    return r;
}

void BM_P533CoverageOneHour(benchmark::State& state) {
    const CoverageRequest request = P533Request({30});
    for (auto _ : state) {
        CoverageMap map = ComputeCoverage(request);
        benchmark::DoNotOptimize(map);
    }
}

void BM_P533CoverageWholeDay(benchmark::State& state) {
    const CoverageRequest request = P533Request(CoverageDayHalfHours(PredictionEngine::P533));
    for (auto _ : state) {
        CoverageMap map = ComputeCoverage(request);
        benchmark::DoNotOptimize(map);
    }
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

// One frame of the window at 1920 × 1080 from a computed half hour: the base map with
// the night side, the cells' colours, the grey line, the Sun and the station. The
// pixels' cells are computed once per window size, outside the loop.
void RenderFrame(benchmark::State& state, bool greatCircle) {
    static const CoverageMap map = ComputeCoverage(BenchRequest({30}));
    const CoverageProjection projection{greatCircle, {40.5, 75.25}};
    PixelBuffer base(greatCircle ? kGreatCircleBaseSize : kRectangularBaseWidth,
                     greatCircle ? kGreatCircleBaseSize : kRectangularBaseHeight);
    if (greatCircle)
        DrawGreatCircleBaseMap(base, projection.centre);
    else
        DrawRectangularBaseMap(base, projection.centre.lon);
    const ImageSize size = CoverageImageSize(projection, 1920, 1080);
    const PixelCells pixels = MapPixelsToCells(map.grid, projection, size.width, size.height);
    PixelBuffer image(size.width, size.height);
    CoveragePicture picture;
    picture.map = &map;
    picture.projection = projection;
    picture.pixels = &pixels;
    picture.utDate = DateFromCalendar(2026, 3, 15);
    picture.timeText = "1500";
    picture.stationLabel = "W3XYZ";
    for (auto _ : state) {
        RenderCoverageMap(image, base, picture);
        benchmark::DoNotOptimize(image.Row(0));
    }
}

void BM_CoverageFrameRect1920x1080(benchmark::State& state) {
    RenderFrame(state, false);
}

void BM_CoverageFrameGreatCircle1920x1080(benchmark::State& state) {
    RenderFrame(state, true);
}

} // namespace

// The cells and the picture's rows are spread over the task pool's threads: the CPU
// column is the whole process's CPU time (every thread), the Time column wall time.
BENCHMARK(BM_CoverageOneHalfHour)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_CoverageWholeDay)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_P533CoverageOneHour)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_P533CoverageWholeDay)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_CoverageFrameRect1920x1080)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_CoverageFrameGreatCircle1920x1080)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
