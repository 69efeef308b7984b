#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "core/Core.h"

namespace {

TEST(ArcFunctions, ClampOutOfRangeAndExactSpecialValues) {
    EXPECT_EQ(ArcCos(1.0000001), 0.0);
    EXPECT_EQ(ArcCos(-7), kPi);
    EXPECT_EQ(ArcCos(0.0), kHalfPi);
    EXPECT_EQ(ArcCos(-0.0), kHalfPi);
    EXPECT_DOUBLE_EQ(ArcCos(0.5), std::acos(0.5));
    EXPECT_EQ(ArcSin(2), kHalfPi);
    EXPECT_EQ(ArcSin(-1), -kHalfPi);
    EXPECT_EQ(ArcSin(0.0), 0.0);
    EXPECT_DOUBLE_EQ(ArcSin(-0.25), std::asin(-0.25));
}

TEST(PositiveMod, ReducesIntoHalfOpenRange) {
    EXPECT_EQ(PositiveMod(360, -30), 330);
    EXPECT_EQ(PositiveMod(360, 720), 0);
    EXPECT_EQ(PositiveMod(24, 25.5), 1.5);
    EXPECT_EQ(PositiveMod(360, -0.0), 0.0);
    EXPECT_FALSE(std::signbit(PositiveMod(360, -0.0)));
    // A tiny negative value would come out as n after rounding: it is 0.
    EXPECT_EQ(PositiveMod(360, -1e-20), 0.0);
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    for (int i = 0; i < 10000; ++i) {
        const double r = PositiveMod(360, any(rng));
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 360.0);
    }
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
}

struct FixedCase {
    double x;
    int width;
    int decimals;
    const char* text;
};

class FormatFixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, Text) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.x, c.width, c.decimals), c.text) << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixedTest,
    testing::Values(
        // 28° 10' 30" is held as 28.174999999999997 and shows as 28.18.
        FixedCase{28.0 + 10.0 / 60.0 + 30.0 / 3600.0, 0, 2, "28.18"},
        FixedCase{0.125, 0, 2, "0.13"}, FixedCase{-0.125, 0, 2, "-0.13"}, FixedCase{2.5, 0, 0, "3"},
        FixedCase{-2.5, 0, 0, "-3"}, FixedCase{0.05, 0, 1, "0.1"}, FixedCase{100, 6, 1, " 100.0"},
        FixedCase{150, 6, 1, " 150.0"}, FixedCase{1234567.891, 6, 1, "1234567.9"},
        FixedCase{-0.001, 0, 2, "0.00"}, FixedCase{0, 5, 2, " 0.00"},
        FixedCase{9.995, 0, 2, "10.00"}, FixedCase{99.96, 5, 1, "100.0"},
        FixedCase{0.0004, 0, 3, "0.000"}, FixedCase{0.0005, 0, 3, "0.001"},
        FixedCase{1e-300, 0, 2, "0.00"}, FixedCase{1e20, 0, 0, "100000000000000000000"},
        FixedCase{4217.6, 6, 0, "  4218"},
        FixedCase{std::numeric_limits<double>::quiet_NaN(), 4, 1, " NAN"},
        FixedCase{-std::numeric_limits<double>::infinity(), 0, 1, "-INF"}));

TEST(RoundToShown, ReadsBackWhatIsShown) {
    EXPECT_DOUBLE_EQ(RoundToShown(14.14, 1), 14.1);
    EXPECT_DOUBLE_EQ(RoundToShown(2.96, 1), 3.0);
    EXPECT_DOUBLE_EQ(RoundToShown(30.04, 1), 30.0);
    EXPECT_DOUBLE_EQ(RoundToShown(59.95, 1), 60.0);
    EXPECT_DOUBLE_EQ(RoundToShown(-1.25, 1), -1.3);
}

TEST(FormatHHMM, RoundsMinutesAndWrapsAtMidnight) {
    EXPECT_EQ(FormatHHMM(0.99999), "0000");
    EXPECT_EQ(FormatHHMM(0.5), "1200");
    EXPECT_EQ(FormatHHMM(5.0 / 1440.0), "0005");
    EXPECT_EQ(FormatHHMM(-0.25), "1800");
    EXPECT_EQ(FormatHHMM(1.25), "0600");
    EXPECT_EQ(FormatHHMM(23.0 / 24 + 59.4 / 1440), "2359");
    EXPECT_EQ(FormatHHMM(std::numeric_limits<double>::quiet_NaN()), "0000");
}

TEST(SmallRoutines, SignMaxMinAndFriends) {
    EXPECT_EQ(Sign(-3.0), -1);
    EXPECT_EQ(Sign(0.0), 0);
    EXPECT_EQ(Sign(1e-300), 1);
    EXPECT_EQ(MaxOf(2.0, 3.0), 3.0);
    EXPECT_EQ(MinOf(2, 3), 2);
    // Equal arguments give the second one: visible with signed zeros.
    EXPECT_TRUE(std::signbit(MaxOf(0.0, -0.0)));
    EXPECT_TRUE(std::signbit(MinOf(0.0, -0.0)));
    EXPECT_DOUBLE_EQ(Log10(1000), 3);
    EXPECT_DOUBLE_EQ(SinCos(0.3).sin, std::sin(0.3));
    EXPECT_DOUBLE_EQ(SinCos(0.3).cos, std::cos(0.3));
    EXPECT_DOUBLE_EQ(SqrtOneMinusSquare(0.6), 0.8);
    EXPECT_EQ(SqrtOneMinusSquare(1.5), 0.0);
}

TEST(ParseDecimal, AcceptsPlainDecimalsOnly) {
    EXPECT_EQ(ParseDecimal("40.9", false), 40.9);
    EXPECT_EQ(ParseDecimal(".5", false), 0.5);
    EXPECT_EQ(ParseDecimal("5.", false), 5.0);
    EXPECT_EQ(ParseDecimal("-5", true), -5.0);
    for (const char* bad :
         {"", ".", "-", "+", "1e5", " 1", "1 ", "1.2.3", "0x10", "inf", "nan", "--1"})
        EXPECT_FALSE(ParseDecimal(bad, true).has_value()) << bad;
    EXPECT_FALSE(ParseDecimal("-5", false).has_value());
    EXPECT_EQ(ParseInteger("05"), 5);
    EXPECT_EQ(ParseInteger("-1"), -1);
    EXPECT_FALSE(ParseInteger("99999999999").has_value());
    EXPECT_FALSE(ParseInteger("1.0").has_value());
}

TEST(HopMode, LettersAndBitsRoundTrip) {
    EXPECT_EQ(LettersToMode(""), (HopLayers{0, 0, 0, 0, 0}));
    EXPECT_EQ(LettersToMode("F"), (HopLayers{255, 255, 255, 255, 255}));
    const HopLayers efe = LettersToMode("EFE");
    EXPECT_EQ(efe[0], 0b01011111);
    EXPECT_EQ(ModeToLetters(efe, 3), "EFE");
    const std::string forty = "EFFEEFEFEEFFFEEEFEFEFFEFEFEEEFFEFEEFEFEE";
    EXPECT_EQ(ModeToLetters(LettersToMode(forty), 40), forty);
    EXPECT_EQ(ModeToLetters(LettersToMode(forty), 99).size(), 40u);
    EXPECT_EQ(ModeToLetters(efe, -3), "");
    // Any letter other than E counts as F.
    EXPECT_EQ(ModeToLetters(LettersToMode("EX"), 2), "EF");
}

} // namespace
