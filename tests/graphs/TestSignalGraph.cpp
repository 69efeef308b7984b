// The signals graph: which points are shown with which letters, the vertical scale,
// the model's labels, grid and legend, and naming the curve at a point.

#include "graphs/SignalGraph.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TableRules Rules(bool signalLevels, int level = -10, bool keepZero = false) {
    TableRules rules;
    rules.showSignalLevels = signalLevels;
    rules.suppressionLevelDb = level;
    rules.showZeroAvailability = keepZero;
    rules.noise = {-144.7, 27.7, 0.0};
    return rules;
}

/// Three frequencies: slot 0 rises 0..47 dB over the day, slot 1 lies 10 dB above it,
/// slot 2 has no mode at all.
struct Fixture {
    PathResult path;
    SignalGraphData data;
    Fixture() {
        for (int j = 0; j < kHalfHours; ++j) {
            path.Muf[j] = 25.0f;
            for (int n = 0; n < kMaxFrequencies; ++n)
                path.Signal[j][n] = kNoModeSignal;
            path.Signal[j][0] = static_cast<float>(j);
            path.Reliability[j][0] = 1.0f;
            path.Signal[j][1] = static_cast<float>(j + 10);
            path.Reliability[j][1] = 0.6f;
        }
        data.path = &path;
        data.frequencyCount = 3;
        data.frequencyMHz = {7.1f, 14.1f, 21.2f};
        data.frequencyTexts = {"7.1", "14.1", "21.2"};
        data.rules = Rules(true);
    }
};

} // namespace

TEST(SignalPoints, ShownValuesAndLetters) {
    Fixture f;
    f.path.Signal[3][0] = 995.0f;      // at the limit: hidden, not in the scale
    f.path.Signal[4][0] = -20.0f;      // below the threshold
    f.path.Reliability[5][0] = 0.004f; // zero availability
    f.path.Reliability[6][0] = 0.3f;
    SignalPoints points = BuildSignalPoints(f.data);
    ASSERT_EQ(points.series.size(), 3u);
    const SignalSeries& s = points.series[0];
    EXPECT_FALSE(s.shown[3]);
    EXPECT_FALSE(s.shown[4]);
    EXPECT_FALSE(s.shown[5]);
    EXPECT_EQ(s.letter[6], 'C');
    EXPECT_EQ(s.letter[7], 'A');
    EXPECT_EQ(points.series[1].letter[7], 'B');
    EXPECT_EQ(s.colour, (Rgb{128, 0, 128}));
    EXPECT_EQ(points.series[1].label, "14.1 MHz");
    EXPECT_TRUE(std::none_of(points.series[2].shown.begin(), points.series[2].shown.end(),
                             [](bool b) { return b; }));
    EXPECT_EQ(points.maxDb, 57.0);
    EXPECT_EQ(points.minDb, 0.0);

    // Zero availabilities kept: the point is shown with "0".
    f.data.rules = Rules(true, -10, true);
    EXPECT_EQ(BuildSignalPoints(f.data).series[0].letter[5], '0');
    // S/N: the noise level is subtracted.
    f.data.rules = Rules(false);
    const SignalPoints snr = BuildSignalPoints(f.data);
    EXPECT_NEAR(snr.series[0].value[10], 10.0 - NoiseLevel(7.1, 25.0, f.data.rules.noise), 1e-4);
}

TEST(SignalScale, SpansThirtyFiveStepsAroundTheValues) {
    EXPECT_EQ(ComputeSignalScale(-9.8, 38.2), (SignalScale{50, -20, 2}));
    // Invariants over many ranges inside the ±995 limits: the top above the maximum
    // and a multiple of the label step, the bottom below the minimum, 35 steps.
    for (int lo = -300; lo <= 300; lo += 7) {
        for (int width = 0; width <= 400; width += 13) {
            const double minDb = lo + 0.3, maxDb = lo + 0.3 + width;
            const SignalScale s = ComputeSignalScale(minDb, maxDb);
            ASSERT_GT(s.top, maxDb) << minDb << " " << maxDb;
            ASSERT_LT(s.bottom, minDb) << minDb << " " << maxDb;
            ASSERT_EQ(s.top - s.bottom, 35 * s.step) << minDb << " " << maxDb;
            ASSERT_EQ(s.top % (5 * s.step), 0) << minDb << " " << maxDb;
        }
    }
    // Near the limits the scale is held inside them.
    const SignalScale edge = ComputeSignalScale(-990.0, 990.0);
    EXPECT_LT(edge.top, 996);
    EXPECT_GE(edge.bottom, -995);
}

