#pragma once

#include "cli/P533Predict.h"
#include "cli/SettingOverrides.h"
#include "core/Terminal.h"
#include "planner/Planner.h"

#include <string>
#include <vector>

/// Everything "hopscope-cli planner" needs once its arguments are read.
struct PlannerRun {
    PlannerSetup setup;
    std::vector<Terminal> places; ///< the --to places, or every atlas place
    std::string format = "text";  ///< text, csv or json
    std::string title;            ///< the text output's first line
    P533Station station;          ///< --engine p533: the station options and their names
};

/// Reads the arguments of "hopscope-cli planner" (after its name) and the data folder's
/// settings and atlas, without writing anything, into `run`. The refusal otherwise, with
/// the usage text after a usage error (status 2).
std::optional<ArgFailure> ReadPlannerRun(const std::vector<std::string>& argList, PlannerRun& run);
