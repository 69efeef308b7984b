#pragma once

#include "p533/CircuitPrediction.h"
#include "p533/MonthCoefficients.h"
#include "p533/Units.h"

#include <array>

// Radio noise at the receiver by Rec. ITU-R P.372-14: atmospheric noise from the
// monthly coefficients, galactic noise, man-made noise, and their total.

namespace p533 {

/// The atmospheric noise at 1 MHz at a receiver for the six 4-hour blocks of local
/// time, and the hemisphere's column of the frequency and decile tables.
struct AtmosphericSite {
    std::array<double, 6> oneMHz{};
    int hemisphereOffset = 0; ///< 0 north, 6 south
};
AtmosphericSite PrepareAtmosphericSite(const MonthCoefficients& month, LatLon receiver);

/// Fa,A with its decile deviations at `localTime` hours (0..24), interpolated in power
/// from the block of that time toward the next with weight (LT mod 4)/4.
NoiseSource AtmosphericNoise(const MonthCoefficients& month, const AtmosphericSite& site,
                             double localTime, double freqMHz);

/// Fa,G = 52 − 23 log f, deciles 2 dB.
NoiseSource GalacticNoise(double freqMHz);

/// Fa,M for the category, or 204 + level for a level in dBW.
NoiseSource ManMadeNoiseAt(const ManMadeNoise& noise, double freqMHz);

/// The total of P.372 §8 (log-normal sum) for reporting: the median (the lower of the
/// two decile sets' values) and the decile deviations.
NoiseSource TotalNoise(const NoiseSource& a, const NoiseSource& m, const NoiseSource& g);

} // namespace p533
