#include "p533/Sun.h"

#include <algorithm>

namespace p533 {

namespace {
constexpr int kMonthStart[12] = {0, 31, 59, 90, 120, 152, 181, 212, 243, 273, 304, 334};
constexpr double kDegPerDay = 0.98565327;
constexpr double kObliquity = 23.45 * kRad;
} // namespace

SunState SunAt(int month, double tHours) {
    const double n = kMonthStart[std::clamp(month, 1, 12) - 1] + 15.0 + tHours / 24.0;
    const double lDeg = kDegPerDay * (n - 2.0);
    const double l = lDeg * kRad + 0.016713 * std::sin(lDeg * kRad);
    SunState sun;
    sun.declination = std::asin(std::sin(kObliquity) * std::sin(l - 78.746118 * kRad));
    const double nu = lDeg + 1.915169 * std::sin(lDeg * kRad);
    double eps = Wrap(kDegPerDay * (n - 80.0), 360.0);
    if (eps >= 270.0)
        eps -= 360.0;
    else if (eps >= 90.0)
        eps -= 180.0;
    const double beta = std::atan(std::cos(kObliquity) * std::tan(eps * kRad)) * kDeg;
    sun.eotMinutes = 3.98891967 * ((eps - beta) + (lDeg - nu));
    return sun;
}

SunAtPoint SunSeenFrom(const SunState& sun, LatLon p, double tHours, bool withTimes) {
    SunAtPoint s;
    const double lonDeg = p.lon * kDeg;
    s.hourAngleDeg = (60.0 * tHours + 4.0 * lonDeg + sun.eotMinutes) / 4.0 - 180.0;
    const double sd = std::sin(sun.declination), cd = std::cos(sun.declination);
    const double cz = std::sin(p.lat) * sd + std::cos(p.lat) * cd * std::cos(s.hourAngleDeg * kRad);
    s.zenith = std::acos(std::clamp(cz, -1.0, 1.0));
    if (!withTimes)
        return s;
    const double denom = std::max(std::cos(p.lat) * cd, 1e-12);
    const double arg =
        std::cos(90.833 * kRad) / denom - std::tan(p.lat) * std::tan(sun.declination);
    s.halfDayDeg = std::acos(std::clamp(arg, -1.0, 1.0)) * kDeg;
    s.riseUtc = Wrap((720.0 - 4.0 * (lonDeg + s.halfDayDeg) - sun.eotMinutes) / 60.0, 24.0);
    s.noonUtc = Wrap((720.0 - 4.0 * lonDeg - sun.eotMinutes) / 60.0, 24.0);
    s.setUtc = Wrap((720.0 - 4.0 * (lonDeg - s.halfDayDeg) - sun.eotMinutes) / 60.0, 24.0);
    return s;
}

double NoonZenith(int month, LatLon p, double eotMinutes) {
    const double t = Wrap((720.0 - 4.0 * p.lon * kDeg - eotMinutes) / 60.0, 24.0);
    return std::abs(p.lat - SunAt(month, t).declination);
}

bool IsDaylight(const SunAtPoint& sun) {
    const double w = std::abs(Wrap(sun.hourAngleDeg + 180.0, 360.0) - 180.0);
    return w < sun.halfDayDeg;
}

} // namespace p533
