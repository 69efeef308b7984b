#include "engine/PathLosses.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "core/Constants.h"
#include "core/Numeric.h"
#include "engine/LandSeaMask.h"
#include "engine/QuickMath.h"

namespace {

AbsorptionConstants BuildAbsorptionConstants() {
    AbsorptionConstants k;
    const double re = EarthRadiusKm;
    k.DarkLimitCosine = -std::sqrt((2.0 * re + 100.0) * 100.0) / (re + 100.0);
    k.ZenithScale = kHalfPi / std::acos(k.DarkLimitCosine);
    return k;
}

struct GroundConstants {
    double permittivity;
    double conductivity; // S/m
};

constexpr GroundConstants kGround[3] = {{80.0, 5.0}, {6.3, 0.0032}, {1.0, 0.0001}};

} // namespace

bool IsLandAt(int row, int eastLongitudeDeg) {
    row = std::clamp(row, 0, 180);
    eastLongitudeDeg = std::clamp(eastLongitudeDeg, 0, 359);
    return (LandSeaMask[row][eastLongitudeDeg / 8] >> (eastLongitudeDeg % 8)) & 1;
}

const AbsorptionConstants& AbsorptionConstantsTable() {
    static const AbsorptionConstants constants = BuildAbsorptionConstants();
    return constants;
}

double WinterFactor(int month, int day, double latRad) {
    const double absLatDeg = std::fabs(latRad * kDegPerRad);
    if (absLatDeg <= 30.0)
        return 1.0;
    double q = month + (day - 15) / 30.0;
    if (latRad < 0.0)
        q += 6.0;
    const int i = static_cast<int>(q);
    const double fraction = q - i;
    const double w = (1.0 - fraction) * WinterAnomalyTable[((i % 12) + 12) % 12] +
                     fraction * WinterAnomalyTable[(((i + 1) % 12) + 12) % 12];
    return (30.0 - std::fabs(absLatDeg - 60.0)) * w + 1.0;
}

AbsorptionPoint PrepareAbsorption(int month, int day, double latRad, double lonWestRad, float ssn,
                                  double secant, const SolarPosition& sun) {
    const AbsorptionConstants& k = AbsorptionConstantsTable();
    AbsorptionPoint p;
    const double absLatDeg = std::fabs(latRad * kDegPerRad);
    p.lonWestRad = lonWestRad;
    p.cosLon = std::cos(lonWestRad);
    p.sinLon = std::sin(lonWestRad);
    p.sinTerm = std::sin(latRad) * sun.SinDeclination;
    p.cosTerm = std::cos(latRad) * sun.CosDeclination;
    p.latitudeFactor = 1.0 + 0.0087 * absLatDeg;
    p.secant = secant;
    const double m = std::fabs(sun.Declination - latRad);
    p.sunReaches = m < kHalfPi;
    if (p.sunReaches) {
        const double w = WinterFactor(month, day, latRad);
        const double power = MaxOf(1.3, 2.25 - 0.032 * absLatDeg);
        p.dayFactor = w * (1.0 + 0.005 * ssn) * std::pow(std::cos(m), power);
        p.cosScaledNoon = std::cos(k.ZenithScale * m);
    }
    p.ceiling = MaxOf(0.01, p.sunReaches ? p.dayFactor / p.cosScaledNoon : 0.01) *
                p.latitudeFactor * p.secant;
    return p;
}

double AbsorptionAt(const AbsorptionPoint& p, int j, const SolarPosition& sun) {
    const AbsorptionConstants& k = AbsorptionConstantsTable();
    double a = 0.01;
    if (p.sunReaches) {
        const double cosChi =
            p.sinTerm +
            p.cosTerm * std::cos(p.lonWestRad - (7.5 * j + sun.HourAngleOffset) * kRadPerDeg);
        if (cosChi > k.DarkLimitCosine)
            a = p.dayFactor * std::cos(k.ZenithScale * ArcCos(cosChi)) / p.cosScaledNoon;
    }
    return MaxOf(0.01, a) * p.latitudeFactor * p.secant;
}

double AbsorptionEstimate(const AbsorptionPoint& p, int j, const SunHourAngles& angles) {
    // AbsorptionAt with the hour angle from the table, QuickArcCos and cosf.
    // cos(k·arccos c) changes no faster than c itself on the sunlit side of the
    // 100 km sunset, and the dark limit is no step (the daytime term falls to 0
    // there), so the error stays near that of cosf.
    const AbsorptionConstants& k = AbsorptionConstantsTable();
    double a = 0.01;
    if (p.sunReaches) {
        const double cosChi =
            p.sinTerm + p.cosTerm * (angles.cos[j] * p.cosLon + angles.sin[j] * p.sinLon);
        if (cosChi > k.DarkLimitCosine)
            a = p.dayFactor * std::cos(static_cast<float>(k.ZenithScale * QuickArcCos(cosChi))) /
                p.cosScaledNoon;
    }
    return (a > 0.01 ? a : 0.01) * p.latitudeFactor * p.secant;
}

double AbsorptionBase(int j, int month, int day, double latRad, double lonWestRad, float ssn,
                      double secant, const SolarPosition& sun) {
    return AbsorptionAt(PrepareAbsorption(month, day, latRad, lonWestRad, ssn, secant, sun), j,
                        sun);
}

double Absorption(int j, int month, int day, double latRad, double lonWestRad, float ssn,
                  double secant, float absorptionFactor, const SolarPosition& sun) {
    return AbsorptionBase(j, month, day, latRad, lonWestRad, ssn, secant, sun) * absorptionFactor;
}

GroundKind GroundKindAt(double lonWestDeg, double latDeg) {
    int eastDeg = static_cast<int>(RoundHalfEven(PositiveMod(360, -lonWestDeg))) % 360;
    if (eastDeg < 0)
        eastDeg += 360;
    const int row = 90 - static_cast<int>(RoundHalfEven(std::clamp(latDeg, -90.0, 90.0)));
    if (!IsLandAt(row, eastDeg))
        return GroundKind::Sea;
    return latDeg < -60.0 ? GroundKind::PolarLand : GroundKind::Land;
}

double GroundLossFor(GroundKind kind, double psiDeg, double freqMHz) {
    const GroundConstants& g = kGround[static_cast<int>(kind)];
    const double psi = psiDeg * kRadPerDeg;
    const double sinPsi = std::sin(psi);
    const double cosPsi = std::cos(psi);
    const std::complex<double> epsilon(g.permittivity, -18000.0 * g.conductivity / freqMHz);

    // Principal square root from the magnitude and the half angle.
    const std::complex<double> z = epsilon - cosPsi * cosPsi;
    const double magnitude = std::sqrt(z.real() * z.real() + z.imag() * z.imag());
    const double halfAngle = std::atan2(z.imag(), z.real()) / 2.0;
    const std::complex<double> r(std::sqrt(magnitude) * std::cos(halfAngle),
                                 std::sqrt(magnitude) * std::sin(halfAngle));

    const std::complex<double> rh = (sinPsi - r) / (sinPsi + r);
    const std::complex<double> rv = (epsilon * sinPsi - r) / (epsilon * sinPsi + r);
    return -10.0 * std::log10((std::norm(rv) + std::norm(rh)) / 2.0);
}

double GroundReflectionLoss(double psiDeg, double lonWestDeg, double latDeg, double freqMHz) {
    return GroundLossFor(GroundKindAt(lonWestDeg, latDeg), psiDeg, freqMHz);
}
