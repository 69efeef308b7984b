#include "engine/ELayer.h"

#include <algorithm>
#include <cmath>

#include "core/Constants.h"
#include "core/Numeric.h"
#include "engine/QuickMath.h"

namespace {

ELayerConstants BuildELayerConstants() {
    ELayerConstants k;
    k.NightCosine = std::sin(6.27e-13 * std::pow(40.0, 8.02) * kRadPerDeg);
    k.NightFloorHigh = std::pow(k.NightCosine, 1.2);
    k.NightFloorLow = std::pow(k.NightCosine, 1.31);
    k.CosineOf73 = std::cos(73.0 * kRadPerDeg);
    k.NoonLimit = 80.0 * kRadPerDeg;
    k.EReferenceAngle = 0.5 * std::acos(0.9830147248905233);
    return k;
}

// The zenith term D of the E-layer formula for cos χ (rounded to a float), with
// its twilight shape and, at night, the decay since sunset.
double ZenithTerm(float cosChi, const EMufPoint& p, double tPrime, const ELayerConstants& k) {
    const double power = p.lDeg > 12.0 ? 1.2 : 1.31;
    if (cosChi >= k.CosineOf73)
        return std::pow(static_cast<double>(cosChi), power);

    const float chiDeg = static_cast<float>(ArcCos(cosChi) * kDegPerRad);
    if (chiDeg <= 90.0f) {
        const double modified = chiDeg - 6.27e-13 * std::pow(chiDeg - 50.0, 8.02);
        return std::pow(std::cos(modified * kRadPerDeg), power);
    }

    const double floor = p.lDeg > 12.0 ? k.NightFloorHigh : k.NightFloorLow;
    double d = floor * std::exp(25.2 - 0.28 * chiDeg);
    if (p.hasSunset) {
        const double sinceSunset = PositiveMod(24, tPrime - p.sunsetHours);
        d = MaxOf(d, floor * std::exp(-1.4 * sinceSunset));
    }
    return d;
}

} // namespace

const ELayerConstants& ELayerConstantsTable() {
    static const ELayerConstants constants = BuildELayerConstants();
    return constants;
}

float EHopGroundAngle(float cosElevation, float elevationRad) {
    const double psi =
        kHalfPi - elevationRad - ArcSin(EarthRadiusKm * cosElevation / (EarthRadiusKm + 110.0));
    return static_cast<float>(psi < 0.0 ? 0.0 : psi);
}

EMufShared PrepareEMufShared(float ssn, float cosElevation, float elevationRad,
                             const SolarPosition& sun) {
    const ELayerConstants& k = ELayerConstantsTable();
    EMufShared shared;
    shared.distanceFactor = std::pow(sun.Distance, -2.4);
    shared.solarFactor = 1.0 + 0.0091 * ssn;
    const double floorTerm = 1.0 + 0.0098 * ssn;
    shared.floorG = 0.017 * (floorTerm * floorTerm);
    shared.floorFoE = std::pow(shared.floorG, 0.25);
    const double x = EHopGroundAngle(cosElevation, elevationRad) / k.EReferenceAngle - 1.0;
    shared.hopFactor = 3.94 + x * (2.8 + x * (-1.7 + x * (-0.6 + 0.96 * x)));
    return shared;
}

EMufPoint PrepareEMuf(float lonWestRad, float latRad, const EMufShared& shared,
                      const SolarPosition& sun) {
    const ELayerConstants& k = ELayerConstantsTable();
    EMufPoint p;
    const double lat = latRad;
    const double cosLat = std::cos(lat);
    p.lonWestRad = lonWestRad;
    p.cosLon = std::cos(p.lonWestRad);
    p.sinLon = std::sin(p.lonWestRad);
    p.sinTerm = std::sin(lat) * sun.SinDeclination;
    p.cosTerm = cosLat * sun.CosDeclination;
    p.lDeg = std::fabs(lat) * kDegPerRad;

    // Noon factor from the noon zenith angle, by latitude zone.
    const double c = std::cos(MinOf(k.NoonLimit, std::fabs(lat - sun.Declination)));
    p.noonFactor = p.lDeg >= 32.0 ? (92.0 + 35.0 * cosLat) * std::pow(c, 0.11 - 0.49 * cosLat)
                                  : (23.0 + 116.0 * cosLat) * std::pow(c, 1.92 * cosLat - 1.93);
    p.distanceFactor = shared.distanceFactor;
    p.solarFactor = shared.solarFactor;
    p.floorG = shared.floorG;
    p.floorFoE = shared.floorFoE;

    // Sunset hour angle where the Sun does rise and set at this latitude.
    const double r = -p.sinTerm / p.cosTerm;
    if (std::fabs(r) < 1.0) {
        p.hasSunset = true;
        p.sunsetHours = ((p.lonWestRad + std::acos(r)) * kDegPerRad - sun.HourAngleOffset) / 15.0;
    }
    p.hopFactor = shared.hopFactor;

    // Deep night: where floor·e^(25.2 − 0.28·χ) and floor·e^(−1.4·hours since
    // sunset) times the solar factors both stay under 99 % of the floor, the MUF is
    // the floor's. The limits on χ and on the hours follow from that 99 %.
    const double floor = p.lDeg > 12.0 ? k.NightFloorHigh : k.NightFloorLow;
    const double ratio =
        0.99 * p.floorG / (floor * p.distanceFactor * p.solarFactor * p.noonFactor);
    if (ratio > 0.0 && std::isfinite(ratio)) {
        const double logRatio = std::log(ratio);
        const double chiLimitDeg = std::max(90.5, (25.2 - logRatio) / 0.28);
        if (chiLimitDeg < 179.0)
            p.nightCosLimit = std::cos(chiLimitDeg * kRadPerDeg) - 1e-6;
        p.nightSinceLimit = std::max(0.0, -logRatio / 1.4) + 1e-3;
    }
    p.floorMuf = static_cast<float>(p.floorFoE * p.hopFactor);
    return p;
}

