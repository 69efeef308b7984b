// One full prediction (both paths, 48 half hours) over a 6000 km path, with ten
// and with five frequencies between 3.0 and 28.0 MHz.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/Core.h"
#include "engine/Propagation.h"

namespace {

std::string Degrees(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

// 40° N 0° to the point 6000 km away on a bearing of 60°, 15 March 2026, SSN 100.
PredictionRequest MakeBenchRequest(const std::vector<double>& freqs) {
    PredictionRequest r;
    const GeoLatLon a{40.0 * kRadPerDeg, 0.0};
    const GeoLatLon b =
        PointAlongPath(a, PathKind::Short, 60.0 * kRadPerDeg, 6000.0 / DisplayRadiusKm, 0.0);
    r.TerminalA.LatitudeText = "40.0000";
    r.TerminalA.LongitudeText = "0.0000";
    r.TerminalB.LatitudeText = Degrees(b.latRad * kDegPerRad);
    r.TerminalB.LongitudeText = Degrees(b.lonRad * kDegPerRad);
    ComputePathGeometry(r.TerminalA, r.TerminalB, r.ShortPath, r.LongPath);
    MarkPolarPaths(r.TerminalA, r.TerminalB, r.ShortPath, r.LongPath);
    r.Date = DateFromCalendar(2026, 3, 15);
    r.Sun = ComputeSolarPosition(r.Date, r.Zone);
    const SolarIndexValues solar = ConvertSolarIndex("S100", r.Sun).value();
    r.Ssn = solar.Ssn;
    r.Flux = solar.Flux;
    r.MinElevationRad = 1.5 * kRadPerDeg;
    for (double f : freqs) {
        FrequencyTerms& t = r.Frequencies[r.FrequencyCount++];
        t.FrequencyMHz = static_cast<float>(f);
        t.FrequencyTermDb = static_cast<float>(20.0 * std::log10(f));
        t.AbsorptionFactor = static_cast<float>(143.0 / ((f + 0.904) * (f + 0.904) + 10.0));
    }
    return r;
}

void RunPrediction(benchmark::State& state, const std::vector<double>& freqs) {
    const PredictionRequest request = MakeBenchRequest(freqs);
    for (auto _ : state) {
        PredictionResult result = ComputePrediction(request);
        benchmark::DoNotOptimize(result);
    }
}

void BM_PredictionTenFrequencies(benchmark::State& state) {
    RunPrediction(state, {3.0, 5.8, 8.6, 11.3, 14.1, 16.9, 19.7, 22.4, 25.2, 28.0});
}

void BM_PredictionFiveFrequencies(benchmark::State& state) {
    RunPrediction(state, {3.0, 9.3, 15.5, 21.8, 28.0});
}

} // namespace

// Repetitions come from the command line (--benchmark_repetitions=10 for medians);
// with more than one, only the mean, median and spread are reported. A prediction runs
// its parts on the thread pool: the CPU time is that of the whole process, every thread.
BENCHMARK(BM_PredictionTenFrequencies)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PredictionFiveFrequencies)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->ReportAggregatesOnly(true);
