#include "engine/KxELayer.h"

#include <cmath>

#include "core/Constants.h"
#include "core/Numeric.h"

namespace {

ELayerConstants BuildELayerConstants()
{
    ELayerConstants k;
    k.NightCosine = std::sin(6.27e-13 * std::pow(40.0, 8.02) * kRadPerDeg);
    k.NightFloorHigh = std::pow(k.NightCosine, 1.2);
    k.NightFloorLow = std::pow(k.NightCosine, 1.31);
    k.CosineOf73 = std::cos(73.0 * kRadPerDeg);
    k.NoonLimit = 80.0 * kRadPerDeg;
    k.EReferenceAngle = 0.5 * std::acos(0.9830147248905233);
    return k;
}

// The zenith term D of the E-layer formula for cos χ (rounded to a float) at a
// place with |latitude| lDeg; the night branch needs the place and the time.
double ZenithTerm(float cosChi, double lDeg, double latRad, double lonWestRad, double tPrime,
                  const SolarPosition& sun, const ELayerConstants& k)
{
    const double p = lDeg > 12.0 ? 1.2 : 1.31;
    if (cosChi >= k.CosineOf73)
        return std::pow(static_cast<double>(cosChi), p);

    const float chiDeg = static_cast<float>(ArcCos(cosChi) * kDegPerRad);
    if (chiDeg <= 90.0f) {
        const double modified = chiDeg - 6.27e-13 * std::pow(chiDeg - 50.0, 8.02);
        return std::pow(std::cos(modified * kRadPerDeg), p);
    }

    // Night: exponential decay with the zenith angle, held up by the decay since
    // sunset where the Sun does rise and set at this latitude.
    const double floor = lDeg > 12.0 ? k.NightFloorHigh : k.NightFloorLow;
    double d = floor * std::exp(25.2 - 0.28 * chiDeg);
    const double r = -(std::sin(latRad) * sun.SinDeclination) /
                     (std::cos(latRad) * sun.CosDeclination);
    if (std::fabs(r) < 1.0) {
        const double sunsetHourAngle = std::acos(r);
        const double sinceSunset = PositiveMod(
            24, tPrime - ((lonWestRad + sunsetHourAngle) * kDegPerRad - sun.HourAngleOffset) / 15.0);
        d = MaxOf(d, floor * std::exp(-1.4 * sinceSunset));
    }
    return d;
}

} // namespace

const ELayerConstants& ELayerConstantsTable()
{
    static const ELayerConstants constants = BuildELayerConstants();
    return constants;
}

float EHopGroundAngle(float cosElevation, float elevationRad)
{
    const double psi = kHalfPi - elevationRad -
                       ArcSin(EarthRadiusKm * cosElevation / (EarthRadiusKm + 110.0));
    return static_cast<float>(psi < 0.0 ? 0.0 : psi);
}

float EMuf(float lonWestRad, float latRad, float ssn, float tHours, float cosElevation,
           float elevationRad, const SolarPosition& sun)
{
    const ELayerConstants& k = ELayerConstantsTable();
    const double lat = latRad;
    const double cosLat = std::cos(lat);
    const double g = std::pow(sun.Distance, -2.4);

    // Noon factor from the noon zenith angle, by latitude zone.
    const double c = std::cos(MinOf(k.NoonLimit, std::fabs(lat - sun.Declination)));
    const double lDeg = std::fabs(lat) * kDegPerRad;
    const double a = lDeg >= 32.0 ? (92.0 + 35.0 * cosLat) * std::pow(c, 0.11 - 0.49 * cosLat)
                                  : (23.0 + 116.0 * cosLat) * std::pow(c, 1.92 * cosLat - 1.93);

    const double tPrime = lDeg > 23.0 ? tHours - 0.05 : static_cast<double>(tHours);
    const float cosChi = static_cast<float>(
        std::sin(lat) * sun.SinDeclination +
        cosLat * sun.CosDeclination *
            std::cos((15.0 * tPrime + sun.HourAngleOffset) * kRadPerDeg - lonWestRad));
    const double d = ZenithTerm(cosChi, lDeg, lat, lonWestRad, tPrime, sun, k);

    const double floorTerm = 1.0 + 0.0098 * ssn;
    const double gSum = MaxOf(0.017 * (floorTerm * floorTerm), d * g * (1.0 + 0.0091 * ssn) * a);
    const double foE = std::pow(gSum, 0.25);

    const double x = EHopGroundAngle(cosElevation, elevationRad) / k.EReferenceAngle - 1.0;
    return static_cast<float>(foE * (3.94 + x * (2.8 + x * (-1.7 + x * (-0.6 + 0.96 * x)))));
}
