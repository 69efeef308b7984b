#include "planner/Planner.h"
#include "planner/PlannerExport.h"
#include "planner/PlannerView.h"

#include "atlas/BuiltInAtlas.h"
#include "atlas/ResolveTerminal.h"
#include "core/Numeric.h"
#include "report/PredictionExport.h"
#include "report/PredictionHeaders.h"
#include "settings/DefaultTerminal.h"

#include <gtest/gtest.h>
#include <tbb/task_arena.h>

#include <algorithm>
#include <cmath>

namespace {

Settings TenFrequencies() {
    Settings s = FactorySettings();
    const char* freqs[] = {"3.6",  "5.3",  "7.1",  "10.1", "14.1",
                           "18.1", "21.1", "24.9", "28.3", "29.6"};
    s.FrequencyCount = 10;
    for (int n = 0; n < 10; ++n)
        s.Frequencies[n] = {freqs[n], "0.0"};
    DeriveSettings(s);
    return s;
}

Atlas BuiltIn() {
    return AtlasOf(BuiltInAtlasEntries());
}

PlannerSetup MunichSetup(std::vector<PathKind> kinds) {
    PlannerSetup setup;
    setup.inputs.terminalA.Prefix = "<Ins>";
    setup.inputs.terminalA.LatitudeText = "48.1N";
    setup.inputs.terminalA.LongitudeText = "11.6E";
    setup.inputs.terminalA.Name = "Munich";
    setup.inputs.date = DateFromCalendar(2026, 3, 21);
    setup.inputs.solarIndexText = "S120.0";
    setup.inputs.kIndexText = "3";
    setup.settings = TenFrequencies();
    setup.kinds = std::move(kinds);
    return setup;
}

} // namespace

// Every planner row must be the on-screen prediction to the same place: the dialog
// resolves the prefix, PreparePrediction builds the request, Predict runs it and the
// results table shows its cells. Compared value for value, no tolerance.
TEST(Planner, RowsEqualOnScreenPredictions) {
    const Atlas atlas = BuiltIn();
    const PlannerSetup setup = MunichSetup({PathKind::Short, PathKind::Long});
    std::vector<Terminal> places;
    const TerminalSources sources{&atlas, DefinedDefaultTerminal(setup.settings)};
    for (std::size_t i = 0; i < atlas.Entries.size() && places.size() < 24; i += 15) {
        const ResolvedTerminal typed =
            ResolveTerminal({atlas.Entries[i].Prefix(), "", "", ""}, 'B', sources);
        ASSERT_TRUE(typed.ok) << atlas.Entries[i].Prefix();
        places.push_back(typed.terminal);
    }
    const PlannerResult planned = ComputePlannerRows(setup, places);
    ASSERT_EQ(planned.rows.size(), 2 * places.size());
    const TableRules rules = TableRulesOf(setup.settings, false);
    for (std::size_t i = 0; i < places.size(); ++i) {
        PredictionInputs inputs = setup.inputs;
        inputs.terminalB = places[i];
        const PreparedPrediction prepared = PreparePrediction(inputs, setup.settings);
        ASSERT_TRUE(prepared.ok);
        const PredictionResult screen = Predict(prepared.request);
        for (PathKind kind : setup.kinds) {
            const PathResult& path = screen.Paths[static_cast<int>(kind)];
            const PlannerRow& row = planned.rows[2 * i + static_cast<int>(kind)];
            SCOPED_TRACE(places[i].Prefix + (kind == PathKind::Short ? " short" : " long"));
            EXPECT_EQ(row.place.Prefix, places[i].Prefix);
            EXPECT_EQ(row.kind, kind);
            EXPECT_EQ(row.bearingDeg, BearingDegrees(path.Geometry.BearingAtA));
            EXPECT_EQ(row.muf, path.Muf);
            ASSERT_EQ(row.bands.size(), 10u);
            for (int n = 0; n < 10; ++n) {
                const PlannerBand& band = row.bands[n];
                for (int j = 0; j < kHalfHours; ++j) {
                    EXPECT_EQ(band.reliability[j], path.Reliability[j][n]);
                    EXPECT_EQ(band.signal[j], path.Signal[j][n]);
                    const std::string cell = CellText(path.Signal[j][n], path.Reliability[j][n],
                                                      band.freqMHz, path.Muf[j], rules);
                    EXPECT_EQ(band.shown[j], !cell.empty());
                    if (!cell.empty()) {
                        // The S/N the results window shows, from the same value.
                        const double shown =
                            RoundHalfEven(std::clamp<double>(band.snr[j], -999, 999));
                        EXPECT_EQ(std::stoi(cell.substr(0, 4)), static_cast<int>(shown));
                        EXPECT_EQ(cell.back(), band.letter[j]);
                    }
                    EXPECT_EQ(band.open[j], !cell.empty() && band.reliability[j] >= 0.5f &&
                                                band.signal[j] >= kOpenSignalFloorDb);
                }
            }
        }
    }
}

