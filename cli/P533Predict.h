#pragma once

#include "cli/ArgList.h"
#include "cli/SettingOverrides.h"
#include "core/Terminal.h"
#include "p533/CircuitPrediction.h"
#include "report/PredictionSetup.h"
#include "settings/Settings.h"

#include <optional>
#include <string>

// "hopscope-cli predict --engine p533": one circuit by Recommendation ITU-R P.533 for
// the 24 hours of a month.

/// The station options of the P.533 engine as given (predict, coverage and planner
/// take the same).
struct P533StationArgs {
    std::optional<std::string> bandwidth, noise, minAngle, power, txGain, rxGain, txAntenna,
        rxAntenna, snr, reliability, mode;
    bool reference = false;
};

/// Takes --bandwidth, --noise, --min-angle, --power, --tx-gain, --rx-gain, --tx-antenna,
/// --rx-antenna, --snr-required, --reliability-required, --mode and
/// --reference-compatible out of `args`.
P533StationArgs TakeP533StationArgs(ArgList& args);

/// The station's part of a P.533 request and the names its output gives them.
struct P533Station {
    p533::CircuitRequest request;
    double powerW = 100.0;
    std::string noiseName;                    ///< "residential", or "-150 dBW"
    std::string txAntennaName, rxAntennaName; ///< "0.0 dBi" or the pattern file
    bool modeBandwidth = false;               ///< the bandwidth is --mode's preset
};

/// Checks the numbers of the station options and fills them in (before any file is
/// read): power, the mode's preset bandwidth and required S/N (--mode, which
/// --bandwidth and --snr-required override), required S/N and reliability, minimum
/// elevation, constant gains.
std::optional<ArgFailure> ReadP533StationNumbers(const P533StationArgs& args, P533Station& station);

/// The rest, after the settings were read: the noise (else the settings' environment),
/// the bandwidth (else the settings' noise bandwidth) and the antenna pattern files.
std::optional<ArgFailure> ReadP533StationFiles(const P533StationArgs& args,
                                               const Settings& settings, P533Station& station);

/// R12 for the P.533 maps from the inputs' solar index at their date; the refusal
/// names --solar.
std::optional<ArgFailure> ReadP533SunspotNumber(const PredictionInputs& inputs, double& r12);

/// What the command computes and what its output names.
struct P533Run : P533Station {
    std::string format = "text";
    Terminal terminalA, terminalB; ///< reals valid
    std::string solarText;         ///< the index the R12 came from ("S80.0", "F150.0")
    bool solarFetched = false;     ///< --solar auto
    int year = 0;                  ///< of the date the month came from
};

/// Takes the command's options out of `args` (the terminals, --date or --month,
/// --solar, --path short|long, the time zone, --data-dir, --freqs, --bandwidth, --noise,
/// --min-angle, --power, --tx-gain, --rx-gain, --tx-antenna, --rx-antenna,
/// --snr-required, --reliability-required, --reference-compatible and --format), reads
/// the settings, the atlas and the antenna files, and fills `run`.
std::optional<ArgFailure> ReadP533Run(ArgList& args, P533Run& run);

/// The whole command after "--engine p533" was taken out; `usage` is predict's usage.
int RunP533Predict(ArgList& args, const char* usage);
