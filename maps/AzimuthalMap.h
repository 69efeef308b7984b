#pragma once

#include "maps/GeoPoint.h"
#include "maps/MapCanvas.h"

/// Where a point falls on an azimuthal equidistant map, relative to the map centre.
struct AzimuthalOffset {
    int dx = 0;           ///< pixels to the right
    int dy = 0;           ///< pixels UP
    bool visible = false; ///< false only for the centre's antipode, which has no direction
};

/// An azimuthal equidistant map on a canvas: the centre's pixel, the centre point
/// (degrees, west positive) and the scale in pixels per degree of arc.
struct AzimuthalView {
    int centreX = 0;
    int centreY = 0;
    double centreLat = 0.0;
    double centreLon = 0.0;
    double scale = 1.0;
};

/// Azimuthal equidistant projection. d = CentralAngle in degrees, β = InitialBearing
/// from the centre; dx = round(d·sin β·scale), dy = round(d·cos β·scale). A point that
/// coincides with the centre (or lies within 90° when the bearing is indeterminate)
/// gives (0, 0); the antipode is not visible. A centre within 0.003° of a pole turns the
/// point's longitude λ into the direction: dx = round(d·cos λ·scale),
/// dy = −round(d·sin λ·scale), negated for a southern centre.
AzimuthalOffset AzimuthalProject(GeoPoint point, double centreLat, double centreLon, double scale);

/// Sets the pixel (centreX + dx, centreY − dy) of a visible point in the pen colour;
/// with `movePen` the canvas position moves there too (a wide pen leaves a dot).
void AzimuthalPlotPoint(GeoPoint point, MapCanvas& canvas, const AzimuthalView& view, bool movePen);

/// Draws the segment from p1 to p2 by bisection: while both ends are visible and more
/// than one pixel apart, the arithmetic midpoint of the coordinates (longitudes brought
/// within 180° of each other) splits it. Bisection also stops when the midpoint lands
/// on an end's pixel or 30 levels deep (near the antipode close points fall far apart).
/// Finally p2 is plotted when visible: a 3 × 3 dot when `thick`, else as
/// AzimuthalPlotPoint. p1 itself is not plotted.
void AzimuthalSegment(GeoPoint p1, GeoPoint p2, MapCanvas& canvas, const AzimuthalView& view,
                      bool movePen, bool thick);

/// A 3 × 3 dot centred on (x, y) in `colour`; with `movePen` the position ends on it.
void PlotDot(int x, int y, MapCanvas& canvas, bool movePen, Rgb colour);
