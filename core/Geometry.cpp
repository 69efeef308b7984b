#include "core/Geometry.h"

#include <cmath>

#include "core/Constants.h"
#include "core/Numeric.h"
#include "core/Syntax.h"

CentralAngleResult CentralAngle(double lat1, double lon1, double lat2, double lon2) {
    CentralAngleResult r;
    r.dLon = lon1 - lon2;
    const double c =
        std::cos(r.dLon) * std::cos(lat1) * std::cos(lat2) + std::sin(lat1) * std::sin(lat2);
    // Only the test for coincident or antipodal points is made in single precision.
    const float single = static_cast<float>(c);
    if (std::fabs(single) != 1.0f) {
        r.cosAngle = c;
        r.sinAngle = std::sqrt(1.0 - c * c);
        r.angle = ArcCos(c);
    } else {
        r.cosAngle = single > 0 ? 1.0 : -1.0;
        r.sinAngle = 0.0;
        r.angle = single > 0 ? 0.0 : kPi;
    }
    return r;
}

BearingResult InitialBearing(double lat1, double lon1, double lat2, double lon2) {
    if (std::fabs(lat1) > kPoleLimitRad)
        return {lat1 > 0 ? kPi : 0.0, BearingStatus::AtPole};
    const CentralAngleResult ca = CentralAngle(lat1, lon1, lat2, lon2);
    if ((lat1 == lat2 && lon1 == lon2) || ca.sinAngle == 0.0 || std::fabs(ca.cosAngle) == 1.0)
        return {0.0, BearingStatus::Indeterminate};
    const double denominator = std::cos(lat1) * ca.sinAngle;
    double b = ArcCos((std::sin(lat2) - std::sin(lat1) * ca.cosAngle) / denominator);
    if (denominator == 0.0 || !std::isfinite(b)) {
        if (std::fabs(ca.sinAngle) > std::fabs(std::cos(lat1)))
            return {lat1 > 0 ? kPi : 0.0, BearingStatus::AtPole};
        return {0.0, BearingStatus::Indeterminate};
    }
    if (std::sin(ca.dLon) < 0.0)
        b = kTwoPi - b;
    return {b, BearingStatus::Ok};
}

GreatCircleStart MakeGreatCircleStart(GeoLatLon start, PathKind kind, double bearingRad,
                                      double farLongitudeRad) {
    GreatCircleStart s;
    s.start = start;
    s.kind = kind;
    s.bearingRad = bearingRad;
    s.farLongitudeRad = farLongitudeRad;
    s.sinLat = std::sin(start.latRad);
    s.cosLat = std::cos(start.latRad);
    s.sinBearing = std::sin(bearingRad);
    s.cosBearing = std::cos(bearingRad);
    return s;
}

GeoLatLon PointAlongPath(const GreatCircleStart& s, double distanceRad) {
    const double phi0 = s.start.latRad;
    const double d = distanceRad;
    if (phi0 > kPoleLimitRad || phi0 < -kPoleLimitRad) {
        const bool north = phi0 > 0;
        if (s.kind == PathKind::Short)
            return {north ? kHalfPi - d : d - kHalfPi, s.farLongitudeRad};
        if (d < kPi)
            return {north ? kHalfPi - d : d - kHalfPi, s.farLongitudeRad + kPi};
        return {north ? d - 3.0 * kHalfPi : 3.0 * kHalfPi - d, s.farLongitudeRad};
    }
    const double sinD = std::sin(d);
    const double cosD = std::cos(d);
    double sinPhi = s.sinLat * cosD + s.cosLat * sinD * s.cosBearing;
    double cosPhi = 0.0;
    double phi = 0.0;
    if (std::fabs(sinPhi) < 1.0) {
        cosPhi = std::sqrt(1.0 - sinPhi * sinPhi);
        phi = ArcSin(sinPhi);
    } else {
        sinPhi = sinPhi > 0 ? 1.0 : -1.0;
        phi = sinPhi * kHalfPi;
    }
    const double denominator = s.cosLat * cosPhi;
    if (denominator == 0.0)
        return {phi, s.farLongitudeRad};
    const double delta = ArcCos((cosD - sinPhi * s.sinLat) / denominator);
    if (!std::isfinite(delta))
        return {phi, s.farLongitudeRad};
    const bool turnsEast = (s.sinBearing < 0.0) != (d > kPi);
    return {phi, turnsEast ? s.start.lonRad + delta : s.start.lonRad - delta};
}

