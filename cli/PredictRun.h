#pragma once

#include "atlas/Atlas.h"
#include "cli/ArgList.h"
#include "core/Dates.h"
#include "core/Terminal.h"
#include "graphs/HopsList.h"
#include "report/PredictionSetup.h"
#include "settings/Settings.h"

#include <optional>
#include <string>
#include <vector>

// The options of a prediction on the command line, shared by the commands that run
// one ("predict" and "graph").

/// Everything a prediction command needs once its arguments are read.
struct PredictRun {
    Settings settings;
    PredictionInputs inputs;
    std::vector<PathKind> kinds;
    std::string format = "text";
    HopsGrouping grouping = HopsGrouping::ByTime;
    DateConventions dates;
    Atlas atlas; ///< the atlas read (the atlas file, or the built-in places)
};

/// A refusal: the text for standard error, the exit status, and whether the command's
/// usage text follows it.
struct PredictFailure {
    std::string text;
    int status = 1;
    bool usage = false;
};

/// Takes the prediction's options out of `args` (the terminals, --date, --solar, --k,
/// --path, the time zone, the setting overrides, --date-order, --data-dir, and with
/// `formats` also --format and --group), reads the settings and the atlas of the data
/// directory without changing them and fills `run`. Any argument left over is refused,
/// so the caller takes its own options out first. With `stationOnly` there is no
/// terminal B (its options are refused) and inputs.terminalB is terminal A.
std::optional<PredictFailure> ReadPredictRun(ArgList& args, PredictRun& run, bool formats,
                                             bool stationOnly = false);
