// hopscope-cli planner's arguments: the input is split at zero bytes into arguments
// and read as the command reads them, against an empty data folder (factory settings,
// built-in atlas). What is refused has a message and a status of 1 or 2; what is read
// is a setup the planner takes. A small run (at most two places) is computed and
// written as text, CSV and JSON, with every reliability between 0 and 1.

#include "cli/PlannerRun.h"
#include "planner/PlannerExport.h"
#include "tests/fuzz/FuzzArguments.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

void CheckComputed(const PlannerRun& run) {
    const PlannerResult result = ComputePlannerRows(run.setup, run.places);
    FUZZ_CHECK(result.rows.size() + result.skipped.size() >= run.places.size());
    for (const PlannerRow& row : result.rows) {
        FUZZ_CHECK(row.bearingDeg >= 0.0 && row.bearingDeg <= 360.0);
        FUZZ_CHECK(std::isfinite(row.distanceKm) && row.distanceKm >= 0.0);
        FUZZ_CHECK(row.bands.size() == static_cast<std::size_t>(run.setup.settings.FrequencyCount));
        for (const PlannerBand& band : row.bands)
            for (const float r : band.reliability)
                FUZZ_CHECK(r >= 0.0f && r <= 1.0f);
    }
    FUZZ_CHECK(!PlannerText(result, run.title, run.setup.inputs.zone).empty());
    PlannerCsv(result);
    PlannerJson(result, run.setup.settings);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words = ArgumentsOf(data, size);
    words.insert(words.end(), {"--data-dir", EmptyDataFolder()});
    PlannerRun run;
    if (const std::optional<ArgFailure> failure = ReadPlannerRun(words, run)) {
        FUZZ_CHECK(!failure->text.empty());
        FUZZ_CHECK(failure->status == 1 || failure->status == 2);
        return 0;
    }
    FUZZ_CHECK(run.format == "text" || run.format == "csv" || run.format == "json");
    FUZZ_CHECK(run.setup.threshold >= 0.0f && run.setup.threshold <= 1.0f);
    FUZZ_CHECK(!run.places.empty());
    FUZZ_CHECK(!run.title.empty());
    if (run.places.size() <= 2)
        CheckComputed(run);
    return 0;
}
