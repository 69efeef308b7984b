// The mode search and the signal budget: ground reflection, absorption, focusing
// gains, and the choice of E and F hops.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "core/Core.h"
#include "engine/PathRoutines.h"
#include "engine/Propagation.h"
#include "engine/QuickMath.h"
#include "tests/engine/EngineTestSupport.h"

TEST(GroundReflection, KindOfGround) {
    EXPECT_EQ(GroundKindAt(0.0, 0.0), GroundKind::Sea);             // Gulf of Guinea
    EXPECT_EQ(GroundKindAt(-20.0, 0.0), GroundKind::Land);          // Gabon (20° E)
    EXPECT_EQ(GroundKindAt(40.0, 75.0), GroundKind::Land);          // Greenland (320° E)
    EXPECT_EQ(GroundKindAt(-360.0 + 40.0, 75.0), GroundKind::Land); // any turn of longitude
    EXPECT_EQ(GroundKindAt(0.0, -80.0), GroundKind::PolarLand);     // Antarctica
    EXPECT_EQ(GroundKindAt(30.0, -58.0), GroundKind::Sea);          // Drake Passage
    EXPECT_EQ(GroundKindAt(0.0, 90.0), GroundKind::Sea);
    EXPECT_EQ(GroundKindAt(123.0, -90.0), GroundKind::PolarLand);
    // Nearest whole degree: 8.6° E rounds to 9° E, land at the equator.
    EXPECT_EQ(GroundKindAt(-8.6, 0.2), GroundKind::Land);
    EXPECT_EQ(GroundKindAt(-8.4, 0.2), GroundKind::Sea);
}

TEST(GroundReflection, SeaReflectsBetterThanLand) {
    // Above a few degrees. (Below about 4° the sea's pseudo-Brewster angle, near
    // 0.5-1°, makes its vertical reflection weak and the Fresnel sum loses more
    // over sea than over land, up to about 2.3 dB.)
    for (double psi = 5.0; psi < 60.0; psi += 3.7) {
        for (double f = 3.0; f <= 30.0; f += 4.5) {
            const double sea = GroundLossFor(GroundKind::Sea, psi, f);
            const double land = GroundLossFor(GroundKind::Land, psi, f);
            const double ice = GroundLossFor(GroundKind::PolarLand, psi, f);
            EXPECT_LT(sea, land) << psi << "° " << f << " MHz";
            EXPECT_GE(sea, 0.0);
            EXPECT_TRUE(std::isfinite(ice));
            EXPECT_GE(ice, 0.0);
        }
    }
    EXPECT_GT(GroundLossFor(GroundKind::Sea, 0.7, 14.0),
              GroundLossFor(GroundKind::Land, 0.7, 14.0));
    for (double psi = 0.05; psi < 90.0; psi += 0.45)
        for (GroundKind kind : {GroundKind::Sea, GroundKind::Land, GroundKind::PolarLand}) {
            const double loss = GroundLossFor(kind, psi, 7.0);
            EXPECT_TRUE(std::isfinite(loss));
            EXPECT_GE(loss, 0.0);
        }
    // Grazing incidence reflects almost completely.
    EXPECT_LT(GroundLossFor(GroundKind::Land, 0.01, 14.0), 0.05);
    EXPECT_EQ(GroundReflectionLoss(10.0, -20.0, 0.0, 14.0),
              GroundLossFor(GroundKind::Land, 10.0, 14.0));
}

