#pragma once

#include <array>
#include <cmath>

#include "core/Constants.h"
#include "core/SolarPosition.h"

// Quick, slightly inexact stand-ins for the library's arccos and for the Sun's
// hour angle, for the estimates that let the mode search skip work whose outcome
// is already clear. Never use them for a value that ends up in a result.

/// arccos x (radians) to within 3e-8 for x in −1..1 (values outside are clamped):
/// Hastings' approximation √(1 − x)·(a0 + a1·x + … + a7·x⁷) on 0..1, and
/// π − arccos(−x) below 0.
inline double QuickArcCos(double x) {
    const bool negative = x < 0.0;
    const double a = negative ? (x < -1.0 ? 1.0 : -x) : (x > 1.0 ? 1.0 : x);
    const double poly =
        1.5707963050 +
        a * (-0.2145988016 +
             a * (0.0889789874 +
                  a * (-0.0501743046 +
                       a * (0.0308918810 +
                            a * (-0.0170881256 + a * (0.0066700901 + a * -0.0012624911))))));
    const double r = std::sqrt(1.0 - a) * poly;
    return negative ? kPi - r : r;
}

/// cos and sin of the Sun's Greenwich hour angle (15·t + HourAngleOffset)° at
/// each half hour t = 0.5·j (index j) and 0.05 h earlier (index 48 + j), made
/// once per run so that the estimates turn the hour angle at a place into a few
/// multiplications (cos(A − L) = cos A·cos L + sin A·sin L).
struct SunHourAngles {
    static constexpr int kEarlier = 48;
    std::array<double, 2 * kEarlier> cos{};
    std::array<double, 2 * kEarlier> sin{};
};

inline SunHourAngles MakeSunHourAngles(const SolarPosition& sun) {
    SunHourAngles angles;
    for (int j = 0; j < SunHourAngles::kEarlier; ++j) {
        const double t = 0.5 * j;
        for (const int i : {j, SunHourAngles::kEarlier + j}) {
            const double tPrime = i == j ? t : t - 0.05;
            const double a = (15.0 * tPrime + sun.HourAngleOffset) * kRadPerDeg;
            angles.cos[i] = std::cos(a);
            angles.sin[i] = std::sin(a);
        }
    }
    return angles;
}
