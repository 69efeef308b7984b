// The coverage map's texts and picture geometry: the readout of a cell, the half hours
// of --utc, the pixels' points (the inverse of the map projections) and the colours.

#include <gtest/gtest.h>

#include "coverage/CoverageRender.h"
#include "coverage/CoverageTexts.h"
#include "maps/AzimuthalMap.h"
#include "maps/MapCompose.h"
#include "maps/RectMap.h"

#include <algorithm>
#include <cmath>

namespace {

CoverageMap TenDegreeNoon() {
    Settings settings = FactorySettings();
    DeriveSettings(settings);
    CoverageRequest r;
    r.station = {"<Ins>", "45", "5", "Station"};
    r.date = DateFromCalendar(2026, 6, 21);
    r.solarIndexText = "S100";
    r.band = CoverageBandOf(settings, "14.1").value();
    r.cellDeg = 10;
    r.halfHours = {24};
    return ComputeCoverage(r);
}

} // namespace

TEST(CoverageTexts, HalfHoursOfUtcOption) {
    EXPECT_EQ(HalfHoursOfText("0000"), std::vector<int>{0});
    EXPECT_EQ(HalfHoursOfText("1229"), std::vector<int>{24});
    EXPECT_EQ(HalfHoursOfText("2359"), std::vector<int>{47});
    EXPECT_EQ(HalfHoursOfText("all").size(), 48u);
    EXPECT_TRUE(HalfHoursOfText("2400").empty());
    EXPECT_TRUE(HalfHoursOfText("12").empty());
    EXPECT_EQ(HalfHourText(47), "2330");
}

TEST(CoverageTexts, ReadoutOfTheStationsCellAndOfAFarCell) {
    const CoverageMap map = TenDegreeNoon();
    ASSERT_TRUE(map.ok);
    // 45 N 5 W is the centre of its 10° cell: no path there.
    const int own = CellRowAt(map.grid, 45) * map.grid.cols + CellColAt(map.grid, 5);
    const std::vector<std::string> lines = CoverageReadout(map, own, 0);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Cell 45.00 N    5.00 W");
    EXPECT_EQ(lines[1], "Distance 0 km");
    EXPECT_EQ(lines[2], "Bearing none (no path)");
    EXPECT_EQ(lines[4], "Mode none");
    EXPECT_EQ(lines[7], "MUF probability 0.00 (closed)");
    // 5 N 45 W: 40° of arc away, about 4450 km, to the south-west.
    const int far = CellRowAt(map.grid, 5) * map.grid.cols + CellColAt(map.grid, 45);
    const std::vector<std::string> farLines = CoverageReadout(map, far, 0);
    EXPECT_EQ(farLines[0], "Cell  5.00 N   45.00 W");
    EXPECT_NE(farLines[2].find("Bearing 2"), std::string::npos);
    EXPECT_NE(farLines[3].find(" MHz"), std::string::npos);
}

// A cell suppressed by the signal threshold says so; a cell without a mode or below the
// lowest class is closed in the S/N view too (never coloured as a fine S/N).
TEST(CoverageTexts, SuppressedAndClosedCells) {
    Settings settings = FactorySettings();
    settings.SuppressionThreshold = 0; // 0 dB: many weak cells are suppressed
    DeriveSettings(settings);
    CoverageRequest r;
    r.station = {"<Ins>", "45", "5", "Station"};
    r.date = DateFromCalendar(2026, 12, 21);
    r.solarIndexText = "S100";
    r.band = CoverageBandOf(settings, "14.1").value();
    r.cellDeg = 5;
    r.halfHours = {9}; // 0430, night over Europe: 14.1 MHz above the MUF nearby
    const CoverageMap map = ComputeCoverage(r);
    ASSERT_TRUE(map.ok);
    const std::vector<CellTint> snr = CellTints(map, 0, CoverageShow::Snr);
    const std::vector<CellTint> reliability = CellTints(map, 0, CoverageShow::Reliability);
    int suppressed = 0, closedWithMode = 0;
    for (int c = 0; c < map.grid.CellCount(); ++c) {
        const CoverageValue& v = map.At(c, 0);
        EXPECT_EQ(snr[c].tinted, reliability[c].tinted) << c;
        const std::string last = CoverageReadout(map, c, 0).back();
        if (v.HasMode() && v.signalDb < map.suppressionLevelDb) {
            ++suppressed;
            EXPECT_NE(last.find("(below the signal threshold)"), std::string::npos) << last;
        } else {
            EXPECT_EQ(last.find("below"), std::string::npos) << last;
        }
        closedWithMode += v.HasMode() && !snr[c].tinted ? 1 : 0;
    }
    EXPECT_GT(suppressed, 0);
    EXPECT_GT(closedWithMode, 0);
    // The S/N is in the settings' noise bandwidth: 1 Hz by default.
    for (int c = 0; c < map.grid.CellCount(); ++c)
        if (map.At(c, 0).HasMode()) {
            EXPECT_NE(CoverageReadout(map, c, 0)[6].find(" dB-Hz"), std::string::npos);
            break;
        }
}

