// The text side of a prediction: the 101-column report of one path, the JSON of both
// paths, and reading and writing the settings record. Run:
//   build-<name>/bench/bench_report
#include "report/PathReport.h"
#include "report/PredictionExport.h"
#include "report/PredictionHeaders.h"
#include "report/PredictionSetup.h"
#include "settings/SettingsRecord.h"

#include <benchmark/benchmark.h>

namespace {

Settings TenFrequencies() {
    Settings s = FactorySettings();
    s.FrequencyCount = 10;
    const char* texts[] = {"3.0",  "5.8",  "8.6",  "11.3", "14.1",
                           "16.9", "19.7", "22.4", "25.2", "28.0"};
    for (int k = 0; k < 10; ++k)
        s.Frequencies[k] = {texts[k], "0.0"};
    DeriveSettings(s);
    return s;
}

// A 6000 km path (Paris to New York is about 5840 km; this one a little longer).
PredictionResult SamplePrediction(const Settings& settings) {
    PredictionInputs in;
    in.terminalA.LatitudeText = "48.85";
    in.terminalA.LongitudeText = "-2.35";
    in.terminalB.LatitudeText = "38.9";
    in.terminalB.LongitudeText = "77.0";
    in.date = DateFromCalendar(2026, 12, 8);
    in.solarIndexText = "S100.0";
    const PreparedPrediction prepared = PreparePrediction(in, settings);
    return Predict(prepared.request);
}

void BM_PathReport(benchmark::State& state) {
    const Settings settings = TenFrequencies();
    const PredictionResult result = SamplePrediction(settings);
    for (auto _ : state) {
        std::string text =
            JoinReportLines(PathReportLines(result, PathKind::Short, settings, TimeZoneState{},
                                            "12/08/2026", ReportStyle::BatchFile));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_PathReport);

void BM_PredictionJson(benchmark::State& state) {
    const PredictionResult result = SamplePrediction(TenFrequencies());
    for (auto _ : state) {
        std::string json = PredictionJson(result, {PathKind::Short, PathKind::Long});
        benchmark::DoNotOptimize(json);
    }
}
BENCHMARK(BM_PredictionJson);

void BM_SettingsRecordRoundTrip(benchmark::State& state) {
    const Settings settings = TenFrequencies();
    for (auto _ : state) {
        const SettingsRecordBytes bytes = EncodeSettings(settings);
        std::optional<Settings> back = DecodeSettings(bytes);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_SettingsRecordRoundTrip);

} // namespace
