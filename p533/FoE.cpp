#include "p533/FoE.h"

#include <algorithm>

namespace p533 {

namespace {

bool PolarWinter(double latDeg, int month, bool asReference) {
    const bool northWinter = month == 11 || month == 12 || month == 1;
    const bool southWinter = month >= 5 && month <= 7;
    if (asReference)
        return (northWinter && latDeg > 72.56) || (southWinter && latDeg < 72.56);
    return (northWinter && latDeg > 72.56) || (southWinter && latDeg < -72.56);
}

} // namespace

double FoE(const FoEInputs& in) {
    const double r = in.rCapped;
    const double flux = 63.7 + 0.728 * r + 0.00089 * r * r;
    const double latDeg = in.lat * kDeg;
    const bool low = std::abs(latDeg) < 32.0;
    const double cosLat = std::cos(in.lat);
    const double a = 1.0 + 0.0094 * (flux - 66.0);
    const double m = low ? -1.93 + 1.92 * cosLat : 0.11 - 0.49 * cosLat;
    const double diff = latDeg - in.sun.declination * kDeg;
    const double n = std::abs(diff) < 80.0 ? diff : 80.0;
    const double b = std::pow(std::cos(n * kRad), m);
    const double c = low ? 23.0 + 116.0 * cosLat : 92.0 + 35.0 * cosLat;
    const double p = std::abs(latDeg) <= 12.0 ? 1.31 : 1.2;
    const double chi = in.seen.zenith * kDeg;
    double d;
    if (chi <= 73.0) {
        d = std::pow(std::cos(in.seen.zenith), p);
    } else if (chi < 90.0) {
        const double shift = 6.27e-13 * std::pow(chi - 50.0, 8.0);
        d = std::pow(std::cos((chi - shift) * kRad), p);
    } else {
        const double base = std::pow(0.072, p);
        const double second = base * std::exp(25.2 - 0.28 * chi);
        if (PolarWinter(latDeg, in.month, in.polarWinterAsReference)) {
            d = second;
        } else {
            const double t = in.hourOfDay, set = in.seen.setUtc, rise = in.seen.riseUtc;
            const bool night = set >= rise ? (t >= set || t < rise) : (t >= set && t < rise);
            const double since = night ? Wrap(t - set, 24.0) : 0.0;
            d = std::max(base * std::exp(-1.4 * since), second);
        }
    }
    const double floor4 = 0.004 * (1.0 + 0.021 * flux) * (1.0 + 0.021 * flux);
    return std::sqrt(std::sqrt(std::max(a * b * c * d, floor4)));
}

} // namespace p533
