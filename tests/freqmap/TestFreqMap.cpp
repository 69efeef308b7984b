// The frequency map's grid, cell values, classes, patterns, legend and exports.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Core.h"
#include "engine/Propagation.h"
#include "freqmap/FreqMapExport.h"
#include "freqmap/FreqMapGeometry.h"
#include "freqmap/FreqMapRender.h"
#include "freqmap/FreqMapSession.h"
#include "freqmap/FreqMapTexts.h"
#include "maps/PixelBuffer.h"
#include "maps/RectMap.h"
#include "maps/VectorMap.h"
#include "tests/engine/EngineTestSupport.h"

namespace {

std::vector<int> CellsPerBand(const std::vector<FreqMapCell>& cells) {
    std::vector<int> counts;
    for (const FreqMapCell& cell : cells) {
        if (cell.band > static_cast<int>(counts.size()))
            counts.push_back(0);
        ++counts.back();
    }
    return counts;
}

Settings WithFrequencies(const std::vector<std::string>& texts) {
    Settings s = FactorySettings();
    s.FrequencyCount = static_cast<int>(texts.size());
    for (std::size_t n = 0; n < texts.size(); ++n)
        s.Frequencies[n] = {texts[n], "0.0"};
    DeriveSettings(s);
    return s;
}

} // namespace

TEST(FreqMapGrid, CellsPerBandAtBothResolutions) {
    const auto low = FreqMapLayout(FreqMapResolution::Low, {0, 0, 353, 357}, 0.0);
    EXPECT_EQ(CellsPerBand(low), (std::vector<int>{3, 5, 7, 9, 9, 9, 7, 5, 3}));
    EXPECT_EQ(low.size(), 57u);
    const auto high = FreqMapLayout(FreqMapResolution::High, {0, 0, 353, 357}, 0.0);
    EXPECT_EQ(CellsPerBand(high),
              (std::vector<int>{3,  5,  7,  11, 13, 17, 19, 23, 25, 27, 29, 31, 33,
                                33, 35, 35, 37, 37, 37, 37, 37, 35, 35, 33, 33, 31,
                                29, 27, 25, 23, 19, 17, 13, 11, 7,  5,  3}));
    EXPECT_EQ(high.size(), 877u);
    // Bands centred on 80, 60, ..., −80; the middle cell of a band on the central meridian.
    EXPECT_EQ(low.front().centreLatDeg, 80.0);
    EXPECT_EQ(low.back().centreLatDeg, -80.0);
    EXPECT_EQ(low[1].centreLonDeg, -10.0 + 10.0); // band 1 of 3: the middle one
    EXPECT_EQ(FreqMapLayout(FreqMapResolution::Low, {0, 0, 10, 10}, -10.0)[1].centreLonDeg, -10.0);
    EXPECT_GT(low.front().centreLonDeg, low[2].centreLonDeg); // west positive: west is left
}

TEST(FreqMapGrid, CellsTileTheAreaWithoutGapOrOverlap) {
    for (FreqMapResolution res : {FreqMapResolution::Low, FreqMapResolution::High}) {
        for (PixelRect area :
             {PixelRect{1, 1, 354, 358}, PixelRect{1, 1, 1170, 916}, PixelRect{0, 0, 37, 40}}) {
            const auto cells = FreqMapLayout(res, area, 12.5);
            const int w = area.right - area.left;
            std::vector<int> hits(static_cast<std::size_t>(w * (area.bottom - area.top)), 0);
            for (const FreqMapCell& cell : cells)
                for (int y = cell.rect.top; y < cell.rect.bottom; ++y)
                    for (int x = cell.rect.left; x < cell.rect.right; ++x)
                        ++hits[(y - area.top) * w + (x - area.left)];
            EXPECT_TRUE(std::all_of(hits.begin(), hits.end(), [](int n) { return n == 1; }))
                << "area " << area.right << " x " << area.bottom;
            // A click finds the cell that holds the point, in the layout's own frame.
            const FreqMapCell& some = cells[cells.size() / 3];
            EXPECT_EQ(FindFreqMapCell(cells, some.rect.left, some.rect.bottom - 1),
                      static_cast<int>(cells.size() / 3));
            EXPECT_FALSE(FindFreqMapCell(cells, area.right, area.top));
        }
    }
}

