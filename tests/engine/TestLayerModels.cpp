// The E- and F2-layer models: the edge cases of their formulas, and reference
// values at a few places, times and elevations. Whole predictions built on these
// models are kept in tests/golden (the golden_outputs test); a deliberate change of
// the models changes both: print the new reference values here with "%a", re-bless
// the golden files with tools/rebless-golden.sh, and give the reason in the commit.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/Core.h"
#include "engine/ELayer.h"
#include "engine/F2Layer.h"
#include "engine/F2LayerTables.h"
#include "engine/SolarEphemeris.h"

namespace {

SolarPosition SunOn(int year, int month, int day) {
    return ComputeSolarPosition(DateFromCalendar(year, month, day), TimeZoneState{});
}

constexpr double kDeg = kRadPerDeg;

} // namespace

struct LayerReference {
    char layer;
    int month, day, k;
    double lon, lat, cosElevation, elevation, ssn, t;
    float expected;
};

TEST(LayerModels, ReferenceValues) {
    const LayerReference cases[] = {
        {'F', 2, 8, 0, -2.9672865275559395, -0.60314568007178693, 0.99759315056916953,
         0.069394748192489239, 150.97399587415586, 0.5, 0x1.2b05dep+5f},
        {'E', 3, 15, 1, 0.34890265717293323, -1.5208124593355568, 0.7680273397500551,
         0.6950411648823378, 119.10212939822722, 1, 0x1.12d49cp+1f},
        {'E', 3, 15, 5, 0.1479014861281184, 1.5690509975429023, 0.98128935943062678,
         0.19374871081576195, 2.2236214253723934, 1, 0x1.f51e14p+1f},
        {'F', 4, 22, 6, -0.63203172375969052, 0.75796185355504886, 0.76498927260382044,
         0.69977165286845888, 139.30389385119489, 1.5, 0x1.d8efc4p+2f},
        {'E', 5, 1, 0, -5.9166195234544876, 1.5690509975429023, 0.7047667398787667,
         0.78870202980035953, 31.206462312361474, 2, 0x1.57cc8ep+1f},
        {'F', 8, 22, 0, -0.1822963694585332, 0.40188740227163228, 0.94378171533676813,
         0.33690674173368462, 207.78331351559424, 3.5, 0x1.dde164p+3f},
        {'E', 9, 1, 5, -2.0045131039262714, -0.12394874257270154, 0.75014854424342492,
         0.72250964142344376, 256.30790233757938, 4, 0x1.82942ep+2f},
        {'F', 10, 8, 0, -1.7874586018157546, -0.31895744172524199, 0.98398699891209129,
         0.17919777094101103, 190.37608506945367, 16.5, 0x1.cf1622p+4f},
        {'E', 9, 1, 8, 3.6067990561101895, 1.5690509975429023, 0.94417440789226426,
         0.33571679210656091, 336.51025536060814, 16, 0x1.53528ap+2f},
        {'E', 9, 1, 9, -5.9069518203655411, -0.83287603622096573, 0.91497594191290432,
         0.41534803240741208, 293.96671062031214, 10, 0x1.8c919ep+2f},
    };
    for (const LayerReference& c : cases) {
        const SolarPosition sun = SunOn(2026, c.month, c.day);
        const float value = c.layer == 'F'
                                ? F2Muf(c.month, c.day, c.k, c.lon, c.lat, c.cosElevation,
                                        c.elevation, c.ssn, c.t, sun)
                                : EMuf(c.lon, c.lat, c.ssn, c.t, c.cosElevation, c.elevation, sun);
        EXPECT_EQ(value, c.expected) << c.layer << " month " << c.month << " lat " << c.lat;
    }
}

TEST(LayerModels, DipEquatorHasNoSeason) {
    // At the dip equator under 0° longitude the dip latitude is 0: the seasonal
    // weights vanish whatever the season.
    const SolarPosition sun = SunOn(2026, 6, 21);
    const F2Critical f =
        F2CriticalFrequency(static_cast<float>(11.567 * kDeg), 0.0f, 100.0f, 12.0f, sun);
    // (The float latitude lands within 1e-4° of it: the weights fade as (1 − cos(0.1·M·π))/2.)
    EXPECT_NEAR(f.M, 0.0f, 1e-4);
    EXPECT_NEAR(f.S + f.W, 0.0f, 1e-12);
    // North of it in June it is summer, south of it winter.
    EXPECT_GT(F2CriticalFrequency(static_cast<float>(50 * kDeg), 0.0f, 100.0f, 12.0f, sun).S, 0.0f);
    EXPECT_GT(F2CriticalFrequency(static_cast<float>(-50 * kDeg), 0.0f, 100.0f, 12.0f, sun).W,
              0.0f);
}

