#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

// Tolerance for values held as 32-bit floats: a few units in the last place.
constexpr double kSingleTol = 1e-4;

TEST(FactorySettings, FirstRunValues) {
    const Settings s = FactorySettings();
    ASSERT_EQ(s.FrequencyCount, 5);
    const char* texts[] = {"3.6", "7.1", "14.1", "21.2", "28.3"};
    const float mhz[] = {3.6f, 7.1f, 14.1f, 21.2f, 28.3f};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(s.Frequencies[k].FrequencyText, texts[k]);
        EXPECT_EQ(s.Frequencies[k].ConstantText, "0.0");
        EXPECT_EQ(s.FrequencyMHz[k], mhz[k]);
        EXPECT_NEAR(s.FrequencyTermDb[k], 20.0 * std::log10(mhz[k]), kSingleTol);
    }
    for (int k = 5; k < kFrequencySlots; ++k) {
        EXPECT_EQ(s.Frequencies[k], FrequencyEntry{});
        EXPECT_EQ(s.FrequencyMHz[k], 0.0f);
        EXPECT_EQ(s.AbsorptionFactor[k], 0.0f);
    }
    EXPECT_FALSE(s.SunspotPrimary);
    EXPECT_TRUE(s.UseUtc);
    EXPECT_FALSE(s.ShowSnr);
    EXPECT_FALSE(s.HighResFreqMap);
    EXPECT_FALSE(s.ShowZeroAvailability);
    EXPECT_EQ(s.SuppressionThreshold, 1);
    EXPECT_EQ(s.SuppressionLevelDb, -10);
    EXPECT_EQ(s.MinRadiationAngleText, "1.5");
    EXPECT_EQ(s.MinRadiationAngleDeg, 1.5);
    EXPECT_DOUBLE_EQ(s.MinRadiationAngleRad, 1.5 * std::numbers::pi / 180.0);
    EXPECT_EQ(s.NoiseBandwidthText, "1");
    EXPECT_EQ(s.BandwidthDb, 0.0f);
    EXPECT_EQ(s.NoiseEnvironment, kNoiseResidential);
    EXPECT_EQ(s.NoiseConstant, -144.7f);
    EXPECT_EQ(s.NoiseSlope, 27.7f);
    EXPECT_EQ(s.MapUpdateMinutes, 3);
    EXPECT_EQ(s.NoDefaultMessageOff, 0);
    EXPECT_FALSE(s.DefaultDefined);
    EXPECT_TRUE(s.DefaultLatitudeText.empty() && s.DefaultLongitudeText.empty() &&
                s.DefaultName.empty());
}

TEST(DeriveSettings, FrequencyTermsBandwidthAndDefaultTerminal) {
    Settings s = FactorySettings();
    s.Frequencies[2] = {"14.1", "6.0"};
    s.NoiseBandwidthText = "2500";
    s.DefaultLatitudeText = "40 54 N";
    s.DefaultLongitudeText = "";
    DeriveSettings(s);
    EXPECT_NEAR(s.FrequencyTermDb[2], 16.985, 1e-3); // 16.98438
    EXPECT_NEAR(s.AbsorptionFactor[2], 0.6082, 5e-5);
    EXPECT_NEAR(s.BandwidthDb, 33.98, 5e-3);
    // A latitude alone does not define the default terminal.
    EXPECT_FALSE(s.DefaultDefined);
    s.DefaultLongitudeText = "74 W";
    DeriveSettings(s);
    EXPECT_TRUE(s.DefaultDefined);
}

TEST(DeriveSettings, NoiseEnvironmentsAndSuppression) {
    Settings s = FactorySettings();
    const float constants[] = {-140.4f, -144.7f, -150.0f, -163.6f};
    const float slopes[] = {27.7f, 27.7f, 27.7f, 28.6f};
    for (int env = 0; env < 4; ++env) {
        s.NoiseEnvironment = env;
        DeriveSettings(s);
        EXPECT_EQ(s.NoiseConstant, constants[env]) << env;
        EXPECT_EQ(s.NoiseSlope, slopes[env]) << env;
    }
    const int levels[] = {0, -10, -20, kNoSuppressionDb};
    for (int t = 0; t < 4; ++t) {
        s.SuppressionThreshold = t;
        DeriveSettings(s);
        EXPECT_EQ(s.SuppressionLevelDb, levels[t]) << t;
    }
}

TEST(DeriveSettings, EmptyOrUnreadableTextsGiveFiniteValues) {
    Settings s = FactorySettings();
    s.MinRadiationAngleText = "";
    s.NoiseBandwidthText = "";
    s.FrequencyCount = 2; // entries past the count are cleared
    DeriveSettings(s);
    EXPECT_EQ(s.MinRadiationAngleDeg, 0.0);
    EXPECT_EQ(s.MinRadiationAngleRad, 0.0);
    EXPECT_EQ(s.BandwidthDb, 0.0f);
    EXPECT_EQ(s.FrequencyMHz[2], 0.0f);
    EXPECT_EQ(s.FrequencyTermDb[4], 0.0f);
    s.MinRadiationAngleText = "4x";
    DeriveSettings(s);
    EXPECT_EQ(s.MinRadiationAngleDeg, 0.0);
    s.MinRadiationAngleText = "4,5"; // the decimal separator is "." in every locale
    DeriveSettings(s);
    EXPECT_EQ(s.MinRadiationAngleDeg, 0.0);
    s.MinRadiationAngleText = " 4.5";
    DeriveSettings(s);
    EXPECT_EQ(s.MinRadiationAngleDeg, 4.5);
}