TEST(FreqMapGrid, LongitudesReducedForOutput) {
    EXPECT_EQ(ReducedLongitudeDeg(180.0), 180.0);
    EXPECT_EQ(ReducedLongitudeDeg(-180.0), 180.0);
    EXPECT_EQ(ReducedLongitudeDeg(190.0), -170.0);
    EXPECT_EQ(ReducedLongitudeDeg(-350.0), 10.0);
}

TEST(FreqMapSlots, UserListReversedOrBuiltIn) {
    const FreqMapSlots builtIn = MakeFreqMapSlots(WithFrequencies({}));
    EXPECT_EQ(builtIn.texts,
              (std::vector<std::string>{"28.3", "21.2", "18.1", "14.1", "10.1", "7.1", "3.5"}));
    EXPECT_EQ(builtIn.classCount(), 8);
    EXPECT_EQ(FreqMapLegendLabel(builtIn, 8), "< 3.5");
    EXPECT_EQ(FreqMapLegendTitle(builtIn), "Available Frequencies (MHz)");
    const FreqMapSlots ten = MakeFreqMapSlots(WithFrequencies(
        {"3.5", "5.3", "7.0", "10.1", "14.0", "18.1", "21.0", "24.9", "28.0", "29.9"}));
    EXPECT_EQ(ten.texts,
              (std::vector<std::string>{"29.9", "28.0", "24.9", "21.0", "18.1", "14.0", "10.1"}));
    // The three the map has no room for are named, in the list's order; seven or fewer
    // leave nothing out.
    EXPECT_EQ(ten.leftOut, (std::vector<std::string>{"3.5", "5.3", "7.0"}));
    EXPECT_EQ(FreqMapLeftOutNote(ten), "The map shows 7 frequencies: 3.5, 5.3 and 7.0 MHz (the "
                                       "first 3 of your 10) are left out");
    const FreqMapSlots eight = MakeFreqMapSlots(
        WithFrequencies({"1.8", "3.5", "7.0", "10.1", "14.0", "18.1", "21.0", "24.9"}));
    EXPECT_EQ(FreqMapLeftOutNote(eight),
              "The map shows 7 frequencies: 1.8 MHz (the first 1 of your 8) is left out");
    EXPECT_EQ(FreqMapLeftOutNote(builtIn), "");
    EXPECT_EQ(FreqMapLeftOutNote(MakeFreqMapSlots(
                  WithFrequencies({"3.5", "7.0", "10.1", "14.0", "18.1", "21.0", "24.9"}))),
              "");
    const FreqMapSlots one = MakeFreqMapSlots(WithFrequencies({"14.1"}));
    EXPECT_EQ(FreqMapLegendTitle(one), "Frequency in MHz");
    EXPECT_EQ(FreqMapTopText(one)[0],
              "Your frequency is shown in each area of the world for which");
    EXPECT_EQ(FreqMapReadout(one, 1), "14.1 MHz");
    EXPECT_EQ(FreqMapReadout(one, 2), "< 14.1 MHz");
    EXPECT_EQ(FreqMapReadout(one, 1, 25.44), "14.1 MHz, MUF 25.4 MHz"); // the cell's MUF
    EXPECT_EQ(FreqMapReadout(one, 2, 9.96), "< 14.1 MHz, MUF 10.0 MHz");
}

TEST(FreqMapSlots, ClassIsTheHighestFrequencyNotAboveTheMuf) {
    const FreqMapSlots s = MakeFreqMapSlots(WithFrequencies({"7.1", "14.1", "21.2"}));
    EXPECT_EQ(FreqMapClass(s, 30.0f), 1);
    EXPECT_EQ(FreqMapClass(s, 21.2f), 1); // equal to a listed frequency: that class
    EXPECT_EQ(FreqMapClass(s, 21.1f), 2);
    EXPECT_EQ(FreqMapClass(s, 7.1f), 3);
    EXPECT_EQ(FreqMapClass(s, 7.0f), 4);
    EXPECT_EQ(FreqMapClass(s, 0.0f), 4);
}