TEST(LayerModels, DipEquatorLongitudeWrap) {
    // At latitude 0 the dip latitude is minus the dip equator's latitude there.
    const SolarPosition sun = SunOn(2026, 3, 1);
    auto dipAt = [&](double lonWestDeg) {
        return F2CriticalFrequency(0.0f, static_cast<float>(lonWestDeg * kDeg), 50.0f, 6.0f, sun).M;
    };
    EXPECT_NEAR(dipAt(0.0), 11.567, 1e-4);
    EXPECT_NEAR(dipAt(360.0), 11.567, 1e-4);
    EXPECT_NEAR(dipAt(-360.0), 11.567, 1e-4);
    EXPECT_NEAR(dipAt(355.0), (11.22 + 11.567) / 2, 1e-3);
    EXPECT_NEAR(dipAt(80.0), 12.28, 1e-4);
}

TEST(LayerModels, PolarCapBlendIsContinuousAtTheClamp) {
    // The clamp at 77.72° of dip latitude starts the polar-cap blend; at the clamp
    // the blend keeps the ordinary sum, so foF2 does not jump across it.
    const SolarPosition sun = SunOn(2026, 1, 10);
    const double clampLatDeg = 11.567 + MaxMagneticLatitude(); // under 0° longitude
    for (float t : {0.0f, 6.0f, 12.0f, 18.0f}) {
        const F2Critical below = F2CriticalFrequency(
            static_cast<float>((clampLatDeg - 0.01) * kDeg), 0.0f, 80.0f, t, sun);
        const F2Critical above = F2CriticalFrequency(
            static_cast<float>((clampLatDeg + 0.01) * kDeg), 0.0f, 80.0f, t, sun);
        EXPECT_LT(below.M, MaxMagneticLatitude());
        EXPECT_EQ(above.M, MaxMagneticLatitude());
        EXPECT_NEAR(below.foF2, above.foF2, 0.05) << "t " << t;
    }
    // At the poles themselves the value is finite.
    for (float lat : {static_cast<float>(kHalfPi), static_cast<float>(-kHalfPi)})
        for (float lon = 0.0f; lon < 6.3f; lon += 0.1f)
            EXPECT_TRUE(std::isfinite(F2CriticalFrequency(lat, lon, 360.0f, 3.0f, sun).foF2));
}

TEST(LayerModels, ReflectionHeight) {
    EXPECT_EQ(F2BaseHeight(150.0f), 350.0f);
    EXPECT_NEAR(F2BaseHeight(150.001f), 357.5f, 1e-3);
    EXPECT_EQ(F2BaseHeight(0.0f), 275.0f);
    // Mid dip latitudes: by day 50·S − 25·W, at night 50·W only around midnight.
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 40, 12, 0.5f, 0), 325 + 25);
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 40, 12, 0, 0.4f), 325 - 10);
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 40, 1, 0, 0.4f), 325 + 20);
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 40, 5, 0, 0.4f), 325);
    // Near the dip equator.
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 3, 12, 0, 0), 375);
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 3, 3, 0, 0), 350);
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 3, 5, 0, 0), 325);
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 8, 10, 0, 0), 350);
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 8, 5, 0, 0), 325);
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 15, 12, 0.5f, 0), 325);
    EXPECT_FLOAT_EQ(F2ReflectionHeight(100, 70, 12, 0.5f, 0), 325);
}

TEST(LayerModels, KIndexFactor) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(F2KIndexFactor(1 + i % 12, 1 + i % 28, -1, u(rng) * 6.28f, u(rng) * 3.1f - 1.55f,
                                 u(rng) * 24, u(rng) * 360),
                  1.0f);

    // Geomagnetic latitude 5° N (under the pole's meridian at 1.97° S), winter,
    // Ssn 15, local time 2 h: all weights vanish on the first cell, 845/813.
    const float lat = static_cast<float>(-1.97 * kDeg);
    const float lon = static_cast<float>(93.3 * kDeg);
    for (int k = 0; k <= 9; ++k)
        EXPECT_NEAR(F2KIndexFactor(1, 15, k, lon, lat, 2.0f, 15.0f), 0.845 + k * 0.0813, 1e-6) << k;
    // Geomagnetic pole, summer, Ssn 190, local time 2 h: the last band, 1540/−1341.
    const float poleLat = static_cast<float>(83.03 * kDeg);
    EXPECT_NEAR(F2KIndexFactor(7, 1, 3, lon, poleLat, 2.0f, 190.0f), 1.540 - 3 * 0.1341, 1e-6);
    // Beyond the table's solar levels the level is clamped.
    EXPECT_EQ(F2KIndexFactor(7, 1, 3, lon, poleLat, 2.0f, 360.0f),
              F2KIndexFactor(7, 1, 3, lon, poleLat, 2.0f, 190.0f));
}

