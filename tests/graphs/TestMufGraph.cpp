// The MUF graph: its geometry on screen and paper, the curve in graph units and
// pixels on a low and a high MUF day, the labels, and the time-zone shift.

#include "graphs/MufGraph.h"
#include "report/PredictionReport.h"

#include <gtest/gtest.h>

namespace {

MufGraphData Day(float mhz, double utcOffsetDays = 0.0) {
    MufGraphData data;
    data.muf.fill(mhz);
    data.utcOffsetDays = utcOffsetDays;
    return data;
}

} // namespace

TEST(MufGeometry, ScreenInWholePixelsAndClampedInASmallWindow) {
    const MufGeometry g = MufScreenGeometry(1000, 600, 15);
    EXPECT_EQ(g.frame.cx, 13);
    EXPECT_EQ(g.frame.left, 188);
    EXPECT_EQ(g.frame.right, 188 + 48 * 13);
    EXPECT_EQ(g.pixelsPerMHz, 10);
    EXPECT_EQ(g.frame.top, 42); // (600 − 500 − 60)/2 + 22.5
    EXPECT_EQ(g.frame.bottom, 542);
    EXPECT_EQ(g.frame.tick, 5);
    // A window too low for 50 MHz still gets a graph one pixel per MHz high.
    const MufGeometry small = MufScreenGeometry(300, 60, 15);
    EXPECT_EQ(small.pixelsPerMHz, 1);
    EXPECT_EQ(small.frame.bottom - small.frame.top, 50);
}

TEST(MufGeometry, PaperFitsTheGraphOnThePage) {
    // Portrait: a = 48·cx·3/200, the graph half the width high.
    const MufGeometry portrait = MufPaperGeometry(4800, 6600, 500, 60);
    EXPECT_EQ(portrait.frame.cx, 66);
    EXPECT_DOUBLE_EQ(portrait.pixelsPerMHz, 48 * 66 * 3 / 200.0);
    EXPECT_EQ(portrait.frame.top, 500);
    // Landscape: the same width rule would run off the page; the graph is made lower
    // so that it and its labels end on the page.
    const MufGeometry landscape = MufPaperGeometry(6600, 3600, 500, 60);
    EXPECT_LE(landscape.frame.bottom + 2.5 * 60, 3600);
    EXPECT_LT(landscape.pixelsPerMHz, 48 * 91 * 3 / 200.0);
}

TEST(MufGraph, LowAndHighMufDays) {
    const MufGeometry g = MufScreenGeometry(1000, 600, 15);
    const MufGraphModel low = BuildMufGraph(Day(4.4f), g);
    ASSERT_EQ(low.curve.size(), 49u);
    EXPECT_EQ(low.curve[0].y, 542 - 44);
    EXPECT_EQ(low.curve[48].x, g.frame.right);
    // A MUF above 50 MHz is drawn above the frame, not clipped to it.
    const MufGraphModel high = BuildMufGraph(Day(55.0f), g);
    EXPECT_EQ(high.curveMHz[10], 55.0);
    EXPECT_LT(high.curve[10].y, g.frame.top);

    // The scale is the same on every day: 0..50 MHz every 10, hours every 2.
    ASSERT_EQ(high.mhzLabels.size(), 6u);
    EXPECT_EQ(high.mhzLabels[0], (AxisLabel{"0", 542}));
    EXPECT_EQ(high.mhzLabels[5], (AxisLabel{"50", 42}));
    ASSERT_EQ(high.hourLabels.size(), 13u);
    EXPECT_EQ(high.hourLabels[1], (AxisLabel{"02", 188 + 4 * 13}));
    EXPECT_EQ(high.hourLabels[12].text, "00");
    EXPECT_EQ(low.title, "SHORT-PATH MUF");
}

TEST(MufGraph, TimeZoneShiftsTheCurve) {
    MufGraphData data;
    for (int j = 0; j < kHalfHours; ++j)
        data.muf[j] = static_cast<float>(j);
    const MufGeometry g = MufScreenGeometry(1000, 600, 15);
    // UTC 5.5 hours ahead of local time (UtcOffset = +5:30): the curve starts at
    // index 11; local time 5:30 ahead of UTC (+05:30 on the command line): at 37.
    data.utcOffsetDays = 5.5 / 24;
    EXPECT_EQ(BuildMufGraph(data, g).curveMHz[0], 11.0);
    data.utcOffsetDays = -5.5 / 24;
    const MufGraphModel local = BuildMufGraph(data, g);
    EXPECT_EQ(local.curveMHz[0], 37.0);
    EXPECT_EQ(local.curveMHz[48], local.curveMHz[0]); // the right edge repeats the left
}

TEST(MufPageDrawing, HeaderLinesAboveTheGraphAndThePolarMarker) {
    const TextMeasure measure = ApproximateTextMeasure();
    PageHeader header{"Hopscope Short-Path MUF Prediction for 12/08/2026",
                      {"one", "two", std::string(80, '3')},
                      true};
    const Drawing page = MufPageDrawing(Day(20.0f), header, 1200, 900, false, measure);
    bool polar = false;
    double lowestHeaderText = 0, frameTop = 1e9;
    for (const DrawItem& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            if (text->font.face == FontFace::Mono)
                lowestHeaderText = std::max(lowestHeaderText, text->y);
            polar = polar || (text->text == kPolarPathText && text->colour == kRed);
        } else if (const auto* rect = std::get_if<RectItem>(&item); rect && rect->outlined) {
            frameTop = std::min(frameTop, rect->y);
        }
    }
    EXPECT_TRUE(polar);
    EXPECT_LT(lowestHeaderText, frameTop);
}