TEST(FreqMapPatterns, FewFrequenciesGetEveryOtherPattern) {
    const FreqMapSlots two = MakeFreqMapSlots(WithFrequencies({"7.1", "14.1"}));
    EXPECT_EQ(FreqMapPatternOf(two, 1), 1);
    EXPECT_EQ(FreqMapPatternOf(two, 2), 3);
    EXPECT_EQ(FreqMapPatternOf(two, 3), 8);
    const FreqMapSlots four = MakeFreqMapSlots(WithFrequencies({"3.5", "7.1", "14.1", "21.2"}));
    EXPECT_EQ(FreqMapPatternOf(four, 4), 7);
    const FreqMapSlots five =
        MakeFreqMapSlots(WithFrequencies({"3.5", "7.1", "14.1", "21.2", "28.3"}));
    EXPECT_EQ(FreqMapPatternOf(five, 4), 4);
    EXPECT_EQ(FreqMapPatternOf(MakeFreqMapSlots(WithFrequencies({})), 7), 7);
    // Lit pixels per 8 × 8 tile: 64, 32, 16, 8, 4, 2, 1, 0.
    for (int p = 1; p <= 8; ++p) {
        int lit = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                lit += FreqMapPatternLit(p, x, y);
        EXPECT_EQ(lit, p == 8 ? 0 : 64 >> (p - 1)) << "pattern " << p;
        EXPECT_EQ(FreqMapPatternLit(p, 3, 5), FreqMapPatternLit(p, 3 + 8, 5 + 16));
    }
    EXPECT_TRUE(FreqMapPatternLit(4, 0, 7)); // word 0 is column 0, bit 7 row 7
    EXPECT_FALSE(FreqMapPatternLit(4, 7, 0));
}

// The map's value of a cell is the prediction's own short-path MUF to the cell's
// centre; at half hours the two must agree exactly.
TEST(FreqMapValues, CellMufIsThePredictionsShortPathMuf) {
    RequestPlan plan;
    plan.latA = "48.5";
    plan.lonA = "-11";
    plan.year = 2026;
    plan.month = 12;
    plan.day = 21;
    plan.solar = "S120";
    plan.kIndex = "3";
    const auto cells = FreqMapLayout(FreqMapResolution::Low, {0, 0, 99, 99}, 0.0);
    PredictionRequest base = MakeRequest(plan);
    const StationConditions conditions = MakeStationConditions(base.TerminalA, base.Date, base.Ssn,
                                                               "3", base.MinElevationRad, base.Sun);
    const auto paths = PrepareFreqMapPaths(conditions, cells);
    const FreqMapSlots slots = MakeFreqMapSlots(Settings{});
    const auto once = ComputeFreqMapValues(conditions, slots, cells, {6.5});
    const auto many = ComputeFreqMapValues(conditions, slots, cells, {1.0, 6.5});
    EXPECT_EQ(once[0].mufs, many[1].mufs); // one instant at a time or many: the same values
    for (int n : {0, 14, 28, 33, 50}) {    // equator cells sit on whole degrees
        const FreqMapCell& cell = cells[n];
        plan.latB = std::to_string(cell.centreLatDeg);
        plan.lonB = std::to_string(cell.centreLonDeg);
        const PredictionResult result = ComputePrediction(MakeRequest(plan));
        for (int j : {0, 13, 24, 41}) {
            SCOPED_TRACE(testing::Message() << "cell " << n << ", half hour " << j);
            EXPECT_FLOAT_EQ(paths[n].Muf(0.5f * j), result.Paths[0].Muf[j]);
        }
    }
}

TEST(FreqMapValues, CellOnTheStationTakesTheVerticalValue) {
    Terminal a;
    SetTerminalDegrees(a, 0.0, 40.0); // on the centre of the equator's middle cell
    const DateValue date = DateFromCalendar(2026, 6, 21);
    const SolarPosition sun = ComputeSolarPosition(date, TimeZoneState{});
    const StationConditions c = MakeStationConditions(a, date, 80.0f, "", 0.0262, sun);
    const auto cells = FreqMapLayout(FreqMapResolution::Low, {0, 0, 99, 99}, 40.0);
    std::vector<FreqMapCell> near = {cells[28], cells[28]};
    ASSERT_EQ(near[0].centreLatDeg, 0.0);
    ASSERT_EQ(near[0].centreLonDeg, 40.0);
    near[1].centreLatDeg = 0.05; // a path of 6 km: almost vertical
    const auto paths = PrepareFreqMapPaths(c, near);
    EXPECT_TRUE(paths[0].IsVertical());
    EXPECT_FALSE(paths[1].IsVertical());
    for (float t : {3.0f, 12.25f, 20.0f}) {
        const float vertical = paths[0].Muf(t);
        EXPECT_GT(vertical, 1.0f);
        EXPECT_NEAR(vertical, paths[1].Muf(t), 0.02 * vertical) << t;
    }
}