TEST(LayerModels, ShortHopFactorAndMuf) {
    // X = 1 for a vertical ray, so F2Muf = secant · foF2 · Y; secant is 1 then.
    const SolarPosition sun = SunOn(2026, 4, 1);
    const float lat = static_cast<float>(30 * kDeg);
    const float lon = static_cast<float>(-20 * kDeg);
    const F2Critical f = F2CriticalFrequency(lat, lon, 120.0f, 11.0f, sun);
    EXPECT_EQ(F2Secant(120.0f, 0.0f, f.M, f.LT, f.S, f.W), 1.0f);
    EXPECT_EQ(F2Muf(4, 1, -1, lon, lat, 0.0f, static_cast<float>(kHalfPi), 120.0f, 11.0f, sun),
              f.foF2);
    // A low ray sees a larger MUF than a steep one.
    EXPECT_GT(F2Muf(4, 1, -1, lon, lat, std::cos(0.05f), 0.05f, 120.0f, 11.0f, sun),
              F2Muf(4, 1, -1, lon, lat, std::cos(0.6f), 0.6f, 120.0f, 11.0f, sun));
}

TEST(LayerModels, EHopAndEMuf) {
    // The ground half-angle never goes negative, and shrinks as the ray steepens.
    float previous = 1.0f;
    for (int deg = 0; deg <= 90; ++deg) {
        const float d = static_cast<float>(deg * kDeg);
        const float psi = EHopGroundAngle(std::cos(d), d);
        EXPECT_GE(psi, 0.0f);
        EXPECT_LE(psi, previous);
        previous = psi;
    }
    // E-layer MUF: positive everywhere, day above night.
    const SolarPosition sun = SunOn(2026, 6, 21);
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    for (int i = 0; i < 500; ++i) {
        const float d = u(rng) * 1.5f;
        const float value = EMuf(u(rng) * 12.0f - 6.0f, u(rng) * 3.1416f - 1.5708f, u(rng) * 360,
                                 0.5f * (i % 48), std::cos(d), d, sun);
        EXPECT_TRUE(std::isfinite(value));
        EXPECT_GT(value, 0.0f);
    }
    const float lat = static_cast<float>(40 * kDeg);
    EXPECT_GT(EMuf(0.0f, lat, 100.0f, 12.0f, std::cos(0.1f), 0.1f, sun),
              2.0f * EMuf(0.0f, lat, 100.0f, 0.0f, std::cos(0.1f), 0.1f, sun));
}

// The mode search lets the quick E-layer estimate decide where a frequency stands
// only when it is sure; it must then be well inside the tolerance it promises,
// everywhere on the globe, at every half hour, for every elevation and SSN. Deep in
// the night it takes the floor's MUF without working it out: that must be exact.
TEST(LayerModels, EMufEstimateStaysWithinItsTolerance) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int sure = 0;
    int nightFloor = 0;
    double worst = 0.0;
    for (int i = 0; i < 4000; ++i) {
        const SolarPosition sun = SunOn(2026, 1 + i % 12, 1 + i % 28);
        const float lat = static_cast<float>((unit(random) * 180.0 - 90.0) * kDeg);
        const float lon = static_cast<float>((unit(random) * 720.0 - 360.0) * kDeg);
        const float elevation = static_cast<float>(unit(random) * 45.0 * kDeg);
        const float ssn = static_cast<float>(unit(random) * 360.0);
        const EMufPoint point = PrepareEMuf(lon, lat, ssn, std::cos(elevation), elevation, sun);
        const SunHourAngles angles = MakeSunHourAngles(sun);
        for (int j = 0; j < 48; ++j) {
            EMufEstimateKind kind = EMufEstimateKind::Unsure;
            const double estimate = EMufEstimate(point, j, angles, kind);
            if (kind == EMufEstimateKind::Exact) {
                ++nightFloor;
                EXPECT_EQ(static_cast<float>(estimate), EMufAt(point, 0.5f * j, sun));
                continue;
            }
            if (kind == EMufEstimateKind::Unsure)
                continue;
            ++sure;
            const double exact = EMufAt(point, 0.5f * j, sun);
            worst = std::max(worst, std::fabs(estimate - exact) / exact);
        }
    }
    EXPECT_GT(sure + nightFloor, 4000 * 48 * 9 / 10);
    EXPECT_GT(nightFloor, 4000 * 48 / 10);
    EXPECT_LT(worst, kEMufEstimateTolerance / 10.0);
}
