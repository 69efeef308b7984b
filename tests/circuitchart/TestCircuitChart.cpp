// The circuit chart's numbers: each cell is the P.533 prediction of its hour and
// frequency, the station and mode reach the engine, a stronger station or a more
// sensitive mode never charts less reliable, and the CSV carries every cell.

#include "circuitchart/CircuitChart.h"
#include "core/Dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

const p533::PredictionData& Data() {
    std::string error;
    static const auto data = SharedP533Data(error);
    EXPECT_TRUE(data) << error;
    return *data;
}

// Vienna to New York in December, R12 80, the user's four frequencies.
CircuitChartInput ViennaNewYork() {
    CircuitChartInput input;
    input.circuit.transmitter = {48.2, 16.37};
    input.circuit.receiver = {40.71, -74.0};
    input.circuit.month = 12;
    input.circuit.r12 = 80.0;
    input.userFrequenciesMHz = {14.1, 7.1, 21.2, 14.1, 28.5};
    input.labels = {"Vienna", "New York", "December 2026", "S80.0", "station", "mode"};
    return input;
}

StationSettings StationWith(StationMode mode, double powerW) {
    StationSettings s;
    s.mode = mode;
    s.powerW = powerW;
    return s;
}

CircuitChart ChartFor(const StationSettings& station, bool longPath) {
    CircuitChartInput input = ViennaNewYork();
    input.amateurBands = true;
    EXPECT_EQ(ApplyStationSettings(station, {}, input), "");
    return ComputeCircuitChart(Data(), input, longPath);
}

struct PathRow {
    const char* name;
    bool longPath;
};

class ChartCells : public testing::TestWithParam<PathRow> {};

