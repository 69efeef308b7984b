#pragma once

#include <string>
#include <string_view>

#include "core/Terminal.h"
#include "maps/AzimuthalMap.h"
#include "maps/NightMask.h"
#include "maps/RectMap.h"

// The drawing steps on top of a base map: grid, polar-zone circles, the two paths, the
// sun symbol and the time label, for either projection.

/// The pen width of the paths for a screen width: h = screenWidth·perMille/1024, rounded
/// up to the next whole number plus one when it has a fraction (3.2 → 4, 3.0 → 3), at
/// least 1.
int PathPenWidth(int screenWidth, int numerator);

/// The 16-vertex star of the sun symbol around (x, y): vertex i at i·22.5° clockwise
/// from up, radius canvasWidth/47 for even i and half that for odd i; black outline,
/// yellow inside.
void DrawSunSymbol(MapCanvas& canvas, int x, int y);

/// " " + time + " " + zone + " ": the time label's text.
std::string TimeLabelText(std::string_view timeText, std::string_view zoneLabel);

/// The label in white on black at the canvas' bottom right corner.
void DrawTimeLabel(MapCanvas& canvas, std::string_view label);

/// The two terminals and both paths between them, as ComputePathGeometry left them.
struct MapPaths {
    Terminal a;
    Terminal b;
    PathGeometry shortPath;
    PathGeometry longPath;
};

/// The polar-zone circle's start point and its k-th point (k = 1..361): the circle of
/// 25.5° around the north (north true) or south polar reference point.
GeoPoint PolarCircleStart(bool north);
GeoPoint PolarCirclePoint(bool north, int k);

/// The k-th of n points along a path from A (degrees, west positive): PointAlongPath
/// at k·Length/n with B's longitude for a pole start.
GeoPoint PathPoint(const MapPaths& paths, PathKind kind, int k, int n);

/// Steps of the path drawing: n = max(round(Length in degrees), 1).
int PathSteps(const PathGeometry& path);

// Great-circle map: `view` is the map's centre pixel, centre point and scale.

/// 12 radial lines every 30° from the centre out to radius half + 1, and circles of
/// radius round(discRadius·i/4), i = 1..3, in the pen.
void DrawGreatCircleGrid(MapCanvas& canvas, const AzimuthalView& view, int half, int discRadius);
/// Both polar-zone circles in the pen, joined by AzimuthalSegment.
void DrawGreatCirclePolarZones(MapCanvas& canvas, const AzimuthalView& view);
/// Long path in black, then short path in red, as chains of 3 × 3 dots.
void DrawGreatCirclePaths(MapCanvas& canvas, const AzimuthalView& view, const MapPaths& paths);
/// The sun at its subsolar point and again where the long way round reaches it (at or
/// beyond the rim); the second is left out when the sun is within a pixel of the centre.
void DrawGreatCircleSuns(MapCanvas& canvas, const AzimuthalView& view, SubsolarPoint sun);

// Rectangular map: `rect` is the drawing rectangle, `centreLon` its central meridian.

/// Parallels every 30° and meridians every 60° in the pen.
void DrawRectangularGrid(MapCanvas& canvas, MapRect rect, double centreLon);
/// Both polar-zone circles in the pen.
void DrawRectangularPolarZones(MapCanvas& canvas, MapRect rect, double centreLon);
/// Long path in black, then short path in red. A path along a meridian
/// (|sin(short bearing at A)·cos(latitude of A)| < 1e-9) is drawn in straight pieces
/// over the poles.
void DrawRectangularPaths(MapCanvas& canvas, MapRect rect, double centreLon, const MapPaths& paths);
/// The sun symbol at the subsolar point and a copy one map width away toward the
/// map's middle, so a symbol cut by a side edge shows on the other side.
void DrawRectangularSuns(MapCanvas& canvas, MapRect rect, double centreLon, SubsolarPoint sun);