TEST(FreqMapLegend, BoxesInTwoCentredRowsAndClicks) {
    FreqMapScreen screen{1920, 1080, 1920, 1040, 24};
    const FreqMapDisplayGeometry g = ComputeFreqMapDisplayGeometry(screen);
    EXPECT_EQ(g.map.right, 1920);
    EXPECT_EQ((g.map.right - g.map.left) % 2, 1);
    EXPECT_EQ((g.map.bottom - g.map.top) % 2, 1);
    const int a = 10, b = g.map.left - 10;
    const auto boxes = FreqMapLegendBoxes(g, a, b, 8, false);
    ASSERT_EQ(boxes.size(), 8u);
    EXPECT_EQ(boxes[0].box.top, boxes[3].box.top);
    EXPECT_LT(boxes[3].box.top, boxes[4].box.top);
    EXPECT_NEAR(boxes[0].box.left - a, b - boxes[3].box.right, 1); // the row is centred
    for (std::size_t n = 1; n < boxes.size(); ++n) {
        if (boxes[n].box.top == boxes[n - 1].box.top) {
            EXPECT_GT(boxes[n].box.left, boxes[n - 1].box.right);
        }
    }
    const PixelRect third = boxes[2].box;
    EXPECT_EQ(FreqMapLegendHit(boxes, 8, third.left + 1, third.top + 1), 3);
    EXPECT_EQ(FreqMapLegendHit(boxes, 8, boxes[7].box.left, boxes[7].box.top), 0);
    EXPECT_EQ(FreqMapLegendBoxes(g, a, b, 8, true).size(), 7u);
}

TEST(FreqMapExport, JsonAndCsvShapes) {
    const FreqMapSlots slots = MakeFreqMapSlots(WithFrequencies({"7.1", "14.1"}));
    const auto cells = FreqMapLayout(FreqMapResolution::Low, {0, 0, 10, 10}, 190.0);
    FreqMapFrame frame{
        "1230", 12.5, 100.0f, 150.5f, std::vector<float>(57, 10.0f), std::vector<int>(57, 2)};
    frame.classes[0] = 3;
    const std::string json = FreqMapJson(slots, cells, frame);
    EXPECT_EQ(json.rfind("{\"ssn\": 100, \"flux\": 150.5, \"slots\": [\"14.1\", \"7.1\"], "
                         "\"cells\": [{\"band\": 1, \"index\": 1, \"centreLat\": 80, "
                         "\"centreLon\": -50, \"muf\": 10, \"class\": 3, \"label\": \"< 7.1 MHz\"}",
                         0),
              0u)
        << json.substr(0, 200);
    const std::string csv = FreqMapCsv(slots, cells, {frame, frame});
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 2 * 57);
    EXPECT_NE(csv.find("\r\n1230,1,2,80,-170,10,2,7.1 MHz\r\n"), std::string::npos);
}

TEST(FreqMapInstant, LocalTimeBecomesUtAcrossMidnight) {
    const DateValue day = DateFromCalendar(2026, 12, 8);
    // Local time 5 hours behind UTC (UtcOffset +5 h): 2200 local is 0300 UT the next day.
    const auto late = MapInstantOf({day, "2200"}, 5.0 / 24);
    ASSERT_TRUE(late);
    EXPECT_EQ(late->utDate, day + 1);
    EXPECT_DOUBLE_EQ(late->utHours, 3.0);
    // Two hours ahead of UTC: 0030 local is 2230 UT the day before.
    const auto early = MapInstantOf({day, "0030"}, -2.0 / 24);
    ASSERT_TRUE(early);
    EXPECT_EQ(early->utDate, day - 1);
    EXPECT_DOUBLE_EQ(early->utHours, 22.5);
    EXPECT_FALSE(MapInstantOf({day, "2400"}, 0.0));
}

