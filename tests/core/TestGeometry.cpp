#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/Core.h"
#include "tests/core/CorePrinters.h"

namespace {

// Angles computed from the same formulas agree to a few ulps; 1e-12 rad is far
// below anything shown (0.1° ≈ 1.7e-3 rad) yet catches a wrong branch or constant.
constexpr double kTightRad = 1e-12;

struct Paths {
    Terminal a;
    Terminal b;
    PathGeometry shortPath;
    PathGeometry longPath;
    PathGeometryResult result;
};

Paths Compute(const char* aLat, const char* aLon, const char* bLat, const char* bLon) {
    Paths p{MakeTerminal(aLat, aLon), MakeTerminal(bLat, bLon), {}, {}, {}};
    p.result = ComputePathGeometry(p.a, p.b, p.shortPath, p.longPath);
    return p;
}

double Deg(double rad) {
    return PositiveMod(360, rad * kDegPerRad);
}

TEST(CentralAngle, OneDegreeOfLongitudeAtFortyNorth) {
    const CentralAngleResult r = CentralAngle(40 * kRadPerDeg, 0, 40 * kRadPerDeg, 1 * kRadPerDeg);
    EXPECT_NEAR(r.angle, 0.013370, 5e-7);
    EXPECT_NEAR(r.sinAngle, std::sin(r.angle), kTightRad);
    EXPECT_DOUBLE_EQ(r.dLon, -kRadPerDeg);
}

TEST(CentralAngle, PointsCloserThanSinglePrecisionCoincide) {
    // 0.01° apart: c rounds to exactly 1 as a float.
    const CentralAngleResult near = CentralAngle(0.3, 0.2, 0.3, 0.2 + 0.01 * kRadPerDeg);
    EXPECT_EQ(near.angle, 0.0);
    EXPECT_EQ(near.cosAngle, 1.0);
    EXPECT_EQ(near.sinAngle, 0.0);
    const CentralAngleResult antipodal =
        CentralAngle(0.3, 0.2, -0.3, 0.2 + kPi + 0.01 * kRadPerDeg);
    EXPECT_EQ(antipodal.angle, kPi);
    EXPECT_EQ(antipodal.cosAngle, -1.0);
    // 0.2° apart is a real distance, taken from the double value.
    const CentralAngleResult apart = CentralAngle(0.0, 0.0, 0.0, 0.2 * kRadPerDeg);
    EXPECT_NEAR(apart.angle, 0.2 * kRadPerDeg, 1e-9);
}

TEST(InitialBearing, CardinalDirectionsWithWestPositiveLongitudes) {
    // East of the start is a smaller (more negative) longitude.
    EXPECT_NEAR(InitialBearing(0, 0, 0, -0.5).bearing, kHalfPi, kTightRad);
    EXPECT_NEAR(InitialBearing(0, 0, 0, 0.5).bearing, 3 * kHalfPi, kTightRad);
    EXPECT_NEAR(InitialBearing(0, 0, 0.5, 0).bearing, 0.0, kTightRad);
    EXPECT_NEAR(InitialBearing(0, 0, -0.5, 0).bearing, kPi, kTightRad);
    EXPECT_EQ(InitialBearing(0, 0, 0.5, 0).status, BearingStatus::Ok);
}

TEST(InitialBearing, PolesCoincidentAndAntipodalPoints) {
    const BearingResult north = InitialBearing(89.998 * kRadPerDeg, 1, 0.2, 0.3);
    EXPECT_EQ(north.status, BearingStatus::AtPole);
    EXPECT_EQ(north.bearing, kPi);
    const BearingResult south = InitialBearing(-89.998 * kRadPerDeg, 1, 0.2, 0.3);
    EXPECT_EQ(south.status, BearingStatus::AtPole);
    EXPECT_EQ(south.bearing, 0.0);
    EXPECT_EQ(InitialBearing(0.2, 0.3, 0.2, 0.3).status, BearingStatus::Indeterminate);
    EXPECT_EQ(InitialBearing(0.2, 0.3, -0.2, 0.3 - kPi).status, BearingStatus::Indeterminate);
    // 89.996° is not a pole yet.
    EXPECT_EQ(InitialBearing(89.996 * kRadPerDeg, 1, 0.2, 0.3).status, BearingStatus::Ok);
}

TEST(ComputePathGeometry, ShortHopJustNorthOfWest) {
    const Paths p = Compute("40", "0", "40", "1");
    ASSERT_TRUE(p.result.ok);
    EXPECT_NEAR(Deg(p.shortPath.BearingAtA), 270.32, 0.005);
    EXPECT_NEAR(p.shortPath.Length, 0.013370, 5e-7);
    EXPECT_DOUBLE_EQ(p.longPath.BearingAtA, p.shortPath.BearingAtA - kPi);
    EXPECT_DOUBLE_EQ(p.longPath.BearingAtB, p.shortPath.BearingAtB - kPi);
    EXPECT_DOUBLE_EQ(p.longPath.Length, kTwoPi - p.shortPath.Length);
    // The terminal reals follow the texts.
    EXPECT_DOUBLE_EQ(p.b.LongitudeDeg, 1.0);
    EXPECT_DOUBLE_EQ(p.b.LongitudeRad, kRadPerDeg);
    EXPECT_DOUBLE_EQ(p.a.SinLatitude, std::sin(40 * kRadPerDeg));
}

TEST(ComputePathGeometry, CoincidentAntipodalAndTwoPolesAreIndeterminate) {
    for (const Paths& p : {Compute("40", "0", "40", "0"), Compute("10", "20", "-10", "-160"),
                           Compute("90", "0", "90", "50"), Compute("89.999", "0", "-90", "0"),
                           Compute("-89.998", "10", "-90", "0")}) {
        EXPECT_FALSE(p.result.ok);
        EXPECT_EQ(p.result.message.kind, MessageKind::Error);
        EXPECT_TRUE(p.result.message.alert);
        EXPECT_EQ(p.result.message.text,
                  "The path between the specified\rterminals is indeterminate");
    }
}

TEST(ComputePathGeometry, TerminalAtNorthPoleIsSnapped) {
    const Paths p = Compute("89.999", "0", "40", "75");
    ASSERT_TRUE(p.result.ok);
    EXPECT_EQ(p.a.LatitudeDeg, 90.0);
    EXPECT_EQ(p.a.LatitudeRad, kHalfPi);
    EXPECT_EQ(p.a.SinLatitude, 1.0);
    EXPECT_EQ(p.a.CosLatitude, 0.0);
    EXPECT_EQ(p.shortPath.BearingAtA, kPi);
    EXPECT_EQ(p.longPath.BearingAtA, kPi);
    EXPECT_NEAR(p.shortPath.Length, kHalfPi - 40 * kRadPerDeg, kTightRad);
    EXPECT_NEAR(p.longPath.Length, kTwoPi - p.shortPath.Length, kTightRad);
    // From B the pole lies due north.
    EXPECT_NEAR(Deg(p.shortPath.BearingAtB), 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(p.longPath.BearingAtB, p.shortPath.BearingAtB - kPi);
}

TEST(ComputePathGeometry, TerminalBAtSouthPoleIsSnapped) {
    const Paths p = Compute("-30", "10", "-89.9995", "0");
    ASSERT_TRUE(p.result.ok);
    EXPECT_EQ(p.b.LatitudeDeg, -90.0);
    EXPECT_EQ(p.b.SinLatitude, -1.0);
    EXPECT_EQ(p.shortPath.BearingAtB, 0.0);
    EXPECT_EQ(p.longPath.BearingAtB, 0.0);
    EXPECT_EQ(p.shortPath.BearingAtA, kPi);
    EXPECT_EQ(p.longPath.BearingAtA, 0.0);
    EXPECT_NEAR(p.shortPath.Length, kHalfPi - 30 * kRadPerDeg, kTightRad);
}

TEST(ComputePathGeometry, BadCoordinateTextGivesTheParsersMessage) {
    const Paths p = Compute("91", "0", "10", "10");
    EXPECT_FALSE(p.result.ok);
    EXPECT_EQ(p.result.message.text, "Please enter a latitude between -90 and +90 degrees.");
    EXPECT_EQ(Compute("40 N", "abc", "10", "10").result.message.kind, MessageKind::SyntaxError);
}

// Over many random pairs: the path lengths and bearings are consistent with each
// other in both directions.
TEST(ComputePathGeometry, InvariantsOverRandomPairs) {
    std::mt19937 rng(12345);
    std::uniform_real_distribution<double> lat(-89.9, 89.9), lon(-180, 180);
    for (int i = 0; i < 2000; ++i) {
        Terminal a, b;
        SetTerminalDegrees(a, lat(rng), lon(rng));
        SetTerminalDegrees(b, lat(rng), lon(rng));
        a.LatitudeText = FormatFixed(a.LatitudeDeg, 0, 6);
        a.LongitudeText = FormatFixed(a.LongitudeDeg, 0, 6);
        b.LatitudeText = FormatFixed(b.LatitudeDeg, 0, 6);
        b.LongitudeText = FormatFixed(b.LongitudeDeg, 0, 6);
        PathGeometry s, l;
        if (!ComputePathGeometry(a, b, s, l))
            continue;
        PathGeometry s2, l2;
        ASSERT_TRUE(ComputePathGeometry(b, a, s2, l2));
        EXPECT_NEAR(s.Length, s2.Length, 1e-9);
        EXPECT_GE(s.Length, 0.0);
        EXPECT_LE(s.Length, kPi);
        EXPECT_NEAR(s.BearingAtA, s2.BearingAtB, 1e-7);
        EXPECT_NEAR(s.BearingAtB, s2.BearingAtA, 1e-7);
        EXPECT_GE(s.BearingAtA, 0.0);
        EXPECT_LT(s.BearingAtA, kTwoPi + 1e-12);
        // Going the short length along the bearing reaches B.
        const GeoLatLon end = PointAlongPath({a.LatitudeRad, a.LongitudeRad}, PathKind::Short,
                                             s.BearingAtA, s.Length, b.LongitudeRad);
        EXPECT_LT(CentralAngle(end.latRad, end.lonRad, b.LatitudeRad, b.LongitudeRad).angle, 1e-3)
            << "from " << a.LatitudeDeg << "," << a.LongitudeDeg << " to " << b.LatitudeDeg << ","
            << b.LongitudeDeg;
    }
}

TEST(PointAlongPath, EastAlongTheEquator) {
    const GeoLatLon p = PointAlongPath({0, 0}, PathKind::Short, kHalfPi, kHalfPi, 0);
    EXPECT_NEAR(p.latRad, 0.0, kTightRad);
    EXPECT_NEAR(p.lonRad, -kHalfPi, kTightRad);
    // Beyond the antipode the turn flips side: three quarters of the way round
    // eastward is 90° W.
    const GeoLatLon beyond = PointAlongPath({0, 0}, PathKind::Long, kHalfPi, 1.5 * kPi, 0);
    EXPECT_NEAR(beyond.latRad, 0.0, 1e-9);
    EXPECT_NEAR(beyond.lonRad, kHalfPi, 1e-7);
}

TEST(PointAlongPath, FromAPoleAlongTheMeridians) {
    const double far = 0.7;
    const GeoLatLon s = PointAlongPath({kHalfPi, 0}, PathKind::Short, kPi, 0.5, far);
    EXPECT_NEAR(s.latRad, kHalfPi - 0.5, kTightRad);
    EXPECT_EQ(s.lonRad, far);
    const GeoLatLon l = PointAlongPath({kHalfPi, 0}, PathKind::Long, kPi, 0.5, far);
    EXPECT_NEAR(l.latRad, kHalfPi - 0.5, kTightRad);
    EXPECT_EQ(l.lonRad, far + kPi);
    const GeoLatLon past = PointAlongPath({kHalfPi, 0}, PathKind::Long, kPi, 4.0, far);
    EXPECT_NEAR(past.latRad, 4.0 - 3 * kHalfPi, kTightRad);
    EXPECT_EQ(past.lonRad, far);
    const GeoLatLon south = PointAlongPath({-kHalfPi, 0}, PathKind::Short, 0, 0.5, far);
    EXPECT_NEAR(south.latRad, 0.5 - kHalfPi, kTightRad);
}

TEST(PointAlongPath, LandingOnAPoleTakesTheFarLongitude) {
    const GeoLatLon p = PointAlongPath({0, 0.3}, PathKind::Short, 0.0, kHalfPi, 1.25);
    EXPECT_NEAR(p.latRad, kHalfPi, 1e-9);
    EXPECT_EQ(p.lonRad, 1.25);
}

struct PolarCase {
    const char* name;
    const char *aLat, *aLon, *bLat, *bLon;
    bool shortPolar, longPolar;
};

class MarkPolarPathsTest : public testing::TestWithParam<PolarCase> {};

TEST_P(MarkPolarPathsTest, Flags) {
    const PolarCase& c = GetParam();
    Paths p = Compute(c.aLat, c.aLon, c.bLat, c.bLon);
    ASSERT_TRUE(p.result.ok);
    p.shortPath.IsPolar = p.longPath.IsPolar = true; // cleared first
    MarkPolarPaths(p.a, p.b, p.shortPath, p.longPath);
    EXPECT_EQ(p.shortPath.IsPolar, c.shortPolar);
    EXPECT_EQ(p.longPath.IsPolar, c.longPolar);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, MarkPolarPathsTest,
    testing::Values(
        PolarCase{"LondonSanFrancisco", "51.5", "0.1", "37.8", "122.4", true, true},
        PolarCase{"BerlinSydney", "52", "-13", "-34", "-151", false, false},
        PolarCase{"TerminalNearNorthPoint", "70", "90", "0", "0", true, true},
        PolarCase{"TerminalNearSouthPoint", "10", "10", "-70", "-120", true, true},
        PolarCase{"EquatorOnlyLongPathCrossesNoPoint", "0", "0", "0", "-40", false, false},
        PolarCase{"SouthernShortPathNearSouthPoint", "-40", "-60", "-40", "-170", true, false},
        PolarCase{"CanadaAlaskaLongPathOnly", "45", "60", "50", "140", false, true}),
    [](const testing::TestParamInfo<PolarCase>& info) { return std::string(info.param.name); });

} // namespace

TEST(BearingDeg, ReducedIntoOneTurn) {
    EXPECT_DOUBLE_EQ(BearingDeg(-kPi / 2), 270.0); // the long path's bearing is stored below zero
    EXPECT_EQ(BearingDeg(0.0), 0.0);
    EXPECT_NEAR(BearingDeg(2 * kPi + 0.1), 0.1 * kDegPerRad, 1e-9);
    EXPECT_NEAR(BearingDeg(kPi), 180.0, 1e-12);
}
