#include "core/Dates.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

/// The positions of year, month and day among the three numbers of a date text.
struct FieldOrder {
    int year;
    int month;
    int day;
};

FieldOrder FieldsOf(DateOrder order) {
    switch (order) {
    case DateOrder::DayMonthYear:
        return {2, 1, 0};
    case DateOrder::MonthDayYear:
        return {2, 0, 1};
    case DateOrder::YearMonthDay:
        break;
    }
    return {0, 1, 2};
}

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    if (text.size() < 2)
        text.insert(0, 2 - text.size(), '0');
    return text;
}

/// The two-digit number at `pos`, or -1.
int TwoDigitNumber(std::string_view text, std::size_t pos) {
    const char a = text[pos];
    const char b = text[pos + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return -1;
    return (a - '0') * 10 + (b - '0');
}

/// The calendar day a valid date text names.
std::optional<CalendarDay> DayOfText(std::string_view text, const DateConventions& dates) {
    if (text.size() != 8)
        return std::nullopt;
    const int numbers[3] = {TwoDigitNumber(text, 0), TwoDigitNumber(text, 3),
                            TwoDigitNumber(text, 6)};
    for (int n : numbers)
        if (n < 0)
            return std::nullopt;
    const FieldOrder f = FieldsOf(dates.order);
    const CalendarDay day{ExpandTwoDigitYear(numbers[f.year]), numbers[f.month], numbers[f.day]};
    if (CalendarDate(JulianDayNumber(day.year, day.month, day.day)) != day)
        return std::nullopt;
    return day;
}

} // namespace

DateOrder DateOrderFromFormat(std::string_view shortDateFormat) {
    char first = 0;
    char last = 0;
    for (char c : shortDateFormat) {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (!first)
                first = upper;
            last = upper;
        }
    }
    if (first == 'D' && last == 'Y')
        return DateOrder::DayMonthYear;
    if (first == 'M' && last == 'Y')
        return DateOrder::MonthDayYear;
    return DateOrder::YearMonthDay;
}

std::string DateFormatText(const DateConventions& dates) {
    const char* letters = "YYMMDD";
    if (dates.order == DateOrder::DayMonthYear)
        letters = "DDMMYY";
    else if (dates.order == DateOrder::MonthDayYear)
        letters = "MMDDYY";
    std::string text(letters);
    text.insert(4, 1, dates.separator);
    text.insert(2, 1, dates.separator);
    return text;
}

std::string DateHint(const DateConventions& dates) {
    return "Enter date in " + DateFormatText(dates) + " format";
}

std::string BlankDateText(const DateConventions& dates) {
    return std::string("__") + dates.separator + "__" + dates.separator + "__";
}

int ExpandTwoDigitYear(int year) {
    if (year >= 0 && year <= 44)
        return year + 2000;
    if (year >= 45 && year <= 99)
        return year + 1900;
    return year;
}

long JulianDayNumber(int year, int month, int day) {
    const long y = year;
    const long m = month;
    return 367 * y + (275 * m) / 9 + day - (7 * (y + (m + 9) / 12)) / 4 + 1721014;
}

CalendarDay CalendarDate(long julianDay) {
    long j = julianDay;
    if (j > 2299160) {
        const long alpha = static_cast<long>(std::trunc((j - 1867216.25) / 36524.25));
        j = j + 1 + alpha - alpha / 4;
    }
    const long b = j + 1524;
    const long c = static_cast<long>(std::trunc((b - 122.1) / 365.25));
    const long d = static_cast<long>(std::trunc(365.25 * c));
    const long e = static_cast<long>(std::trunc((b - d) / 30.6001));
    CalendarDay result;
    result.day = static_cast<int>(b - d - static_cast<long>(std::trunc(30.6001 * e)));
    result.month = static_cast<int>(e < 13.5 ? e - 1 : e - 13);
    result.year = static_cast<int>(result.month > 2.5 ? c - 4716 : c - 4715);
    return result;
}

DateValue DateFromCalendar(int year, int month, int day) {
    return static_cast<DateValue>(JulianDayNumber(year, month, day) - kJulianDayOfDateZero);
}

CalendarDay CalendarFromDate(DateValue date) {
    if (!std::isfinite(date) || std::fabs(date) > 1e8)
        date = 0.0;
    return CalendarDate(static_cast<long>(std::floor(date)) + kJulianDayOfDateZero);
}

bool IsValidDateText(std::string_view text, const DateConventions& dates) {
    return DayOfText(text, dates).has_value();
}

std::optional<DateValue> ParseDateText(std::string_view text, const DateConventions& dates) {
    const auto day = DayOfText(text, dates);
    if (!day)
        return std::nullopt;
    return DateFromCalendar(day->year, day->month, day->day);
}

CheckResult CheckDateText(std::string_view text, const DateConventions& dates) {
    if (IsValidDateText(text, dates))
        return {true, {}};
    return {false, ErrorMessage("Invalid date")};
}

std::string FormatDateText(bool fourDigitYear, DateValue date, const DateConventions& dates) {
    const CalendarDay day = CalendarFromDate(date);
    const std::string year =
        fourDigitYear ? std::to_string(day.year) : TwoDigits(((day.year % 100) + 100) % 100);
    const std::string month = TwoDigits(day.month);
    const std::string dd = TwoDigits(day.day);
    const std::string sep(1, dates.separator);
    switch (dates.order) {
    case DateOrder::DayMonthYear:
        return dd + sep + month + sep + year;
    case DateOrder::MonthDayYear:
        return month + sep + dd + sep + year;
    case DateOrder::YearMonthDay:
        break;
    }
    return year + sep + month + sep + dd;
}

std::string IsoDateText(DateValue date) {
    const CalendarDay day = CalendarFromDate(date);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
    return text;
}
