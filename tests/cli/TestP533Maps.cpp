// The coverage map and the planner on the P.533 engine, read from the same options as
// "predict --engine p533": a cell and a planner row hold, value for value, what the
// prediction to that place gives; the mode and the power move the map as they must.

#include "cli/ArgList.h"
#include "cli/CoverageRun.h"
#include "cli/P533Predict.h"
#include "cli/PlannerRun.h"
#include "core/Numeric.h"
#include "coverage/Coverage.h"
#include "planner/Planner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Args = std::vector<std::string>;

std::shared_ptr<const p533::PredictionData> Data() {
    static const p533::DataLoad load = p533::LoadPredictionData(HOPSCOPE_SOURCE_DIR "/p533/data");
    return load.data;
}

// An empty data folder: factory settings and the built-in atlas.
const std::string& DataDir() {
    static const std::string dir = [] {
        const fs::path path =
            fs::temp_directory_path() / ("hopscope-p533-maps-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path.string();
    }();
    return dir;
}

// Vienna, a winter day, a modest station running FT8.
Args Station() {
    return {"--a-lat",    "48.2",   "--a-lon",     "-16.4", "--date",         "2026-12-21",
            "--solar",    "S80",    "--power",     "5",     "--tx-gain",      "2.1",
            "--noise",    "rural",  "--bandwidth", "2500",  "--snr-required", "-21",
            "--data-dir", DataDir()};
}

Args With(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

p533::CircuitResult Predict(const Args& args) {
    ArgList list(args);
    P533Run run;
    const std::optional<ArgFailure> failure = ReadP533Run(list, run);
    EXPECT_FALSE(failure) << failure->text;
    return p533::PredictCircuit(*Data(), run.request);
}

CoverageMap Coverage(const Args& args) {
    CoverageRun run;
    const std::optional<ArgFailure> failure = ReadCoverageRun(args, run);
    EXPECT_FALSE(failure) << failure->text;
    EXPECT_TRUE(run.request.engine.IsP533());
    run.request.engine.data = Data();
    return ComputeCoverage(run.request);
}

// Hour h of a P.533 prediction (index h − 1) is the half hour 2h of a day's map.
int PredictHourIndex(int halfHour) {
    return halfHour == 0 ? 23 : halfHour / 2 - 1;
}

TEST(P533Maps, CoverageCellsEqualThePredictionToTheirCentre) {
    ASSERT_TRUE(Data());
    const CoverageMap map = Coverage(
        With(Station(), {"--freq", "14.1", "--utc", "all", "--grid", "10", "--engine", "p533"}));
    ASSERT_TRUE(map.ok) << OneLineText(map.message);
    ASSERT_EQ(map.halfHours.size(), 24u); // a whole day by hours
    int withMode = 0;
    // Near (Italy), across the Atlantic, and beyond 9,000 km (the long model).
    for (const auto& [lat, lon] : {std::pair{45.0, -15.0}, {35.0, 75.0}, {-35.0, -145.0}}) {
        const int cell = CellAt(map.grid, lat, lon);
        ASSERT_TRUE(map.hasPath[cell]);
        const double centreLat = CellCentreLat(map.grid, cell / map.grid.cols);
        const double centreLon = CellCentreLon(map.grid, cell % map.grid.cols);
        const p533::CircuitResult predicted =
            Predict(With(Station(), {"--b-lat", FormatFixed(centreLat, 0, 1), "--b-lon",
                                     FormatFixed(centreLon, 0, 1), "--freqs", "14.1"}));
        ASSERT_EQ(predicted.error, "");
        ASSERT_EQ(predicted.hours.size(), 24u);
        for (std::size_t k = 0; k < map.halfHours.size(); ++k) {
            const p533::HourResult& hour =
                predicted.hours[static_cast<std::size_t>(PredictHourIndex(map.halfHours[k]))];
            const p533::FrequencyResult& f = hour.frequencies.at(0);
            const P533CellValue& v = map.P533At(cell, static_cast<int>(k));
            SCOPED_TRACE("cell " + std::to_string(centreLat) + " " + std::to_string(centreLon) +
                         " hour " + std::to_string(hour.hourUtc));
            EXPECT_EQ(v.reliabilityPercent, f.reliabilityPercent);
            EXPECT_EQ(v.snrDb, f.snrDb);
            EXPECT_EQ(v.snrAtReliabilityDb, f.snrAtReliabilityDb);
            EXPECT_EQ(v.fieldDbu, f.fieldDbu);
            EXPECT_EQ(v.powerDbw, f.powerDbw);
            EXPECT_EQ(v.basicMufMHz, hour.basicMufMHz);
            EXPECT_EQ(v.opMufMHz, hour.opMufMHz);
            EXPECT_EQ(std::string(v.mode.data()), f.modeName);
            // What the renderer and the class read.
            EXPECT_EQ(map.At(cell, static_cast<int>(k)).reliability,
                      static_cast<float>(f.reliabilityPercent / 100.0));
            withMode += v.HasMode() ? 1 : 0;
        }
    }
    EXPECT_GT(withMode, 10); // the comparison is not of empty cells only
}

TEST(P533Maps, PlannerRowsEqualThePredictionToTheirPlace) {
    ASSERT_TRUE(Data());
    const Args planner = With(Station(), {"--engine", "p533", "--to", "FN42,QF56", "--freqs",
                                          "7.1,14.1,21.1", "--path", "both"});
    PlannerRun run;
    const std::optional<ArgFailure> failure = ReadPlannerRun(planner, run);
    ASSERT_FALSE(failure) << failure->text;
    run.setup.engine.data = Data();
    const PlannerResult result = ComputePlannerRows(run.setup, run.places);
    ASSERT_EQ(result.rows.size(), 4u); // two places, both paths
    int open = 0;
    for (const PlannerRow& row : result.rows) {
        const bool longPath = row.kind == PathKind::Long;
        const p533::CircuitResult predicted =
            Predict(With(Station(), {"--b", row.place.Prefix, "--freqs", "7.1,14.1,21.1", "--path",
                                     longPath ? "long" : "short"}));
        ASSERT_EQ(predicted.error, "");
        EXPECT_EQ(row.distanceKm, predicted.distanceKm);
        EXPECT_EQ(row.bearingDeg, predicted.txBearingDeg);
        ASSERT_EQ(row.bands.size(), 3u);
        for (const p533::HourResult& hour : predicted.hours) {
            const int slot = (2 * static_cast<int>(hour.hourUtc)) % kHalfHours;
            SCOPED_TRACE(row.place.Prefix + (longPath ? " long" : " short") + " hour " +
                         std::to_string(hour.hourUtc));
            for (int j : {slot, slot + 1}) {
                EXPECT_EQ(row.muf[j], static_cast<float>(hour.basicMufMHz));
                for (std::size_t n = 0; n < 3; ++n) {
                    const p533::FrequencyResult& f = hour.frequencies[n];
                    const PlannerBand& band = row.bands[n];
                    const bool mode = f.fieldDbu != p533::kNoValue;
                    EXPECT_EQ(band.reliability[j], static_cast<float>(f.reliabilityPercent / 100));
                    EXPECT_EQ(band.signal[j],
                              mode ? static_cast<float>(f.fieldDbu) : kNoModeSignal);
                    EXPECT_EQ(band.powerDbw[j], static_cast<float>(f.powerDbw));
                    if (mode) {
                        EXPECT_EQ(band.snr[j], static_cast<float>(f.snrDb));
                    }
                    // Open: the circuit reliability reaches the required 90 % of days.
                    EXPECT_EQ(band.open[j], mode && f.reliabilityPercent >= 90.0);
                    open += band.open[j] ? 1 : 0;
                }
            }
        }
    }
    EXPECT_GT(open, 0);
}

// The share of the map's cells whose circuit reliability reaches `percent`.
int CellsAtLeast(const CoverageMap& map, double percent) {
    int count = 0;
    for (int c = 0; c < map.grid.CellCount(); ++c)
        count += map.P533At(c, 0).reliabilityPercent >= percent ? 1 : 0;
    return count;
}

TEST(P533Maps, WeakSignalModesAndPowerOpenMoreOfTheWorld) {
    ASSERT_TRUE(Data());
    const Args noon = {"--a-lat", "48.2", "--a-lon",  "-16.4", "--date",     "2026-12-21",
                       "--solar", "S80",  "--freq",   "14.1",  "--utc",      "1200",
                       "--grid",  "10",   "--engine", "p533",  "--data-dir", DataDir()};
    const auto cells = [&](const Args& station) {
        const CoverageMap map = Coverage(With(noon, station));
        EXPECT_TRUE(map.ok);
        return CellsAtLeast(map, 50.0);
    };
    const int ssb = cells({"--bandwidth", "2700", "--snr-required", "10"});
    const int ft8 = cells({"--bandwidth", "2500", "--snr-required", "-21"});
    EXPECT_GT(ft8, ssb);
    const int weak = cells({"--power", "5"});
    const int strong = cells({"--power", "500"});
    EXPECT_LT(weak, strong);
    EXPECT_GT(strong, 0);
}

TEST(P533Maps, RefusedOptions) {
    CoverageRun coverage;
    const Args map = {"--a-lat",  "48.2", "--a-lon",    "-16.4",  "--date", "2026-12-21",
                      "--solar",  "S80",  "--freq",     "14.1",   "--utc",  "1200",
                      "--engine", "p533", "--data-dir", DataDir()};
    EXPECT_EQ(ReadCoverageRun(With(map, {"--k", "3"}), coverage)->status, 2);
    EXPECT_EQ(ReadCoverageRun(With(map, {"--power", "0"}), coverage)->status, 1);
    EXPECT_NE(ReadCoverageRun(With(map, {"--fields", "muf,signal"}), coverage)
                  ->text.find("'signal' is no field of the P.533"),
              std::string::npos);
    PlannerRun planner;
    const Args plan = {"--a-lat",  "48.2", "--a-lon", "-16.4", "--solar",    "S80",
                       "--engine", "p533", "--to",    "FN42",  "--data-dir", DataDir()};
    EXPECT_EQ(ReadPlannerRun(With(plan, {"--threshold", "0.5"}), planner)->status, 2);
    EXPECT_EQ(ReadPlannerRun(With(plan, {"--engine", "voacap"}), planner)->status, 2);
}

} // namespace
