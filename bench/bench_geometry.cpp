// Speed of the path geometry every prediction, batch row and map cell starts with:
// ComputePathGeometry (which parses both terminals' texts) and MarkPolarPaths,
// and the great-circle primitives beneath them.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/Core.h"

namespace {

struct TerminalPair {
    Terminal a;
    Terminal b;
};

/// Terminal pairs spread over the globe, with texts as users type them.
std::vector<TerminalPair> MakePairs(std::size_t count) {
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> lat(-85, 85), lon(-180, 180);
    std::vector<TerminalPair> pairs(count);
    for (TerminalPair& p : pairs) {
        p.a.LatitudeText = FormatFixed(lat(rng), 0, 2);
        p.a.LongitudeText = FormatFixed(lon(rng), 0, 2);
        p.b.LatitudeText = FormatFixed(lat(rng), 0, 1) + " 30";
        p.b.LongitudeText = FormatFixed(std::abs(lon(rng)), 0, 0) + " 15 30 E";
    }
    return pairs;
}

void BM_ComputePathGeometry(benchmark::State& state) {
    std::vector<TerminalPair> pairs = MakePairs(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        TerminalPair& p = pairs[i++ & 1023];
        PathGeometry shortPath, longPath;
        benchmark::DoNotOptimize(ComputePathGeometry(p.a, p.b, shortPath, longPath).ok);
        benchmark::DoNotOptimize(shortPath);
    }
}
BENCHMARK(BM_ComputePathGeometry);

void BM_ComputeAndMarkPolarPaths(benchmark::State& state) {
    std::vector<TerminalPair> pairs = MakePairs(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        TerminalPair& p = pairs[i++ & 1023];
        PathGeometry shortPath, longPath;
        if (ComputePathGeometry(p.a, p.b, shortPath, longPath))
            MarkPolarPaths(p.a, p.b, shortPath, longPath);
        benchmark::DoNotOptimize(longPath);
    }
}
BENCHMARK(BM_ComputeAndMarkPolarPaths);

void BM_MarkPolarPaths(benchmark::State& state) {
    std::vector<TerminalPair> pairs = MakePairs(1024);
    std::vector<std::pair<PathGeometry, PathGeometry>> paths(pairs.size());
    for (std::size_t k = 0; k < pairs.size(); ++k)
        ComputePathGeometry(pairs[k].a, pairs[k].b, paths[k].first, paths[k].second);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t k = i++ & 1023;
        MarkPolarPaths(pairs[k].a, pairs[k].b, paths[k].first, paths[k].second);
        benchmark::DoNotOptimize(paths[k]);
    }
}
BENCHMARK(BM_MarkPolarPaths);

void BM_CentralAngleAndBearing(benchmark::State& state) {
    double lon = 0.1;
    for (auto _ : state) {
        lon += 1e-3;
        benchmark::DoNotOptimize(CentralAngle(0.7, lon, -0.3, 1.9).angle);
        benchmark::DoNotOptimize(InitialBearing(0.7, lon, -0.3, 1.9).bearing);
    }
}
BENCHMARK(BM_CentralAngleAndBearing);

void BM_ParseCoordinate(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseCoordinate("28 10 30 E", CoordinateKind::Longitude).valueDeg);
}
BENCHMARK(BM_ParseCoordinate);

} // namespace
