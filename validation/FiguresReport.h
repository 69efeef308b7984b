#pragma once

#include "validation/ErrorFigures.h"

#include <string>
#include <string_view>
#include <vector>

// The figures of a validation run as a text table, CSV and JSON, and the check of a
// run's figures against the committed ones.

/// What a run compared.
struct ValidationRun {
    std::string dataName;               ///< the measured table's file name
    int every = 1;                      ///< every how many circuits were taken
    int measuredHours = 0;              ///< hours of the circuits taken
    std::string p533Options;            ///< "recommendation" or "reference"
    std::vector<int> predicted;         ///< per engine: hours it predicted a field for
    std::vector<EngineFigures> engines; ///< over the hours every engine predicted
};

/// The run as text: a heading, then per engine a table of every group (hours, mean,
/// median, standard deviation, rms, % within ±10 dB), one decimal.
std::string FiguresText(const ValidationRun& run);

/// One line per engine and group: engine, grouping, group, hours, mean_db, median_db,
/// sd_db, rms_db, within_10db_percent (two decimals); the whole set of an engine first
/// as grouping "all", group "all". CR LF line ends.
std::string FiguresCsv(const ValidationRun& run);

/// {"data", "every", "measured_hours", "p533_options", "engines": [{"engine",
/// "predicted_hours", "overall": {...}, "groups": [{"grouping", "group", ...}]}]}.
std::string FiguresJson(const ValidationRun& run);

/// Every measured hour with each engine's prediction: circuit, tx, rx, freq_mhz,
/// dist_km, long_path, year, month, ssn, hour_utc, daylight (0 or 1), measured_dbuv_m,
/// then per engine NAME_dbuv_m (empty: no mode) and NAME_muf_mhz. CR LF line ends.
std::string PredictedHoursCsv(const std::vector<MeasuredHour>& hours,
                              const std::vector<std::string>& engines,
                              const std::vector<std::vector<PredictedHour>>& predictions,
                              const std::vector<bool>& daylight);

/// The outcome of checking a run against the committed figures.
struct FiguresCheck {
    bool ok = true;
    std::vector<std::string> lines; ///< what failed and what improved, one line each
};

/// How much worse than the committed figures a run may come out, dB.
inline constexpr double kWorseToleranceDb = 0.2;
/// The limits the P.533 engine must keep on its own, dB.
inline constexpr double kP533RmsLimitDb = 10.5;
inline constexpr double kP533MeanLimitDb = 2.0;

/// Checks the run against `committedCsv` (a FiguresCsv text, named `fileName` in the
/// messages): it fails when the P.533 engine's rms error exceeds kP533RmsLimitDb or
/// its mean leaves ±kP533MeanLimitDb, when an engine of the committed figures is
/// missing, or when an engine's rms, |mean| or standard deviation grew by more than
/// kWorseToleranceDb or it predicted fewer hours. Figures better by more than the
/// tolerance are named too (the committed figures want updating) but pass.
FiguresCheck CheckFigures(const ValidationRun& run, std::string_view committedCsv,
                          std::string_view fileName);
