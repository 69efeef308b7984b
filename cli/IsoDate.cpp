#include "cli/IsoDate.h"

#include <cctype>

std::optional<DateValue> ParseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
    const int year = std::stoi(text.substr(0, 4));
    const int month = std::stoi(text.substr(5, 2));
    const int day = std::stoi(text.substr(8, 2));
    // The round trip through the day number refuses 31 April and years outside 1901-2099.
    if (year < 1901 || year > 2099 ||
        CalendarDate(JulianDayNumber(year, month, day)) != CalendarDay{year, month, day})
        return std::nullopt;
    return DateFromCalendar(year, month, day);
}
