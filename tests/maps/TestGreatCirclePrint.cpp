#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "maps/GreatCirclePrint.h"

TEST(GreatCirclePrint, LayoutFitsTheRingAndTextsOnThePage) {
    // A4 portrait at 600 dpi, printable area 4760 × 6784.
    const GcPrintLayout l = ComputeGcPrintLayout(4760, 6784, 600);
    EXPECT_EQ(l.cx, 2379);
    EXPECT_EQ(l.R, l.cx - 1);
    EXPECT_EQ(l.Rd, static_cast<int>(std::lround(0.97 * l.R)));
    EXPECT_GE(l.titleY, 0);
    EXPECT_LT(l.captionY + 150, 6784);
    // Landscape: the height limits the ring.
    const GcPrintLayout wide = ComputeGcPrintLayout(6784, 4760, 600);
    EXPECT_LT(wide.R, wide.cx - 1);
    EXPECT_GE(wide.titleY, 0);
    EXPECT_LT(wide.captionY, 4760);
}

TEST(GreatCirclePrint, CaptionTakesHemispheresFromLettersOrSigns) {
    EXPECT_EQ(GcPrintCaption("51 30 N", "0 7 W", "Home", 51.5),
              "This map centered on Home 51 30 N 0 7 W");
    EXPECT_EQ(GcPrintCaption("-33.9", "-151.2", "", -33.9), "This map centered on 33.9 S 151.2 E");
    EXPECT_EQ(GcPrintCaption("90", "45", "Pole", 90.0), "This map centered on Pole 90 N");
}

TEST(GreatCirclePrint, OutlineIsPolylinesThatNeverCrossTheDisc) {
    const GcPrintLayout l = ComputeGcPrintLayout(2400, 3400, 300);
    // Centred so that the antipode falls on land (the Pacific centre's is in Africa).
    const GcPrintDrawing d = BuildGcPrintDrawing(l, {-1.0, 147.0});
    EXPECT_EQ(d.rose.size(), 36u);
    EXPECT_EQ(d.rose[0][0], (PixelPoint{l.cx, l.cy})); // every 30° from the centre
    EXPECT_EQ(d.rose[1][0].y, l.cy - static_cast<int>(std::lround(l.Rd * std::cos(0.1745329))));
    std::size_t points = 0;
    for (const auto& line : d.coastline) {
        points += line.size();
        for (std::size_t i = 1; i < line.size(); ++i) {
            ASSERT_LE(std::abs(line[i].x - line[i - 1].x), 2);
            ASSERT_LE(std::abs(line[i].y - line[i - 1].y), 2);
        }
        for (const PixelPoint& p : line) {
            const double r = std::hypot(p.x - l.cx, p.y - l.cy);
            ASSERT_LE(r, l.Rd + 1.5);
        }
    }
    EXPECT_GT(points, 8287u);
    EXPECT_LT(d.coastline.size(), 5000u); // polylines, not one line per pixel
    int stops = 0;
    BuildGcPrintDrawing(l, {0, 0}, [&stops] { return ++stops < 100; });
    EXPECT_EQ(stops, 100); // an aborted job stops the outline
}
