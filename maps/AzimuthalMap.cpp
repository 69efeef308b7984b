#include "maps/AzimuthalMap.h"

#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/Constants.h"
#include "core/Geometry.h"

namespace {

constexpr int kMaxDepth = 30;

int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

struct Projected {
    GeoPoint point;
    AzimuthalOffset offset;
};

Projected Project(GeoPoint p, const AzimuthalView& view) {
    return {p, AzimuthalProject(p, view.centreLat, view.centreLon, view.scale)};
}

void Plot(const Projected& p, MapCanvas& canvas, const AzimuthalView& view, bool movePen,
          bool thick) {
    if (!p.offset.visible)
        return;
    const int x = view.centreX + p.offset.dx;
    const int y = view.centreY - p.offset.dy;
    if (thick) {
        PlotDot(x, y, canvas, movePen, canvas.penColour);
        return;
    }
    canvas.SetPixel(x, y, canvas.penColour);
    if (movePen) {
        canvas.MoveTo(x, y);
        if (canvas.penWidth > 1)
            canvas.LineTo(x, y);
    }
}

bool SamePixel(const AzimuthalOffset& a, const AzimuthalOffset& b) {
    return a.dx == b.dx && a.dy == b.dy;
}

void Bisect(const Projected& a, const Projected& b, MapCanvas& canvas, const AzimuthalView& view,
            bool movePen, bool thick, int depth) {
    if (a.offset.visible && b.offset.visible && depth < kMaxDepth &&
        (std::abs(a.offset.dx - b.offset.dx) > 1 || std::abs(a.offset.dy - b.offset.dy) > 1)) {
        double lon1 = a.point.lon;
        const double lon2 = b.point.lon;
        if (std::fabs(lon1 - lon2) > 180.0)
            lon1 += lon1 >= lon2 ? -360.0 : 360.0;
        const Projected m = Project({(a.point.lat + b.point.lat) / 2.0, (lon1 + lon2) / 2.0}, view);
        // A half whose midpoint lands on its end's pixel has nothing to draw; only the
        // other half is split further.
        if (!(m.offset.visible && SamePixel(m.offset, a.offset)))
            Bisect(a, m, canvas, view, movePen, thick, depth + 1);
        if (!(m.offset.visible && SamePixel(m.offset, b.offset)))
            Bisect(m, b, canvas, view, movePen, thick, depth + 1);
    }
    Plot(b, canvas, view, movePen, thick);
}

} // namespace

AzimuthalOffset AzimuthalProject(GeoPoint point, double centreLat, double centreLon, double scale) {
    const double lat0 = centreLat * kRadPerDeg;
    const double lon0 = centreLon * kRadPerDeg;
    const double lat = point.lat * kRadPerDeg;
    const double lon = point.lon * kRadPerDeg;
    const double d = CentralAngle(lat0, lon0, lat, lon).angle * kDegPerRad;
    const BearingResult bearing = InitialBearing(lat0, lon0, lat, lon);
    switch (bearing.status) {
    case BearingStatus::Ok:
        return {Round(d * std::sin(bearing.bearing) * scale),
                Round(d * std::cos(bearing.bearing) * scale), true};
    case BearingStatus::Indeterminate:
        if (d < 90.0)
            return {0, 0, true};
        return {INT_MAX, INT_MAX, false};
    case BearingStatus::AtPole: {
        const int dy = -Round(d * std::sin(lon) * scale);
        return {Round(d * std::cos(lon) * scale), centreLat < 0 ? -dy : dy, true};
    }
    }
    return {INT_MAX, INT_MAX, false};
}

void AzimuthalPlotPoint(GeoPoint point, MapCanvas& canvas, const AzimuthalView& view,
                        bool movePen) {
    Plot(Project(point, view), canvas, view, movePen, false);
}

void AzimuthalSegment(GeoPoint p1, GeoPoint p2, MapCanvas& canvas, const AzimuthalView& view,
                      bool movePen, bool thick) {
    Bisect(Project(p1, view), Project(p2, view), canvas, view, movePen, thick, 0);
}

void PlotDot(int x, int y, MapCanvas& canvas, bool movePen, Rgb colour) {
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j) {
            canvas.SetPixel(x + i, y + j, colour);
            if (movePen)
                canvas.MoveTo(x + i, y + j);
        }
}
