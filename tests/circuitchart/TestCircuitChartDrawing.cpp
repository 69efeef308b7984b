// The chart's drawing: the colour scale, the frequency axis the MUF curves are drawn on,
// the cell under the pointer, and a page that carries its title and legend.

#include "circuitchart/CircuitChartDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

CircuitChart SmallChart(std::vector<double> freqs) {
    CircuitChart chart;
    chart.freqsMHz = std::move(freqs);
    for (double f : chart.freqsMHz)
        chart.rowLabels.push_back(std::to_string(f));
    for (int c = 0; c < kChartHours; ++c)
        for (std::size_t i = 0; i < chart.freqsMHz.size(); ++i)
            chart.cells[c].push_back({100.0 * c / 23.0, 10.0, 5.0, 20.0, -120.0, "1F2"});
    chart.requiredReliabilityPercent = 90.0;
    chart.titleLines = {"P.533 circuit reliability, short path: A to B", "Station: 100 W",
                        "December 2026"};
    for (int c = 0; c < kChartHours; ++c)
        chart.opMufMHz[c] = 10.0 + c % 5;
    return chart;
}

TEST(ReliabilityColours, RunFromGreyThroughRedToGreenAndClampOutside) {
    EXPECT_EQ(ReliabilityColour(0.0), (Rgb{225, 225, 225}));
    EXPECT_EQ(ReliabilityColour(-5.0), ReliabilityColour(0.0));
    EXPECT_EQ(ReliabilityColour(100.0), (Rgb{26, 152, 80}));
    EXPECT_EQ(ReliabilityColour(250.0), ReliabilityColour(100.0));
    EXPECT_GT(ReliabilityColour(1.0).r, ReliabilityColour(1.0).g); // red at the low end
    // Continuous: neighbouring percentages differ by a few levels at most.
    for (double p = 1.0; p < 100.0; p += 0.5) {
        const Rgb a = ReliabilityColour(p), b = ReliabilityColour(p + 0.5);
        EXPECT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 12) << p;
    }
}

struct AxisRow {
    const char* name;
    std::vector<double> freqs;
};

class FrequencyAxis : public testing::TestWithParam<AxisRow> {};

TEST_P(FrequencyAxis, PutsEachRowFrequencyMidRowAndRisesWithFrequency) {
    const CircuitChart chart = SmallChart(GetParam().freqs);
    const ChartLayout layout = LayoutCircuitChart(chart, 1000, 700, ApproximateTextMeasure());
    ASSERT_EQ(layout.rows, static_cast<int>(chart.freqsMHz.size()));
    for (int i = 0; i < layout.rows; ++i)
        EXPECT_NEAR(ChartFrequencyY(chart, layout, chart.freqsMHz[i]),
                    layout.bottom - (i + 0.5) * layout.cellHeight, 1e-9);
    double previous = ChartFrequencyY(chart, layout, 0.0);
    EXPECT_EQ(previous, layout.bottom);
    for (double f = 0.25; f <= 40.0; f += 0.25) {
        const double y = ChartFrequencyY(chart, layout, f);
        EXPECT_LE(y, previous) << f;
        EXPECT_GE(y, layout.top) << f;
        previous = y;
    }
    EXPECT_EQ(ChartFrequencyY(chart, layout, 1000.0), layout.top);
}

INSTANTIATE_TEST_SUITE_P(Rows, FrequencyAxis,
                         testing::Values(AxisRow{"One", {14.1}}, AxisRow{"Two", {7.1, 14.1}},
                                         AxisRow{"Bands",
                                                 {3.6, 7.1, 10.12, 14.1, 18.1, 21.2, 24.93, 28.5}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CellUnderPointer, FindsEveryCellByItsMiddleAndNothingOutside) {
    const CircuitChart chart = SmallChart({3.6, 7.1, 14.1});
    const ChartLayout layout = LayoutCircuitChart(chart, 900, 600, ApproximateTextMeasure());
    for (int c = 0; c < kChartHours; ++c)
        for (int i = 0; i < layout.rows; ++i) {
            const double x = layout.left + (c + 0.5) * layout.cellWidth;
            const double y = layout.bottom - (i + 0.5) * layout.cellHeight;
            EXPECT_EQ(ChartCellAt(layout, x, y), (ChartCellIndex{c, i}));
        }
    EXPECT_FALSE(ChartCellAt(layout, layout.left - 1, layout.top + 1));
    EXPECT_FALSE(ChartCellAt(layout, layout.right, layout.top + 1));
    EXPECT_FALSE(ChartCellAt(layout, layout.left + 1, layout.bottom));
    EXPECT_FALSE(ChartCellAt(layout, layout.left + 1, layout.top - 1));
    EXPECT_FALSE(ChartCellAt(ChartLayout{}, 0, 0)); // no rows
}

std::vector<std::string> Texts(const Drawing& drawing) {
    std::vector<std::string> texts;
    for (const DrawItem& item : drawing.items)
        if (const auto* text = std::get_if<TextItem>(&item))
            texts.push_back(text->text);
    return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(ChartPage, CarriesTitleLegendAndTheClassicMufOnlyWhenShown) {
    CircuitChart chart = SmallChart({7.1, 14.1});
    for (const double width : {400.0, 1600.0, 4000.0}) {
        const Drawing page =
            CircuitChartDrawing(chart, width, width * 0.7, ApproximateTextMeasure());
        const std::vector<std::string> texts = Texts(page);
        for (const std::string& line : chart.titleLines)
            EXPECT_TRUE(Has(texts, line)) << line << " at " << width;
        for (const char* legend : {"Circuit reliability", "0 %", "100 %", "at least 90 %",
                                   "Operational MUF", "Hour (UTC)", "MHz"})
            EXPECT_TRUE(Has(texts, legend)) << legend << " at " << width;
        EXPECT_FALSE(Has(texts, "Classic MUF"));
        for (const DrawItem& item : page.items) // nothing drawn off the page
            if (const auto* text = std::get_if<TextItem>(&item)) {
                EXPECT_GE(text->x, 0.0) << text->text;
                EXPECT_LE(text->x, width) << text->text;
            }
    }
    chart.hasClassicMuf = true;
    chart.classicMufMHz.fill(12.0);
    EXPECT_TRUE(
        Has(Texts(CircuitChartDrawing(chart, 1200, 800, ApproximateTextMeasure())), "Classic MUF"));
}

TEST(ChartPage, OfAnErrorShowsTheErrorAlone) {
    CircuitChart chart;
    chart.error = "no data";
    const std::vector<std::string> texts =
        Texts(CircuitChartDrawing(chart, 800, 600, ApproximateTextMeasure()));
    EXPECT_EQ(texts, std::vector<std::string>{"no data"});
}

} // namespace
