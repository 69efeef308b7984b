#include <gtest/gtest.h>

#include <cmath>

#include "core/Core.h"
#include "tests/core/CorePrinters.h"

namespace {

const DateConventions kMdy{DateOrder::MonthDayYear, '/'};
const DateConventions kDmy{DateOrder::DayMonthYear, '.'};
const DateConventions kYmd{DateOrder::YearMonthDay, '-'};

TEST(DateConventions, OrderFromTheShortFormat) {
    EXPECT_EQ(DateOrderFromFormat("dd.MM.yyyy"), DateOrder::DayMonthYear);
    EXPECT_EQ(DateOrderFromFormat("M/d/yy"), DateOrder::MonthDayYear);
    EXPECT_EQ(DateOrderFromFormat("yyyy-MM-dd"), DateOrder::YearMonthDay);
    EXPECT_EQ(DateOrderFromFormat("d MMM"), DateOrder::YearMonthDay); // anything else
    EXPECT_EQ(DateOrderFromFormat(""), DateOrder::YearMonthDay);
}

TEST(DateConventions, FormatHintAndBlankTexts) {
    EXPECT_EQ(DateFormatText(kMdy), "MM/DD/YY");
    EXPECT_EQ(DateFormatText(kDmy), "DD.MM.YY");
    EXPECT_EQ(DateFormatText(kYmd), "YY-MM-DD");
    EXPECT_EQ(DateHint(kMdy), "Enter date in MM/DD/YY format");
    EXPECT_EQ(BlankDateText(kDmy), "__.__.__");
}

TEST(JulianDays, KnownDaysAndRoundTrips) {
    EXPECT_EQ(JulianDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(JulianDayNumber(1999, 12, 31), 2451544);
    EXPECT_EQ(JulianDayNumber(2000, 3, 1) - JulianDayNumber(2000, 2, 28), 2); // leap year
    EXPECT_EQ(CalendarDate(2451545), (CalendarDay{2000, 1, 1}));
    EXPECT_EQ(CalendarDate(2299160), (CalendarDay{1582, 10, 4})); // last Julian-calendar day
    EXPECT_EQ(CalendarDate(2299161), (CalendarDay{1582, 10, 15}));
    for (long j = JulianDayNumber(1901, 1, 1); j < JulianDayNumber(2099, 12, 31); j += 17) {
        const CalendarDay d = CalendarDate(j);
        ASSERT_EQ(JulianDayNumber(d.year, d.month, d.day), j);
    }
    EXPECT_EQ(DateFromCalendar(2000, 1, 1), 36526.0);
    EXPECT_EQ(CalendarFromDate(36526.75), (CalendarDay{2000, 1, 1}));
}

TEST(DateTexts, ValidityInEachOrder) {
    EXPECT_TRUE(IsValidDateText("02/29/00", kMdy));  // 2000 is a leap year
    EXPECT_FALSE(IsValidDateText("02/29/45", kMdy)); // 1945 is not
    EXPECT_FALSE(IsValidDateText("13/01/99", kMdy));
    EXPECT_TRUE(IsValidDateText("13.01.99", kDmy));
    EXPECT_FALSE(IsValidDateText("02/30/02", kMdy));
    EXPECT_FALSE(IsValidDateText("00/10/02", kMdy));
    EXPECT_FALSE(IsValidDateText("01/00/02", kMdy));
    EXPECT_TRUE(IsValidDateText("44-12-31", kYmd));
    for (const char* bad :
         {"", "1/2/03", "01/02/2003", "0a/02/03", "__/__/__", " 1/02/03", "-1/02/03"})
        EXPECT_FALSE(IsValidDateText(bad, kMdy)) << bad;
    EXPECT_EQ(CheckDateText("02/30/02", kMdy).message.text, "Invalid date");
    EXPECT_TRUE(CheckDateText("06/15/02", kMdy).ok);
}

TEST(DateTexts, TwoDigitYearsAndRoundTrip) {
    EXPECT_EQ(ParseDateText("06/15/02", kMdy), DateFromCalendar(2002, 6, 15));
    EXPECT_EQ(ParseDateText("01/01/45", kMdy), DateFromCalendar(1945, 1, 1));
    EXPECT_EQ(ParseDateText("12/31/44", kMdy), DateFromCalendar(2044, 12, 31));
    EXPECT_FALSE(ParseDateText("13/01/99", kMdy).has_value());
    const DateValue d = DateFromCalendar(2002, 6, 15);
    EXPECT_EQ(FormatDateText(false, d, kMdy), "06/15/02");
    EXPECT_EQ(FormatDateText(true, d, kMdy), "06/15/2002");
    EXPECT_EQ(FormatDateText(false, d, kDmy), "15.06.02");
    EXPECT_EQ(FormatDateText(true, d + 0.9, kYmd), "2002-06-15");
    for (DateValue day = DateFromCalendar(1945, 1, 1); day <= DateFromCalendar(2044, 12, 31);
         day += 11)
        for (const DateConventions& c : {kMdy, kDmy, kYmd})
            ASSERT_EQ(ParseDateText(FormatDateText(false, day, c), c), day);
}

TEST(TimeZone, UtcAndLocalStates) {
    // 2002-06-15 23:30 UTC is 2002-06-16 01:30 at UTC+2.
    const ClockReading clock{DateFromCalendar(2002, 6, 15) + 23.5 / 24,
                             DateFromCalendar(2002, 6, 16) + 1.5 / 24};
    const TimeZoneState utc = SetTimeZone(true, clock);
    EXPECT_TRUE(utc.utc);
    EXPECT_EQ(utc.UtcOffset, 0.0);
    EXPECT_EQ(utc.TimeZoneLabel, "UTC");
    EXPECT_EQ(utc.PredictionDate, DateFromCalendar(2002, 6, 15));
    const TimeZoneState local = SetTimeZone(false, clock);
    EXPECT_FALSE(local.utc);
    EXPECT_DOUBLE_EQ(local.UtcOffset, -2.0 / 24);
    EXPECT_EQ(local.TimeZoneLabel, "ULT");
    EXPECT_EQ(local.PredictionDate, DateFromCalendar(2002, 6, 16));
    EXPECT_EQ(UtcToday(clock), DateFromCalendar(2002, 6, 15));
    EXPECT_NEAR(UtcTimeOfDay(clock), 23.5 / 24, 1e-9); // a day value holds about 1e-11 d

    EXPECT_EQ(UtcNow(clock), clock.utcNow);
}

TEST(TimeZone, ClockReadingOfAnInstant) {
    // 2002-06-15 23:30:00.25 UTC is 1024183800.25 s after the Unix epoch; in a zone
    // five and a half hours east it is already 05:00:00 on the 16th.
    std::tm local{};
    local.tm_year = 2002 - 1900;
    local.tm_mon = 5;
    local.tm_mday = 16;
    local.tm_hour = 5;
    const ClockReading clock = ClockReadingAt(1024183800.25, local);
    EXPECT_EQ(UtcToday(clock), DateFromCalendar(2002, 6, 15));
    // A day value holds about 1e-11 d; a quarter second is 2.9e-6 d.
    EXPECT_NEAR(UtcTimeOfDay(clock) * 86400, 23.5 * 3600 + 0.25, 1e-4);
    EXPECT_NEAR(clock.localNow - DateFromCalendar(2002, 6, 16), (5 * 3600 + 0.25) / 86400, 1e-9);
    // The offset is whole seconds, the fraction of the second cancelling out.
    const double offsetSeconds = SetTimeZone(false, clock).UtcOffset * 86400;
    EXPECT_NEAR(offsetSeconds, -5.5 * 3600, 1e-4);
    EXPECT_EQ(SetTimeZone(false, clock).PredictionDate, DateFromCalendar(2002, 6, 16));
}

} // namespace
