#include "p533/Absorption.h"

#include "p533/Units.h"

#include <algorithm>
#include <cmath>

namespace p533 {

double PenetrationFactor(double t) {
    double phi;
    if (t < 0.0) {
        return 0.0;
    } else if (t <= 1.0) {
        const double x = (t - 0.475) / 0.475;
        phi =
            (((((-0.093 * x + 0.04) * x + 0.127) * x - 0.027) * x + 0.044) * x + 0.159) * x + 0.225;
    } else if (t <= 2.2) {
        const double x = (t - 1.65) / 0.55;
        phi =
            (((((0.043 * x - 0.07) * x - 0.027) * x + 0.034) * x + 0.054) * x - 0.049) * x + 0.375;
    } else if (t <= 10.0) {
        phi = 0.34 + 0.02 * (10.0 - t) / 7.8;
    } else {
        phi = 0.34;
    }
    return std::min(phi, 0.53) / 0.34;
}

double DiurnalExponent(const AbsorptionTables& t, int month, bool south, double modipDeg) {
    const int m = south ? (month + 5) % 12 : month - 1;
    const double mu = std::min(std::abs(modipDeg), 70.0);
    const AbsorptionTables::Exponent& low = t.exponent[m][0];
    const AbsorptionTables::Exponent& branch = mu > low.pDeg ? t.exponent[m][1] : low;
    const double u = mu > low.pDeg ? -1.0 + 2.0 * (mu - low.pDeg) / (70.0 - low.pDeg)
                                   : -1.0 + 2.0 * mu / low.pDeg;
    double p = 0.0;
    for (int k = 6; k >= 0; --k)
        p = p * u + branch.c[k];
    return p;
}

double AbsorptionAtNoon(const AbsorptionTables& t, int month, double absLatDeg) {
    const double pos = std::min(absLatDeg, 69.99) / 2.5;
    const int i = std::clamp(static_cast<int>(pos), 0, 27);
    const auto& row = t.atNoon[month - 1];
    return row[i] + (pos - i) * (row[i + 1] - row[i]);
}

double ZenithFactor(double zenith, double p) {
    const double chi = std::min(zenith, 102.0 * kRad);
    const double c = std::cos(0.881 * chi);
    return std::max(c > 0.0 ? std::pow(c, p) : 0.0, 0.02);
}

double AbsorptionLoss(int hops, double rCapped, double i110, double freqMHz, double fL,
                      const double* weights, const double* foE, int points) {
    const double fv = freqMHz * std::cos(i110);
    double sum = 0.0;
    for (int j = 0; j < points; ++j)
        sum += weights[j] * PenetrationFactor(fv / foE[j]);
    const double f = freqMHz + fL;
    return hops * (1.0 + 0.0067 * rCapped) / std::cos(i110) / (f * f) * sum / points;
}

double AboveMufLoss(bool eLayer, double freqMHz, double basicMuf, double distanceKm) {
    if (freqMHz <= basicMuf || basicMuf <= 0.0)
        return 0.0;
    const double excess = freqMHz / basicMuf - 1.0;
    if (eLayer)
        return std::min(46.0 * std::sqrt(excess) + 5.0, 58.0);
    if (distanceKm <= 3000.0)
        return std::min(36.0 * std::sqrt(excess) + 5.0, 60.0);
    return std::min(70.0 * excess + 8.0, 80.0);
}

Season AuroralSeason(int month, double lat) {
    using enum Season;
    static constexpr Season kNorthern[12] = {Winter, Winter, Equinox, Equinox, Equinox, Summer,
                                             Summer, Summer, Equinox, Equinox, Equinox, Winter};
    return SeasonOf(kNorthern, month, lat);
}

double AuroralLoss(const AuroralTable& t, double hopKm, Season season, double absGeomagDeg,
                   double localTime) {
    if (absGeomagDeg < 42.5)
        return 0.0;
    // Bands of 5° down from 77.5°, each holding its lower edge.
    const int band =
        absGeomagDeg >= 77.5
            ? 0
            : std::clamp(static_cast<int>(std::ceil((77.5 - absGeomagDeg) / 5.0)), 1, 7);
    int column = 7; // 22–01
    if (localTime >= 1.0 && localTime < 22.0)
        column = static_cast<int>((localTime - 1.0) / 3.0);
    return t.lh[hopKm <= 2500.0 ? 0 : 1][static_cast<int>(season)][band][column];
}

} // namespace p533
