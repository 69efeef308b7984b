#include <gtest/gtest.h>

#include <cmath>

#include "core/Core.h"
#include "core/Utf8Text.h"
#include "tests/core/CorePrinters.h"

namespace {

/// A sun at the equinox with its transit over Greenwich at 12:00 UTC.
SolarPosition EquinoxSun() {
    SolarPosition sun;
    sun.SinDeclination = 0.0;
    sun.CosDeclination = 1.0;
    sun.HourAngleOffset = -180.0;
    return sun;
}

/// A sun at the June solstice (δ = 23.44°), transit at 12:00 UTC over Greenwich.
SolarPosition SolsticeSun() {
    SolarPosition sun;
    sun.Declination = 23.44 * kRadPerDeg;
    sun.SinDeclination = std::sin(sun.Declination);
    sun.CosDeclination = std::cos(sun.Declination);
    sun.HourAngleOffset = -180.0;
    return sun;
}

TimeZoneState Utc() {
    return TimeZoneState{};
}

TEST(FormatCoordinate, LettersAndWidths) {
    EXPECT_EQ(FormatCoordinate(CoordinateKind::Latitude, 40.9), "40.90 N");
    EXPECT_EQ(FormatCoordinate(CoordinateKind::Latitude, -5.5), " 5.50 S");
    EXPECT_EQ(FormatCoordinate(CoordinateKind::Latitude, 0), " 0.00  ");
    EXPECT_EQ(FormatCoordinate(CoordinateKind::Longitude, 28.175), " 28.18 W");
    EXPECT_EQ(FormatCoordinate(CoordinateKind::Longitude, -128.18), "128.18 E");
    EXPECT_EQ(FormatCoordinate(CoordinateKind::Longitude, -360), "360.00 E");
}

TEST(SunEventTime, EquinoxOnTheEquatorAndTimeZones) {
    const SolarPosition sun = EquinoxSun();
    EXPECT_EQ(SunEventTime(SunEvent::Sunrise, 0, 1, 0, sun, Utc()), "0600 UTC");
    EXPECT_EQ(SunEventTime(SunEvent::Sunset, 0, 1, 0, sun, Utc()), "1800 UTC");
    // 90° W (west positive): six hours later.
    EXPECT_EQ(SunEventTime(SunEvent::Sunrise, 0, 1, 90, sun, Utc()), "1200 UTC");
    // 90° E: sunrise at midnight UTC, shown in a zone 2 h ahead of UTC.
    TimeZoneState ahead;
    ahead.UtcOffset = -2.0 / 24;
    ahead.TimeZoneLabel = "ULT";
    EXPECT_EQ(SunEventTime(SunEvent::Sunrise, 0, 1, -90, sun, ahead), "0200 ULT");
    TimeZoneState behind;
    behind.UtcOffset = 5.0 / 24;
    behind.TimeZoneLabel = "ULT";
    EXPECT_EQ(SunEventTime(SunEvent::Sunrise, 0, 1, -90, sun, behind), "1900 ULT");
}

TEST(SunEventTime, LongerDaysInSummerAndNoneAtThePolesAndInPolarDayOrNight) {
    const SolarPosition sun = SolsticeSun();
    const double lat = 51.5 * kRadPerDeg;
    const std::string rise =
        SunEventTime(SunEvent::Sunrise, std::sin(lat), std::cos(lat), 0, sun, Utc());
    const std::string set =
        SunEventTime(SunEvent::Sunset, std::sin(lat), std::cos(lat), 0, sun, Utc());
    EXPECT_LT(rise, "0400 UTC");
    EXPECT_GT(set, "2000 UTC");
    const double arctic = 75 * kRadPerDeg;
    EXPECT_EQ(SunEventTime(SunEvent::Sunrise, std::sin(arctic), std::cos(arctic), 0, sun, Utc()),
              "None");
    EXPECT_EQ(SunEventTime(SunEvent::Sunset, std::sin(-arctic), std::cos(-arctic), 0, sun, Utc()),
              "None");
    EXPECT_EQ(SunEventTime(SunEvent::Sunset, 1, 0, 0, sun, Utc()), "None");
    EXPECT_EQ(SunEventTime(SunEvent::Sunset, 0, 1, 0, SolarPosition{}, Utc()),
              "None"); // not yet computed
}

TEST(GrayLineBearings, EquinoxSolsticeAndNone) {
    // At the equinox the gray line runs north-south everywhere.
    EXPECT_EQ(GrayLineBearings(SunEvent::Sunrise, 1, EquinoxSun()), "  0/180 deg");
    EXPECT_EQ(GrayLineBearings(SunEvent::Sunset, 0.5, EquinoxSun()), "  0/180 deg");
    const SolarPosition sun = SolsticeSun();
    const double cosLat = std::cos(40 * kRadPerDeg);
    // a = arccos(sin 23.44° / cos 40°) − 90 = −31.26°, n = 329.
    EXPECT_EQ(GrayLineBearings(SunEvent::Sunrise, cosLat, sun), "329/149 deg");
    EXPECT_EQ(GrayLineBearings(SunEvent::Sunset, cosLat, sun), " 31/211 deg");
    EXPECT_EQ(GrayLineBearings(SunEvent::Sunrise, std::cos(80 * kRadPerDeg), sun), "None");
    EXPECT_EQ(GrayLineBearings(SunEvent::Sunset, 0, sun), "None");
}

class HeaderLinesTest : public testing::Test {
protected:
    void SetUp() override {
        a = MakeTerminal("40 54 N", "28 10 30 W", "PONTA DELGADA");
        b = MakeTerminal("33.9 S", "151.2 E", "SYDNEY");
        ASSERT_TRUE(ComputePathGeometry(a, b, shortPath, longPath));
    }
    Terminal a, b;
    PathGeometry shortPath, longPath;
};

TEST_F(HeaderLinesTest, LayoutOfTheThreeLines) {
    const HeaderLines lines =
        BuildHeaderLines(a, b, shortPath, 100.0f, 150.0f, "", EquinoxSun(), Utc());
    for (const std::string& line : lines)
        EXPECT_EQ(line.size(), 101u);
    EXPECT_EQ(lines[0].substr(0, 50), " TERMINAL A: 40.90 N  28.18 W  PONTA DELGADA      ");
    EXPECT_EQ(lines[0].substr(50, 13), "Sunrise/Set: ");
    EXPECT_EQ(lines[0].substr(78, 13), "Bearing to B:");
    EXPECT_EQ(lines[0].substr(91),
              FormatFixed(PositiveMod(360, shortPath.BearingAtA * kDegPerRad), 6, 1) + " deg");
    EXPECT_EQ(lines[1].substr(0, 37), " TERMINAL B: 33.90 S 151.20 E  SYDNEY");
    EXPECT_EQ(lines[1].substr(78, 13), "Bearing to A:");
    // Sunrise shows the digits only, sunset carries the zone label.
    EXPECT_EQ(lines[0].substr(63, 14), "0753/1953 UTC ");
    EXPECT_EQ(lines[2].substr(0, 36), " SSN: 100.0  Flux: 150.0  K: Average");
    EXPECT_EQ(lines[2].substr(80),
              "Path Length:" + FormatFixed(shortPath.Length * DisplayRadiusKm, 6, 0) + " km");
}

TEST_F(HeaderLinesTest, LongPathBearingsKIndexAndNoneSunTimes) {
    const HeaderLines lines =
        BuildHeaderLines(a, b, longPath, 0.0f, 63.75f, "5", SolsticeSun(), Utc());
    EXPECT_EQ(lines[0].substr(91),
              FormatFixed(PositiveMod(360, longPath.BearingAtA * kDegPerRad), 6, 1) + " deg");
    EXPECT_EQ(lines[2].substr(0, 30), " SSN:   0.0  Flux:  63.8  K: 5");
    EXPECT_EQ(lines[2].find("Average"), std::string::npos);
    EXPECT_EQ(BuildHeaderLines(a, b, longPath, 0, 0, "-1", SolsticeSun(), Utc())[2].substr(29, 7),
              "Average");
    // A terminal in the polar night shows None/None.
    Terminal arctic = MakeTerminal("80", "0", "ALERT");
    ASSERT_TRUE(ComputePathGeometry(arctic, b, shortPath, longPath));
    SolarPosition winter = SolsticeSun();
    winter.SinDeclination = -winter.SinDeclination;
    const HeaderLines polar = BuildHeaderLines(arctic, b, shortPath, 0, 0, "", winter, Utc());
    EXPECT_EQ(polar[0].substr(50, 22), "Sunrise/Set: None/None");
    EXPECT_EQ(polar[2].substr(80),
              "Path Length:" + FormatFixed(shortPath.Length * DisplayRadiusKm, 6, 0) + " km");
}

TEST_F(HeaderLinesTest, ColumnsCountCharactersNotBytes) {
    a.Name = "Москва";         // 6 characters, 12 bytes
    b.Name = "Z\xFCrich Nord"; // a Latin-1 byte from an older file
    const HeaderLines lines =
        BuildHeaderLines(a, b, shortPath, 100.0f, 150.0f, "", EquinoxSun(), Utc());
    for (const std::string& line : lines)
        EXPECT_EQ(Utf8Length(ToValidUtf8(line)), 101u) << line;
    EXPECT_EQ(Utf8From(lines[0], 50).substr(0, 13), "Sunrise/Set: ");
    EXPECT_EQ(Utf8From(lines[0], 78).substr(0, 13), "Bearing to B:");
    EXPECT_EQ(Utf8Left(Utf8From(lines[1], 31), 13), "Zürich Nord  ");
}

TEST_F(HeaderLinesTest, LongNamesNeverOverflowTheLine) {
    a.Name = std::string(40, 'X'); // longer than a record holds
    const HeaderLines lines =
        BuildHeaderLines(a, b, shortPath, 100.0f, 1e9f, "", EquinoxSun(), Utc());
    for (const std::string& line : lines)
        EXPECT_EQ(line.size(), 101u);
    EXPECT_EQ(lines[0].substr(50, 13), "Sunrise/Set: ");
}

} // namespace
