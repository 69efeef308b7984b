#include <gtest/gtest.h>

#include "core/Geometry.h"
#include "maps/BaseMaps.h"
#include "maps/MapCompose.h"

namespace {

constexpr double kGcScale = 356.0 / 360.0;

int Count(const MapCanvas& canvas, Rgb colour) {
    int n = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            n += canvas.PixelAt(x, y) == colour;
    return n;
}

MapPaths Paths(const char* latA, const char* lonA, const char* latB, const char* lonB) {
    MapPaths p;
    p.a.LatitudeText = latA;
    p.a.LongitudeText = lonA;
    p.b.LatitudeText = latB;
    p.b.LongitudeText = lonB;
    EXPECT_TRUE(ComputePathGeometry(p.a, p.b, p.shortPath, p.longPath));
    return p;
}

} // namespace

TEST(NightMask, RectangularEquinoxIsTwoStraightMeridians) {
    PixelBuffer mask(355, 359);
    const MapRect rect{0, 0, 354, 358};
    DrawRectangularNightMask(mask, 0.0, {0.1, 0.0}); // sun over Greenwich
    for (int y : {5, 100, 179, 300, 353}) {
        EXPECT_EQ(mask.PixelAt(177, y), kWhite) << y;                  // noon: day
        EXPECT_EQ(mask.PixelAt(2, y), kGrey) << y;                     // midnight
        EXPECT_EQ(mask.PixelAt(RectMapX(rect, 90.0, 0.0), y), kWhite); // the line at 90° W
        EXPECT_EQ(mask.PixelAt(RectMapX(rect, -95.0, 0.0), y), kGrey); // beyond 90° E
    }
}

TEST(NightMask, RectangularSolsticeLightsThePoleAcrossTheSideEdges) {
    PixelBuffer mask(355, 359);
    DrawRectangularNightMask(mask, 0.0, SubsolarPointAt(DateFromCalendar(2026, 6, 21), 0.0));
    // Midnight sun at the north pole, polar night in the south, on both halves of the
    // day side cut by the edge (the sun is over the dateline).
    EXPECT_EQ(mask.PixelAt(10, 2), kWhite);
    EXPECT_EQ(mask.PixelAt(344, 2), kWhite);
    EXPECT_EQ(mask.PixelAt(177, 356), kGrey);
    EXPECT_EQ(mask.PixelAt(177, 179), kGrey);
}

TEST(NightMask, GreatCircleDaySideHoldsTheSunAndNightTheAntisolarPoint) {
    PixelBuffer mask(355, 355);
    const GeoPoint centre{40.0, 100.0};
    const SubsolarPoint sun = SubsolarPointAt(DateFromCalendar(2026, 3, 1), 17.5);
    DrawGreatCircleNightMask(mask, centre, sun);
    const AzimuthalOffset day =
        AzimuthalProject({sun.declinationDeg, sun.longitudeDeg}, 40.0, 100.0, kGcScale);
    const AzimuthalOffset night =
        AzimuthalProject({-sun.declinationDeg, sun.longitudeDeg + 180.0}, 40.0, 100.0, kGcScale);
    EXPECT_EQ(mask.PixelAt(177 + day.dx, 177 - day.dy), kWhite);
    EXPECT_EQ(mask.PixelAt(177 + night.dx, 177 - night.dy), kGrey);
}

TEST(NightMask, ACentreOnTheTerminatorSplitsTheDiscAlongADiameter) {
    PixelBuffer mask(355, 355);
    DrawGreatCircleNightMask(mask, {0.0, 0.0}, {0.0, 90.0}); // sun 90° W: due left
    for (int y = 60; y < 300; y += 40) {                     // inside the disc
        EXPECT_EQ(mask.PixelAt(177, y), kWhite) << y;        // the line itself
        EXPECT_EQ(mask.PixelAt(100, y), kWhite) << y;        // the sunny (west) half
        EXPECT_EQ(mask.PixelAt(250, y), kGrey) << y;
    }
}

TEST(MapOverlays, SunNearTheAntipodeGetsASecondSymbolOppositeAtTheRim) {
    PixelBuffer image(GreatCircleImageSize(355), GreatCircleImageSize(355));
    const int half = image.Width() / 2;
    const AzimuthalView view{half, half, 10.0, 20.0, GreatCircleDiscRadius(image.Width()) / 180.0};
    DrawGreatCircleSuns(image, view, {-9.0, 200.5}); // 1.5° short of the antipode
    const AzimuthalOffset o = AzimuthalProject({-9.0, 200.5}, 10.0, 20.0, view.scale);
    EXPECT_EQ(image.PixelAt(half + o.dx, half - o.dy), kYellow);
    EXPECT_EQ(image.PixelAt(half - o.dx, half + o.dy), kYellow);
    // A sun at the centre: one symbol only, no division by its zero distance.
    PixelBuffer centred(101, 101);
    DrawGreatCircleSuns(centred, {50, 50, 10.0, 20.0, 0.25}, {10.0, 20.0});
    EXPECT_EQ(Count(centred, kYellow) + Count(centred, kBlack) + 0, 101 * 101);
    EXPECT_EQ(centred.PixelAt(50, 50), kYellow);
}

TEST(MapOverlays, MeridianPathIsDrawnAsStraightPieces) {
    PixelBuffer image(357, 361);
    const MapRect rect{1, 1, 355, 359};
    image.penWidth = 1;
    // Both terminals on Greenwich: the short path is the column between them, the long
    // path runs down over the south pole and back up the far side.
    DrawRectangularPaths(image, rect, 0.0, Paths("10", "0", "50", "0"));
    const int x = RectMapX(rect, 0.0, 0.0);
    for (double lat = 12; lat < 49; lat += 3)
        EXPECT_EQ(image.PixelAt(x, RectMapY(rect, lat)), kRed) << lat;
    EXPECT_EQ(image.PixelAt(x, RectMapY(rect, -45)), kBlack);
    EXPECT_EQ(image.PixelAt(RectMapX(rect, 180.0, 0.0), RectMapY(rect, 0)), kBlack);
    EXPECT_EQ(image.PixelAt(x, RectMapY(rect, 70)), kBlack);
}

TEST(MapOverlays, ComposedMapsKeepBaseColoursOnlyWhereNothingIsDrawn) {
    PixelBuffer base(355, 355);
    DrawGreatCircleBaseMap(base, {51.5, 0.1});
    PixelBuffer image(365, 365);
    MapOverlays overlays;
    overlays.sun = SubsolarPointAt(DateFromCalendar(2026, 12, 21), 0.0); // London at night
    overlays.paths = Paths("51.5", "0.1", "40.7", "74");
    overlays.timeLabel = TimeLabelText("0000", "UTC");
    overlays.grid = false;
    ComposeGreatCircleMap(base, {51.5, 0.1}, image, overlays);
    EXPECT_EQ(image.PixelAt(0, 0), kBlack);
    const AzimuthalOffset paris = AzimuthalProject({48.86, -2.35}, 51.5, 0.1, kGcScale);
    EXPECT_EQ(image.PixelAt(182 + paris.dx, 182 - paris.dy), 0x808000); // land by night
    EXPECT_EQ(image.PixelAt(182, 182 + 177), kRed);                     // the rim
    EXPECT_GT(Count(image, kRed), 1000);                                // rim and short path
    EXPECT_EQ(PathPenWidth(1024, 3), 3);
    EXPECT_EQ(PathPenWidth(1280, 3), 5); // 3.75: rounded, plus one
    EXPECT_EQ(PathPenWidth(300, 2), 2);  // 0.59
}
