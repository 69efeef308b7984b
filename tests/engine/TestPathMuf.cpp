// Hop geometry, the path MUF of a half hour and the reliability of a frequency.

#include <gtest/gtest.h>

#include <cmath>

#include "core/Core.h"
#include "engine/DecileTable.h"
#include "engine/ELayer.h"
#include "engine/F2Layer.h"
#include "engine/PathMuf.h"
#include "tests/engine/EngineTestSupport.h"

TEST(HopGeometry, FewestHopsThatClearTheMinimumAngle) {
    const float h0 = F2BaseHeight(100.0f);
    for (double km : {300.0, 1500.0, 4000.0, 9000.0, 19000.0, 35000.0}) {
        for (double minDeg : {0.0, 1.5, 10.0, 45.0}) {
            const double d = km / EarthRadiusKm;
            const HopGeometry g = ComputeHopGeometry(d, h0, minDeg * kRadPerDeg);
            SCOPED_TRACE(testing::Message() << km << " km, minimum " << minDeg << "°");
            EXPECT_GE(g.elevation, minDeg * kRadPerDeg);
            if (g.hops > 1) {
                EXPECT_LT(HopElevation(static_cast<float>(d / (2 * (g.hops - 1))), h0),
                          minDeg * kRadPerDeg);
            }
            EXPECT_EQ(g.psi, static_cast<float>(d / (2 * g.hops)));
            EXPECT_EQ(g.oddPsi, static_cast<float>(d / (2 * g.hops - 1)));
            EXPECT_EQ(g.cosElevation,
                      static_cast<float>(std::cos(static_cast<double>(g.elevation))));
            EXPECT_EQ(g.eGroundAngle, EHopGroundAngle(g.cosElevation, g.elevation));
        }
    }
    // A path of 400 km is one hop at 1.5°; 6000 km takes more.
    EXPECT_EQ(ComputeHopGeometry(400 / EarthRadiusKm, h0, 1.5 * kRadPerDeg).hops, 1);
    EXPECT_GT(ComputeHopGeometry(6000 / EarthRadiusKm, h0, 1.5 * kRadPerDeg).hops, 1);
}

TEST(Reliability, AtTheMufAndTheDeciles) {
    const SolarPosition sun = ComputeSolarPosition(DateFromCalendar(2026, 7, 1), TimeZoneState{});
    // E layer: deciles at 95 % and 105 % of the MUF.
    EXPECT_DOUBLE_EQ(Reliability(Layer::E, 10.0f, 12, 0.5, 0.1, 10.0f, 7, 100, sun), 0.5);
    EXPECT_NEAR(Reliability(Layer::E, 10.5f, 12, 0.5, 0.1, 10.0f, 7, 100, sun), 0.1, 1e-6);
    EXPECT_NEAR(Reliability(Layer::E, 9.5f, 12, 0.5, 0.1, 10.0f, 7, 100, sun), 0.9, 1e-6);
    // Never outside 0..1, also far from the MUF and for a MUF of nothing.
    EXPECT_EQ(Reliability(Layer::F, 30.0f, 12, 0.5, 0.1, 3.0f, 7, 100, sun), 0.0);
    EXPECT_EQ(Reliability(Layer::F, 3.0f, 12, 0.5, 0.1, 30.0f, 7, 100, sun), 1.0);
    EXPECT_EQ(Reliability(Layer::F, 3.0f, 12, 0.5, 0.1, 0.0f, 7, 100, sun), 0.0);
    EXPECT_EQ(Reliability(Layer::F, 3.0f, 12, 0.5, 0.1, -2.0f, 7, 100, sun), 0.0);
    for (float f = 3.0f; f <= 30.0f; f += 0.7f) {
        const double p = Reliability(Layer::F, f, 5.5, -0.3, 2.0, 12.0f, 2, 30, sun);
        EXPECT_GE(p, 0.0);
        EXPECT_LE(p, 1.0);
    }
}

namespace {

// The F deciles the reliability takes, found by putting the frequency exactly on
// the upper decile (reliability 0.1) and on the lower one (0.9).
void ExpectDeciles(double tHours, double latDeg, double lonWestDeg, int month, float ssn,
                   const DecilePair& pair, const SolarPosition& sun) {
    const float muf = 10.0f;
    const double lat = latDeg * kRadPerDeg;
    const double lon = lonWestDeg * kRadPerDeg;
    EXPECT_NEAR(
        Reliability(Layer::F, muf * pair.upper / 100.0f, tHours, lat, lon, muf, month, ssn, sun),
        0.1, 1e-6);
    EXPECT_NEAR(
        Reliability(Layer::F, muf * pair.lower / 100.0f, tHours, lat, lon, muf, month, ssn, sun),
        0.9, 1e-6);
}

} // namespace

