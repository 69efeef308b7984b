#pragma once

#include "cli/ArgList.h"
#include "cli/SettingOverrides.h"
#include "core/Terminal.h"
#include "p533/CircuitPrediction.h"

#include <optional>
#include <string>

// "hopscope-cli predict --engine p533": one circuit by Recommendation ITU-R P.533 for
// the 24 hours of a month.

/// What the command computes and what its output names.
struct P533Run {
    p533::CircuitRequest request;
    std::string format = "text";
    Terminal terminalA, terminalB; ///< reals valid
    std::string solarText;         ///< the index the R12 came from ("S80.0", "F150.0")
    bool solarFetched = false;     ///< --solar auto
    int year = 0;                  ///< of the date the month came from
    double powerW = 100.0;
    std::string noiseName;                    ///< "residential", or "-150 dBW"
    std::string txAntennaName, rxAntennaName; ///< "0.0 dBi" or the pattern file
};

/// Takes the command's options out of `args` (the terminals, --date or --month,
/// --solar, --path short|long, the time zone, --data-dir, --freqs, --bandwidth, --noise,
/// --min-angle, --power, --tx-gain, --rx-gain, --tx-antenna, --rx-antenna,
/// --snr-required, --reliability-required, --reference-compatible and --format), reads
/// the settings, the atlas and the antenna files, and fills `run`.
std::optional<ArgFailure> ReadP533Run(ArgList& args, P533Run& run);

/// The whole command after "--engine p533" was taken out; `usage` is predict's usage.
int RunP533Predict(ArgList& args, const char* usage);
