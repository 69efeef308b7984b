#pragma once

#include "p533/CircuitPrediction.h"
#include "validation/MeasuredHours.h"

#include <optional>
#include <vector>

// Both engines' predictions of the measured hours, as field strengths for 1 kW e.i.r.p.

/// One engine's prediction of one measured hour.
struct PredictedHour {
    std::optional<double> fieldDbu; ///< dB(1 µV/m) for 1 kW e.i.r.p.; none: no mode
    double mufMHz = 0.0;            ///< the engine's own path MUF at that hour
};

/// dB to add to the classic engine's signal level S (dB above 0.5 µV at its receiver,
/// for its built-in station) and 20·log10(f/MHz) to give the field strength in
/// dB(1 µV/m) for 1 kW e.i.r.p.: E = S + 20·log10 f − 36.11 (docs/validation.md
/// derives it from the engine's loss budget).
inline constexpr double kClassicSignalToFieldDb = -36.109;

/// The classic engine's prediction of every hour, in order: each circuit-month runs as
/// one request on the 15th of the month (UTC, the table's sunspot number, the average
/// K index, the factory minimum take-off angle of 1.5°) over the short or the long
/// path, its single frequency with additive constant 0; hour h is half hour 2h mod 48.
/// The field is the signal converted with kClassicSignalToFieldDb.
std::vector<PredictedHour> PredictClassic(const std::vector<MeasuredHour>& hours);

/// The P.533 engine's prediction of every hour, in order: each circuit-month runs as
/// one request (hours h UTC, R12 = the table's sunspot number, 1 kW, isotropic
/// antennas, the request's other defaults) with `options`; the field is the path's
/// field strength E and the MUF the basic MUF.
std::vector<PredictedHour> PredictP533(const p533::PredictionData& data,
                                       const std::vector<MeasuredHour>& hours,
                                       const p533::Options& options);

/// Whether the Sun is above the horizon at the midpoint of each hour's path (the long
/// path's midpoint for a long path) at h:00 UTC on the 15th of the month.
std::vector<bool> MidpointInDaylight(const std::vector<MeasuredHour>& hours);

/// The hours of each circuit-month (same circuit, ends, path, frequency, year, month
/// and sunspot number), as indices into `hours` in table order; the months in the
/// order of their first hour.
std::vector<std::vector<std::size_t>> CircuitMonths(const std::vector<MeasuredHour>& hours);