// Every cell equals the engine's own prediction for that hour and frequency; column 0
// is the end of the day (hour 24).
TEST_P(ChartCells, EqualThePredictionOfTheirHourAndFrequency) {
    CircuitChartInput input = ViennaNewYork();
    ASSERT_EQ(ApplyStationSettings(StationWith(StationMode::FT8, 5.0), {}, input), "");
    const CircuitChart chart = ComputeCircuitChart(Data(), input, GetParam().longPath);
    ASSERT_EQ(chart.error, "");
    ASSERT_EQ(chart.freqsMHz, (std::vector<double>{7.1, 14.1, 21.2, 28.5})); // sorted, once
    EXPECT_EQ(chart.rowLabels.front(), "7.100");

    for (const int column : {0, 5, 13, 23}) {
        p533::CircuitRequest direct = input.circuit;
        direct.longPath = GetParam().longPath;
        direct.hoursUtc = {column == 0 ? 24.0 : column};
        direct.frequenciesMHz = {chart.freqsMHz[2]};
        const p533::CircuitResult result = p533::PredictCircuit(Data(), direct);
        ASSERT_EQ(result.error, "");
        const p533::FrequencyResult& f = result.hours[0].frequencies[0];
        const ChartCell& cell = chart.cells[column][2];
        EXPECT_EQ(cell.reliabilityPercent, f.reliabilityPercent) << column;
        EXPECT_EQ(cell.snrDb, f.snrDb) << column;
        EXPECT_EQ(cell.fieldDbu, f.fieldDbu) << column;
        EXPECT_EQ(cell.powerDbw, f.powerDbw) << column;
        EXPECT_EQ(cell.modeName, f.modeName) << column;
        EXPECT_EQ(chart.opMufMHz[column], result.hours[0].opMufMHz) << column;
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, ChartCells,
                         testing::Values(PathRow{"short", false}, PathRow{"long", true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct StationPair {
    const char* name;
    StationSettings weaker, stronger;
};

class StrongerStation : public testing::TestWithParam<StationPair> {};

// A weak-signal mode or more power never makes a cell less reliable, and somewhere in
// the day it makes one more reliable.
TEST_P(StrongerStation, OpensAtLeastAsMuchEverywhereAndMoreSomewhere) {
    for (const bool longPath : {false, true}) {
        const CircuitChart weak = ChartFor(GetParam().weaker, longPath);
        const CircuitChart strong = ChartFor(GetParam().stronger, longPath);
        ASSERT_EQ(weak.error + strong.error, "");
        double gain = 0.0;
        for (int c = 0; c < kChartHours; ++c)
            for (std::size_t i = 0; i < weak.freqsMHz.size(); ++i) {
                EXPECT_GE(strong.cells[c][i].reliabilityPercent + 1e-9,
                          weak.cells[c][i].reliabilityPercent)
                    << c << " UTC " << weak.freqsMHz[i] << " MHz";
                gain += strong.cells[c][i].reliabilityPercent - weak.cells[c][i].reliabilityPercent;
            }
        EXPECT_GT(gain, 100.0) << (longPath ? "long" : "short");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stations, StrongerStation,
    testing::Values(StationPair{"Ft8OverSsb", StationWith(StationMode::SSB, 100.0),
                                StationWith(StationMode::FT8, 100.0)},
                    StationPair{"FiveHundredWattsOverFive", StationWith(StationMode::SSB, 5.0),
                                StationWith(StationMode::SSB, 500.0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StationIntoCircuit, GivesTheEngineThePowerModeAndNoise) {
    StationSettings s = StationWith(StationMode::FT8, 5.0);
    s.noise = StationNoise::Level;
    s.noiseLevelDbw = -160.0;
    s.txAntenna.gainDbi = 6.0;
    s.requiredReliabilityPercent = 50.0;
    CircuitChartInput input;
    ASSERT_EQ(ApplyStationSettings(s, {}, input), "");
    EXPECT_NEAR(input.circuit.transmitPowerDbkW, 10.0 * std::log10(5.0 / 1000.0), 1e-12);
    EXPECT_EQ(input.circuit.bandwidthHz, ModePresetOf(StationMode::FT8).bandwidthHz);
    EXPECT_EQ(input.circuit.requiredSnrDb, ModePresetOf(StationMode::FT8).requiredSnrDb);
    EXPECT_EQ(input.circuit.requiredReliabilityPercent, 50.0);
    EXPECT_EQ(input.circuit.manMadeNoise.levelDbw, -160.0);
    EXPECT_EQ(input.circuit.transmitAntenna.gainDbi, 6.0);
    EXPECT_EQ(input.labels.stationText, "5.0 W, TX 6.0 dBi, RX 0.0 dBi, noise -160 dBW/Hz");
    EXPECT_EQ(input.labels.modeText, "FT8: 2500 Hz, S/N -21.0 dB");
}

TEST(StationIntoCircuit, AMissingPatternFileIsNamedAndTheAntennaStaysIsotropic) {
    StationSettings s;
    s.rxAntenna.patternFile = "no-such-pattern.ant";
    CircuitChartInput input;
    const std::string error =
        ApplyStationSettings(s, std::filesystem::temp_directory_path(), input);
    EXPECT_NE(error.find("no-such-pattern.ant"), std::string::npos) << error;
    EXPECT_EQ(input.circuit.receiveAntenna.pattern, nullptr);
    EXPECT_EQ(input.circuit.receiveAntenna.gainDbi, 0.0);
}

TEST(CircuitFromPrediction, TakesThePlacesEastPositiveTheMonthAndRefusesLargeSunspotNumbers) {
    PredictionRequest request;
    request.TerminalA.Name = "Vienna";
    request.TerminalA.LatitudeDeg = 48.2;
    request.TerminalA.LongitudeDeg = -16.37; // west positive
    request.TerminalB.Prefix = "VK2";
    request.TerminalB.LatitudeDeg = -33.87;
    request.TerminalB.LongitudeDeg = -151.2;
    request.Date = DateFromCalendar(2026, 12, 9);
    request.Ssn = 80.0f;
    CircuitChartInput input;
    ASSERT_EQ(FillCircuitFromPrediction(request, "S80.0", input), "");
    EXPECT_EQ(input.circuit.transmitter.lonEastDeg, 16.37);
    EXPECT_EQ(input.circuit.receiver.latDeg, -33.87);
    EXPECT_EQ(input.circuit.receiver.lonEastDeg, 151.2);
    EXPECT_EQ(input.circuit.month, 12);
    EXPECT_EQ(input.circuit.r12, 80.0);
    EXPECT_EQ(input.labels.fromName, "Vienna");
    EXPECT_EQ(input.labels.toName, "VK2"); // no name: the prefix
    EXPECT_EQ(input.labels.dateText, "December 2026");
    request.Ssn = 312.0f;
    EXPECT_NE(FillCircuitFromPrediction(request, "S312", input), "");
}

TEST(ChartRows, AmateurBandsOrAnEmptyListRefused) {
    CircuitChartInput input = ViennaNewYork();
    input.amateurBands = true;
    const CircuitChart bands = ComputeCircuitChart(Data(), input, false);
    ASSERT_EQ(bands.freqsMHz.size(), AmateurBands().size());
    EXPECT_EQ(bands.rowLabels.front(), "80 m");
    EXPECT_EQ(bands.rowLabels.back(), "10 m");
    for (std::size_t i = 1; i < bands.freqsMHz.size(); ++i)
        EXPECT_LT(bands.freqsMHz[i - 1], bands.freqsMHz[i]);
    input.amateurBands = false;
    input.userFrequenciesMHz.clear();
    EXPECT_NE(ComputeCircuitChart(Data(), input, false).error, "");
    input.userFrequenciesMHz = {14.1};
    input.circuit.month = 13; // refused by the engine: its reason comes through
    EXPECT_NE(ComputeCircuitChart(Data(), input, false).error, "");
}

TEST(ChartCsv, HasEveryCellAndTheClassicMufWhenShown) {
    CircuitChart chart = ComputeCircuitChart(Data(), ViennaNewYork(), false);
    ASSERT_EQ(chart.error, "");
    const auto lines = [](const std::string& text) {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    };
    std::string csv = CircuitChartCsv(chart);
    EXPECT_EQ(lines(csv), chart.titleLines.size() + 1 + 24 * chart.freqsMHz.size());
    EXPECT_EQ(csv.find("classic_muf_mhz"), std::string::npos);
    EXPECT_EQ(csv.rfind("# P.533 circuit reliability, short path: Vienna to New York", 0), 0u);
    chart.hasClassicMuf = true;
    chart.classicMufMHz[2 * 23] = 12.345;
    csv = CircuitChartCsv(chart);
    EXPECT_NE(csv.find("classic_muf_mhz"), std::string::npos);
    // The last row: 23 UTC at 28.5 MHz with the classic MUF of half hour 46.
    const std::string last = csv.substr(csv.rfind('\n', csv.size() - 2) + 1);
    EXPECT_EQ(last.rfind("23,28.500,28.500,", 0), 0u) << last;
    EXPECT_NE(last.find(",12.35\n"), std::string::npos) << last;
}

TEST(ChartReadout, NamesHourFrequencyReliabilityAndSnr) {
    const CircuitChart chart = ComputeCircuitChart(Data(), ViennaNewYork(), false);
    const std::string text = ChartCellReadout(chart, 5, 1);
    EXPECT_EQ(text.rfind("0500 UTC, 14.100 MHz: circuit reliability ", 0), 0u) << text;
    EXPECT_NE(text.find("dB needed"), std::string::npos) << text;
}

} // namespace
