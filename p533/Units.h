#pragma once

#include <cmath>
#include <numbers>

// Constants and small helpers shared by the P.533 engine's files.

namespace p533 {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;
inline constexpr double kRad = std::numbers::pi / 180.0; ///< radians per degree
inline constexpr double kDeg = 180.0 / std::numbers::pi; ///< degrees per radian
inline constexpr double kEarthRadiusKm = 6371.009;

/// A point on the Earth in radians: latitude north positive, longitude east positive.
struct LatLon {
    double lat = 0.0;
    double lon = 0.0;
};

/// x reduced into [0, m) for m > 0.
inline double Wrap(double x, double m) {
    double r = std::fmod(x, m);
    if (r < 0.0)
        r += m;
    return r >= m ? 0.0 : r;
}

/// 10·log10 of a power sum of two levels in dB.
inline double PowerSumDb(double a, double b) {
    return 10.0 * std::log10(std::pow(10.0, a / 10.0) + std::pow(10.0, b / 10.0));
}

/// The standard normal quantile z(p) for 0 < p < 1 (inverse of Φ), to 1e-12.
double NormalQuantile(double p);

} // namespace p533
