#pragma once

#include "core/Dates.h"
#include "maps/GeoPoint.h"
#include "maps/MapCanvas.h"

/// Where the Sun is overhead: declination and west-positive longitude, degrees.
struct SubsolarPoint {
    double declinationDeg = 0.0;
    double longitudeDeg = 0.0; ///< 0..360, west positive
};

/// The subsolar point at `hoursUT` on `date` (UTC): δ from SunCoordinates at
/// date + hoursUT/24, λ = PositiveMod(360, 15·hoursUT + (L − α) − 180).
SubsolarPoint SubsolarPointAt(DateValue date, double hoursUT);

/// The night mask of a great-circle map drawn on `mask` (odd square; centre pixel w/2,
/// (w + 1)/360 pixels per degree, the base map's own geometry): grey night, white day,
/// separated by the terminator, the circle 90° from the subsolar point. A centre within
/// 0.0395° of the terminator gets a straight diameter instead.
void DrawGreatCircleNightMask(MapCanvas& mask, GeoPoint centre, SubsolarPoint sun);

/// The night mask of a rectangular map (whole canvas, central meridian `centreLon`):
/// grey night, white day; the terminator in a 2-pixel pen, two meridians 90° either
/// side of the Sun when |δ| < 0.19°.
void DrawRectangularNightMask(MapCanvas& mask, double centreLon, SubsolarPoint sun);

/// The terminator's start point and its k-th point (k = 1..361, one degree apart), the
/// circle traced by both night masks: (φ, λs − H) with sin φ = cos δ·cos k° and
/// cos H = −tan δ·tan φ, H negative for sin k° < 0.
GeoPoint TerminatorStart(SubsolarPoint sun);
GeoPoint TerminatorPoint(SubsolarPoint sun, int k);
