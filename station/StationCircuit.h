#pragma once

#include "core/Dates.h"
#include "core/TimeZone.h"
#include "p533/CircuitPrediction.h"
#include "settings/StationSettings.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// What the coverage map and the planner need to run on either engine: the engine, and
// for P.533 its data and the station's part of every circuit (power, antennas, noise,
// bandwidth, required S/N and reliability, minimum elevation). Each place then fills in
// its own ends, month, hours, sunspot number and frequencies.

/// The engine a map or the planner runs with, and for P.533 what it needs.
struct EngineChoice {
    PredictionEngine engine = PredictionEngine::Classic;
    /// P.533 only: the method's data, read once (LoadP533Data) and shared.
    std::shared_ptr<const p533::PredictionData> data;
    /// P.533 only: the station's part of every request. Its transmitter, receiver,
    /// month, hours, r12, frequencies and longPath are replaced for each place.
    p533::CircuitRequest station;

    bool IsP533() const { return engine == PredictionEngine::P533; }
};

/// The station part of a P.533 request, or the reason it could not be made.
struct StationCircuit {
    p533::CircuitRequest request;
    std::string error; ///< names the pattern file and the reason
};

/// The request's station part from the station settings: power in dB(1 kW), antennas
/// (pattern files read, a relative name in `dataDir`), man-made noise (category or
/// level), the mode's bandwidth and required S/N, the required reliability, and
/// `minElevationDeg` (0..30, from the classic settings' minimum angle).
StationCircuit MakeStationCircuit(const StationSettings& settings,
                                  const std::filesystem::path& dataDir, double minElevationDeg);

/// The P.533 noise category of a station noise environment (Level gives Residential:
/// the level replaces it).
p533::NoiseCategory NoiseCategoryOf(StationNoise noise);

/// The method's data read, or the reason (naming the folder or file).
struct P533DataRead {
    std::shared_ptr<const p533::PredictionData> data;
    std::string error;
};

/// Reads the data from the program's copy (p533::FindDataFolder), or says that it is
/// not installed.
P533DataRead LoadP533Data();

/// The 12-month smoothed sunspot number the P.533 maps take (0..311, the original
/// scale) from a solar index text ("S80", "F150") at `date` in `zone`: a sunspot
/// number as it is, a flux converted by the classic engine's rule. The message says
/// why not (unreadable, or above 311).
struct SunspotNumberRead {
    double r12 = 0.0;
    std::string error;       ///< "" when read
    bool unreadable = false; ///< the text is no solar index (else: out of the maps' range)
};
SunspotNumberRead P533SunspotNumber(std::string_view solarIndexText, DateValue date,
                                    const TimeZoneState& zone);

/// The P.533 hour of a UTC half hour 0..47: 0.5·j hours, midnight (0) as 24.
double P533HourOfHalfHour(int halfHour);
