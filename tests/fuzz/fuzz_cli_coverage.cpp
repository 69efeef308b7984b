// hopscope-cli coverage's arguments: the input is split at zero bytes into arguments
// and read as the command reads them, against an empty data folder (factory settings,
// built-in atlas). What is refused has a message and a status of 1 or 2; what is read
// is a request the coverage computation takes. A small request (one half hour on the
// 10° grid) is computed and written as JSON and CSV, with one row per cell.

#include "cli/CoverageRun.h"
#include "coverage/CoverageTexts.h"
#include "tests/fuzz/FuzzArguments.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

void CheckRead(const CoverageRun& run) {
    const CoverageRequest& r = run.request;
    FUZZ_CHECK(r.cellDeg >= 1 && r.cellDeg <= 10);
    FUZZ_CHECK(!r.halfHours.empty() && r.halfHours.size() <= 48);
    for (const int j : r.halfHours)
        FUZZ_CHECK(j >= 0 && j < 48);
    FUZZ_CHECK(r.band.freqMHz >= 3.0f && r.band.freqMHz <= 30.0f);
    FUZZ_CHECK(run.pngWidth >= 101 && run.pngWidth <= 8001);
    FUZZ_CHECK(run.format == "json" || run.format == "csv" || run.format == "png");
    FUZZ_CHECK(run.format != "png" || run.out);
    FUZZ_CHECK(std::isfinite(run.centre.lat) && std::isfinite(run.centre.lon));
    FUZZ_CHECK(r.station.Name.size() <= kNameCapacity);
}

void CheckComputed(const CoverageRun& run) {
    const CoverageMap map = ComputeCoverage(run.request);
    if (!map.ok)
        return;
    const std::size_t cells = static_cast<std::size_t>(map.grid.rows) * map.grid.cols;
    FUZZ_CHECK(map.values.size() == cells * map.halfHours.size());
    for (const CoverageValue& v : map.values) {
        FUZZ_CHECK(std::isfinite(v.mufMHz) && v.mufMHz >= 0.0f);
        FUZZ_CHECK(v.reliability >= 0.0f && v.reliability <= 1.0f);
    }
    const std::string csv = CoverageCsv(map);
    FUZZ_CHECK(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')) >=
               cells * map.halfHours.size() + 1);
    const std::string json = CoverageJson(map);
    FUZZ_CHECK(json.size() > 2 && json.front() == '{' && json.back() == '}');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words = ArgumentsOf(data, size);
    words.insert(words.end(), {"--data-dir", EmptyDataFolder()});
    CoverageRun run;
    if (const std::optional<ArgFailure> failure = ReadCoverageRun(words, run)) {
        FUZZ_CHECK(!failure->text.empty());
        FUZZ_CHECK(failure->status == 1 || failure->status == 2);
        return 0;
    }
    CheckRead(run);
    if (run.request.halfHours.size() == 1 && run.request.cellDeg == 10)
        CheckComputed(run);
    return 0;
}
