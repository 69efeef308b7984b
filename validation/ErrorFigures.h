#pragma once

#include "validation/MeasuredHours.h"
#include "validation/PredictedHours.h"

#include <string>
#include <vector>

// The error of a prediction against the measured field strength (predicted − measured,
// dB) summed up over all hours and over groups of hours.

/// The figures of a set of errors. With no errors the count is 0 and the rest 0.
struct ErrorSummary {
    int count = 0;
    double meanDb = 0.0;
    double medianDb = 0.0; ///< the middle value; the mean of the two middle ones for an even count
    double sdDb = 0.0;     ///< standard deviation about the mean (divided by the count)
    double rmsDb = 0.0;    ///< root mean square: rms² = mean² + sd²
    double within10Percent = 0.0; ///< share of |error| ≤ 10 dB, %
};

/// The figures of `errorsDb` (any order).
ErrorSummary SummarizeErrors(std::vector<double> errorsDb);

/// One hour as the groupings see it.
struct ComparedHour {
    double errorDb = 0.0; ///< predicted − measured
    double distanceKm = 0.0;
    double freqMHz = 0.0;
    double ssn = 0.0;
    bool daylight = false; ///< the Sun is up at the path's midpoint
    bool aboveMuf = false; ///< the frequency is at or above the engine's own MUF
};

/// One group of a grouping: the hours whose value lies in [low, high).
struct GroupBin {
    std::string label;
    double low = 0.0;
    double high = 0.0;
};

/// A way to split the hours: the value each hour is grouped by and the groups.
struct Grouping {
    std::string name; ///< "distance", "frequency", "sunspot", "midpoint", "muf"
    double (*value)(const ComparedHour&) = nullptr;
    std::vector<GroupBin> bins;
};

/// The groupings, in report order: distance (< 2,000, 2,000–7,000, 7,000–9,000,
/// ≥ 9,000 km), frequency (2.5–5, 5–10, 10–15, 15–30 MHz), sunspot number (< 50,
/// ≥ 50), day or night at the path's midpoint, below or at and above the engine's MUF.
const std::vector<Grouping>& Groupings();

/// The figures of one group.
struct GroupFigures {
    std::string grouping; ///< Grouping::name
    std::string group;    ///< GroupBin::label
    ErrorSummary summary;
};

/// Everything reported for one engine.
struct EngineFigures {
    std::string engine; ///< "classic", "P.533"
    ErrorSummary overall;
    std::vector<GroupFigures> groups; ///< every bin of every grouping, in order
    /// The hours compared, for the pictures: predicted and measured field strength.
    std::vector<double> predictedDbu;
    std::vector<double> measuredDbu;
    std::vector<ComparedHour> hours;
};

/// The figures of one engine over the hours `common` (indices into `measured`, each
/// with a field in `predicted`).
EngineFigures FiguresOf(const std::string& engine, const std::vector<MeasuredHour>& measured,
                        const std::vector<PredictedHour>& predicted,
                        const std::vector<bool>& daylight, const std::vector<std::size_t>& common);

/// The indices of the hours that every engine of `predictions` predicted a field for.
std::vector<std::size_t> CommonHours(const std::vector<std::vector<PredictedHour>>& predictions);