GeoLatLon PointAlongPath(GeoLatLon start, PathKind kind, double bearingRad, double distanceRad,
                         double farLongitudeRad) {
    return PointAlongPath(MakeGreatCircleStart(start, kind, bearingRad, farLongitudeRad),
                          distanceRad);
}

UserMessage IndeterminatePathMessage() {
    return ErrorMessage("The path between the specified\rterminals is indeterminate");
}

void SetTerminalDegrees(Terminal& terminal, double latitudeDeg, double longitudeDeg) {
    terminal.LatitudeDeg = latitudeDeg;
    terminal.LongitudeDeg = longitudeDeg;
    terminal.LatitudeRad = latitudeDeg * kRadPerDeg;
    terminal.LongitudeRad = longitudeDeg * kRadPerDeg;
    terminal.SinLatitude = std::sin(terminal.LatitudeRad);
    terminal.CosLatitude = std::cos(terminal.LatitudeRad);
}

CheckResult DeriveTerminalCoordinates(Terminal& terminal) {
    const CoordinateParse lat = ParseCoordinate(terminal.LatitudeText, CoordinateKind::Latitude);
    if (!lat)
        return {false, lat.message};
    const CoordinateParse lon = ParseCoordinate(terminal.LongitudeText, CoordinateKind::Longitude);
    if (!lon)
        return {false, lon.message};
    SetTerminalDegrees(terminal, lat.valueDeg, lon.valueDeg);
    return {true, {}};
}

namespace {

/// Puts a terminal exactly onto the pole its latitude is nearest to.
void SnapToPole(Terminal& t) {
    const double s = t.LatitudeRad > 0 ? 1.0 : -1.0;
    t.LatitudeDeg = 90.0 * s;
    t.LatitudeRad = kHalfPi * s;
    t.SinLatitude = s;
    t.CosLatitude = 0.0;
}

bool NearPole(const Terminal& t) {
    return std::fabs(t.LatitudeRad) > kPoleLimitRad;
}

/// Bearings and short-path length of a path with one end on a pole: every way out
/// of the north pole leads south (pi) and out of the south pole north (0); the other
/// end sees the short path along its meridian towards that pole and the long path
/// the opposite way. Latitudes in radians, the pole's snapped to +-pi/2.
struct PolePath {
    double atPole;
    double shortAtOther;
    double longAtOther;
    double length;
};

PolePath PathFromPole(double poleLatRad, double otherLatRad) {
    if (poleLatRad > 0)
        return {kPi, 0.0, kPi, kHalfPi - otherLatRad};
    return {0.0, kPi, 0.0, kHalfPi + otherLatRad};
}

/// One end's bearing in a PathGeometry: &PathGeometry::BearingAtA or BearingAtB.
using EndBearing = double PathGeometry::*;

/// Fills both paths' bearings at `end` from the bearing leaving it toward `other`
/// (the long path leaves the opposite way). An end on a pole is put exactly onto
/// it and, by PathFromPole, also sets the bearings at `other` and the short path's
/// length. False when the bearing is indeterminate.
bool SetEndBearings(const BearingResult& leaving, Terminal& end, const Terminal& other,
                    EndBearing atEnd, EndBearing atOther, PathGeometry& shortPath,
                    PathGeometry& longPath) {
    switch (leaving.status) {
    case BearingStatus::Ok:
        shortPath.*atEnd = leaving.bearing;
        longPath.*atEnd = leaving.bearing - kPi;
        return true;
    case BearingStatus::Indeterminate:
        return false;
    case BearingStatus::AtPole:
        break;
    }
    SnapToPole(end);
    const PolePath p = PathFromPole(end.LatitudeRad, other.LatitudeRad);
    shortPath.*atEnd = p.atPole;
    longPath.*atEnd = p.atPole;
    shortPath.*atOther = p.shortAtOther;
    longPath.*atOther = p.longAtOther;
    shortPath.Length = p.length;
    return true;
}

PathGeometryResult Indeterminate() {
    return {false, IndeterminatePathMessage()};
}

} // namespace

