// A batch run: a full table of fifteen rows checked, predicted and written to a
// report file, the way the batch window's "Print to File" and "hopscope-cli batch run"
// do it. Run:
//   build-<name>/bench/bench_batch
#include "atlas/BuiltInAtlas.h"
#include "batch/BatchReportFile.h"
#include "batch/BatchRun.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

BatchContext Context() {
    static const Atlas atlas = AtlasOf(BuiltInAtlasEntries());
    BatchContext context;
    context.settings = FactorySettings(); // five frequencies
    context.settings.DefaultLatitudeText = "51 30 N";
    context.settings.DefaultLongitudeText = "0 7 W";
    DeriveSettings(context.settings);
    context.atlas = &atlas;
    context.dates = {DateOrder::MonthDayYear, '/'};
    return context;
}

// Fifteen rows to fifteen places of the world, each with path letter `path`.
BatchTable FullTable(const char* path) {
    const char* places[] = {"VK", "JA", "W1", "ZS", "PY",   "VE",   "UA9", "KH6",
                            "ZL", "VU", "LU", "5Z", "JN58", "FN31", "OH"};
    BatchTable table;
    for (int r = 0; r < kBatchRows; ++r) {
        BatchRecord& row = table.Rows[static_cast<std::size_t>(r)];
        row.TerminalA = "DEFAULT";
        row.TerminalB = places[r];
        row.DateText = "12/08/26";
        row.SolarText = "S100";
        row.PathText = path;
    }
    return table;
}

void RunToFile(benchmark::State& state, const char* path) {
    const BatchContext context = Context();
    const BatchTable table = FullTable(path);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "hopscope-bench-batch.hpf";
    for (auto _ : state) {
        const std::vector<BatchRowRun> rows = RunBatchTable(table, context, ReportStyle::BatchFile);
        const ReportFileResult written =
            WriteReportFile(file, BatchReportText(rows), ReportFileMode::Overwrite);
        benchmark::DoNotOptimize(written.ok);
    }
    std::filesystem::remove(file);
}

// Fifteen rows of the short path each (a new table's path letter).
void BM_BatchTableToFile(benchmark::State& state) {
    RunToFile(state, "S");
}
BENCHMARK(BM_BatchTableToFile)->Unit(benchmark::kMillisecond);

// Fifteen rows of both paths each: thirty reports.
void BM_BatchTableBothPathsToFile(benchmark::State& state) {
    RunToFile(state, "B");
}
BENCHMARK(BM_BatchTableBothPathsToFile)->Unit(benchmark::kMillisecond);

} // namespace
