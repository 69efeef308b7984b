#pragma once

#include "cli/P533Predict.h"
#include "cli/SettingOverrides.h"
#include "coverage/Coverage.h"
#include "coverage/CoverageRender.h"
#include "coverage/CoverageTexts.h"
#include "maps/GeoPoint.h"

#include <optional>
#include <string>
#include <vector>

/// Everything "hopscope-cli coverage" needs once its arguments are read.
struct CoverageRun {
    CoverageRequest request;
    std::string format = "json"; ///< json, csv or png
    std::optional<std::string> out;
    int pngWidth = 1441; ///< 101..8001
    bool greatCircle = false;
    CoverageShow show = CoverageShow::Reliability;
    GeoPoint centre;                   ///< the map's centre: the default terminal, else the station
    P533Station station;               ///< --engine p533: the station options and their names
    std::vector<CoverageField> fields; ///< of JSON and CSV: --fields, or all of the engine's
};

/// Reads the arguments of "hopscope-cli coverage" (after its name) and the data folder's
/// settings and atlas, without writing anything, into `run`: the request checked as the
/// coverage window checks it. The refusal otherwise, with the usage text after a usage
/// error (status 2).
std::optional<ArgFailure> ReadCoverageRun(const std::vector<std::string>& argList,
                                          CoverageRun& run);
