#pragma once

#include "p533/Units.h"

// The Sun as the method takes it (P.533 §3.3): on the 15th day of the month, from a
// simple orbit with an equation of time.

namespace p533 {

/// The Sun at `tHours` UTC on the 15th of `month` (1..12).
struct SunState {
    double declination = 0.0; ///< radians
    double eotMinutes = 0.0;  ///< equation of time
};
SunState SunAt(int month, double tHours);

/// The Sun seen from a point at an instant.
struct SunAtPoint {
    double zenith = 0.0;       ///< radians, 0..π
    double hourAngleDeg = 0.0; ///< (60t + 4λ° + EoT)/4 − 180, not reduced
    double halfDayDeg = 0.0;   ///< sunrise hour angle ωs, 0 (polar night)..180 (polar day)
    double riseUtc = 0.0;      ///< sunrise, local noon and sunset, hours UTC 0..24
    double noonUtc = 0.0;
    double setUtc = 0.0;
};
/// With `withTimes` false the sunrise, noon and sunset are left 0.
SunAtPoint SunSeenFrom(const SunState& sun, LatLon p, double tHours, bool withTimes = true);

/// The zenith angle at the point's local solar noon, t = (720 − 4λ° − EoT)/60 with the
/// equation of time `eotMinutes` of the instant: |φ − δ(t)|.
double NoonZenith(int month, LatLon p, double eotMinutes);

/// Whether the Sun is above the horizon at the point (by hour angle: |ω| < ωs).
bool IsDaylight(const SunAtPoint& sun);

} // namespace p533
