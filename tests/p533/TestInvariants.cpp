// Edges of the circuit and of the inputs: the same place at both ends, antipodes, the
// poles, the long way round, the frequency and sunspot limits, half hours. Every value
// comes out finite and in its range, under both readings of the method.

#include "p533/CircuitPrediction.h"
#include "tests/p533/WorkedCase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace p533;

namespace {

struct EdgeRow {
    const char* name;
    Place tx, rx;
    bool longPath;
    double r12;
};

class Edge : public testing::TestWithParam<std::tuple<EdgeRow, bool>> {};

void ExpectFinite(double v, const std::string& what) {
    EXPECT_TRUE(std::isfinite(v)) << what;
}

TEST_P(Edge, EveryValueIsFiniteAndInRange) {
    const auto& [row, reference] = GetParam();
    CircuitRequest r;
    r.transmitter = row.tx;
    r.receiver = row.rx;
    r.longPath = row.longPath;
    r.r12 = row.r12;
    r.month = 6;
    r.hoursUtc = {0.5, 6.0, 13.5, 24.0};
    r.frequenciesMHz = {1.6, 7.1, 30.0};
    r.transmitPowerDbkW = -10.0;
    r.options = reference ? Options::ReferenceCompatible() : Options{};
    const CircuitResult result = PredictCircuit(MethodData(), r);
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.hours.size(), 4u);
    ExpectFinite(result.distanceKm + result.txBearingDeg + result.rxBearingDeg, "path");
    for (const HourResult& h : result.hours) {
        const std::string at = "h" + std::to_string(h.hourUtc);
        for (double v : {h.basicMufMHz, h.muf10MHz, h.muf90MHz, h.opMufMHz, h.opMuf10MHz,
                         h.opMuf90MHz, h.dmaxKm})
            ExpectFinite(v, at + " MUF");
        EXPECT_GT(h.basicMufMHz, 0.0) << at;
        EXPECT_LE(h.muf90MHz, h.muf10MHz) << at;
        for (const ControlPointResult& p : h.controlPoints)
            for (double v : {p.place.latDeg, p.place.lonEastDeg, p.dip100Deg, p.gyro100MHz,
                             p.dip300Deg, p.gyro300MHz, p.foF2MHz, p.m3000, p.foEMHz, p.zenithDeg})
                ExpectFinite(v, at + " " + p.name);
        for (const FrequencyResult& f : h.frequencies) {
            const std::string here = at + " " + std::to_string(f.freqMHz) + " MHz";
            for (double v :
                 {f.elevationDeg, f.fieldShortDbu, f.fieldLongDbu, f.fieldDbu, f.powerDbw,
                  f.receiveGainDbi, f.noise.powerDbw, f.snrDb, f.snrUpperDeviationDb,
                  f.snrLowerDeviationDb, f.snrAtReliabilityDb, f.noise.atmospheric.medianDb,
                  f.noise.total.medianDb, f.noise.total.upperDecileDb, f.noise.total.lowerDecileDb})
                ExpectFinite(v, here);
            EXPECT_GE(f.reliabilityPercent, 0.0) << here;
            EXPECT_LE(f.reliabilityPercent, 100.0) << here;
            for (const ModeResult& m : f.modes) {
                for (double v : {m.elevationDeg, m.slantRangeKm, m.basicMufMHz, m.lossDb,
                                 m.absorptionDb, m.fieldDbu, m.powerDbw, m.screeningMHz})
                    ExpectFinite(v, here + " mode");
                EXPECT_GE(m.probability, 0.0) << here;
                EXPECT_LE(m.probability, 1.0) << here;
            }
        }
    }
}

constexpr double kLongWayKm = 2.0 * std::numbers::pi * 6371.009;

