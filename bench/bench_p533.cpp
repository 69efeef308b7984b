// The P.533 engine: reading its data once, and one circuit of 24 hours × 10 frequencies
// on one core (the short way from London to New York, 5,570 km, and from London to
// Sydney, 17,000 km, where the long model runs), with the Recommendation's reading and
// with the reference program's 1.5° map grid.

#include <benchmark/benchmark.h>

#include "p533/CircuitPrediction.h"

#include <stdexcept>

namespace {

const std::filesystem::path kData = std::filesystem::path(HOPSCOPE_SOURCE_DIR) / "p533" / "data";

const p533::PredictionData& Data() {
    static const p533::DataLoad load = p533::LoadPredictionData(kData);
    if (!load.data)
        throw std::runtime_error(load.error);
    return *load.data;
}

p533::CircuitRequest Circuit(p533::Place rx, bool reference, double step) {
    p533::CircuitRequest r;
    r.transmitter = {51.5, -0.12};
    r.receiver = rx;
    r.month = 3;
    r.r12 = 80;
    for (double h = step; h <= 24.0; h += step)
        r.hoursUtc.push_back(h);
    r.frequenciesMHz = {3.6, 5.3, 7.1, 10.1, 14.1, 18.1, 21.2, 24.9, 28.3, 29.7};
    r.transmitPowerDbkW = -10.0;
    r.bandwidthHz = 2700.0;
    r.requiredSnrDb = 10.0;
    if (reference)
        r.options = p533::Options::ReferenceCompatible();
    return r;
}

void RunCircuit(benchmark::State& state, p533::Place rx, bool reference, double step) {
    const p533::CircuitRequest request = Circuit(rx, reference, step);
    const p533::PredictionData& data = Data();
    for (auto _ : state) {
        p533::CircuitResult result = p533::PredictCircuit(data, request);
        benchmark::DoNotOptimize(result);
    }
}

void BM_P533LoadData(benchmark::State& state) {
    for (auto _ : state) {
        p533::DataLoad load = p533::LoadPredictionData(kData);
        benchmark::DoNotOptimize(load);
    }
}
BENCHMARK(BM_P533LoadData)->Unit(benchmark::kMillisecond);

void BM_P533Circuit24HoursTenFrequencies(benchmark::State& state) {
    RunCircuit(state, {40.7, -74.0}, false, 1.0);
}
BENCHMARK(BM_P533Circuit24HoursTenFrequencies)->Unit(benchmark::kMillisecond);

void BM_P533Circuit24HoursReferenceGrid(benchmark::State& state) {
    RunCircuit(state, {40.7, -74.0}, true, 1.0);
}
BENCHMARK(BM_P533Circuit24HoursReferenceGrid)->Unit(benchmark::kMillisecond);

void BM_P533Circuit48HalfHours(benchmark::State& state) {
    RunCircuit(state, {40.7, -74.0}, false, 0.5);
}
BENCHMARK(BM_P533Circuit48HalfHours)->Unit(benchmark::kMillisecond);

void BM_P533LongCircuit24Hours(benchmark::State& state) {
    RunCircuit(state, {-33.87, 151.21}, false, 1.0);
}
BENCHMARK(BM_P533LongCircuit24Hours)->Unit(benchmark::kMillisecond);

} // namespace
