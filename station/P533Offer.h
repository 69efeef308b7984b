#pragma once

#include "station/StationCircuit.h"

#include <filesystem>
#include <memory>
#include <string>

// The P.533 engine as the windows offer it beside the classic one: the method's data,
// read once in a run of the program and shared, and the station's part of every
// circuit from the station settings.

/// The method's data (LoadP533Data), read at the first call and shared by every later
/// one and every thread; null with the reason in `error` when it cannot be read (the
/// next call tries again).
std::shared_ptr<const p533::PredictionData> SharedP533Data(std::string& error);

/// The P.533 engine ready to run for the station, or why not.
struct P533Offer {
    EngineChoice choice; ///< engine P533; data null when the engine cannot run
    /// Why the engine cannot run (no data), or what it runs without (a pattern file that
    /// did not read leaves that antenna isotropic); empty when all is well.
    std::string problem;
};

/// The offer for `station` (pattern files relative to `dataDir`) with the classic
/// settings' minimum elevation `minElevationDeg` (clamped to 0..30°).
P533Offer OfferP533(const StationSettings& station, const std::filesystem::path& dataDir,
                    double minElevationDeg);
