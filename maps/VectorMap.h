#pragma once

#include <optional>
#include <span>
#include <vector>

#include "maps/GeoPoint.h"
#include "maps/NightMask.h"

// The world map as vectors at any pixel size: where a map of either projection lies in
// a target of real pixels, and the coastlines, land, night side, circles and paths as
// pixel polylines in that frame. The windows fill and stroke these with their painter;
// nothing here draws.

/// A point in pixels (real): x to the right, y down.
struct MapPointF {
    double x = 0.0;
    double y = 0.0;
};

/// A chain of pixel points. Rings (closed shapes) repeat no point: the closing edge from
/// the last point back to the first is implied.
using MapPolyline = std::vector<MapPointF>;

/// A world map placed in a target: the projection, its centre and the map's box.
struct WorldFrame {
    bool greatCircle = false;
    /// Great-circle map: the centre point. Rectangular map: centre.lon is the central
    /// meridian (degrees, west positive); centre.lat is not used.
    GeoPoint centre;
    /// Rectangular map: the box of the whole world (360° wide, 180° high, twice as wide
    /// as high). Great-circle map: the square around the disc (the antipode's circle).
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    /// Around a great-circle map's disc: the square the map image takes, black outside
    /// the disc; the radial grid lines reach its edge. Equal to the box for the
    /// rectangular map.
    double outerLeft = 0.0;
    double outerTop = 0.0;
    double outerSize = 0.0;

    double CentreX() const { return left + width / 2.0; }
    double CentreY() const { return top + height / 2.0; }
    /// Pixels per degree: of longitude (rectangular) or of arc from the centre.
    double Scale() const { return width / 360.0; }
    /// The disc radius of a great-circle map, pixels (180° of arc).
    double DiscRadius() const { return width / 2.0; }
};

/// The largest map of the kind that fits a target of targetWidth × targetHeight pixels,
/// centred in it (letterboxed, never stretched): the rectangular map twice as wide as
/// high; the great-circle map a square of side min(width, height) whose disc has radius
/// side/2/1.03, the map windows' proportion of disc to image. Sizes below 1 count as 1.
WorldFrame FitWorldFrame(bool greatCircle, GeoPoint centre, double targetWidth,
                         double targetHeight);

/// Where a point falls. Rectangular: x = left + mod360(centreLon + 180 − lon)·width/360,
/// y = top + (90 − lat)·height/180. Great circle (azimuthal equidistant): distance d
/// (degrees of arc) and bearing β from the centre, x = cx + d·sin β·scale,
/// y = cy − d·cos β·scale; a centre within 0.003° of a pole takes the point's longitude
/// λ as the direction (x = cx + d·cos λ·scale, y = cy + d·sin λ·scale, the y term
/// negated for a southern centre). The centre's antipode has no direction: not visible.
struct ProjectedPoint {
    MapPointF at;
    bool visible = false;
};
ProjectedPoint ProjectToFrame(const WorldFrame& frame, GeoPoint point);

/// The place under pixel (x, y), the inverse of ProjectToFrame (longitude reduced into
/// (−180, 180]); nullopt outside the map's box or disc.
std::optional<GeoPoint> PlaceAtPixel(const WorldFrame& frame, double x, double y);

/// A chain of places as pixel polylines. Rectangular: straight pieces between the
/// places with longitudes unwrapped, so a chain that crosses the map's side edge goes on
/// past it, and copies one map width to either side wherever they reach into the map
/// (the painter clips to the box). Great circle: pieces bisected at the arithmetic mean
/// of their ends' coordinates until the ends are at most `tolerance` pixels apart (as
/// the coastlines of the base maps), split where a place is the antipode.
std::vector<MapPolyline> ProjectChain(const WorldFrame& frame, std::span<const GeoPoint> places,
                                      double tolerance = 1.0);

/// The circle of `radiusDeg` degrees of arc around `centre` (0 < radius < 180), traced
/// clockwise from north of the centre: for the great-circle map one closed polyline
/// whose pieces are bisected along the circle until at most `tolerance` pixels long;
/// for the rectangular map as ProjectChain of 721 points.
std::vector<MapPolyline> ProjectCircle(const WorldFrame& frame, GeoPoint centre, double radiusDeg,
                                       double tolerance = 1.0);

/// The coastlines of the world outline (its 490 polylines) in the frame.
std::vector<MapPolyline> CoastlinePolylines(const WorldFrame& frame, double tolerance = 1.0);

/// The land as rings to fill by the even-odd rule: every closed coastline (the
/// pieces cut at the ±180° meridian joined again, a ring around a pole closed along the
/// map's top or bottom edge), so that lakes inside land and islands inside lakes come
/// out right. On the great-circle map a land ring around the centre's antipode is drawn
/// inside out, by adding the disc's circle.
std::vector<MapPolyline> LandRings(const WorldFrame& frame, double tolerance = 1.0);

/// The night side, the places more than 90° from the subsolar point, as rings to fill by
/// the even-odd rule and clip to the map. A great-circle centre within 1e-6° of the
/// terminator gets the half disc away from the Sun.
std::vector<MapPolyline> NightRings(const WorldFrame& frame, SubsolarPoint sun,
                                    double tolerance = 1.0);

/// The polygon of the great-circle disc (or the rectangular box): 4·ceil(radius) points,
/// at least 64.
MapPolyline DiscOutline(const WorldFrame& frame);

/// True when `place` lies inside the coastline ring of `ring` (degrees, west positive,
/// first place not repeated at the end; a ring whose longitudes wind once round is
/// closed over the nearer pole).
bool RingHoldsPlace(std::span<const GeoPoint> ring, GeoPoint place);

/// The place at `distanceDeg` degrees of arc from `from` along the initial bearing
/// `bearingDeg` (clockwise from north). Longitudes west positive, reduced into
/// (−180, 180].
GeoPoint PlaceAlong(GeoPoint from, double bearingDeg, double distanceDeg);
