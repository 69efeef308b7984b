#include "p533/GreatCircle.h"

#include <algorithm>

namespace p533 {

namespace {
constexpr double kPoleLat = 78.5 * kRad;
constexpr double kPoleLon = -68.2 * kRad;
} // namespace

double GreatCircleKm(LatLon a, LatLon b) {
    const double s1 = std::sin((a.lat - b.lat) / 2.0);
    const double s2 = std::sin((a.lon - b.lon) / 2.0);
    const double h = s1 * s1 + std::cos(a.lat) * std::cos(b.lat) * s2 * s2;
    return 2.0 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

double Bearing(LatLon a, LatLon b) {
    const double y = std::sin(b.lon - a.lon) * std::cos(b.lat);
    const double x = std::cos(a.lat) * std::sin(b.lat) -
                     std::sin(a.lat) * std::cos(b.lat) * std::cos(b.lon - a.lon);
    if (std::abs(x) < 1e-15 && std::abs(y) < 1e-15)
        return 0.0;
    return Wrap(std::atan2(y, x), kTwoPi);
}

LatLon Destination(LatLon start, double bearing, double distanceKm) {
    const double d = distanceKm / kEarthRadiusKm;
    const double sinLat =
        std::sin(start.lat) * std::cos(d) + std::cos(start.lat) * std::sin(d) * std::cos(bearing);
    const double lat = std::asin(std::clamp(sinLat, -1.0, 1.0));
    const double lon = start.lon + std::atan2(std::sin(bearing) * std::sin(d) * std::cos(start.lat),
                                              std::cos(d) - std::sin(start.lat) * sinLat);
    return {lat, Wrap(lon + kPi, kTwoPi) - kPi};
}

double GeomagneticLatitude(LatLon p) {
    const double s = std::sin(p.lat) * std::sin(kPoleLat) +
                     std::cos(p.lat) * std::cos(kPoleLat) * std::cos(p.lon - kPoleLon);
    return std::asin(std::clamp(s, -1.0, 1.0));
}

double ElevationAngle(double hopKm, double hrKm) {
    const double half = std::max(hopKm, 1e-6) / (2.0 * kEarthRadiusKm);
    const double k = kEarthRadiusKm / (kEarthRadiusKm + hrKm);
    // cot(half) − k·cosec(half), written so that a tiny hop stays finite.
    return std::atan2(std::cos(half) - k, std::sin(half));
}

double IncidenceAngle(double elevation, double hKm) {
    return std::asin(
        std::clamp(kEarthRadiusKm * std::cos(elevation) / (kEarthRadiusKm + hKm), -1.0, 1.0));
}

double LongestHopKm(double hrKm, double minElevation) {
    const double d =
        2.0 * kEarthRadiusKm * (kPi / 2.0 - minElevation - IncidenceAngle(minElevation, hrKm));
    return std::clamp(d, 1.0, 4000.0);
}

double GroundOffsetKm(double elevation, double hKm) {
    return kEarthRadiusKm * (kPi / 2.0 - elevation - IncidenceAngle(elevation, hKm));
}

double SlantRangeKm(int hops, double hopKm, double elevation) {
    const double half = hopKm / (2.0 * kEarthRadiusKm);
    return hops * 2.0 * kEarthRadiusKm * std::sin(half) / std::cos(elevation + half);
}

LatLon CircuitPath::At(double fromTxKm) const {
    const double d = fromTxKm / kEarthRadiusKm;
    const double sd = std::sin(d), cd = std::cos(d);
    const double sinLat = std::clamp(sinTxLat * cd + cosTxLat * sd * cosBearing, -1.0, 1.0);
    const double lon = tx.lon + std::atan2(sinBearing * sd * cosTxLat, cd - sinTxLat * sinLat);
    return {std::asin(sinLat), Wrap(lon + kPi, kTwoPi) - kPi};
}

CircuitPath MakeCircuitPath(LatLon tx, LatLon rx, bool longPath) {
    CircuitPath path;
    path.tx = tx;
    path.rx = rx;
    path.longPath = longPath;
    const double shortKm = GreatCircleKm(tx, rx);
    path.distanceKm = std::max(longPath ? kTwoPi * kEarthRadiusKm - shortKm : shortKm, 0.01);
    path.txBearing = Bearing(tx, rx);
    path.rxBearing = Bearing(rx, tx);
    if (longPath) {
        path.txBearing = Wrap(path.txBearing + kPi, kTwoPi);
        path.rxBearing = Wrap(path.rxBearing + kPi, kTwoPi);
    }
    path.sinTxLat = std::sin(tx.lat);
    path.cosTxLat = std::cos(tx.lat);
    path.sinBearing = std::sin(path.txBearing);
    path.cosBearing = std::cos(path.txBearing);
    return path;
}

} // namespace p533