TEST(SignalGraph, LabelsMeetTheirGridLinesAndTheLegendFollowsTheRules) {
    Fixture f;
    const SignalAreas areas = SignalAreasFor(1200, 0, 700);
    EXPECT_EQ(areas.legendX, 36);
    EXPECT_EQ(areas.graphX, 2 * 36 + 178);
    const TextMeasure measure = ApproximateTextMeasure();
    const FontStyle font{FontFace::Sans, true, 14};
    const SignalGraphModel model = BuildSignalGraph(f.data, areas, font, measure);
    ASSERT_TRUE(model.Drawn());
    EXPECT_EQ(model.title, "SHORT-PATH SIGNAL LEVELS IN dB ABOVE 0.5 µV");
    ASSERT_EQ(model.dbLabels.size(), 8u);
    EXPECT_EQ(model.dbLabels[0].text, std::to_string(model.scale.top));
    EXPECT_EQ(model.dbLabels[7].text, std::to_string(model.scale.bottom));

    // Every fifth horizontal grid line lies exactly where its label is.
    Drawing drawing;
    DrawSignalGraph(drawing, model, ScreenGraphStyle(14), measure);
    std::vector<double> fullLines;
    for (const DrawItem& item : drawing.items)
        if (const auto* line = std::get_if<LineItem>(&item); line && line->y1 == line->y2 &&
                                                             line->x1 == model.frame.left &&
                                                             line->x2 == model.frame.right)
            fullLines.push_back(line->y1);
    ASSERT_EQ(fullLines.size(), 6u);
    for (int j = 1; j <= 6; ++j)
        EXPECT_EQ(fullLines[j - 1], model.dbLabels[j].at);

    // Curves for the two frequencies with points; the one without draws nothing.
    ASSERT_EQ(model.curves.size(), 3u);
    EXPECT_EQ(model.curves[0].runs.size(), 1u);
    EXPECT_EQ(model.curves[0].markers.size(), 49u);
    EXPECT_TRUE(model.curves[2].runs.empty());
    EXPECT_EQ(model.frequencyRows.size(), 3u);
    EXPECT_EQ(model.availabilityRows.size(), 4u);
    f.data.rules = Rules(false, -10, true);
    const SignalGraphModel snr = BuildSignalGraph(f.data, areas, font, measure);
    EXPECT_EQ(snr.title, "SHORT-PATH SIGNAL-TO-NOISE RATIOS IN dB");
    EXPECT_EQ(snr.availabilityRows.back().letter, "0");
}

// Every text the legend draws lies inside the legend's area, left of the graph's
// labels and above the area's bottom; and the graph's frame and its right labels
// reach across to the right margin instead of leaving a third of the width empty.
struct LegendFitCase {
    const char* name;
    double width, height, fontPixels;
    int frequencies;
    bool keepZero;
};

class SignalLegendFit : public testing::TestWithParam<LegendFitCase> {};