TEST(Absorption, WinterFactor) {
    EXPECT_EQ(WinterFactor(12, 15, 30.0 * kRadPerDeg), 1.0);
    EXPECT_EQ(WinterFactor(12, 15, -29.0 * kRadPerDeg), 1.0);
    // 60° N in mid-December: the full December anomaly, 1 + 30·0.0282.
    EXPECT_NEAR(WinterFactor(12, 15, 60.0 * kRadPerDeg), 1.0 + 30 * 0.0282, 1e-6);
    // Six months on in the south it is the same.
    EXPECT_NEAR(WinterFactor(6, 15, -60.0 * kRadPerDeg), 1.0 + 30 * 0.0282, 1e-6);
    // Half way from mid-January to mid-February; the tent is 15 at 45°.
    EXPECT_NEAR(WinterFactor(1, 30, 45.0 * kRadPerDeg), 1.0 + 15 * (0.0269 + 0.0089) / 2, 1e-6);
    // No anomaly in northern summer.
    EXPECT_EQ(WinterFactor(7, 1, 60.0 * kRadPerDeg), 1.0);
}

TEST(Absorption, NightFloorAndDaytime) {
    const SolarPosition sun = ComputeSolarPosition(DateFromCalendar(2026, 3, 20), TimeZoneState{});
    const double lat = 10.0 * kRadPerDeg;
    // Local midnight at 0° longitude: the floor 0.01 scaled by latitude and secant.
    EXPECT_NEAR(AbsorptionBase(0, 3, 20, lat, 0.0, 100, 1.5, sun), 0.01 * (1 + 0.0087 * 10) * 1.5,
                1e-12);
    const double noon = AbsorptionBase(24, 3, 20, lat, 0.0, 100, 1.5, sun);
    EXPECT_GT(noon, 0.5);
    EXPECT_DOUBLE_EQ(Absorption(24, 3, 20, lat, 0.0, 100, 1.5, 0.25f, sun), noon * 0.25f);
    // The noon zenith angle reaching 90° (polar night) keeps the floor all day.
    const SolarPosition december =
        ComputeSolarPosition(DateFromCalendar(2026, 12, 21), TimeZoneState{});
    for (int j = 0; j < kHalfHours; ++j)
        EXPECT_NEAR(AbsorptionBase(j, 12, 21, 85 * kRadPerDeg, 0.0, 200, 1.0, december),
                    0.01 * (1 + 0.0087 * 85), 1e-9);
}

// The search drops a mode as too weak on estimated absorptions only when the
// estimates, given their tolerance, prove it; they must keep well inside it.
TEST(Absorption, EstimateStaysWithinItsTolerance) {
    std::mt19937 random(8);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    double worst = 0.0;
    for (int i = 0; i < 3000; ++i) {
        const int month = 1 + i % 12;
        const int day = 1 + i % 28;
        const SolarPosition sun =
            ComputeSolarPosition(DateFromCalendar(2026, month, day), TimeZoneState{});
        const double lat = (unit(random) * 180.0 - 90.0) * kRadPerDeg;
        const double lon = (unit(random) * 720.0 - 360.0) * kRadPerDeg;
        const AbsorptionPoint point =
            PrepareAbsorption(month, day, lat, lon, static_cast<float>(unit(random) * 360.0),
                              1.0 + 4.0 * unit(random), sun);
        const SunHourAngles angles = MakeSunHourAngles(sun);
        for (int j = 0; j < kHalfHours; ++j) {
            const double exact = AbsorptionAt(point, j, sun);
            EXPECT_LE(exact, point.ceiling * (1.0 + 1e-12));
            worst = std::max(worst, std::fabs(AbsorptionEstimate(point, j, angles) - exact) /
                                        point.ceiling);
        }
    }
    EXPECT_LT(worst, kAbsorptionEstimateTolerance / 100.0);
}

