#include "maps/NightMask.h"

#include <cmath>

#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "engine/Propagation.h"
#include "maps/AzimuthalMap.h"
#include "maps/RectMap.h"

namespace {

constexpr int kTerminatorSteps = 361;

int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

SubsolarPoint SubsolarPointAt(DateValue date, double hoursUT) {
    const SunCoordinatesResult sun = SunCoordinates(date + hoursUT / 24.0);
    return {sun.declination * kDegPerRad,
            PositiveMod(360, 15.0 * hoursUT + sun.lMinusAlphaDeg - 180.0)};
}

GeoPoint TerminatorStart(SubsolarPoint sun) {
    const double delta = sun.declinationDeg;
    if (delta > 0)
        return {90.0 - delta, sun.longitudeDeg + 180.0};
    return {delta + 90.0, sun.longitudeDeg};
}

GeoPoint TerminatorPoint(SubsolarPoint sun, int k) {
    const double delta = sun.declinationDeg * kRadPerDeg;
    const double theta = k * kRadPerDeg;
    const double phi = ArcSin(std::cos(delta) * std::cos(theta));
    const double ratio = -std::tan(delta) * std::sin(phi) / std::cos(phi);
    double h = std::isfinite(ratio) ? ArcCos(ratio) * kDegPerRad : 180.0;
    if (std::sin(theta) < 0)
        h = -h;
    return {phi * kDegPerRad, sun.longitudeDeg - h};
}

void DrawGreatCircleNightMask(MapCanvas& mask, GeoPoint centre, SubsolarPoint sun) {
    const int w = mask.Width();
    const AzimuthalView view{w / 2, mask.Height() / 2, centre.lat, centre.lon, (w + 1) / 360.0};
    mask.Fill(kGrey);
    mask.penColour = kWhite;
    mask.penWidth = 1;
    const double c0 = centre.lat * kRadPerDeg;
    const double l0 = centre.lon * kRadPerDeg;
    const double cs = sun.declinationDeg * kRadPerDeg;
    const double ls = sun.longitudeDeg * kRadPerDeg;
    const double distanceDeg = CentralAngle(c0, l0, cs, ls).angle * kDegPerRad;
    if (std::fabs(distanceDeg - 90.0) <= 0.0395) {
        const double beta = InitialBearing(c0, l0, cs, ls).bearing;
        const int half = w / 2;
        const int dx = Round(half * std::cos(beta));
        const int dy = Round(half * std::sin(beta));
        mask.MoveTo(view.centreX + dx, view.centreY + dy);
        mask.LineTo(view.centreX - dx, view.centreY - dy);
        mask.SetPixel(view.centreX - dx, view.centreY - dy, kWhite);
    } else {
        GeoPoint previous = TerminatorStart(sun);
        AzimuthalPlotPoint(previous, mask, view, false);
        for (int k = 1; k <= kTerminatorSteps; ++k) {
            const GeoPoint next = TerminatorPoint(sun, k);
            AzimuthalSegment(previous, next, mask, view, false, false);
            previous = next;
        }
    }
    mask.Ellipse({-1, -1, w + 1, w + 1}, false);
    mask.brushColour = kWhite;
    for (double side : {-75.0, 75.0}) {
        const AzimuthalOffset o = AzimuthalProject({sun.declinationDeg, sun.longitudeDeg + side},
                                                   centre.lat, centre.lon, view.scale);
        if (o.visible)
            mask.FloodFillToBorder(view.centreX + o.dx, view.centreY - o.dy, kWhite);
    }
    mask.penColour = kGrey;
    mask.Ellipse({-1, -1, w + 1, w + 1}, false);
}

void DrawRectangularNightMask(MapCanvas& mask, double centreLon, SubsolarPoint sun) {
    const MapRect rect{0, 0, mask.Width() - 1, mask.Height() - 1};
    mask.Fill(kGrey);
    mask.penColour = kWhite;
    mask.penWidth = 2;
    PixelPoint last;
    if (std::fabs(sun.declinationDeg) < 0.19) {
        for (double side : {90.0, -90.0}) {
            RectMapPlot(last, false, 90.0, sun.longitudeDeg + side, centreLon, mask, rect);
            RectMapPlot(last, true, -90.0, sun.longitudeDeg + side, centreLon, mask, rect);
        }
    } else {
        const GeoPoint start = TerminatorStart(sun);
        RectMapPlot(last, false, start.lat, start.lon, centreLon, mask, rect);
        for (int k = 1; k <= kTerminatorSteps; ++k) {
            const GeoPoint p = TerminatorPoint(sun, k);
            RectMapPlot(last, true, p.lat, p.lon, centreLon, mask, rect);
        }
    }
    mask.penWidth = 1;
    mask.brushColour = kWhite;
    for (double side : {88.0, -88.0})
        mask.FloodFillSurface(RectMapX(rect, sun.longitudeDeg + side, centreLon),
                              RectMapY(rect, sun.declinationDeg), kGrey, true);
}