// Without suppression the table shows signals far below anything a station hears
// (−475 dB with a reliability of 1 on long polar paths): such a slot is shown, but it
// is not open, and the files do not list it as open.
TEST(Planner, HopelessSignalsAreNeverOpen) {
    PlannerSetup setup = MunichSetup({PathKind::Short, PathKind::Long});
    setup.settings.SuppressionThreshold = 3; // "No suppression"
    DeriveSettings(setup.settings);
    ASSERT_EQ(setup.settings.SuppressionLevelDb, kNoSuppressionDb);
    const std::vector<Terminal> places = AtlasPlaces(BuiltIn());
    const PlannerResult result = ComputePlannerRows(setup, places);
    int hopeless = 0;
    for (const PlannerRow& row : result.rows)
        for (const PlannerBand& band : row.bands)
            for (int j = 0; j < kHalfHours; ++j) {
                if (band.open[j]) {
                    EXPECT_GE(band.signal[j], kOpenSignalFloorDb);
                }
                if (band.shown[j] && band.reliability[j] >= setup.threshold &&
                    band.signal[j] < kOpenSignalFloorDb) {
                    ++hopeless;
                    EXPECT_FALSE(band.open[j]);
                }
            }
    EXPECT_GT(hopeless, 0); // the case occurs with these settings
    // The files' "open" lists follow band.open.
    const std::string json = PlannerJson(result, setup.settings);
    std::size_t listed = 0;
    for (std::size_t at = json.find("\"open\": ["); at != std::string::npos;
         at = json.find("\"open\": [", at + 1))
        for (std::size_t i = at + 9; json[i] != ']'; ++i)
            listed += json[i] == '"' ? 1 : 0;
    int open = 0;
    for (const PlannerRow& row : result.rows)
        for (const PlannerBand& band : row.bands)
            open += band.openCount;
    EXPECT_EQ(listed, 2u * static_cast<std::size_t>(open));
}

TEST(PlannerExport, HeadersSayWhatTheNumbersAre) {
    PlannerSetup setup = MunichSetup({PathKind::Short});
    const PlannerFacts facts = PlannerHeaderFacts(setup);
    const std::vector<Terminal> places = AtlasPlaces(BuiltIn());
    const PlannerResult result = ComputePlannerRows(setup, std::span(places.data(), 2));
    const std::string csv = PlannerCsv(result, facts);
    EXPECT_EQ(csv.rfind("# engine: classic\r\n# station: Munich\r\n# station_lat: 48.10\r\n"
                        "# station_lon: -11.60\r\n# date: 2026-03-21\r\n# solar_index: S120.0\r\n"
                        "# value: MUF probability (0..1)\r\n",
                        0),
              0u)
        << csv.substr(0, 300);
    // Values with two decimals, never the float's eight digits.
    const std::string firstRow = csv.substr(csv.find("\r\n", csv.find("prefix,")) + 2);
    const std::string line = firstRow.substr(0, firstRow.find("\r\n"));
    const std::string last = line.substr(line.rfind(',') + 1);
    EXPECT_EQ(last.size(), 4u) << line;
    const std::string json = PlannerJson(result, setup.settings, facts);
    EXPECT_EQ(json.rfind("{\"header\": {\"engine\": \"classic\"", 0), 0u);
    EXPECT_NE(json.find("\"muf_probability\": ["), std::string::npos);
    EXPECT_NE(json.find("\"snr\": ["), std::string::npos);
}

TEST(Planner, IndependentOfThreadCountAndChunks) {
    const Atlas atlas = BuiltIn();
    const std::vector<Terminal> places = AtlasPlaces(atlas);
    const PlannerSetup setup = MunichSetup({PathKind::Short});
    const std::span<const Terminal> some(places.data(), 40);
    const PlannerResult many = ComputePlannerRows(setup, some);
    PlannerResult one;
    tbb::task_arena single(1);
    single.execute([&] { one = ComputePlanner(setup, some, 7); });
    EXPECT_TRUE(one.completed);
    EXPECT_EQ(PlannerJson(one, setup.settings), PlannerJson(many, setup.settings));
    EXPECT_EQ(PlannerCsv(one), PlannerCsv(many));
}

