#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/UserMessage.h"

/// A date-time value: days since 1899-12-30 00:00, the time of day as the fraction
/// (2000-01-01 12:00 is 36526.5). Whole days are calendar dates.
using DateValue = double;

/// The Julian day number of day 0 of DateValue (1899-12-30).
constexpr long kJulianDayOfDateZero = 2415019;

/// The order of day, month and year in date texts.
enum class DateOrder { YearMonthDay, DayMonthYear, MonthDayYear };

/// The date conventions, fixed once at start-up from the system's short date
/// format (SystemDateConventions reads them from the locale, for the windows and the
/// command line alike).
struct DateConventions {
    DateOrder order = DateOrder::YearMonthDay;
    char separator = '/';
};

/// The order from a short date format such as "M/d/yy" or "dd.MM.yyyy": first
/// letter D and last Y gives day-month-year, first M and last Y month-day-year,
/// first Y and last D year-month-day, anything else year-month-day. Letters are
/// compared without case.
DateOrder DateOrderFromFormat(std::string_view shortDateFormat);

/// "YYMMDD", "DDMMYY" or "MMDDYY" with the separator after the second and the
/// fourth letter, e.g. "MM/DD/YY".
std::string DateFormatText(const DateConventions& dates);

/// "Enter date in " + DateFormatText + " format", the hint of every date field.
std::string DateHint(const DateConventions& dates);

/// "__" + separator + "__" + separator + "__".
std::string BlankDateText(const DateConventions& dates);

/// A two-digit year: 00-44 are 2000-2044, 45-99 are 1945-1999; other values are
/// returned unchanged.
int ExpandTwoDigitYear(int year);

/// 367·y + (275·m) div 9 + d − (7·(y + (m + 9) div 12)) div 4 + 1721014 (integer
/// arithmetic, truncating division). Exact for the Gregorian dates of 1901-2099.
long JulianDayNumber(int year, int month, int day);

/// A calendar date.
struct CalendarDay {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CalendarDay&) const = default;
};

/// The calendar date of a Julian day number (Gregorian after 2299160, Julian
/// before), by the Fliegel-style integer algorithm.
CalendarDay CalendarDate(long julianDay);

/// The DateValue of a calendar date (JulianDayNumber − kJulianDayOfDateZero).
DateValue DateFromCalendar(int year, int month, int day);

/// The calendar date of a DateValue (its whole days).
CalendarDay CalendarFromDate(DateValue date);

/// The calendar date of a DateValue as "YYYY-MM-DD" (ISO 8601).
std::string IsoDateText(DateValue date);

/// True when the text is exactly 8 characters whose characters 1-2, 4-5 and 7-8
/// are two-digit numbers in the conventions' order forming a real calendar date
/// (two-digit year rule; rejects month 13, 30 February and the like). Characters
/// 3 and 6 are the separators and are not examined.
bool IsValidDateText(std::string_view text, const DateConventions& dates);

/// The calendar day of a date text; nullopt when IsValidDateText rejects it.
std::optional<DateValue> ParseDateText(std::string_view text, const DateConventions& dates);

/// The date check of the date fields: ok, or "Invalid date" with the alert.
CheckResult CheckDateText(std::string_view text, const DateConventions& dates);

/// Two-digit month, two-digit day and the year (two digits, or four when
/// fourDigitYear) in the conventions' order with their separator, e.g. "06/15/02"
/// or "06/15/2002" in month-day-year order. At most 10 characters.
std::string FormatDateText(bool fourDigitYear, DateValue date, const DateConventions& dates);
