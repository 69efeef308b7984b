#include "maps/MapCompose.h"

#include "maps/NightMask.h"

namespace {

PixelBuffer Darkened(const PixelBuffer& base, const MapOverlays& overlays, bool greatCircle,
                     GeoPoint centre) {
    PixelBuffer combined = base.Clone();
    if (overlays.night && overlays.sun) {
        PixelBuffer mask(base.Width(), base.Height());
        if (greatCircle)
            DrawGreatCircleNightMask(mask, centre, *overlays.sun);
        else
            DrawRectangularNightMask(mask, centre.lon, *overlays.sun);
        combined.AndWith(mask);
    }
    return combined;
}

} // namespace

int GreatCircleDiscRadius(int mapSize) {
    const int half = mapSize / 2;
    return static_cast<int>(half * 0.970873786407767) + 1;
}

int GreatCircleImageSize(int baseSize) {
    int size = baseSize | 1;
    while (2 * GreatCircleDiscRadius(size) + 1 < baseSize)
        size += 2;
    return size;
}

void ComposeGreatCircleMap(const PixelBuffer& base, GeoPoint centre, MapCanvas& image,
                           const MapOverlays& overlays) {
    const int mapSize = image.Width();
    const int half = mapSize / 2;
    const int discRadius = GreatCircleDiscRadius(mapSize);
    const int m = half - discRadius;
    const PixelBox disc{m, m, mapSize - m, mapSize - m};
    const AzimuthalView view{half, half, centre.lat, centre.lon, discRadius / 180.0};

    const PixelBuffer combined = Darkened(base, overlays, true, centre);
    image.Fill(kBlack);
    image.CopyFrom(combined, disc);
    image.penWidth = 1;
    image.penColour = kRed;
    image.Ellipse(disc, false);
    image.brushColour = kBlack;
    image.FloodFillToBorder(1, 1, kRed);
    if (overlays.sun)
        DrawGreatCircleSuns(image, view, *overlays.sun);
    if (overlays.grid) {
        image.penColour = kGrey;
        DrawGreatCircleGrid(image, view, half, discRadius);
    }
    if (overlays.polarZones) {
        image.penColour = kWhite;
        DrawGreatCirclePolarZones(image, view);
    }
    if (overlays.paths) {
        image.penWidth = PathPenWidth(overlays.screenWidth, 3);
        DrawGreatCirclePaths(image, view, *overlays.paths);
        image.penWidth = 1;
    }
    image.penColour = kRed;
    image.Ellipse(disc, false);
    if (!overlays.timeLabel.empty())
        DrawTimeLabel(image, overlays.timeLabel);
}

void ComposeRectangularMap(const PixelBuffer& base, double centreLon, MapCanvas& image,
                           const MapOverlays& overlays) {
    const int w = image.Width();
    const int h = image.Height();
    const MapRect rect{1, 1, w - 2, h - 2};
    const PixelBuffer combined = Darkened(base, overlays, false, {0.0, centreLon});
    image.Fill(kBlack);
    image.CopyFrom(combined, {1, 1, w - 1, h - 1});
    image.penWidth = 1;
    if (overlays.grid) {
        image.penColour = kGrey;
        DrawRectangularGrid(image, rect, centreLon);
    }
    if (overlays.polarZones) {
        image.penColour = kWhite;
        DrawRectangularPolarZones(image, rect, centreLon);
    }
    if (overlays.sun)
        DrawRectangularSuns(image, rect, centreLon, *overlays.sun);
    if (overlays.paths) {
        image.penWidth = PathPenWidth(overlays.screenWidth, 2);
        DrawRectangularPaths(image, rect, centreLon, *overlays.paths);
        image.penWidth = 1;
    }
    if (!overlays.timeLabel.empty())
        DrawTimeLabel(image, overlays.timeLabel);
    image.penColour = kRed;
    image.MoveTo(0, 0);
    image.LineTo(w - 1, 0);
    image.LineTo(w - 1, h - 1);
    image.LineTo(0, h - 1);
    image.LineTo(0, 0);
}
