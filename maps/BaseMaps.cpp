#include "maps/BaseMaps.h"

#include <cmath>

#include "core/Syntax.h"
#include "maps/AzimuthalMap.h"
#include "maps/RectMap.h"
#include "maps/WorldOutline.h"

namespace {

constexpr int kProgressStride = 512;

void Report(const BaseMapProgress& progress, int done) {
    if (progress && (done % kProgressStride == 0 || done == int(WorldOutline.size())))
        progress(done, static_cast<int>(WorldOutline.size()));
}

} // namespace

int RectangularBaseHeight(int width) {
    const int span = static_cast<int>(std::lround((width - 1) * 358.0 / 354.0 / 2.0)) * 2;
    return span + 1;
}

std::optional<GeoPoint> BaseMapCentre(const Settings& settings) {
    if (!settings.DefaultDefined)
        return std::nullopt;
    const CoordinateParse lat =
        ParseCoordinate(settings.DefaultLatitudeText, CoordinateKind::Latitude);
    const CoordinateParse lon =
        ParseCoordinate(settings.DefaultLongitudeText, CoordinateKind::Longitude);
    if (!lat || !lon)
        return std::nullopt;
    return GeoPoint{lat.valueDeg, lon.valueDeg};
}

void DrawRectangularBaseMap(MapCanvas& canvas, double centreLon, const BaseMapProgress& progress) {
    canvas.Fill(kYellow);
    canvas.penColour = kLime;
    canvas.penWidth = 1;
    const MapRect rect{0, 0, canvas.Width() - 1, canvas.Height() - 1};
    PixelPoint last;
    int done = 0;
    for (const OutlinePoint& p : WorldOutline) {
        const GeoPoint g = ToGeoPoint(p);
        RectMapPlot(last, !IsPenUp(p), g.lat, g.lon, centreLon, canvas, rect);
        Report(progress, ++done);
    }
    canvas.brushColour = kBlue;
    for (const SeaSeed& seed : SeaSeeds)
        canvas.FloodFillSurface(RectMapX(rect, seed.lon, centreLon), RectMapY(rect, seed.lat),
                                kYellow, true);
}

void DrawGreatCircleBaseMap(MapCanvas& canvas, GeoPoint centre, const BaseMapProgress& progress) {
    const int w = canvas.Width();
    canvas.Fill(kBlack);
    canvas.brushColour = kYellow;
    canvas.penColour = kLime;
    canvas.penWidth = 1;
    canvas.Ellipse({-1, -1, w + 1, w + 1}, true);
    const AzimuthalView view{w / 2, canvas.Height() / 2, centre.lat, centre.lon, (w + 1) / 360.0};
    GeoPoint previous;
    int done = 0;
    for (const OutlinePoint& p : WorldOutline) {
        const GeoPoint g = ToGeoPoint(p);
        if (IsPenUp(p))
            AzimuthalPlotPoint(g, canvas, view, false);
        else
            AzimuthalSegment(previous, g, canvas, view, false, false);
        previous = g;
        Report(progress, ++done);
    }
    canvas.brushColour = kBlue;
    for (const SeaSeed& seed : SeaSeeds) {
        const AzimuthalOffset o =
            AzimuthalProject({seed.lat, seed.lon}, centre.lat, centre.lon, view.scale);
        if (o.visible)
            canvas.FloodFillSurface(view.centreX + o.dx, view.centreY - o.dy, kYellow);
    }
    canvas.penColour = kBlack;
    canvas.Ellipse({-1, -1, w + 1, w + 1}, false);
}