TEST(Planner, CancelBetweenChunksAndSkipsTheStation) {
    const Atlas atlas = BuiltIn();
    std::vector<Terminal> places = AtlasPlaces(atlas);
    places.resize(30);
    const PlannerSetup setup = MunichSetup({PathKind::Short});
    int calls = 0;
    const PlannerResult part =
        ComputePlanner(setup, places, 10, [&](const PlannerResult&, std::size_t done) {
            ++calls;
            return done < 20;
        });
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(part.completed);
    EXPECT_EQ(part.rows.size() + part.skipped.size(), 20u);

    // The station itself has no path; it is skipped with the prediction's reason.
    const PlannerResult self =
        ComputePlannerRows(setup, std::vector<Terminal>{setup.inputs.terminalA});
    EXPECT_TRUE(self.rows.empty());
    ASSERT_EQ(self.skipped.size(), 1u);
    EXPECT_NE(self.skipped[0].reason.find("indeterminate"), std::string::npos);

    PlannerSetup bad = setup;
    bad.inputs.solarIndexText = "X";
    EXPECT_TRUE(CheckPlannerSetup(bad).has_value());
    EXPECT_FALSE(CheckPlannerSetup(setup).has_value());
}

TEST(Planner, LongestOpeningBestBandAndTimes) {
    std::array<bool, kHalfHours> open{};
    EXPECT_EQ(LongestOpening(open).length, 0);
    open[46] = open[47] = open[0] = open[1] = true; // across midnight
    open[10] = open[11] = open[12] = true;
    EXPECT_EQ(LongestOpening(open).start, 46);
    EXPECT_EQ(LongestOpening(open).length, 4);
    open.fill(true);
    EXPECT_EQ(LongestOpening(open).length, 48);

    PlannerRow row;
    row.bands.resize(3);
    for (int n = 0; n < 3; ++n)
        row.bands[n].freqMHz = 7.0f * (n + 1);
    row.bands[0].open[5] = row.bands[1].open[5] = true;
    row.bands[0].shown[5] = row.bands[1].shown[5] = row.bands[2].shown[5] = true;
    row.bands[0].reliability[5] = row.bands[1].reliability[5] = 0.8f;
    row.bands[2].reliability[5] = 0.9f; // shown, but not open
    EXPECT_EQ(BestBandAt(row, 5), 1);   // a tie goes to the higher frequency
    EXPECT_EQ(BestBandAt(row, 6), -1);
    EXPECT_EQ(BestReliabilityAt(row, 5), 0.9f);
    EXPECT_EQ(SlotOfUtcHours(23.99), 47);
    EXPECT_EQ(SlotOfUtcHours(-0.25), 47);
    EXPECT_EQ(DisplayedSlotTime(12, 0.25), "0000"); // UTC 0600 is local 0000
}

TEST(PlannerView, StripsFilterAndSortKeys) {
    PlannerBand band;
    band.letter.fill(' ');
    band.letter[0] = 'A';
    band.open[0] = true;
    band.letter[1] = 'C';
    band.shown[1] = band.shown[0] = true;
    band.openCount = 1;
    band.freqText = "14.1";
    band.reliability[0] = 1.0f;
    EXPECT_EQ(StripText(band, 0.0), "Ac" + std::string(46, '.'));
    // Local time 6 h behind UTC: UTC 0000 shows at displayed 1800 (half hour 36).
    EXPECT_EQ(StripText(band, 0.25).substr(36, 2), "Ac");
    EXPECT_EQ(DisplayedHalfHour(100.5, 0.25), 12); // UTC 1200 is local 0600
    // The reliabilities behind a P.533 strip, in the same displayed order.
    band.reliability[1] = 0.25f;
    const std::vector<float> percent = StripReliability(band, 0.25);
    ASSERT_EQ(percent.size(), 48u);
    EXPECT_EQ(percent[36], 100.0f);
    EXPECT_EQ(percent[37], 25.0f);
    EXPECT_EQ(std::count(percent.begin(), percent.end(), -1.0f), 46); // nothing shown

    PlannerRow a, b;
    a.place.Prefix = "VK";
    a.place.Name = "australia";
    b.place.Prefix = "W1";
    b.place.Name = "Boston, Mass.";
    a.distanceKm = 16983;
    b.distanceKm = 5265;
    a.bands = {band};
    b.bands = {band};
    b.bands[0].openCount = 5;
    EXPECT_TRUE(PlannerLess(a, b, kPlannerNameColumn, 0)); // case is ignored
    EXPECT_TRUE(PlannerLess(b, a, kPlannerDistanceColumn, 0));
    EXPECT_TRUE(PlannerLess(a, b, kPlannerBandColumn, 0));
    EXPECT_FALSE(PlannerLess(a, b, kPlannerBandColumn + 3, 0)); // no such band
    EXPECT_TRUE(PlannerRowMatches(b, "bost"));
    EXPECT_TRUE(PlannerRowMatches(a, "vk"));
    EXPECT_FALSE(PlannerRowMatches(a, "mass"));
    EXPECT_EQ(PlannerCellText(b, kPlannerDistanceColumn, 0), "5265");
    EXPECT_EQ(PlannerCellText(b, kPlannerBestNowColumn, 0), "14.1 (1.00)");
    EXPECT_EQ(PlannerCellText(b, kPlannerBestNowColumn, 1), "-"); // shown but not open
}