const EdgeRow kEdges[] = {
    {"SamePlace", {40.0, 10.0}, {40.0, 10.0}, false, 60},
    {"SamePlaceLongWay", {40.0, 10.0}, {40.0, 10.0}, true, 60},
    {"Antipodes", {0.0, 0.0}, {0.0, 180.0}, false, 100},
    {"AntipodesLongWay", {30.0, 20.0}, {-30.0, -160.0}, true, 100},
    {"NorthPoleToSouthPole", {90.0, 0.0}, {-90.0, 0.0}, false, 100},
    {"NorthPoleToEquator", {90.0, 0.0}, {0.0, 45.0}, false, 0},
    {"AcrossTheSouthPole", {-80.0, 0.0}, {-80.0, 180.0}, false, 300},
    {"LongWayRound", {51.5, -0.1}, {40.7, -74.0}, true, 300},
    {"ThroughTheDateLine", {-33.9, 151.2}, {21.3, -157.9}, false, 0},
};

INSTANTIATE_TEST_SUITE_P(P533, Edge, testing::Combine(testing::ValuesIn(kEdges), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<EdgeRow, bool>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Reference" : "Recommendation");
                         });

TEST(Edges, LongPathIsTheRestOfTheGreatCircle) {
    CircuitRequest r;
    r.transmitter = {51.5, -0.1};
    r.receiver = {-33.9, 151.2};
    r.hoursUtc = {12};
    r.frequenciesMHz = {14.1};
    const double shortKm = PredictCircuit(MethodData(), r).distanceKm;
    r.longPath = true;
    const CircuitResult longWay = PredictCircuit(MethodData(), r);
    EXPECT_NEAR(longWay.distanceKm, kLongWayKm - shortKm, 1e-6);
    EXPECT_EQ(longWay.hours[0].frequencies[0].modeName.back(), '2'); // the long model's F2
}

// The reference's grid is exact at whole hours; a half hour lies on the line between them.
TEST(Edges, HalfHoursOfTheGridAreBetweenTheHours) {
    WorkedCase c = LoadWorkedCase(WorkedCaseFolder(), "itu_old");
    c.request.hoursUtc = {2.0, 2.5, 3.0};
    const CircuitResult r = PredictCircuit(MethodData(), c.request);
    const auto foF2 = [&](int i) {
        for (const ControlPointResult& p : r.hours[i].controlPoints)
            if (p.name == "M")
                return p.foF2MHz;
        return 0.0;
    };
    EXPECT_NEAR(foF2(1), (foF2(0) + foF2(2)) / 2.0, 1e-9);
}

TEST(Edges, RequestsOutOfRangeAreRefused) {
    const auto refused = [](const std::function<void(CircuitRequest&)>& change) {
        CircuitRequest r;
        r.hoursUtc = {1};
        r.frequenciesMHz = {7};
        change(r);
        return PredictCircuit(MethodData(), r).error;
    };
    EXPECT_EQ(refused([](CircuitRequest&) {}), "");
    EXPECT_NE(refused([](CircuitRequest& r) { r.month = 13; }), "");
    EXPECT_NE(refused([](CircuitRequest& r) { r.hoursUtc = {0.0}; }), "");
    EXPECT_NE(refused([](CircuitRequest& r) { r.hoursUtc = {NAN}; }), "");
    EXPECT_NE(refused([](CircuitRequest& r) { r.frequenciesMHz = {31}; }), "");
    EXPECT_NE(refused([](CircuitRequest& r) { r.r12 = -1; }), "");
    EXPECT_NE(refused([](CircuitRequest& r) { r.bandwidthHz = 0; }), "");
    EXPECT_NE(refused([](CircuitRequest& r) { r.requiredReliabilityPercent = 100; }), "");
    EXPECT_NE(refused([](CircuitRequest& r) { r.receiver.latDeg = 91; }), "");
    EXPECT_NE(refused([](CircuitRequest& r) { r.manMadeNoise.levelDbw = -50; }), "");
    EXPECT_NE(refused([](CircuitRequest& r) {
                  auto p = std::make_shared<AntennaPattern>();
                  p->tables.push_back({7.0, std::vector<float>(10)});
                  r.receiveAntenna.pattern = p;
              }),
              "");
}

} // namespace
