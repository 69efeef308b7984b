#include <gtest/gtest.h>

#include <cmath>

#include "core/Core.h"
#include "engine/SolarEphemeris.h"

namespace {

// The low-precision solar formulas are good to about 0.01°; comparisons with
// almanac values use a few times that. Comparisons with the same formulas
// evaluated here use 1e-9.
constexpr double kAlmanacDeg = 0.05;
constexpr double kSameFormula = 1e-9;

TimeZoneState Utc() {
    return TimeZoneState{};
}

TEST(SunCoordinates, J2000Epoch) {
    // 2000-01-01 12:00 UTC is T = 0: L = 280.46°, g = 357.528°.
    const SunCoordinatesResult sun = SunCoordinates(DateFromCalendar(2000, 1, 1) + 0.5);
    EXPECT_NEAR(sun.meanAnomalyRad * kDegPerRad, 357.528, 1e-9);
    const double g = 357.528 * kRadPerDeg;
    const double lambda = (280.46 + 1.915 * std::sin(g) + 0.02 * std::sin(2 * g)) * kRadPerDeg;
    EXPECT_NEAR(sun.sinEclipticLongitude, std::sin(lambda), kSameFormula);
    EXPECT_NEAR(sun.sinDeclination, std::sin(23.439 * kRadPerDeg) * std::sin(lambda), kSameFormula);
    EXPECT_NEAR(sun.declination * kDegPerRad, -23.03, kAlmanacDeg);
    EXPECT_NEAR(sun.cosDeclination, std::cos(sun.declination), kSameFormula);
    // Equation of time about −3.3 minutes.
    EXPECT_NEAR(sun.equationOfTimeHours * 60, -3.3, 0.3);
}

TEST(SunCoordinates, SeasonsAndEquationOfTime) {
    EXPECT_NEAR(SunCoordinates(DateFromCalendar(2002, 6, 21) + 0.5).declination * kDegPerRad, 23.44,
                kAlmanacDeg);
    EXPECT_NEAR(SunCoordinates(DateFromCalendar(2002, 12, 22) + 0.5).declination * kDegPerRad,
                -23.44, kAlmanacDeg);
    // Early November the sundial is about 16.4 minutes ahead of the clock.
    EXPECT_NEAR(SunCoordinates(DateFromCalendar(2002, 11, 3) + 0.5).equationOfTimeHours * 60, 16.4,
                0.3);
    // Mid February it is about 14.2 minutes behind.
    EXPECT_NEAR(SunCoordinates(DateFromCalendar(2002, 2, 11) + 0.5).equationOfTimeHours * 60, -14.2,
                0.3);
    for (DateValue t = DateFromCalendar(1990, 1, 1); t < DateFromCalendar(2030, 1, 1); t += 3.7) {
        const SunCoordinatesResult sun = SunCoordinates(t);
        ASSERT_GT(sun.equationOfTimeHours, -12.0);
        ASSERT_LE(sun.equationOfTimeHours, 12.0);
        ASSERT_LT(std::fabs(sun.equationOfTimeHours), 0.3); // never more than 17 minutes
        ASSERT_LE(std::fabs(sun.declination), 23.45 * kRadPerDeg);
    }
}

TEST(ComputeSolarPosition, DistanceHourAngleAndNoonOfTheDate) {
    const SolarPosition jan = ComputeSolarPosition(DateFromCalendar(2002, 1, 3), Utc());
    EXPECT_NEAR(jan.Distance, 0.9833, 0.0003); // perihelion
    EXPECT_NEAR(jan.InverseSquareDistance, 1 / (jan.Distance * jan.Distance), kSameFormula);
    const SolarPosition jul = ComputeSolarPosition(DateFromCalendar(2002, 7, 4), Utc());
    EXPECT_NEAR(jul.Distance, 1.0167, 0.0003); // aphelion
    // The record holds the Sun at noon UTC of the date; the Sun's Greenwich hour
    // angle 15·12 + HourAngleOffset is the equation of time in degrees.
    const DateValue day = DateFromCalendar(2002, 11, 3);
    const SunCoordinatesResult noon = SunCoordinates(day + 0.5);
    EXPECT_NEAR(ComputeSolarPosition(day, Utc()).Declination, noon.declination, kSameFormula);
    EXPECT_NEAR(ComputeSolarPosition(day, Utc()).EquationOfTime, noon.equationOfTimeHours,
                kSameFormula);
    EXPECT_NEAR(ComputeSolarPosition(day, Utc()).HourAngleOffset, noon.lMinusAlphaDeg - 180,
                kSameFormula);
    EXPECT_NEAR(std::remainder(180 + ComputeSolarPosition(day, Utc()).HourAngleOffset, 360),
                noon.equationOfTimeHours * 15, kSameFormula);
}

TEST(ComputeSolarPosition, LocalTimeShiftsTheInstant) {
    TimeZoneState zone;
    zone.utc = false;
    zone.UtcOffset = -10.0 / 24; // ten hours ahead of UTC
    const DateValue day = DateFromCalendar(2002, 3, 20);
    const SolarPosition local = ComputeSolarPosition(day, zone);
    const SunCoordinatesResult atNoonLocal = SunCoordinates(day + 0.5 + 10.0 / 24);
    EXPECT_NEAR(local.SinDeclination, atNoonLocal.sinDeclination, kSameFormula);
}

/// The anchor interpolation, written out: TimeCorrection for `day` when it lies
/// between the anchor dates `from` and `to`.
double ExpectedCorrection(DateValue day, CalendarDay from, CalendarDay to) {
    const long n0 = JulianDayNumber(from.year, from.month, from.day);
    const long n1 = JulianDayNumber(to.year, to.month, to.day);
    const double e0 =
        SunCoordinates(DateFromCalendar(from.year, from.month, from.day) + 0.5).equationOfTimeHours;
    const double e1 =
        SunCoordinates(DateFromCalendar(to.year, to.month, to.day) + 0.5).equationOfTimeHours;
    const double j = day + 0.5 + kJulianDayOfDateZero - 0.5;
    return SunCoordinates(day + 0.5).equationOfTimeHours -
           (e0 + (j - n0) * (e1 - e0) / double(n1 - n0));
}

TEST(ComputeSolarPosition, TimeCorrectionBetweenTheRightAnchors) {
    struct Case {
        CalendarDay date, from, to;
    };
    for (const Case& c : {Case{{2002, 12, 28}, {2002, 12, 15}, {2003, 3, 15}},
                          Case{{2002, 1, 5}, {2001, 12, 15}, {2002, 3, 15}},
                          Case{{2002, 3, 31}, {2002, 3, 15}, {2002, 4, 15}},
                          Case{{2002, 5, 1}, {2002, 4, 15}, {2002, 6, 15}},
                          Case{{2002, 9, 1}, {2002, 6, 15}, {2002, 12, 15}}}) {
        const DateValue day = DateFromCalendar(c.date.year, c.date.month, c.date.day);
        EXPECT_NEAR(ComputeSolarPosition(day, Utc()).TimeCorrection,
                    ExpectedCorrection(day, c.from, c.to), kSameFormula)
            << c.date.year << "-" << c.date.month << "-" << c.date.day;
    }
    // On an anchor day the interpolation is the anchor itself.
    EXPECT_NEAR(ComputeSolarPosition(DateFromCalendar(2002, 6, 15), Utc()).TimeCorrection, 0.0,
                kSameFormula);
}

TEST(ConvertSolarIndex, SunspotsAndFlux) {
    const SolarPosition sun = ComputeSolarPosition(DateFromCalendar(2002, 7, 4), Utc());
    const float lowFlux = static_cast<float>(63.75 * sun.InverseSquareDistance);

    const auto zero = ConvertSolarIndex("S0.0", sun);
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->Ssn, 0.0f);
    EXPECT_EQ(zero->Flux, lowFlux);