TEST(QuickMath, ArcCosAndHourAngles) {
    double worst = 0.0;
    for (int i = -200000; i <= 200000; ++i) {
        const double c = i * 5e-6; // −1..1
        worst = std::max(worst, std::fabs(QuickArcCos(c) - std::acos(c)));
    }
    EXPECT_LT(worst, 3e-8);
    // The table's second half is 3 minutes earlier.
    const SolarPosition sun = ComputeSolarPosition(DateFromCalendar(2026, 5, 2), TimeZoneState{});
    const SunHourAngles angles = MakeSunHourAngles(sun);
    const double a = (15.0 * (20.0 - 0.05) + sun.HourAngleOffset) * kRadPerDeg;
    EXPECT_NEAR(angles.cos[SunHourAngles::kEarlier + 40], std::cos(a), 1e-15);
    EXPECT_NEAR(angles.sin[SunHourAngles::kEarlier + 40], std::sin(a), 1e-15);
    EXPECT_EQ(QuickArcCos(1.5), 0.0);
    EXPECT_NEAR(QuickArcCos(-1.5), kPi, 1e-12);
}

TEST(SignalBudget, FocusingAndAntipodalGains) {
    EXPECT_EQ(FocusGainDb(1.0), 9.0);
    EXPECT_EQ(FocusGainDb(0.9994), 9.0);
    EXPECT_NEAR(FocusGainDb(0.99938), 9.0, 0.1); // nearly continuous at the switch
    EXPECT_LT(FocusGainDb(0.5), FocusGainDb(0.9));
    // Capped near the antipode so that it stays finite; tiny for short paths.
    EXPECT_TRUE(std::isfinite(AntipodalGainDb(kPi)));
    EXPECT_EQ(AntipodalGainDb(kPi), AntipodalGainDb(2.9));
    EXPECT_EQ(AntipodalGainDb(kPi), AntipodalGainDb(kTwoPi - 2.9));
    EXPECT_NEAR(AntipodalGainDb(2.7881634800609415),
                10 * std::log10(2.7881634800609415 / std::sin(2.7881634800609415)), 1e-12);
    EXPECT_NEAR(AntipodalGainDb(0.01), 0.0, 1e-4);
}

namespace {

std::string Letters(const PathResult& p, int j, int n) {
    return ModeToLetters(p.Mode[j][n], p.Hops[j][n]);
}

int HalfUnits(const std::string& letters) {
    int nh = 0;
    for (char c : letters)
        nh += c == 'E' ? 2 : 4;
    return nh;
}

} // namespace

TEST(ModeSearch, LowFrequencyByDayIsAllE_HighByNightAllF) {
    RequestPlan plan;
    plan.latB = "40";
    plan.lonB = "-10"; // 850 km
    plan.freqs = {3.0, 28.0};
    const PredictionResult r = ComputePrediction(MakeRequest(plan));
    const PathResult& p = r.Paths[0];
    // Noon UTC at 0-10° E: 3 MHz is below the E-layer MUF everywhere.
    const std::string noon = Letters(p, 24, 0);
    ASSERT_FALSE(noon.empty());
    EXPECT_EQ(noon.find('F'), std::string::npos) << noon;
    // Midnight: 28 MHz passes the E layer everywhere.
    const std::string night = Letters(p, 0, 1);
    ASSERT_FALSE(night.empty());
    EXPECT_EQ(night.find('E'), std::string::npos) << night;
}

TEST(ModeSearch, FiveSpercentAboveTheELayerMufBlocksTheCandidate) {
    // For every half hour, put the frequency 3 % above the E-layer MUF at the first
    // point of the shortest candidate geometry (four half-units, one F hop or two E
    // hops): that geometry can then give no mode, since the ray neither reflects
    // nor clears the layer by 5 %.
    RequestPlan plan;
    plan.latB = "35";
    plan.lonB = "-25";
    PredictionRequest request = MakeRequest(plan);
    const PathSetup probe = MakePathSetup(request, PathKind::Short);
    int nh = 2;
    HalfUnitGeometry g;
    do
        g = MakeHalfUnitGeometry(probe, nh += 2);
    while (!g.usable);
    ASSERT_GE(g.odd.size(), 2u);
    for (int j = 0; j < kHalfHours; j += 3) {
        const float e1 = EMufAt(g.oddTerms[0], 0.5f * j, request.Sun);
        const float f = e1 * 1.03f;
        if (f < 1.0f)
            continue;
        request.FrequencyCount = 1;
        request.Frequencies[0] = TermsFor(f);
        const PathSetup setup = MakePathSetup(request, PathKind::Short);
        ModeSearch search(setup);
        PathResult result{};
        ReliabilityRow row;
        row.atA.fill(0.5f);
        row.atB.fill(0.5f);
        search.BestModeFor(0, j, result, row);
        const std::string letters = ModeToLetters(result.Mode[j][0], result.Hops[j][0]);
        EXPECT_NE(HalfUnits(letters), nh) << "j " << j << " mode " << letters;
    }
}