EMufPoint PrepareEMuf(float lonWestRad, float latRad, float ssn, float cosElevation,
                      float elevationRad, const SolarPosition& sun) {
    return PrepareEMuf(lonWestRad, latRad, PrepareEMufShared(ssn, cosElevation, elevationRad, sun),
                       sun);
}

float EMufAt(const EMufPoint& p, float tHours, const SolarPosition& sun) {
    const ELayerConstants& k = ELayerConstantsTable();
    const double tPrime = p.lDeg > 23.0 ? tHours - 0.05 : static_cast<double>(tHours);
    const float cosChi = static_cast<float>(
        p.sinTerm +
        p.cosTerm * std::cos((15.0 * tPrime + sun.HourAngleOffset) * kRadPerDeg - p.lonWestRad));
    const double d = ZenithTerm(cosChi, p, tPrime, k);
    const double g = MaxOf(p.floorG, d * p.distanceFactor * p.solarFactor * p.noonFactor);
    const double foE = g == p.floorG ? p.floorFoE : std::pow(g, 0.25);
    return static_cast<float>(foE * p.hopFactor);
}

float EMuf(float lonWestRad, float latRad, float ssn, float tHours, float cosElevation,
           float elevationRad, const SolarPosition& sun) {
    return EMufAt(PrepareEMuf(lonWestRad, latRad, ssn, cosElevation, elevationRad, sun), tHours,
                  sun);
}

double EMufEstimate(const EMufPoint& p, int j, const SunHourAngles& angles,
                    EMufEstimateKind& kind) {
    // The same steps as EMufAt, with the hour angle from the table, QuickArcCos,
    // powf and expf in place of their double counterparts (each within about
    // 3e-7). Near a branch point a small error in cos χ could pick the other
    // branch, so the estimate gives up there.
    const ELayerConstants& k = ELayerConstantsTable();
    const bool shifted = p.lDeg > 23.0; // EMufAt's time 0.05 h earlier
    const int i = shifted ? SunHourAngles::kEarlier + j : j;
    const double cosChi =
        p.sinTerm + p.cosTerm * (angles.cos[i] * p.cosLon + angles.sin[i] * p.sinLon);
    double sinceSunset = 0.0;
    if (p.hasSunset) {
        const double since = 0.5 * j - (shifted ? 0.05 : 0.0) - p.sunsetHours;
        sinceSunset = since - 24.0 * static_cast<double>(static_cast<long long>(since / 24.0));
        if (sinceSunset < 0.0)
            sinceSunset += 24.0;
    }
    // Deep night (well inside the day's 24 hours after sunset, so that no rounding
    // wraps those hours round to 0): the floor, exactly.
    if (cosChi < p.nightCosLimit &&
        (!p.hasSunset || (sinceSunset > p.nightSinceLimit && sinceSunset < 24.0 - 1e-3))) {
        kind = EMufEstimateKind::Exact;
        return p.floorMuf;
    }
    constexpr double kBranchMargin = 1e-5;
    const bool sure = std::fabs(cosChi - k.CosineOf73) > kBranchMargin &&
                      std::fabs(cosChi) > kBranchMargin && cosChi > -0.999;
    kind = sure ? EMufEstimateKind::Sure : EMufEstimateKind::Unsure;
    if (!sure)
        return 0.0;

    const float power = p.lDeg > 12.0 ? 1.2f : 1.31f;
    double d;
    if (cosChi >= k.CosineOf73) {
        d = std::pow(static_cast<float>(cosChi), power);
    } else {
        const float chiDeg = static_cast<float>(QuickArcCos(cosChi) * kDegPerRad);
        if (cosChi > 0.0) {
            const float modified = chiDeg - 6.27e-13f * std::pow(chiDeg - 50.0f, 8.02f);
            d = std::pow(std::cos(modified * static_cast<float>(kRadPerDeg)), power);
        } else {
            const double floor = p.lDeg > 12.0 ? k.NightFloorHigh : k.NightFloorLow;
            d = floor * std::exp(25.2f - 0.28f * chiDeg);
            if (p.hasSunset) {
                const double decay = floor * std::exp(static_cast<float>(-1.4 * sinceSunset));
                d = decay > d ? decay : d;
            }
        }
    }
    const double solar = d * p.distanceFactor * p.solarFactor * p.noonFactor;
    return std::sqrt(std::sqrt(solar > p.floorG ? solar : p.floorG)) * p.hopFactor;
}