TEST_P(SignalLegendFit, LegendInsideItsAreaAndGraphAcrossTheWidth) {
    const LegendFitCase& c = GetParam();
    Fixture f;
    f.data.frequencyCount = c.frequencies;
    f.data.frequencyTexts.clear();
    for (int n = 0; n < c.frequencies; ++n) {
        f.data.frequencyMHz[n] = 3.6f + 2.5f * static_cast<float>(n);
        f.data.frequencyTexts.push_back(n == 0 ? "3.6" : std::to_string(4 + 3 * n) + ".1");
        for (int j = 0; j < kHalfHours; ++j) {
            f.path.Signal[j][n] = static_cast<float>(j + n);
            f.path.Reliability[j][n] = 0.2f;
        }
    }
    f.data.rules = Rules(true, -10, c.keepZero);
    const TextMeasure measure = ApproximateTextMeasure();
    const FontStyle font{FontFace::Sans, true, c.fontPixels};
    const SignalGraphModel model =
        BuildSignalGraph(f.data, SignalAreasFor(c.width, 0, c.height), font, measure);
    ASSERT_TRUE(model.Drawn());
    Drawing drawing;
    DrawSignalGraph(drawing, model, ScreenGraphStyle(c.fontPixels), measure);

    const double lh = measure.height(font);
    const double legendRight = model.areas.legendX + model.areas.legendWidth;
    double lowest = 0;
    for (const DrawItem& item : drawing.items) {
        const auto* text = std::get_if<TextItem>(&item);
        if (!text || text->x > legendRight + 0.5)
            continue; // the graph's own texts
        const double w = measure.width(text->text, text->font);
        const double left = text->hAlign == HAlign::Right    ? text->x - w
                            : text->hAlign == HAlign::Centre ? text->x - w / 2
                                                             : text->x;
        EXPECT_GE(left, model.areas.legendX - 0.5) << text->text;
        if (text->vAlign == VAlign::Top)
            lowest = std::max(lowest, text->y + lh);
    }
    EXPECT_LE(lowest, c.height) << "the last legend row is cut";
    EXPECT_LT(legendRight, model.frame.left - measure.width("-995", font));
    const double m = std::round(0.03 * c.width);
    EXPECT_LE(model.frame.right + 2 * model.frame.tick + measure.width("-995", font), c.width);
    EXPECT_GT(model.frame.right, c.width - m - 3 * measure.width("-995", font) - model.frame.cx)
        << "the graph leaves the right of the area empty";
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SignalLegendFit,
    testing::Values(LegendFitCase{"Picture600x450", 600, 450, 11, 5, false},
                    LegendFitCase{"Svg400x300TenFrequencies", 400, 300, 9, 10, true},
                    LegendFitCase{"Window1216x560TenFrequencies", 1216, 560, 17, 10, true},
                    LegendFitCase{"NarrowWindow700x420", 700, 420, 17, 7, false}),
    [](const testing::TestParamInfo<LegendFitCase>& info) { return info.param.name; });

TEST(SignalGraph, NothingToShowGivesTheReason) {
    Fixture f;
    const SignalAreas areas = SignalAreasFor(1000, 0, 600);
    const TextMeasure measure = ApproximateTextMeasure();
    f.data.rules = Rules(true, 100);
    EXPECT_EQ(BuildSignalGraph(f.data, areas, {}, measure).message,
              "There are no displayable signal levels (all are suppressed)");
    for (auto& row : f.path.Signal)
        row.fill(kNoModeSignal);
    f.data.rules = Rules(false);
    EXPECT_EQ(BuildSignalGraph(f.data, areas, {}, measure).message,
              "There are no displayable S/N (no modes were found)");
}

TEST(IdentifyCurve, NearestCurveWithinAFewPixels) {
    Fixture f;
    const SignalGraphModel model = BuildSignalGraph(
        f.data, SignalAreasFor(1200, 0, 700), {FontFace::Sans, true, 14}, ApproximateTextMeasure());
    const Point a = model.curves[0].markers[20].at;
    const Point b = model.curves[1].markers[20].at;
    ASSERT_GT(a.y - b.y, 10); // slot 1 lies well above slot 0
    EXPECT_EQ(IdentifyCurve(model, a.x, a.y), 0);
    EXPECT_EQ(IdentifyCurve(model, b.x + 0.5, b.y + 2), 1);
    // Halfway between the two curves both are too far; and where they are equally
    // near no single curve is named.
    EXPECT_EQ(IdentifyCurve(model, a.x, (a.y + b.y) / 2), std::nullopt);
    EXPECT_EQ(IdentifyCurve(model, a.x, (a.y + b.y) / 2, 100.0), std::nullopt);
    EXPECT_EQ(IdentifyCurve(model, a.x, a.y + 50), std::nullopt);
}