TEST(ModeSearch, NoModeWhenNoGeometryClearsTheMinimumAngle) {
    RequestPlan plan;
    plan.latB = "-30";
    plan.lonB = "-150"; // a long path: no hop of 80 half-units or fewer leaves at 45°
    plan.minAngleDeg = 45.0;
    const PredictionResult r = ComputePrediction(MakeRequest(plan));
    for (const PathResult& p : r.Paths)
        for (int j = 0; j < kHalfHours; ++j)
            for (int n = 0; n < r.FrequencyCount; ++n) {
                EXPECT_EQ(p.Signal[j][n], kNoModeSignal);
                EXPECT_EQ(p.Reliability[j][n], 0.0f);
                EXPECT_EQ(p.Hops[j][n], 0);
                EXPECT_EQ(p.Mode[j][n], HopLayers{});
            }
}

TEST(ModeSearch, FrequencyAboveAnAllFModeTakesItOver) {
    // Where a frequency propagates by the path's own i F hops, the next frequency of
    // the list takes the same mode and the path's take-off angle.
    RequestPlan plan;
    plan.latB = "10";
    plan.lonB = "-45";
    plan.freqs = {3.0, 5.8, 8.6, 11.3, 14.1, 16.9, 19.7, 22.4, 25.2, 28.0};
    const PredictionRequest request = MakeRequest(plan);
    const PredictionResult r = ComputePrediction(request);
    int takenOver = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const PathSetup setup = MakePathSetup(request, static_cast<PathKind>(kind));
        const std::string allF(setup.hops.hops, 'F');
        const int elevationDeg = static_cast<int>(RoundHalfEven(setup.hops.elevation * kDegPerRad));
        const PathResult& p = r.Paths[kind];
        for (int j = 0; j < kHalfHours; ++j)
            for (int n = 1; n < r.FrequencyCount; ++n)
                if (Letters(p, j, n - 1) == allF) {
                    EXPECT_EQ(Letters(p, j, n), allF);
                    EXPECT_EQ(p.Elevation[j][n], elevationDeg);
                    ++takenOver;
                }
    }
    EXPECT_GT(takenOver, 0);
}

TEST(ModeSearch, UsableCountsAreExactlyThoseWithAUsableGeometry) {
    // The set of usable half-unit counts is found by its smallest member; every count
    // must still be checked to give the same set as testing each geometry.
    std::mt19937 rng(20261209);
    for (int i = 0; i < 40; ++i) {
        RequestPlan plan = RandomPathPlan(rng, 85.0);
        plan.minAngleDeg = (i % 8) * 5.0;
        const PredictionRequest request = MakeRequest(plan);
        for (PathKind kind : {PathKind::Short, PathKind::Long}) {
            const PathSetup setup = MakePathSetup(request, kind);
            std::vector<int> expected;
            for (int nh = 2; nh <= CandidateGeometries::kMaxHalfUnits; nh += 2)
                if (MakeHalfUnitGeometry(setup, nh).usable)
                    expected.push_back(nh);
            const CandidateGeometries geometries(setup);
            const std::span<const int> usable = geometries.UsableHalfUnits();
            EXPECT_EQ(std::vector<int>(usable.begin(), usable.end()), expected) << "request " << i;
        }
    }
}