struct FieldsCase {
    const char* name;
    std::string list;
    PredictionEngine engine;
    std::vector<CoverageField> fields; ///< empty: refused
};

class CoverageFieldsTest : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(CoverageFieldsTest, ReadsTheList) {
    const CoverageFieldsRead read = ReadCoverageFields(GetParam().list, GetParam().engine);
    EXPECT_EQ(read.fields, GetParam().fields);
    EXPECT_EQ(read.error.empty(), !GetParam().fields.empty()) << read.error;
}

using F = CoverageField;
INSTANTIATE_TEST_SUITE_P(
    Lists, CoverageFieldsTest,
    ::testing::Values(
        FieldsCase{
            "Classic", "muf,muf_probability", PredictionEngine::Classic, {F::Muf, F::Probability}},
        FieldsCase{"Repeated", "snr,snr,class", PredictionEngine::Classic, {F::Snr, F::Class}},
        FieldsCase{"P533",
                   "circuit_reliability,field,power",
                   PredictionEngine::P533,
                   {F::Reliability, F::Field, F::Power}},
        FieldsCase{"SignalIsClassic", "signal", PredictionEngine::P533, {}},
        FieldsCase{"FieldIsP533", "field", PredictionEngine::Classic, {}},
        FieldsCase{"Empty", "", PredictionEngine::Classic, {}},
        FieldsCase{"EmptyItem", "muf,", PredictionEngine::Classic, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CoverageTexts, FilesCarryAHeaderAndTheChosenFields) {
    const CoverageMap map = TenDegreeNoon();
    const std::string json = CoverageJson(map, {F::Muf, F::Probability});
    EXPECT_EQ(json.rfind("{\"header\": {\"engine\": \"classic\", \"station\": \"Station\", "
                         "\"station_lat\": \"45.00\", \"station_lon\": \"5.00\", \"date\": "
                         "\"2026-06-21\", \"solar_index\": \"S100\", \"freq_mhz\": \"14.1\", "
                         "\"grid_deg\": \"10\", \"value\": \"MUF probability\"",
                         0),
              0u)
        << json.substr(0, 400);
    EXPECT_NE(json.find("\"slots\": [{\"muf\": "), std::string::npos);
    EXPECT_EQ(json.find("\"mode\""), std::string::npos);
    const std::string csv = CoverageCsv(map, {F::Mode, F::Class});
    EXPECT_EQ(csv.rfind("# engine: classic\r\n", 0), 0u);
    const std::size_t header = csv.find("utc,lat,lon,mode,class\r\n");
    ASSERT_NE(header, std::string::npos);
    EXPECT_EQ(csv.find("\n#", header), std::string::npos); // comments only at the top
    // Every cell once per half hour.
    EXPECT_EQ(std::count(csv.begin() + static_cast<long>(header), csv.end(), '\n'),
              1 + map.grid.CellCount());
}

TEST(CoverageTexts, DayHalfHoursOfEachEngine) {
    EXPECT_EQ(CoverageDayHalfHours(PredictionEngine::Classic).size(), 48u);
    const std::vector<int> hours = CoverageDayHalfHours(PredictionEngine::P533);
    ASSERT_EQ(hours.size(), 24u);
    EXPECT_EQ(hours.front(), 0);
    EXPECT_EQ(hours.back(), 46);
    EXPECT_EQ(P533HourOfHalfHour(0), 24.0);
    EXPECT_EQ(P533HourOfHalfHour(9), 4.5);
}

// A pixel's point is where the projection puts that point back, to the pixel.
TEST(CoverageRender, PixelsInvertTheProjections) {
    const int w = 721, h = 361;
    const CoverageProjection rect{false, {40.0, 75.0}};
    const MapRect r{1, 1, w - 2, h - 2};
    const CoverageProjection gc{true, {40.0, 75.0}};
    const int side = 721;
    const AzimuthalView view{side / 2, side / 2, 40.0, 75.0, GreatCircleDiscRadius(side) / 180.0};
    for (double lat = -80; lat <= 80; lat += 20) {
        for (double lon = -170; lon <= 170; lon += 40) {
            GeoPoint p;
            ASSERT_TRUE(PixelToPoint(rect, w, h, RectMapX(r, lon, 75.0), RectMapY(r, lat), p));
            EXPECT_NEAR(p.lat, lat, 0.5);
            EXPECT_NEAR(std::remainder(p.lon - lon, 360.0), 0.0, 0.6);
            const AzimuthalOffset a = AzimuthalProject({lat, lon}, 40.0, 75.0, view.scale);
            ASSERT_TRUE(PixelToPoint(gc, side, side, view.centreX + a.dx, view.centreY - a.dy, p));
            // One pixel is 1/2 degree of arc here; far from the centre a degree of arc
            // spans more longitude at high latitudes, so compare central angles.
            const double d =
                std::acos(std::clamp(std::sin(p.lat * M_PI / 180) * std::sin(lat * M_PI / 180) +
                                         std::cos(p.lat * M_PI / 180) * std::cos(lat * M_PI / 180) *
                                             std::cos((p.lon - lon) * M_PI / 180),
                                     -1.0, 1.0));
            EXPECT_LT(d * 180 / M_PI, 1.0) << lat << " " << lon;
        }
    }
    GeoPoint p;
    EXPECT_FALSE(PixelToPoint(gc, side, side, 0, 0, p)); // outside the disc
}

TEST(CoverageRender, ColoursAndLegend) {
    EXPECT_EQ(SnrColour(-40.0), SnrColour(kSnrScaleLowDb));
    EXPECT_EQ(SnrColour(90.0), SnrColour(kSnrScaleHighDb));
    EXPECT_NE(SnrColour(10.0), SnrColour(20.0));
    EXPECT_EQ(CoverageLegend(CoverageShow::Reliability).size(), 6u);
    EXPECT_EQ(CoverageLegend(CoverageShow::Snr).end()[-2].text, "closed");
    EXPECT_EQ(CoverageLegend(CoverageShow::Snr).front().text, ">= 50 dB-Hz");
    EXPECT_NE(ReliabilityColour(ReliabilityClass::A), ReliabilityColour(ReliabilityClass::D));
}

TEST(CoverageRender, CircuitReliabilityOnAContinuousScale) {
    const std::vector<LegendEntry> legend = CoverageLegend(CoverageShow::CircuitReliability);
    ASSERT_EQ(legend.size(), 12u);
    EXPECT_EQ(legend.front().text, "100 %");
    EXPECT_EQ(legend[10].text, "1 %");
    EXPECT_FALSE(legend.back().tinted); // closed: the map shows through
    for (std::size_t i = 1; i + 1 < legend.size(); ++i)
        EXPECT_NE(legend[i].colour, legend[i - 1].colour) << legend[i].text;

    CoverageMap map;
    map.grid = MakeCoverageGrid(10);
    map.halfHours = {0, 2};
    map.values.resize(static_cast<std::size_t>(map.grid.CellCount()) * 2);
    map.values[1].reliability = 0.003f; // cell 0 at hour 2: below half a percent
    map.values[2].reliability = 0.42f;  // cell 1 at hour 0
    map.values[3].reliability = 1.0f;
    const std::vector<CellTint> hour0 = CellTints(map, 0, CoverageShow::CircuitReliability);
    const std::vector<CellTint> hour2 = CellTints(map, 1, CoverageShow::CircuitReliability);
    EXPECT_FALSE(hour0[0].tinted);
    EXPECT_FALSE(hour2[0].tinted);
    EXPECT_TRUE(hour0[1].tinted);
    EXPECT_EQ(hour0[1].colour, CircuitReliabilityColour(42.0));
    EXPECT_EQ(hour2[1].colour, CircuitReliabilityColour(100.0));
}

TEST(CoverageTexts, LocalTimeFallsInItsUtcHalfHour) {
    EXPECT_EQ(UtcHalfHourOf(12.0, 0.0), 24);
    EXPECT_EQ(UtcHalfHourOf(23.99, 0.0), 47);
    EXPECT_EQ(UtcHalfHourOf(1.0, 2.0 / 24.0), 6);   // 0100 local, two hours behind UTC
    EXPECT_EQ(UtcHalfHourOf(1.0, -2.0 / 24.0), 46); // wraps into the day before
}
