#pragma once

#include "p533/Units.h"

// The circuit's great circle and the geometry of a ray reflected at a mirror height
// (P.533 §2 and §5.1), on a spherical Earth of radius 6371.009 km.

namespace p533 {

/// Ground distance between two points, km (haversine form), 0..πR0.
double GreatCircleKm(LatLon a, LatLon b);

/// The bearing from a toward b, radians clockwise from north, 0..2π; 0 (north) when
/// the two points coincide or are antipodal.
double Bearing(LatLon a, LatLon b);

/// The point reached from `start` along the bearing `bearing` (radians) after
/// `distanceKm` (any length: beyond πR0 the great circle runs on past the antipode).
LatLon Destination(LatLon start, double bearing, double distanceKm);

/// Geomagnetic latitude (dipole with its north pole at 78.5° N, 68.2° W), radians.
double GeomagneticLatitude(LatLon p);

/// Elevation angle of a hop of ground length hopKm reflected at height hrKm, radians
/// (negative when the hop is too long to leave the ground).
double ElevationAngle(double hopKm, double hrKm);

/// Angle of incidence at height hKm of a ray that leaves the ground at elevation
/// `elevation` (radians), radians.
double IncidenceAngle(double elevation, double hKm);

/// The longest hop that leaves the ground at `minElevation` and is reflected at hrKm,
/// limited to 4000 km.
double LongestHopKm(double hrKm, double minElevation);

/// Ground distance from a hop's start to the point where its ray crosses hKm.
double GroundOffsetKm(double elevation, double hKm);

/// Slant (virtual) path length of `hops` equal hops of hopKm at elevation
/// `elevation`, km.
double SlantRangeKm(int hops, double hopKm, double elevation);

/// The great circle of a circuit from the transmitter T to the receiver R, short or
/// long way round.
struct CircuitPath {
    LatLon tx;
    LatLon rx;
    bool longPath = false;
    double distanceKm = 0.0; ///< D along the path; at least 0.01 km
    double txBearing = 0.0;  ///< at T toward R along the path, radians
    double rxBearing = 0.0;  ///< at R toward T along the path, radians

    double sinTxLat = 0.0, cosTxLat = 1.0, sinBearing = 0.0, cosBearing = 1.0;

    /// The point `fromTxKm` along the path from T (Destination from T on txBearing).
    LatLon At(double fromTxKm) const;
};

/// The path between two points in radians.
CircuitPath MakeCircuitPath(LatLon tx, LatLon rx, bool longPath);

} // namespace p533
