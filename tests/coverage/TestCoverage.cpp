// Coverage maps: every cell must equal an on-screen prediction from the station to the
// cell's centre with the same settings, value for value.

#include <gtest/gtest.h>

#include "core/Constants.h"
#include "coverage/Coverage.h"
#include "coverage/CoverageGrid.h"
#include "report/NoiseLevel.h"
#include "report/PredictionHeaders.h"
#include "report/PredictionSetup.h"

#include <cmath>

namespace {

Terminal Station(const std::string& lat, const std::string& lon) {
    Terminal t;
    t.Prefix = "<Ins>";
    t.LatitudeText = lat;
    t.LongitudeText = lon;
    t.Name = "Station";
    return t;
}

CoverageRequest Request(const Settings& settings, const std::string& freq, int cellDeg) {
    CoverageRequest r;
    r.station = Station("40.5", "75.25");
    r.date = DateFromCalendar(2026, 3, 15);
    r.solarIndexText = "S120.0";
    r.kIndexText = "3";
    r.band = CoverageBandOf(settings, freq).value();
    r.cellDeg = cellDeg;
    return r;
}

// The on-screen prediction to one cell centre, run as the prediction dialog runs it.
PredictionResult OnScreen(const CoverageRequest& r, double lat, double lon,
                          const Settings& settings) {
    PredictionInputs inputs;
    inputs.terminalA = r.station;
    inputs.terminalB = CellTerminal(lat, lon);
    inputs.date = r.date;
    inputs.solarIndexText = r.solarIndexText;
    inputs.kIndexText = r.kIndexText;
    inputs.zone = r.zone;
    const PreparedPrediction prepared = PreparePrediction(inputs, settings);
    EXPECT_TRUE(prepared.ok);
    return Predict(prepared.request);
}

void ExpectEqualToPredictions(const Settings& user, const std::string& freq, int slotInUser) {
    CoverageRequest r = Request(user, freq, 5);
    for (int j = 0; j < kHalfHours; j += 5)
        r.halfHours.push_back(j);
    const CoverageMap map = ComputeCoverage(r);
    ASSERT_TRUE(map.ok);
    ASSERT_TRUE(map.complete);
    const NoiseTerms noise = NoiseTermsOf(user);
    // The on-screen prediction uses the user's whole list (or the typed frequency
    // alone), so slots past the map's frequency are computed there too.
    const Settings& screenSettings = slotInUser >= 0 ? user : r.band.settings;
    const int slot = slotInUser >= 0 ? slotInUser : 0;
    int compared = 0, withMode = 0;
    // 60 cells spread over the world (a prime stride through the 72 × 36 cells).
    for (int n = 0; n < 60; ++n) {
        const int cell = (n * 433 + 17) % map.grid.CellCount();
        const double lat = CellCentreLat(map.grid, cell / map.grid.cols);
        const double lon = CellCentreLon(map.grid, cell % map.grid.cols);
        const PredictionResult screen = OnScreen(r, lat, lon, screenSettings);
        const PathResult& p = screen.Paths[0];
        for (std::size_t k = 0; k < map.halfHours.size(); ++k) {
            const int j = map.halfHours[k];
            const CoverageValue& v = map.At(cell, static_cast<int>(k));
            SCOPED_TRACE(testing::Message() << "cell " << lat << "," << lon << " slot " << j);
            EXPECT_EQ(v.mufMHz, p.Muf[j]);
            EXPECT_EQ(v.signalDb, p.Signal[j][slot]);
            EXPECT_EQ(v.reliability, p.Reliability[j][slot]);
            EXPECT_EQ(v.mode, p.Mode[j][slot]);
            EXPECT_EQ(v.hops, p.Hops[j][slot]);
            if (v.HasMode()) {
                ++withMode;
                EXPECT_EQ(v.snrDb, static_cast<float>(
                                       p.Signal[j][slot] -
                                       NoiseLevel(screen.FrequencyMHz[slot], p.Muf[j], noise)));
            }
            ++compared;
        }
    }
    EXPECT_EQ(compared, 60 * 10);
    EXPECT_GT(withMode, 60); // the comparison covers open cells, not only closed ones
}

} // namespace

TEST(CoverageGrid, CellsCoverTheWorldWithCentresOnHalfDegrees) {
    const CoverageGrid two = MakeCoverageGrid(2);
    EXPECT_EQ(two.CellCount(), 16200);
    EXPECT_EQ(CellCentreLat(two, 0), 89.0);
    EXPECT_EQ(CellCentreLat(two, 89), -89.0);
    EXPECT_EQ(CellCentreLon(two, 0), 179.0); // 180° W is the west edge
    EXPECT_EQ(CellCentreLon(two, 179), -179.0);
    EXPECT_EQ(CellRowAt(two, 90.0), 0);
    EXPECT_EQ(CellRowAt(two, -90.0), 89);
    EXPECT_EQ(CellColAt(two, 180.0), 0);
    EXPECT_EQ(CellColAt(two, -180.0), 0); // the same meridian
    EXPECT_EQ(CellColAt(two, 178.5), 0);
    EXPECT_EQ(CellColAt(two, -179.5), 179);
    // 7° does not divide 180 or 360: the last row and column are the narrower rest.
    const CoverageGrid seven = MakeCoverageGrid(7);
    EXPECT_EQ(seven.rows, 26);
    EXPECT_EQ(seven.cols, 52);
    EXPECT_EQ(CellCentreLat(seven, 25), -87.5);
    EXPECT_EQ(CellCentreLon(seven, 51), -178.5);
    EXPECT_EQ(MakeCoverageGrid(0).cellDeg, 1);
    EXPECT_EQ(MakeCoverageGrid(99).cellDeg, 10);
}

