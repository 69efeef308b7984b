#include "maps/MapOverlays.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Numeric.h"

namespace {

constexpr int kCircleSteps = 361;

int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

GeoPoint PolarCentre(bool north) {
    return north ? GeoPoint{kNorthPolarPointLatDeg, kNorthPolarPointLonDeg}
                 : GeoPoint{kSouthPolarPointLatDeg, kSouthPolarPointLonDeg};
}

void Circle(MapCanvas& canvas, int cx, int cy, int r) {
    canvas.Ellipse({cx - r, cy - r, cx + r + 1, cy + r + 1}, false);
}

} // namespace

int PathPenWidth(int screenWidth, int numerator) {
    const double h = screenWidth * static_cast<double>(numerator) / 1024.0;
    const int width = h != std::floor(h) ? Round(h) + 1 : static_cast<int>(h);
    return std::max(width, 1);
}

void DrawSunSymbol(MapCanvas& canvas, int x, int y) {
    const double r = canvas.Width() / 47.0;
    std::array<PixelPoint, 16> star;
    for (int i = 0; i < 16; ++i) {
        const double angle = i * 22.5 * kRadPerDeg;
        const double radius = i % 2 == 0 ? r : r / 2.0;
        star[i] = {x + Round(std::sin(angle) * radius), y - Round(std::cos(angle) * radius)};
    }
    const Rgb pen = canvas.penColour;
    const Rgb brush = canvas.brushColour;
    canvas.penColour = kBlack;
    canvas.brushColour = kYellow;
    canvas.Polygon(star);
    canvas.penColour = pen;
    canvas.brushColour = brush;
}

std::string TimeLabelText(std::string_view timeText, std::string_view zoneLabel) {
    return " " + std::string(timeText) + " " + std::string(zoneLabel) + " ";
}

void DrawTimeLabel(MapCanvas& canvas, std::string_view label) {
    const TextExtent size = canvas.MeasureText(label);
    canvas.DrawText(canvas.Width() - size.width, canvas.Height() - size.height, label, kWhite,
                    kBlack);
}

GeoPoint PolarCircleStart(bool north) {
    const GeoPoint c = PolarCentre(north);
    if (north)
        return {180.0 - c.lat - kPolarRadiusDeg, c.lon + 180.0};
    return {c.lat + kPolarRadiusDeg, c.lon};
}

GeoPoint PolarCirclePoint(bool north, int k) {
    const GeoPoint c = PolarCentre(north);
    const double phiC = c.lat * kRadPerDeg;
    const double r = kPolarRadiusDeg * kRadPerDeg;
    const double theta = k * kRadPerDeg;
    const double phi =
        ArcSin(std::cos(r) * std::sin(phiC) + std::sin(r) * std::cos(phiC) * std::cos(theta));
    double h =
        ArcCos((std::cos(r) - std::sin(phiC) * std::sin(phi)) / (std::cos(phiC) * std::cos(phi))) *
        kDegPerRad;
    if (std::sin(theta) < 0)
        h = -h;
    return {phi * kDegPerRad, c.lon - h};
}

int PathSteps(const PathGeometry& path) {
    return std::max(Round(path.Length * kDegPerRad), 1);
}

GeoPoint PathPoint(const MapPaths& paths, PathKind kind, int k, int n) {
    const PathGeometry& path = kind == PathKind::Short ? paths.shortPath : paths.longPath;
    const GeoLatLon p = PointAlongPath({paths.a.LatitudeRad, paths.a.LongitudeRad}, kind,
                                       path.BearingAtA, k * path.Length / n, paths.b.LongitudeRad);
    return {p.latRad * kDegPerRad, p.lonRad * kDegPerRad};
}

void DrawGreatCircleGrid(MapCanvas& canvas, const AzimuthalView& view, int half, int discRadius) {
    for (int i = 0; i < 12; ++i) {
        const double angle = i * 30.0 * kRadPerDeg;
        canvas.MoveTo(view.centreX, view.centreY);
        canvas.LineTo(view.centreX + Round((half + 1) * std::cos(angle)),
                      view.centreY + Round((half + 1) * std::sin(angle)));
    }
    for (int i = 1; i <= 3; ++i)
        Circle(canvas, view.centreX, view.centreY, Round(discRadius * i / 4.0));
}

void DrawGreatCirclePolarZones(MapCanvas& canvas, const AzimuthalView& view) {
    for (bool north : {true, false}) {
        GeoPoint previous = PolarCircleStart(north);
        AzimuthalPlotPoint(previous, canvas, view, false);
        for (int k = 1; k <= kCircleSteps; ++k) {
            const GeoPoint next = PolarCirclePoint(north, k);
            AzimuthalSegment(previous, next, canvas, view, false, false);
            previous = next;
        }
    }
}

void DrawGreatCirclePaths(MapCanvas& canvas, const AzimuthalView& view, const MapPaths& paths) {
    for (PathKind kind : {PathKind::Long, PathKind::Short}) {
        canvas.penColour = kind == PathKind::Long ? kBlack : kRed;
        const GeoPoint a{paths.a.LatitudeDeg, paths.a.LongitudeDeg};
        AzimuthalPlotPoint(a, canvas, view, false);
        const int n = PathSteps(kind == PathKind::Long ? paths.longPath : paths.shortPath);
        GeoPoint previous = a;
        for (int k = 1; k <= n; ++k) {
            const GeoPoint next = PathPoint(paths, kind, k, n);
            AzimuthalSegment(previous, next, canvas, view, false, true);
            previous = next;
        }
    }
}

