#pragma once

#include <array>

#include "core/SolarPosition.h"
#include "engine/QuickMath.h"

// Losses along a propagation mode: D-layer absorption at the points where the ray
// crosses 100 km, its winter anomaly, and the loss of a reflection from the ground
// (Fresnel coefficients of sea, land, or Antarctic ice). Double arithmetic.
// Latitudes north positive, longitudes WEST positive, angles in radians unless
// the name says degrees.

/// Winter anomaly of the absorption by month number mod 12 (index 0 = December).
extern const std::array<float, 12> WinterAnomalyTable;

/// Constants of the absorption model, computed once.
struct AbsorptionConstants {
    /// cos of the solar zenith angle at which the Sun sets at 100 km height:
    /// −√((2·Re + 100)·100)/(Re + 100).
    double DarkLimitCosine = 0.0;
    /// (π/2)/arccos(DarkLimitCosine): stretches zenith angles so that the
    /// 100 km sunset maps onto 90°.
    double ZenithScale = 0.0;
};

/// The process-wide absorption constants (immutable after their first construction).
const AbsorptionConstants& AbsorptionConstantsTable();

/// Winter anomaly multiplier (≥ 1) of the absorption at latitude latRad for a day
/// of the month: 1 within 30° of the equator; otherwise the anomaly table
/// interpolated between months (shifted six months south of the equator),
/// weighted by a tent peaking at 60° of latitude.
double WinterFactor(int month, int day, double latRad);

/// D-layer absorption in dB before the frequency factor, for one crossing of the
/// 100 km level at (latRad, lonWestRad) at half-hour j (UTC 0.5·j hours):
/// max(0.01, a)·(1 + 0.0087·|φ°|)·secant, where a is 0.01 when the Sun is down at
/// 100 km or the noon zenith angle reaches 90°, and otherwise
/// WinterFactor·(1 + 0.005·Ssn)·(cos m)^p·cos(k·χ)/cos(k·m).
double AbsorptionBase(int j, int month, int day, double latRad, double lonWestRad, float ssn,
                      double secant, const SolarPosition& sun);

/// The parts of AbsorptionBase at one crossing point that stay the same all day.
struct AbsorptionPoint {
    double lonWestRad = 0.0;
    double sinTerm = 0.0;        ///< sin φ·sin δ
    double cosTerm = 0.0;        ///< cos φ·cos δ
    bool sunReaches = false;     ///< the noon zenith angle m is below 90°
    double dayFactor = 0.0;      ///< WinterFactor·(1 + 0.005·Ssn)·(cos m)^p
    double cosScaledNoon = 1.0;  ///< cos(k·m)
    double latitudeFactor = 0.0; ///< 1 + 0.0087·|φ°|
    double secant = 1.0;
    /// The most AbsorptionAt can give here over the day (the Sun at its noon
    /// height): max(0.01, dayFactor/cos(k·m))·latitudeFactor·secant.
    double ceiling = 0.0;
    double cosLon = 1.0; ///< cos and sin of the longitude, for AbsorptionEstimate
    double sinLon = 0.0;
};

/// The day-long parts of AbsorptionBase at a point.
AbsorptionPoint PrepareAbsorption(int month, int day, double latRad, double lonWestRad, float ssn,
                                  double secant, const SolarPosition& sun);

/// AbsorptionBase at half-hour j from the prepared point: the same value.
double AbsorptionAt(const AbsorptionPoint& point, int j, const SolarPosition& sun);

/// How closely AbsorptionEstimate follows AbsorptionAt: their difference stays
/// below this fraction of AbsorptionPoint::ceiling (the estimate's own error is
/// below 1e-6 of it).
constexpr double kAbsorptionEstimateTolerance = 1e-3;

/// A quick estimate of AbsorptionAt at half hour j, for deciding that a mode is
/// too weak to matter.
double AbsorptionEstimate(const AbsorptionPoint& point, int j, const SunHourAngles& angles);

/// Absorption (dB) at one crossing for a frequency whose absorption factor is
/// 143/((f + 0.904)² + 10): AbsorptionBase · absorptionFactor.
double Absorption(int j, int month, int day, double latRad, double lonWestRad, float ssn,
                  double secant, float absorptionFactor, const SolarPosition& sun);

/// What reflects a ray at a point on the ground.
enum class GroundKind { Sea = 0, Land = 1, PolarLand = 2 };

/// The ground at a point: the land/sea mask at the nearest whole degrees, land
/// south of 60° S counting as polar. Any longitude (reduced modulo 360°); latitudes
/// beyond ±90° are clamped.
GroundKind GroundKindAt(double lonWestDeg, double latDeg);

/// Reflection loss (dB, ≥ 0) of one ground reflection on that ground at grazing
/// angle psiDeg (degrees) for freqMHz > 0: −10·log10((|Rv|² + |Rh|²)/2) with the
/// Fresnel coefficients of the complex permittivity εr − i·18000·σ/f (sea εr 80,
/// σ 5 S/m; land 6.3, 0.0032; polar land 1, 0.0001).
double GroundLossFor(GroundKind kind, double psiDeg, double freqMHz);

/// Reflection loss (dB) of one ground reflection at grazing angle psiDeg at the
/// point (latDeg, lonWestDeg) for freqMHz: GroundLossFor(GroundKindAt(...)).
double GroundReflectionLoss(double psiDeg, double lonWestDeg, double latDeg, double freqMHz);
