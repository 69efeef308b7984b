#pragma once

#include <cmath>

#include "core/Constants.h"

// Quick, slightly inexact stand-ins for the library's cos and arccos, for the
// estimates that let the mode search skip work whose outcome is already clear.
// Never use them for a value that ends up in a result.

/// cos x to within about 3e-7 for any |x| up to 1e6: x reduced to ±π in double
/// precision, then the single-precision cosine.
inline double QuickCos(double x) {
    const double turns = x * (1.0 / kTwoPi);
    const double whole = static_cast<double>(static_cast<long long>(turns + (turns >= 0.0 ? 0.5 : -0.5)));
    return std::cos(static_cast<float>(x - kTwoPi * whole));
}

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
