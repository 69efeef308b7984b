#pragma once

#include "p533/Units.h"

#include <array>

// The Earth's magnetic field by the degree-6 model of Rec. ITU-R P.1239 §2.

namespace p533 {

/// The model's coefficients: g and h (gauss) and the recursion constants K, indexed
/// [n][m] for n = 1..6, m = 0..n.
struct MagneticModel {
    std::array<std::array<double, 7>, 7> g{};
    std::array<std::array<double, 7>, 7> h{};
    std::array<std::array<double, 7>, 7> k{};
};

/// Dip and gyrofrequency at a height.
struct MagneticField {
    double dip = 0.0;     ///< radians, positive downward (north)
    double gyroMHz = 0.0; ///< electron gyrofrequency fH
};

/// The field at `p` (geographic latitude taken as geocentric) and `heightKm` above the
/// ground. Finite at the poles.
MagneticField FieldAt(const MagneticModel& model, LatLon p, double heightKm);

/// Modified dip (modip) μ = atan(I / sqrt(cos φ)), radians.
double Modip(double dip, double lat);

} // namespace p533
