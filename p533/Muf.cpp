#include "p533/Muf.h"

#include "p533/GreatCircle.h"

#include <algorithm>

namespace p533 {

namespace {
double Cd(double hopKm, double dmaxKm) {
    const double z = 1.0 - 2.0 * hopKm / dmaxKm;
    return 0.74 +
           z * (-0.591 + z * (-0.424 + z * (-0.090 + z * (0.088 + z * (0.181 + z * 0.096)))));
}
} // namespace

F2Shape F2ShapeAt(const LayerValues& v) {
    const double x = std::max(v.foF2 / std::max(v.foE, 1e-3), 2.0);
    const double m = v.m3000;
    F2Shape s;
    s.b = m - 0.124 + (m * m - 4.0) * (0.0215 + 0.005 * std::sin(7.854 / x - 1.9635));
    const double x2 = x * x;
    s.dmaxKm = 4780.0 + (12610.0 + 2140.0 / x2 - 49720.0 / (x2 * x2) + 688900.0 / (x2 * x2 * x2)) *
                            (1.0 / s.b - 0.303);
    // Guard the map's edges: a hop length must stay positive.
    s.dmaxKm = std::max(s.dmaxKm, 100.0);
    return s;
}

double F2Muf(const LayerValues& v, double b, double hopKm, double dmaxKm) {
    const double cd = Cd(std::min(hopKm, dmaxKm), dmaxKm) / Cd(3000.0, dmaxKm);
    return (1.0 + cd * (b - 1.0)) * v.foF2 + v.gyro300 / 2.0 * (1.0 - hopKm / dmaxKm);
}

double EMuf(double foE, double hopKm) {
    const double elevation = ElevationAngle(std::min(hopKm, 4000.0), 110.0);
    return foE / std::cos(IncidenceAngle(elevation, 110.0));
}

Season MufSeason(int month, double lat) {
    using enum Season;
    static constexpr Season kNorthern[12] = {Winter, Winter, Equinox, Equinox, Summer, Summer,
                                             Summer, Summer, Equinox, Equinox, Winter, Winter};
    return SeasonOf(kNorthern, month, lat);
}

DecileFactors F2DecileFactors(const DecileTables& t, Season season, double r12, double absLatDeg,
                              double hour) {
    const int range = r12 < 50.0 ? 0 : r12 <= 100.0 ? 1 : 2;
    const double rowPos = std::clamp(absLatDeg, 0.0, 90.0) / 5.0;
    const int r0 = std::min(static_cast<int>(rowPos), 17);
    const double wr = rowPos - r0;
    const double colPos = Wrap(hour, 24.0);
    const int c0 = static_cast<int>(colPos) % 24;
    const int c1 = (c0 + 1) % 24;
    const double wc = colPos - std::floor(colPos);
    DecileFactors d;
    double* out[2] = {&d.lower, &d.upper};
    for (int decile = 0; decile < 2; ++decile) {
        const auto& rows = t.f[decile][static_cast<int>(season)][range];
        const double a = rows[r0][c0] + wc * (rows[r0][c1] - rows[r0][c0]);
        const double b = rows[r0 + 1][c0] + wc * (rows[r0 + 1][c1] - rows[r0 + 1][c0]);
        *out[decile] = a + wr * (b - a);
    }
    return d;
}

double SupportProbability(double freqMHz, double muf50, const DecileFactors& d) {
    if (muf50 <= 0.0)
        return 0.0;
    if (freqMHz < muf50) {
        const double spread = std::max(1.0 - d.lower, 1e-6);
        return std::min(1.3 - 0.8 / (1.0 + (1.0 - freqMHz / muf50) / spread), 1.0);
    }
    const double spread = std::max(d.upper - 1.0, 1e-6);
    return std::max(0.8 / (1.0 + (freqMHz / muf50 - 1.0) / spread) - 0.3, 0.0);
}

double OperationalFactor(Season season, bool day, bool highPower) {
    static constexpr double kLow[3][2] = {{1.20, 1.30}, {1.15, 1.25}, {1.10, 1.20}};
    static constexpr double kHigh[3][2] = {{1.15, 1.25}, {1.20, 1.30}, {1.25, 1.35}};
    const auto& row = highPower ? kHigh : kLow;
    return row[static_cast<int>(season)][day ? 0 : 1];
}

} // namespace p533
