// Printed pages and pictures of the graphs, and the hops list of a real prediction.

#include "core/Syntax.h"
#include "graphs/HopsList.h"
#include "graphs/MufGraph.h"
#include "graphs/SignalGraph.h"
#include "report/PredictionHeaders.h"
#include "report/PredictionSetup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

/// W1AW to Tokyo on 8 Dec 2026, flux 150, factory settings.
struct RealPrediction {
    Settings settings = FactorySettings();
    PredictionRequest request;
    PredictionResult result;
    RealPrediction() {
        PredictionInputs inputs;
        inputs.terminalA.LatitudeText = "41.71";
        inputs.terminalA.LongitudeText = "72.73";
        const LocatorResult b = GridLocatorToCoordinates("PM95", false);
        inputs.terminalB.LatitudeText = b.latitudeText;
        inputs.terminalB.LongitudeText = b.longitudeText;
        inputs.date = DateFromCalendar(2026, 12, 8);
        inputs.solarIndexText = "F150.0";
        request = PreparePrediction(inputs, settings).request;
        result = Predict(request);
    }
};

/// The outlined frame of a drawing (the last outlined rectangle: the frame drawn
/// again over the curves).
RectItem FrameOf(const Drawing& drawing) {
    RectItem frame;
    for (const DrawItem& item : drawing.items)
        if (const auto* rect = std::get_if<RectItem>(&item);
            rect && rect->outlined && !rect->filled)
            frame = *rect;
    return frame;
}

double LowestText(const Drawing& drawing, const TextMeasure& measure) {
    double lowest = 0;
    for (const DrawItem& item : drawing.items)
        if (const auto* text = std::get_if<TextItem>(&item))
            lowest = std::max(lowest, text->y + (text->vAlign == VAlign::Top
                                                     ? measure.height(text->font)
                                                     : measure.height(text->font) / 2));
    return lowest;
}

} // namespace

TEST(GraphPages, HeaderLinesSpanTheWidth) {
    const TextMeasure measure = ApproximateTextMeasure();
    const FontStyle font = HeaderFontFor(2400, measure);
    EXPECT_EQ(font.face, FontFace::Mono);
    EXPECT_NEAR(measure.width(std::string(102, 'X'), font), 2400, 1e-6);
}

TEST(GraphPages, HeaderLinesFitWhereTheBackendRoundsUp) {
    // Screen fonts come in whole pixels, and hinted advances are whole pixels: at the
    // size where 102 "X" span the width, a line of them may come out wider, and the
    // header lines were cut at the right edge ("Bearing to B:  65.6 de").
    struct Rounding {
        const char* what;
        double (*advance)(double pixelSize);
    };
    const Rounding roundings[] = {
        {"whole pixel sizes", [](double px) { return 0.6 * std::round(px); }},
        {"whole pixel advances", [](double px) { return std::round(0.6021 * px); }},
        {"advances rounded up", [](double px) { return std::ceil(0.6021 * px); }},
    };
    for (const Rounding& rounding : roundings) {
        TextMeasure measure = ApproximateTextMeasure();
        measure.width = [&rounding](const std::string& text, const FontStyle& font) {
            return rounding.advance(font.pixelSize) * static_cast<double>(text.size());
        };
        for (const double width : {400.0, 600.0, 1200.0, 1600.0, 4800.0}) {
            const FontStyle font = HeaderFontFor(width, measure);
            const double line = measure.width(std::string(102, 'X'), font);
            // It fits, and is no narrower than it must be: within a pixel a character.
            EXPECT_LE(line, width) << rounding.what << " at " << width;
            EXPECT_GT(line, width - 102) << rounding.what << " at " << width;
        }
    }
}

TEST(GraphPages, MufPaperPageInPortraitAndLandscape) {
    const RealPrediction p;
    const TextMeasure measure = ApproximateTextMeasure();
    const MufGraphData data = MufGraphDataOf(p.result, PathKind::Short, p.request.Zone);
    const PageHeader header = PageHeaderOf(p.result, PathKind::Short, "caption");
    const Drawing portrait = MufPageDrawing(data, header, 4800, 6600, true, measure);
    const RectItem frame = FrameOf(portrait);
    const double fontHeight = measure.height(HeaderFontFor(4800, measure));
    EXPECT_DOUBLE_EQ(frame.y, 10 * fontHeight + 20);
    EXPECT_NEAR(frame.h, 4800 / 2.0, 48); // the graph half the page width high
    for (const double height : {3300.0, 2000.0}) {
        const Drawing landscape = MufPageDrawing(data, header, 4800, height, true, measure);
        EXPECT_LE(LowestText(landscape, measure), height) << height;
    }
}

TEST(GraphPages, SignalsPaperPageHasTheLegendLeftOfAHalfWidthGraph) {
    const RealPrediction p;
    const TextMeasure measure = ApproximateTextMeasure();
    const SignalGraphData data =
        SignalGraphDataOf(p.result, PathKind::Short, p.settings, p.request.Zone, true);
    const PageHeader header = PageHeaderOf(p.result, PathKind::Short, "caption");
    const Drawing page = SignalPageDrawing(data, header, 4800, 6600, true, measure);
    const RectItem frame = FrameOf(page);
    EXPECT_NEAR(frame.h, 4800 / 2.0, 2);
    double legendRight = 0;
    for (const DrawItem& item : page.items)
        if (const auto* text = std::get_if<TextItem>(&item); text && text->text == "Frequencies")
            legendRight = text->x;
    EXPECT_GT(legendRight, 0);
    EXPECT_LT(legendRight, frame.x);
    // A low landscape page: the graph shrinks to stay on it.
    const Drawing low = SignalPageDrawing(data, header, 6600, 3000, true, measure);
    EXPECT_LE(FrameOf(low).y + FrameOf(low).h, 3000);
}

TEST(HopsListOfARealPrediction, BothGroupingsListTheSameLines) {
    const RealPrediction p;
    const HopsRules rules = HopsRulesOf(p.settings);
    const HopsSource source = HopsSourceOf(p.result, PathKind::Short, p.request.Zone);
    auto lines = [&](HopsGrouping grouping) {
        std::vector<std::string> kept;
        for (const std::string& line : BuildHopsList(source, rules, grouping).lines)
            if (!line.empty())
                kept.push_back(line);
        std::sort(kept.begin(), kept.end());
        return kept;
    };
    const std::vector<std::string> byTime = lines(HopsGrouping::ByTime);
    ASSERT_GT(byTime.size(), 20u);
    EXPECT_EQ(byTime, lines(HopsGrouping::ByFrequency));
    // Without suppression the list grows, and every line still starts with its time.
    const HopsRules none{kNoSuppressionDb, true, rules.noise};
    const HopsList all = BuildHopsList(source, none, HopsGrouping::ByTime);
    EXPECT_GT(all.lines.size(), byTime.size());
    for (const std::string& line : all.lines) {
        if (!line.empty()) {
            EXPECT_EQ(line.size() >= 50 && line[0] == ' ' && line[49] != ' ', true) << line;
        }
    }
}
