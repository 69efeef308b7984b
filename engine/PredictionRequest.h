#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Dates.h"
#include "core/HopMode.h"
#include "core/SolarPosition.h"
#include "core/Terminal.h"
#include "core/TimeZone.h"

// The two records of one prediction: what is predicted (PredictionRequest, filled
// by the prediction dialog, a batch row or the command line) and everything the
// engine computed (PredictionResult, read by the tables, graphs and reports).

/// Half-hour steps of the UTC day; step j is 0.5·j hours UTC.
constexpr int kHalfHours = 48;
/// The most frequencies a prediction carries.
constexpr int kMaxFrequencies = 10;
/// Progress steps of a whole run: 48 half hours for each of the two paths.
constexpr int kPredictionSteps = 2 * kHalfHours;
/// The signal level that marks "no propagation mode found" (dB).
constexpr float kNoModeSignal = -1.0e10f;

/// One frequency of the user's list with the two terms the signal computation
/// takes from the settings (DeriveSettings computes them).
struct FrequencyTerms {
    float FrequencyMHz = 0.0f;     ///< 3.0..30.0 MHz
    float FrequencyTermDb = 0.0f;  ///< 20·log10(f) minus the user's additive constant, dB
    float AbsorptionFactor = 0.0f; ///< 143/((f + 0.904)² + 10)
};

/// Everything one prediction run reads. The caller fills it after
/// ComputePathGeometry and MarkPolarPaths succeeded, ComputeSolarPosition ran for
/// the date and ConvertSolarIndex gave the solar numbers; the engine reads no
/// settings or other state of its own.
struct PredictionRequest {
    Terminal TerminalA;     ///< reals valid (radians, longitude west positive)
    Terminal TerminalB;     ///< reals valid
    PathGeometry ShortPath; ///< bearings, length D (radians), IsPolar
    PathGeometry LongPath;  ///< bearings, length 2π − short length, IsPolar
    DateValue Date = 0.0;   ///< prediction date; its month and day drive the models
    SolarPosition Sun;      ///< ComputeSolarPosition for Date and Zone
    TimeZoneState Zone;     ///< UtcOffset and TimeZoneLabel for the header's sun times
    float Ssn = 0.0f;       ///< sunspot number 0..360, from ConvertSolarIndex
    float Flux = 0.0f;      ///< 10.7 cm solar flux, from ConvertSolarIndex (header only)
    /// K index text as entered: "" or "-1" is the average K index (factor 1),
    /// "0".."9" a K index; anything else runs as the average. Shown in header line 3.
    std::string KIndexText;
    /// Minimum take-off angle, radians (0..45°): the settings' MinRadiationAngleRad.
    double MinElevationRad = 0.0;
    int FrequencyCount = 0; ///< 0..10 frequencies in use, in the list's order
    std::array<FrequencyTerms, kMaxFrequencies> Frequencies{};
};

/// The K index the models take from its text: −1 (the average) for "", "-1" or
/// any text that is not a K index 0..9.
int KIndexFromText(const std::string& kIndexText);

/// Per-half-hour, per-frequency-slot table of one path's results.
template <typename T> using SlotTable = std::array<std::array<T, kMaxFrequencies>, kHalfHours>;

/// The results of one path. A fresh record is all zero; a cell with no propagation
/// mode has Signal −1e10, Reliability 0, Hops 0, Elevation 0 and an all-zero Mode.
struct PathResult {
    PathGeometry Geometry;               ///< the path's bearings, length and polar flag
    SlotTable<float> Reliability{};      ///< probability 0..1 that the frequency is supported
    SlotTable<float> Signal{};           ///< dB above 0.5 µV of the best mode; −1e10: no mode
    SlotTable<HopLayers> Mode{};         ///< the best mode's hop layers (F = set bit)
    std::array<float, kHalfHours> Muf{}; ///< path MUF, MHz
    SlotTable<std::uint8_t> Hops{};      ///< hop count of the best mode
    SlotTable<std::uint8_t> Elevation{}; ///< take-off angle of the best mode, whole degrees
    ::HeaderLines HeaderLines{};         ///< three 101-character lines, built after the path ran
};

/// Everything a prediction computed: the short path first, then the long path.
struct PredictionResult {
    std::array<PathResult, 2> Paths{}; ///< index by PathKind (0 short, 1 long)
    float Ssn = 0.0f;                  ///< the solar numbers the run used
    float Flux = 0.0f;
    int FrequencyCount = 0;                            ///< slots 0..FrequencyCount−1 are filled
    std::array<float, kMaxFrequencies> FrequencyMHz{}; ///< the frequency of each slot
    int StepsDone = 0;                                 ///< progress reached, 0..96
    bool Completed = false;                            ///< false when the run was cancelled
};
