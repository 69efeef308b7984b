#include <gtest/gtest.h>

#include <climits>

#include "maps/AzimuthalMap.h"
#include "maps/PixelBuffer.h"
#include "maps/RectMap.h"

namespace {

constexpr MapRect kRect{0, 0, 354, 358};
constexpr double kScale = 356.0 / 360.0;

int CountColour(const MapCanvas& canvas, Rgb colour, int row) {
    int n = 0;
    for (int x = 0; x < canvas.Width(); ++x)
        n += canvas.PixelAt(x, row) == colour;
    return n;
}

} // namespace

TEST(RectangularProjection, GreenwichCentresTheMapAndTheDatelineIsTheLeftEdge) {
    EXPECT_EQ(RectMapX(kRect, 0.0, 0.0), 177);
    EXPECT_EQ(RectMapX(kRect, 180.0, 0.0), 0);
    EXPECT_EQ(RectMapX(kRect, -180.0, 0.0), 0);
    EXPECT_EQ(RectMapX(kRect, -90.0, 0.0), 266); // 90° E: east is right (88.5 → even 88)
    EXPECT_EQ(RectMapX(kRect, 75.0, 75.0), 177); // any central meridian is the middle column
    EXPECT_EQ(RectMapY(kRect, 90.0), 0);
    EXPECT_EQ(RectMapY(kRect, 0.0), 179);
    EXPECT_EQ(RectMapY(kRect, -90.0), 358);
    EXPECT_EQ(RectMapX({1, 1, 355, 359}, 0.0, 0.0), 178); // an inset rectangle shifts it
}

TEST(RectangularProjection, AnEdgeAcrossTheSideIsDrawnAsTwoPieces) {
    PixelBuffer map(355, 359);
    map.Fill(kYellow);
    map.penColour = kLime;
    PixelPoint last;
    // 170° E to 170° W along the equator with Greenwich in the middle: the short way
    // crosses the dateline at the side edges.
    RectMapPlot(last, false, 0.0, -170.0, 0.0, map, kRect);
    RectMapPlot(last, true, 0.0, 170.0, 0.0, map, kRect);
    const int row = RectMapY(kRect, 0.0);
    EXPECT_EQ(last, (PixelPoint{RectMapX(kRect, 170.0, 0.0), row}));
    EXPECT_EQ(map.PixelAt(0, row), kLime);
    EXPECT_EQ(map.PixelAt(354, row), kLime);
    EXPECT_EQ(map.PixelAt(177, row), kYellow); // nothing across the middle
    EXPECT_LT(CountColour(map, kLime, row), 25);
}

TEST(AzimuthalProjection, CentreAntipodeAndDirections) {
    const AzimuthalOffset centre = AzimuthalProject({40.0, 105.0}, 40.0, 105.0, kScale);
    EXPECT_TRUE(centre.visible);
    EXPECT_EQ(centre.dx, 0);
    EXPECT_EQ(centre.dy, 0);
    const AzimuthalOffset antipode = AzimuthalProject({-40.0, -75.0}, 40.0, 105.0, kScale);
    EXPECT_FALSE(antipode.visible);
    // From the equator at Greenwich, 90° E is due right and the north pole straight up.
    const AzimuthalOffset east = AzimuthalProject({0.0, -90.0}, 0.0, 0.0, kScale);
    EXPECT_EQ(east.dx, 89);
    EXPECT_EQ(east.dy, 0);
    const AzimuthalOffset north = AzimuthalProject({90.0, 0.0}, 0.0, 0.0, kScale);
    EXPECT_EQ(north.dx, 0);
    EXPECT_EQ(north.dy, 89);
}

TEST(AzimuthalProjection, APoleCentreTakesTheLongitudeAsDirection) {
    // Longitude 0 lies to the right; 90° W lies down from the north pole, up from the south.
    const AzimuthalOffset greenwich = AzimuthalProject({0.0, 0.0}, 89.999, 50.0, kScale);
    EXPECT_TRUE(greenwich.visible);
    EXPECT_EQ(greenwich.dx, 89);
    EXPECT_EQ(greenwich.dy, 0);
    const AzimuthalOffset west = AzimuthalProject({0.0, 90.0}, 89.999, 50.0, kScale);
    EXPECT_EQ(west.dx, 0);
    EXPECT_EQ(west.dy, -89);
    EXPECT_EQ(AzimuthalProject({0.0, 90.0}, -89.999, 50.0, kScale).dy, 89);
}

TEST(AzimuthalSegmentDrawing, JoinsItsEndsWithoutGapsAndSkipsTheFirstPoint) {
    PixelBuffer map(355, 355);
    map.penColour = kLime;
    const AzimuthalView view{177, 177, 0.0, 0.0, kScale};
    AzimuthalSegment({0.0, 0.0}, {0.0, -60.0}, map, view, false, false);
    EXPECT_EQ(map.PixelAt(177, 177), kBlack);
    for (int x = 178; x <= 177 + 59; ++x)
        EXPECT_EQ(map.PixelAt(x, 177), kLime) << x;
    // Thick: 3 × 3 dots.
    AzimuthalSegment({10.0, 0.0}, {10.0, -1.0}, map, view, false, true);
    const int y = 177 - 10;
    EXPECT_EQ(map.PixelAt(178, y - 1), kLime);
    EXPECT_EQ(map.PixelAt(178, y + 1), kLime);
}

TEST(AzimuthalSegmentDrawing, EndsNearTheAntipodeStopTheBisection) {
    // Points a hair from the antipode fall on the rim far apart; the bisection must end
    // (it used to recurse until the stack ran out) and draw only on the rim.
    PixelBuffer map(355, 355);
    map.penColour = kLime;
    const AzimuthalView view{177, 177, 30.0, 20.0, kScale};
    AzimuthalSegment({-30.05, -160.001}, {-29.95, -159.999}, map, view, false, false);
    AzimuthalSegment({-30.02, -160.0}, {-30.02, -160.0000001}, map, view, false, false);
    AzimuthalSegment({-30.0, -160.03}, {-29.97, -160.0}, map, view, false, false);
    int drawn = 0;
    for (int y = 0; y < 355; ++y)
        for (int x = 0; x < 355; ++x)
            if (map.PixelAt(x, y) == kLime) {
                ++drawn;
                const int r2 = (x - 177) * (x - 177) + (y - 177) * (y - 177);
                EXPECT_GT(r2, 170 * 170) << x << "," << y;
            }
    EXPECT_GT(drawn, 0);
}