TEST(FreqMapRender, PatternsUnderSmoothWhiteCoastsInARedFrame) {
    PixelBuffer image(201, 151);
    const auto cells = FreqMapLayout(FreqMapResolution::Low, FreqMapArea(201, 151), 0.0);
    const FreqMapSlots slots = MakeFreqMapSlots(WithFrequencies({"7.1", "14.1"}));
    std::vector<int> classes(cells.size(), 1); // solid cyan everywhere
    classes[0] = 2;
    FreqMapPicture picture;
    picture.cells = &cells;
    picture.classes = &classes;
    picture.freqSlots = &slots;
    picture.sun = {-80.0, 0.0};
    picture.station = {0.0, 0.0};
    RenderFreqMap(image, picture);
    EXPECT_EQ(image.PixelAt(0, 0), kRed);
    EXPECT_EQ(image.PixelAt(200, 75), kRed);
    // Over solid cyan a coast shows as red light; antialiased, most of it partly.
    int coast = 0, partial = 0, cyan = 0;
    for (int y = 60; y < 90; ++y)
        for (int x = 1; x < 200; ++x) {
            const Rgb red = image.PixelAt(x, y) >> 16;
            coast += red > 0;
            partial += red > 0 && red < 0xFF;
            cyan += image.PixelAt(x, y) == 0x00FFFF;
        }
    EXPECT_GT(coast, 20);
    EXPECT_GT(partial, coast / 2);
    EXPECT_GT(cyan, 2000);
    EXPECT_EQ(image.PixelAt(100, 75), kLime); // the station's marker on the map's centre
    // Only class 2 shown: the solid cells stay black.
    picture.selectedClass = 2;
    RenderFreqMap(image, picture);
    EXPECT_NE(image.PixelAt(cells[30].rect.left + 3, cells[30].rect.top + 3), 0x00FFFFu);
}

// The coasts follow the central meridian and the picture's size: every point of the
// world outline lies on a lit pixel or beside one, and no pixel far from it is lit.
TEST(FreqMapRender, CoastsLieOnTheOutlineAtAnySize) {
    struct Case {
        int width, height;
        double centreLon;
    };
    constexpr int kClear = 40; // rows clear of the Sun, the marker and the time label
    for (const Case c : {Case{201, 151, 0.0}, Case{601, 451, 100.0}, Case{1171, 879, -75.0}}) {
        SCOPED_TRACE(c.width);
        PixelBuffer image(c.width, c.height);
        FreqMapPicture picture;
        picture.centreLonDeg = c.centreLon;
        picture.station = {89.0, c.centreLon}; // the marker out of the way, at the top
        picture.sun = {-89.0, c.centreLon + 180.0};
        RenderFreqMap(image, picture);
        const PixelRect area = FreqMapArea(c.width, c.height);
        const WorldFrame frame =
            RectMapFrame({area.left, area.top, area.right - 1, area.bottom - 1}, c.centreLon);
        int points = 0, dark = 0;
        std::vector<bool> near(static_cast<std::size_t>(c.width) * c.height, false);
        const auto markNear = [&](double px, double py) {
            const int x = static_cast<int>(std::floor(px));
            const int y = static_cast<int>(std::floor(py));
            for (int v = std::max(y - 2, 0); v <= std::min(y + 2, c.height - 1); ++v)
                for (int u = std::max(x - 2, 0); u <= std::min(x + 2, c.width - 1); ++u)
                    near[static_cast<std::size_t>(v) * c.width + u] = true;
        };
        for (const MapPolyline& line : CoastlinePolylines(frame, 0.5))
            for (std::size_t i = 0; i < line.size(); ++i) {
                const MapPointF at = line[i];
                const MapPointF next = line[std::min(i + 1, line.size() - 1)];
                const double steps = std::ceil(std::hypot(next.x - at.x, next.y - at.y) * 2);
                for (double k = 0; k <= steps; ++k)
                    markNear(at.x + (next.x - at.x) * k / std::max(steps, 1.0),
                             at.y + (next.y - at.y) * k / std::max(steps, 1.0));
                const int x = static_cast<int>(std::floor(at.x));
                const int y = static_cast<int>(std::floor(at.y));
                if (x < area.left + 2 || x >= area.right - 2 || y < area.top + kClear ||
                    y >= area.bottom - kClear)
                    continue;
                ++points;
                Rgb light = 0; // of the pixel and its neighbours: the stroke's spread
                for (int v = y - 1; v <= y + 1; ++v)
                    for (int u = x - 1; u <= x + 1; ++u)
                        light = std::max(light, image.PixelAt(u, v) & 0xFF);
                dark += light < 0x40;
            }
        EXPECT_GT(points, 1000);
        EXPECT_EQ(dark, 0);
        int stray = 0;
        for (int y = area.top + kClear; y < area.bottom - kClear; ++y)
            for (int x = area.left; x < area.right; ++x)
                stray += !near[static_cast<std::size_t>(y) * c.width + x] &&
                         image.PixelAt(x, y) != kBlack;
        EXPECT_EQ(stray, 0);
    }
}
