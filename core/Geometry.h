#pragma once

#include "core/Terminal.h"
#include "core/UserMessage.h"

// Great-circle geometry on a spherical Earth. Latitudes and longitudes in radians,
// longitude positive WEST; bearings clockwise from true north.

/// The central angle between two points and its by-products.
struct CentralAngleResult {
    double angle = 0.0;    ///< radians, 0..π
    double cosAngle = 1.0; ///< c; exactly ±1 when the points are treated as coincident/antipodal
    double sinAngle = 0.0; ///< √(1 − c²), 0 when c is ±1
    double dLon = 0.0;     ///< lon1 − lon2, radians
};

/// Spherical law of cosines: c = cos(lon1 − lon2)·cos lat1·cos lat2 + sin lat1·sin lat2.
/// When c rounded to a 32-bit float is exactly ±1 the points count as coincident
/// (angle 0) or antipodal (angle π), c becomes exactly ±1 and the sine 0; this is
/// closer than about 1.5 km. Otherwise angle and sine come from the double c.
CentralAngleResult CentralAngle(double lat1, double lon1, double lat2, double lon2);

/// How an initial bearing came out.
enum class BearingStatus {
    Ok = 0,
    Indeterminate = 1, ///< the points coincide or are antipodal
    AtPole = 2         ///< the start is within 0.003° of a pole
};

/// A bearing with its status.
struct BearingResult {
    double bearing = 0.0; ///< radians, 0..2π
    BearingStatus status = BearingStatus::Ok;
};

/// The bearing in which the great circle from point 1 leaves toward point 2.
/// From a pole (|lat1| > 89.997°): AtPole with π from the north pole, 0 from the
/// south pole. Coincident or antipodal points: Indeterminate with 0.
/// Otherwise b = arccos((sin lat2 − sin lat1·c) / (cos lat1·sin angle)), mirrored
/// to 2π − b when sin(lon1 − lon2) < 0 (the destination lies to the west).
BearingResult InitialBearing(double lat1, double lon1, double lat2, double lon2);

/// A point on the sphere, radians, longitude west positive.
struct GeoLatLon {
    double latRad = 0.0;
    double lonRad = 0.0;
};

/// The point reached from `start` after `distanceRad` along a great circle leaving
/// in `bearingRad` (direct problem on the sphere). Starting at a pole the path runs
/// along a meridian: farLongitudeRad for the short path; for the long path
/// farLongitudeRad + π until the other pole (distance < π), farLongitudeRad beyond
/// it. A point that lands on a pole takes farLongitudeRad. The longitude is not reduced
/// to any range. Beyond the antipode (distance > π) the side of the turn flips.
GeoLatLon PointAlongPath(GeoLatLon start, PathKind kind, double bearingRad, double distanceRad,
                         double farLongitudeRad);

/// The start of a great circle as PointAlongPath takes it, with the sines and cosines
/// that do not depend on the distance worked out once, for callers that walk one path
/// to many points.
struct GreatCircleStart {
    GeoLatLon start;
    PathKind kind = PathKind::Short;
    double bearingRad = 0.0;
    double farLongitudeRad = 0.0;
    double sinLat = 0.0; ///< sin and cos of start.latRad
    double cosLat = 1.0;
    double sinBearing = 0.0; ///< sin and cos of bearingRad
    double cosBearing = 1.0;
};

GreatCircleStart MakeGreatCircleStart(GeoLatLon start, PathKind kind, double bearingRad,
                                      double farLongitudeRad);

/// PointAlongPath from a prepared start: the same point, bit for bit.
GeoLatLon PointAlongPath(const GreatCircleStart& start, double distanceRad);

/// The outcome of ComputePathGeometry.
struct PathGeometryResult {
    bool ok = false;
    /// When not ok: "The path between the specified\rterminals is indeterminate"
    /// (error, alert), or the coordinate parser's message for a bad terminal text.
    UserMessage message;
    explicit operator bool() const { return ok; }
};

/// A bearing in radians, of any sign or size, as degrees in [0, 360), as bearings are
/// shown to the user: PositiveMod(360, bearingRad · 180/π).
double BearingDeg(double bearingRad);

/// The message for an indeterminate path.
UserMessage IndeterminatePathMessage();

/// Parses a terminal's latitude and longitude texts and fills its six reals.
/// On failure the terminal's reals are left as they were and the parser's message
/// is returned.
CheckResult DeriveTerminalCoordinates(Terminal& terminal);

/// Sets a terminal's six reals from degrees (longitude west positive); the texts
/// are not touched.
void SetTerminalDegrees(Terminal& terminal, double latitudeDeg, double longitudeDeg);

/// Both great-circle paths between the terminals, from their texts. Fills the
/// terminals' reals and both path records (IsPolar is left for MarkPolarPaths).
/// Long Length = 2π − short Length; long bearings = short bearings − π.
/// A terminal within 0.003° of a pole is snapped onto it and the bearings take
/// fixed values: from the north pole short and long BearingAtA are π, short
/// BearingAtB 0 and short Length π/2 − the other latitude; mirrored for the south
/// pole and for B.
/// Refused with the indeterminate-path message: coincident or antipodal
/// terminals, and both terminals at a pole (the same one or opposite ones).
PathGeometryResult ComputePathGeometry(Terminal& a, Terminal& b, PathGeometry& shortPath,
                                       PathGeometry& longPath);

/// ComputePathGeometry for terminals whose reals are already those their texts give
/// (DeriveTerminalCoordinates or SetTerminalDegrees with the parsed degrees).
PathGeometryResult ComputePathGeometryOfReals(Terminal& a, Terminal& b, PathGeometry& shortPath,
                                              PathGeometry& longPath);

/// Flags the paths that pass within 25.5° of the polar reference points (83.03° N
/// 93.3° W and 75.34° S 118.66° E). A terminal within 25.5° of either point flags
/// both paths; otherwise a point within 25.5° of the great circle flags the short
/// path when it lies ahead of both terminals along it (bearing differences under
/// 90° at A and at B) and the long path otherwise. Clears both flags first.
/// Needs the terminals and short path as ComputePathGeometry left them.
void MarkPolarPaths(const Terminal& a, const Terminal& b, PathGeometry& shortPath,
                    PathGeometry& longPath);