    const auto low = ConvertSolarIndex("F60.0", sun);
    ASSERT_TRUE(low);
    EXPECT_EQ(low->Ssn, 0.0f);
    EXPECT_EQ(low->Flux, lowFlux); // raised, never below

    const auto s100 = ConvertSolarIndex("S100.0", sun);
    ASSERT_TRUE(s100);
    EXPECT_EQ(s100->Flux, static_cast<float>((63.75 + 72.8 + 8.9) * sun.InverseSquareDistance));
    // Back through the stored text (one decimal): 0.05 of flux is 0.06 of sunspot number.
    const auto back =
        ConvertSolarIndex(std::string("F").append(FormatFixed(s100->Flux, 0, 1)), sun);
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->Ssn, 100.0f, 0.06f);
    // Only six characters are read.
    EXPECT_EQ(ConvertSolarIndex("F140.7123", sun)->Flux, 140.7f);

    const auto f150 = ConvertSolarIndex("F150.0", sun);
    ASSERT_TRUE(f150);
    EXPECT_EQ(f150->Flux, 150.0f);

    // At 1 AU the flux of a sunspot number converts back to it within float rounding.
    SolarPosition oneAu;
    oneAu.InverseSquareDistance = 1.0;
    const auto s50 = ConvertSolarIndex("S50.0", oneAu); // 102.375
    ASSERT_TRUE(s50);
    EXPECT_EQ(s50->Flux, 102.375f);
    const auto f = ConvertSolarIndex("F102.4", oneAu);
    ASSERT_TRUE(f);
    const double r = 50.0 + 0.025 / (0.728 + 2 * 0.00089 * 50); // first-order step from 102.375
    EXPECT_NEAR(f->Ssn, r, 1e-4);
    EXPECT_EQ(ConvertSolarIndex("F63.75", oneAu)->Ssn, 0.0f);
}

TEST(ConvertSolarIndex, RefusesWhatTheFieldNeverStores) {
    const SolarPosition sun = ComputeSolarPosition(DateFromCalendar(2002, 7, 4), Utc());
    for (const char* bad : {"", "X100", "S", "Sabc", "100", "s100"})
        EXPECT_FALSE(ConvertSolarIndex(bad, sun).has_value()) << bad;
    EXPECT_FALSE(ConvertSolarIndex("F150.0", SolarPosition{}).has_value()); // no distance yet
}

} // namespace