void DrawGreatCircleSuns(MapCanvas& canvas, const AzimuthalView& view, SubsolarPoint sun) {
    const GeoPoint s{sun.declinationDeg, sun.longitudeDeg};
    const AzimuthalOffset o = AzimuthalProject(s, view.centreLat, view.centreLon, view.scale);
    if (!o.visible)
        return;
    DrawSunSymbol(canvas, view.centreX + o.dx, view.centreY - o.dy);
    if (std::abs(o.dx) <= 1 && std::abs(o.dy) <= 1)
        return;
    const double d = CentralAngle(view.centreLat * kRadPerDeg, view.centreLon * kRadPerDeg,
                                  s.lat * kRadPerDeg, s.lon * kRadPerDeg)
                         .angle *
                     kDegPerRad;
    const double factor = (360.0 - d) / d;
    DrawSunSymbol(canvas, view.centreX - Round(o.dx * factor), view.centreY + Round(o.dy * factor));
}

void DrawRectangularGrid(MapCanvas& canvas, MapRect rect, double centreLon) {
    for (int lat = -90; lat <= 90; lat += 30) {
        const int y = RectMapY(rect, lat);
        canvas.MoveTo(rect.left, y);
        canvas.LineTo(rect.right + 1, y);
    }
    PixelPoint last;
    for (int lon = 0; lon < 360; lon += 60) {
        RectMapPlot(last, false, 90.0, lon, centreLon, canvas, rect);
        RectMapPlot(last, true, -90.0, lon, centreLon, canvas, rect);
    }
}

void DrawRectangularPolarZones(MapCanvas& canvas, MapRect rect, double centreLon) {
    for (bool north : {true, false}) {
        PixelPoint last;
        const GeoPoint start = PolarCircleStart(north);
        RectMapPlot(last, false, start.lat, start.lon, centreLon, canvas, rect);
        for (int k = 1; k <= kCircleSteps; ++k) {
            const GeoPoint p = PolarCirclePoint(north, k);
            RectMapPlot(last, true, p.lat, p.lon, centreLon, canvas, rect);
        }
    }
}

namespace {

// A path drawn as straight pieces through the given points.
void Polyline(MapCanvas& canvas, MapRect rect, double centreLon, const std::vector<GeoPoint>& pts) {
    PixelPoint last;
    for (std::size_t i = 0; i < pts.size(); ++i)
        RectMapPlot(last, i > 0, pts[i].lat, pts[i].lon, centreLon, canvas, rect);
}

// A path along a meridian: the terminal nearer the equator T1 (e, d), the other T2 (c, b),
// P the pole away from T2's side.
void DrawMeridianPaths(MapCanvas& canvas, MapRect rect, double centreLon, const MapPaths& paths) {
    const Terminal* t1 = &paths.a;
    const Terminal* t2 = &paths.b;
    if (std::fabs(t2->LatitudeDeg) < std::fabs(t1->LatitudeDeg))
        std::swap(t1, t2);
    const double e = t1->LatitudeDeg;
    const double d = t1->LongitudeDeg;
    const double c = t2->LatitudeDeg;
    const double b = t2->LongitudeDeg;
    const double p = e + c > 0 ? -90.0 : 90.0;
    const bool sameSide = std::cos((d - b) * kRadPerDeg) > 0 || std::fabs(c) == 90.0;
    canvas.penColour = kBlack;
    if (sameSide)
        Polyline(canvas, rect, centreLon,
                 {{e, d}, {p, d}, {p, d + 180}, {-p, d + 180}, {-p, d}, {c, d}});
    else // the long way: over pole P and up T2's meridian
        Polyline(canvas, rect, centreLon, {{e, d}, {p, d}, {p, b}, {c, b}});
    canvas.penColour = kRed;
    if (sameSide)
        Polyline(canvas, rect, centreLon, {{e, d}, {c, d}});
    else
        Polyline(canvas, rect, centreLon, {{e, d}, {-p, d}, {-p, b}, {c, b}});
}

} // namespace

void DrawRectangularPaths(MapCanvas& canvas, MapRect rect, double centreLon,
                          const MapPaths& paths) {
    if (std::fabs(std::sin(paths.shortPath.BearingAtA) * std::cos(paths.a.LatitudeRad)) < 1e-9) {
        DrawMeridianPaths(canvas, rect, centreLon, paths);
        return;
    }
    for (PathKind kind : {PathKind::Long, PathKind::Short}) {
        canvas.penColour = kind == PathKind::Long ? kBlack : kRed;
        PixelPoint last;
        RectMapPlot(last, false, paths.a.LatitudeDeg, paths.a.LongitudeDeg, centreLon, canvas,
                    rect);
        const int n = PathSteps(kind == PathKind::Long ? paths.longPath : paths.shortPath);
        for (int k = 1; k <= n; ++k) {
            const GeoPoint p = PathPoint(paths, kind, k, n);
            RectMapPlot(last, true, p.lat, p.lon, centreLon, canvas, rect);
        }
    }
}

void DrawRectangularSuns(MapCanvas& canvas, MapRect rect, double centreLon, SubsolarPoint sun) {
    const int x = RectMapX(rect, sun.longitudeDeg, centreLon);
    const int y = RectMapY(rect, sun.declinationDeg);
    const int span = rect.right - rect.left + 1;
    DrawSunSymbol(canvas, x, y);
    DrawSunSymbol(canvas, x < rect.left + (rect.right - rect.left) / 2 ? x + span : x - span, y);
}
