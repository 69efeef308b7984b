#pragma once

#include "p533/CircuitPrediction.h"

// The distribution of the signal-to-noise ratio and the basic circuit reliability
// (P.533 §7, §8 and §10.1; P.842 Tables 1 and 2).

namespace p533 {

/// The day-to-day decile deviations of the signal (P.842 Table 2) for f / fB and
/// whether the path reaches geomagnetic latitudes of 60° and more.
struct SignalDeciles {
    double upper = 0.0;
    double lower = 0.0;
};
SignalDeciles SignalDayToDay(double freqRatio, bool highLatitude);

/// The S/N deviations Du,SN and Dl,SN from the signal's deviations (day to day and the
/// hour-to-hour 5 and 8 dB) and the three noise sources.
SignalDeciles SnrDeviations(const SignalDeciles& signal, const NoiseSource& atmospheric,
                            const NoiseSource& manMade, const NoiseSource& galactic);

/// The S/N exceeded on `percent` (1..99) of the days: the normal distribution scaled so
/// that its 10 % and 90 % points are the deciles.
double SnrExceeded(double snr, const SignalDeciles& deviation, double percent);

/// The basic circuit reliability, % (0..100), of a required S/N.
double CircuitReliability(double snr, double requiredSnr, const SignalDeciles& deviation);

} // namespace p533