TEST(Reliability, DecileCellChoice) {
    SolarPosition sun{}; // equation of time 0: local time = UTC − west longitude/15
    // Ssn 30, July, latitude exactly 0 (northern season: summer), local time 12 h
    // (block (12 + 2) div 4 = 3), band 1.
    ExpectDeciles(12.0, 0.0, 0.0, 7, 30, DecileTable[0][2][3][0], sun);
    // Just south of the equator July is winter.
    ExpectDeciles(12.0, -0.01, 0.0, 7, 30, DecileTable[0][0][3][0], sun);
    // 87° is band 8; Ssn 50 and 100 are level 1, above 100 level 2.
    ExpectDeciles(12.0, 87.0, 0.0, 4, 50, DecileTable[1][1][3][7], sun);
    ExpectDeciles(12.0, 87.0, 0.0, 4, 100, DecileTable[1][1][3][7], sun);
    ExpectDeciles(12.0, 87.0, 0.0, 4, 100.5f, DecileTable[2][1][3][7], sun);
    // Local time from the west longitude: 0 h UTC at 90° E is 6 h local, block 2.
    ExpectDeciles(0.0, 45.0, -90.0, 1, 10, DecileTable[0][0][2][3], sun);
    // Local midnight ± 2 h is block 0; 22 h local is block 0 again.
    ExpectDeciles(22.0, 45.0, 0.0, 1, 10, DecileTable[0][0][0][3], sun);
    ExpectDeciles(21.5, 45.0, 0.0, 1, 10, DecileTable[0][0][5][3], sun);
}

TEST(PathMuf, OneHopPath) {
    RequestPlan plan;
    plan.latB = "40";
    plan.lonB = "-4"; // about 340 km east of A
    const PredictionRequest request = MakeRequest(plan);
    const PathSetup setup = MakePathSetup(request, PathKind::Short);
    ASSERT_EQ(setup.hops.hops, 1);
    const ControlPoints points = ComputeControlPoints(setup);
    for (int j = 0; j < kHalfHours; j += 5) {
        ReliabilityRow row;
        const float t = 0.5f * j;
        const float muf = PathMuf(setup, points, t, &row);
        // One hop: the far control point does not limit the reliability.
        for (int n = 0; n < setup.frequencyCount; ++n)
            EXPECT_EQ(row.atB[n], 1.0f);
        const HopGeometry& g = setup.hops;
        const float f1 = F2Muf(6, 15, -1, static_cast<float>(points.f1.lonRad),
                               static_cast<float>(points.f1.latRad), g.cosElevation, g.elevation,
                               setup.ssn, t, request.Sun);
        const float e1 =
            EMuf(static_cast<float>(points.e1.lonRad), static_cast<float>(points.e1.latRad),
                 setup.ssn, t, g.cosElevation, g.elevation, request.Sun);
        const float e2 =
            EMuf(static_cast<float>(points.e2.lonRad), static_cast<float>(points.e2.latRad),
                 setup.ssn, t, g.cosElevation, g.elevation, request.Sun);
        float expected = std::max(f1, std::min(e1, e2));
        // The whole path as one E hop at its middle may raise it.
        ASSERT_LE(setup.minElevationRad, g.oddElevation);
        expected = std::max(expected, EMuf(static_cast<float>(points.middle.lonRad),
                                           static_cast<float>(points.middle.latRad), setup.ssn, t,
                                           g.oddCosElevation, g.oddElevation, request.Sun));
        EXPECT_EQ(muf, expected) << "t " << t;
        // PathMuf without reliabilities gives the same MUF.
        EXPECT_EQ(PathMuf(setup, points, t, nullptr), muf);
    }
}

TEST(PathMuf, MultiHopPathAndReliabilitiesAtBothEnds) {
    RequestPlan plan;
    plan.latB = "-20";
    plan.lonB = "-60";
    const PredictionRequest request = MakeRequest(plan);
    const PathSetup setup = MakePathSetup(request, PathKind::Short);
    ASSERT_GT(setup.hops.hops, 1);
    const ControlPoints points = ComputeControlPoints(setup);
    // The control points lie on the path at their distances from A.
    EXPECT_NEAR(
        CentralAngle(setup.start.latRad, setup.start.lonRad, points.f1.latRad, points.f1.lonRad)
            .angle,
        setup.hops.psi, 1e-6);
    EXPECT_NEAR(CentralAngle(request.TerminalB.LatitudeRad, request.TerminalB.LongitudeRad,
                             points.f2.latRad, points.f2.lonRad)
                    .angle,
                setup.hops.psi, 1e-6);
    for (int j = 0; j < kHalfHours; ++j) {
        ReliabilityRow row;
        const float muf = PathMuf(setup, points, 0.5f * j, &row);
        EXPECT_GT(muf, 0.0f);
        for (int n = 0; n < setup.frequencyCount; ++n) {
            EXPECT_GE(row.atA[n], 0.0f);
            EXPECT_LE(row.atA[n], 1.0f);
            EXPECT_GE(row.atB[n], 0.0f);
            EXPECT_LE(row.atB[n], 1.0f);
        }
        // Higher frequencies are never more reliable at the same control point.
        for (int n = 1; n < setup.frequencyCount; ++n) {
            EXPECT_LE(row.atA[n], row.atA[n - 1]);
            EXPECT_LE(row.atB[n], row.atB[n - 1]);
        }
    }
}