TEST(CoverageGrid, EdgesHoldTheirCentreAndTileTheWorld) {
    for (const int deg : {2, 7}) {
        const CoverageGrid grid = MakeCoverageGrid(deg);
        double area = 0.0;
        for (int c = 0; c < grid.CellCount(); ++c) {
            const CellEdges e = CellEdgesOf(grid, c);
            const double lat = CellCentreLat(grid, c / grid.cols);
            const double lon = CellCentreLon(grid, c % grid.cols);
            ASSERT_EQ(e.north + e.south, 2.0 * lat) << c;
            ASSERT_EQ(e.west + e.east, 2.0 * lon) << c;
            ASSERT_EQ(CellAt(grid, lat, lon), c);
            area += (e.north - e.south) * (e.west - e.east);
        }
        EXPECT_EQ(area, 180.0 * 360.0);
    }
}

TEST(CoverageBand, ListedFrequencyKeepsItsSlotAndTypedOneRunsAlone) {
    const Settings user = FactorySettings();
    const CoverageBand listed = CoverageBandOf(user, "14.10").value();
    EXPECT_TRUE(listed.inList);
    EXPECT_EQ(listed.slot, 2);
    EXPECT_EQ(listed.text, "14.1");
    const CoverageBand typed = CoverageBandOf(user, "10.1").value();
    EXPECT_FALSE(typed.inList);
    EXPECT_EQ(typed.settings.FrequencyCount, 1);
    EXPECT_FLOAT_EQ(typed.freqMHz, 10.1f);
    EXPECT_FALSE(CoverageBandOf(user, "2.9"));
    EXPECT_FALSE(CoverageBandOf(user, "x"));
    EXPECT_FALSE(CoverageBandOf(user, ""));
}

TEST(Coverage, ListedFrequencyEqualsTheOnScreenPrediction) {
    Settings user = FactorySettings();
    DeriveSettings(user);
    ExpectEqualToPredictions(user, "21.2", 3);
    ExpectEqualToPredictions(user, "3.6", 0);
}

TEST(Coverage, TypedFrequencyEqualsAPredictionOfItAlone) {
    Settings user = FactorySettings();
    DeriveSettings(user);
    ExpectEqualToPredictions(user, "10.1", -1);
}

TEST(Coverage, StationCellHasNoPathAndResultsDoNotDependOnOrder) {
    Settings user = FactorySettings();
    DeriveSettings(user);
    CoverageRequest r = Request(user, "14.1", 10);
    r.station = Station("45.0", "-5.0"); // the centre of a 10° cell
    r.halfHours = {40, 3};
    const CoverageMap map = ComputeCoverage(r);
    ASSERT_TRUE(map.ok);
    const int cell = CellRowAt(map.grid, 45.0) * map.grid.cols + CellColAt(map.grid, -5.0);
    EXPECT_FALSE(map.hasPath[cell]);
    EXPECT_FALSE(map.At(cell, 0).HasMode());
    EXPECT_GT(map.At(cell, 0).mufMHz, 0.0f);
    // Half hours in another order give the same values.
    r.halfHours = {3, 40};
    const CoverageMap swapped = ComputeCoverage(r);
    for (int c = 0; c < map.grid.CellCount(); c += 7) {
        EXPECT_EQ(map.At(c, 0).signalDb, swapped.At(c, 1).signalDb);
        EXPECT_EQ(map.At(c, 1).mufMHz, swapped.At(c, 0).mufMHz);
    }
}

TEST(Coverage, RefusesBadInputWithTheDialogsMessage) {
    Settings user = FactorySettings();
    DeriveSettings(user);
    CoverageRequest r = Request(user, "14.1", 10);
    r.halfHours = {0};
    r.solarIndexText = "X";
    EXPECT_FALSE(ComputeCoverage(r).ok);
    r.solarIndexText = "S100";
    r.station.LatitudeText = "95";
    const CoverageMap bad = ComputeCoverage(r);
    EXPECT_FALSE(bad.ok);
    EXPECT_FALSE(bad.message.text.empty());
}

TEST(ReliabilityClass, FollowsTheTableLetters) {
    CoverageValue v;
    EXPECT_EQ(ReliabilityClassOf(v, -10), ReliabilityClass::Closed);
    v.signalDb = 10.0f;
    v.reliability = 0.8f;
    EXPECT_EQ(ReliabilityClassOf(v, -10), ReliabilityClass::A);
    v.reliability = 0.3f;
    EXPECT_EQ(ReliabilityClassOf(v, -10), ReliabilityClass::C);
    v.reliability = 0.004f; // rounds to 0.00
    EXPECT_EQ(ReliabilityClassOf(v, -10), ReliabilityClass::Closed);
    v.reliability = 0.6f;
    EXPECT_EQ(ReliabilityClassOf(v, 20), ReliabilityClass::Closed); // suppressed
    EXPECT_EQ(ReliabilityClassName(ReliabilityClass::B), "B");
}