double BearingDeg(double bearingRad) {
    return PositiveMod(360, bearingRad * kDegPerRad);
}

PathGeometryResult ComputePathGeometry(Terminal& a, Terminal& b, PathGeometry& shortPath,
                                       PathGeometry& longPath) {
    if (CheckResult check = DeriveTerminalCoordinates(a); !check)
        return {false, check.message};
    if (CheckResult check = DeriveTerminalCoordinates(b); !check)
        return {false, check.message};
    return ComputePathGeometryOfReals(a, b, shortPath, longPath);
}

PathGeometryResult ComputePathGeometryOfReals(Terminal& a, Terminal& b, PathGeometry& shortPath,
                                              PathGeometry& longPath) {
    // Two poles have no great circle of their own between them.
    if (NearPole(a) && NearPole(b))
        return Indeterminate();

    shortPath.Length =
        CentralAngle(a.LatitudeRad, a.LongitudeRad, b.LatitudeRad, b.LongitudeRad).angle;

    const BearingResult fromA =
        InitialBearing(a.LatitudeRad, a.LongitudeRad, b.LatitudeRad, b.LongitudeRad);
    if (!SetEndBearings(fromA, a, b, &PathGeometry::BearingAtA, &PathGeometry::BearingAtB,
                        shortPath, longPath))
        return Indeterminate();
    // B's bearing is taken after A may have been put onto its pole.
    const BearingResult fromB =
        InitialBearing(b.LatitudeRad, b.LongitudeRad, a.LatitudeRad, a.LongitudeRad);
    if (!SetEndBearings(fromB, b, a, &PathGeometry::BearingAtB, &PathGeometry::BearingAtA,
                        shortPath, longPath))
        return Indeterminate();

    longPath.Length = kTwoPi - shortPath.Length;
    return {true, {}};
}

namespace {

struct PolarPoint {
    double latRad;
    double lonRad;
};

constexpr PolarPoint kPolarPoints[2] = {
    {kNorthPolarPointLatDeg * kRadPerDeg, kNorthPolarPointLonDeg* kRadPerDeg},
    {kSouthPolarPointLatDeg * kRadPerDeg, kSouthPolarPointLonDeg* kRadPerDeg},
};

/// |b1 − b2| folded into [0, π].
double BearingDifference(double b1, double b2) {
    double e = std::fabs(b1 - b2);
    if (e > kPi)
        e = kTwoPi - e;
    return e;
}

} // namespace

void MarkPolarPaths(const Terminal& a, const Terminal& b, PathGeometry& shortPath,
                    PathGeometry& longPath) {
    constexpr double r = kPolarRadiusDeg * kRadPerDeg;
    shortPath.IsPolar = false;
    longPath.IsPolar = false;

    for (const Terminal* t : {&a, &b}) {
        for (const PolarPoint& p : kPolarPoints) {
            if (CentralAngle(t->LatitudeRad, t->LongitudeRad, p.latRad, p.lonRad).angle < r) {
                shortPath.IsPolar = true;
                longPath.IsPolar = true;
                return;
            }
        }
    }

    // The pole of the great circle through A and B.
    const GeoLatLon q = PointAlongPath({a.LatitudeRad, a.LongitudeRad}, PathKind::Short,
                                       shortPath.BearingAtA + kHalfPi, kHalfPi, b.LongitudeRad);
    for (const PolarPoint& p : kPolarPoints) {
        const double d = CentralAngle(q.latRad, q.lonRad, p.latRad, p.lonRad).angle;
        if (std::fabs(d - kHalfPi) >= r)
            continue;
        const double e1 = BearingDifference(
            InitialBearing(a.LatitudeRad, a.LongitudeRad, p.latRad, p.lonRad).bearing,
            shortPath.BearingAtA);
        const double e2 = BearingDifference(
            InitialBearing(b.LatitudeRad, b.LongitudeRad, p.latRad, p.lonRad).bearing,
            shortPath.BearingAtB);
        if (e1 < kHalfPi && e2 < kHalfPi)
            shortPath.IsPolar = true;
        else
            longPath.IsPolar = true;
    }
}
