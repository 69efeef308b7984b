#pragma once

#include "p533/CircuitModel.h"
#include "p533/Muf.h"

#include <vector>

// The field strength of each mode of paths up to 9,000 km (P.533 §5.2).

namespace p533 {

/// What a mode is at an instant whatever the frequency.
struct ModeSetup {
    char layer = 'F';
    int hops = 0;
    double hopKm = 0.0;
    double muf50 = 0.0;
    DecileFactors deciles;
    double opFactor = 1.0;    ///< OPMUF / MUF50
    bool mayPropagate = true; ///< false for a lowest-order F2 mode whose hop exceeds dmax
    double rayHeightKm = 0.0;
    double elevation = 0.0; ///< radians
    double i110 = 0.0;
    double slantKm = 0.0;
    double gyroL = 0.0; ///< fL of the absorption: mean |fH sin I| at 100 km
    double auroralDb = 0.0;
    std::vector<double> absorptionWeight; ///< ATnoon·F(χ)/F(χnoon) of each 90-km crossing
    std::vector<double> absorptionFoE;
};

/// The ray of a mode reflected at mode.rayHeightKm: elevation, i110, slant range and the
/// absorption terms of its 2n crossings of 90 km at the instant.
void PrepareModeRay(const CircuitModel& model, const Instant& instant, ModeSetup& mode);

/// The mode at freqMHz: its MUFs, probability, losses, field and (up to 7,000 km) power.
/// Screening is left to the caller.
ModeResult EvaluateMode(const CircuitModel& model, const ModeSetup& mode, double freqMHz,
                        const AntennaView& tx, const AntennaView& rx);

} // namespace p533
