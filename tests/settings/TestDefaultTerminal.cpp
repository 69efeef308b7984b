#include "settings/DefaultTerminal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

Settings WithDefault(const char* lat, const char* lon, const char* name) {
    Settings s = FactorySettings();
    s.DefaultLatitudeText = lat;
    s.DefaultLongitudeText = lon;
    s.DefaultName = name;
    DeriveSettings(s);
    return s;
}

Terminal Place(const char* prefix, const char* lat, const char* lon, const char* name) {
    Terminal t;
    t.Prefix = prefix;
    t.LatitudeText = lat;
    t.LongitudeText = lon;
    t.Name = name;
    return t;
}

} // namespace

TEST(DefaultTerminal, TextsAndDerivedCoordinates) {
    const Terminal t = DefaultTerminal(WithDefault("40 54 N", "28 10 30 E", "Somewhere"));
    EXPECT_EQ(t.Prefix, "DEFAULT");
    EXPECT_EQ(t.LatitudeText, "40 54 N");
    EXPECT_EQ(t.LongitudeText, "28 10 30 E");
    EXPECT_EQ(t.Name, "Somewhere");
    EXPECT_NEAR(t.LatitudeDeg, 40.9, 1e-12);
    EXPECT_NEAR(t.LongitudeDeg, -28.175, 1e-12);
    EXPECT_NEAR(t.LatitudeRad, 40.9 * std::numbers::pi / 180.0, 1e-12);
    EXPECT_NEAR(t.SinLatitude, std::sin(t.LatitudeRad), 1e-15);
    EXPECT_NEAR(t.CosLatitude, std::cos(t.LatitudeRad), 1e-15);
}

TEST(DefaultTerminal, UnreadableTextsLeaveZeroCoordinates) {
    const Terminal t = DefaultTerminal(WithDefault("40 N N", "xyz", "Bad"));
    EXPECT_EQ(t.LatitudeText, "40 N N");
    EXPECT_EQ(t.LatitudeDeg, 0.0);
    EXPECT_EQ(t.LongitudeDeg, 0.0);
}

TEST(ApplyDefaultTerminal, WithADefaultTerminal) {
    const Settings s = WithDefault("51.5", "0.1", "London");
    // A holding "DEFAULT" (with old texts) or nothing becomes the default terminal.
    for (const char* prefix : {"DEFAULT", ""}) {
        Terminal a = Place(prefix, "1", "2", "old");
        Terminal b = Place("W1", "41.7", "72.7", "Newington");
        ApplyDefaultTerminal(s, a, b);
        EXPECT_EQ(a.Prefix, "DEFAULT");
        EXPECT_EQ(a.Name, "London");
        EXPECT_NEAR(a.LatitudeDeg, 51.5, 1e-12);
        EXPECT_EQ(b.Name, "Newington"); // B is another place and stays
    }
    // A with another prefix stays; B holding "DEFAULT" gets the texts only.
    Terminal a = Place("JA", "35.7", "-139.7", "Tokyo");
    Terminal b = Place("DEFAULT", "1", "2", "old");
    b.LatitudeDeg = 1.0;
    ApplyDefaultTerminal(s, a, b);
    EXPECT_EQ(a.Name, "Tokyo");
    EXPECT_EQ(b.Prefix, "DEFAULT");
    EXPECT_EQ(b.LatitudeText, "51.5");
    EXPECT_EQ(b.LongitudeText, "0.1");
    EXPECT_EQ(b.Name, "London");
    EXPECT_EQ(b.LatitudeDeg, 1.0);
}

TEST(ApplyDefaultTerminal, WithoutADefaultTerminalDefaultsAreCleared) {
    const Settings s = WithDefault("51.5", "", "Half");
    ASSERT_FALSE(s.DefaultDefined);
    Terminal a = Place("DEFAULT", "51.5", "0.1", "London");
    a.LatitudeDeg = 51.5;
    Terminal b = Place("VK", "-33.9", "-151.2", "Sydney");
    ApplyDefaultTerminal(s, a, b);
    EXPECT_EQ(a.Prefix, "");
    EXPECT_EQ(a.LatitudeText, "");
    EXPECT_EQ(a.LatitudeDeg, 0.0);
    EXPECT_EQ(b.Name, "Sydney");
    Terminal a2 = Place("", "", "", "");
    Terminal b2 = Place("DEFAULT", "1", "2", "x");
    ApplyDefaultTerminal(s, a2, b2);
    EXPECT_EQ(b2.Prefix, "");
    EXPECT_EQ(b2.Name, "");
}

TEST(ApplyStartupDefaultTerminal, OnlyWhenDefined) {
    Terminal a = Place("G", "52", "1", "kept");
    ApplyStartupDefaultTerminal(FactorySettings(), a);
    EXPECT_EQ(a.Name, "kept");
    ApplyStartupDefaultTerminal(WithDefault("10 S", "20 W", "Home"), a);
    EXPECT_EQ(a.Prefix, "DEFAULT");
    EXPECT_NEAR(a.LatitudeDeg, -10.0, 1e-12);
    EXPECT_NEAR(a.LongitudeDeg, 20.0, 1e-12);
}
