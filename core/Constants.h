#pragma once

#include <numbers>

/// Degrees per radian, 180/π.
constexpr double kDegPerRad = 180.0 / std::numbers::pi;
/// Radians per degree, π/180.
constexpr double kRadPerDeg = std::numbers::pi / 180.0;
constexpr double kPi = std::numbers::pi;
constexpr double kHalfPi = std::numbers::pi / 2.0;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

/// Kilometres per radian for all propagation geometry: 10 000 km per 90° of arc.
constexpr double EarthRadiusKm = 20000.0 / std::numbers::pi;
/// Kilometres per radian for displayed path lengths (the mean radius).
constexpr double DisplayRadiusKm = 6371.229315;
/// Statute miles per radian for displayed path lengths.
constexpr double DisplayRadiusMi = 3958.8987;
/// Nautical miles per radian for displayed path lengths: the mean radius in nautical
/// miles, the one conversion of Path Information, the map titles and the command line.
constexpr double DisplayRadiusNmi = 3440.19;

/// A latitude beyond ±89.997° counts as a pole (radians).
constexpr double kPoleLimitRad = 89.997 * kRadPerDeg;

/// Reference points of the polar-path test, degrees (longitude west positive), and
/// the radius around them, degrees.
constexpr double kNorthPolarPointLatDeg = 83.03;
constexpr double kNorthPolarPointLonDeg = 93.3;
constexpr double kSouthPolarPointLatDeg = -75.34;
constexpr double kSouthPolarPointLonDeg = -118.66;
constexpr double kPolarRadiusDeg = 25.5;
