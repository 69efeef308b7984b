#include "core/TimeZone.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

/// DateValue of 1970-01-01 00:00.
constexpr double kUnixEpochDate = 25569.0;
constexpr double kSecondsPerDay = 86400.0;

} // namespace

ClockReading ReadSystemClock() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const double seconds = duration<double>(now.time_since_epoch()).count();
    const std::time_t whole = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&whole, &local);
    return ClockReadingAt(seconds, local);
}

ClockReading ClockReadingAt(double unixSeconds, const std::tm& localTime) {
    ClockReading clock;
    clock.utcNow = kUnixEpochDate + unixSeconds / kSecondsPerDay;
    const double fraction = unixSeconds - std::floor(unixSeconds);
    clock.localNow =
        DateFromCalendar(localTime.tm_year + 1900, localTime.tm_mon + 1, localTime.tm_mday) +
        (localTime.tm_hour * 3600.0 + localTime.tm_min * 60.0 + localTime.tm_sec + fraction) /
            kSecondsPerDay;
    return clock;
}

DateValue UtcToday(const ClockReading& clock) {
    return std::floor(clock.utcNow);
}

DateValue UtcNow(const ClockReading& clock) {
    return clock.utcNow;
}

double UtcTimeOfDay(const ClockReading& clock) {
    return clock.utcNow - std::floor(clock.utcNow);
}

TimeZoneState SetTimeZone(bool utc, const ClockReading& clock) {
    TimeZoneState zone;
    zone.utc = utc;
    if (utc) {
        zone.PredictionDate = UtcToday(clock);
        zone.UtcOffset = 0.0;
        zone.TimeZoneLabel = "UTC";
    } else {
        zone.PredictionDate = std::floor(clock.localNow);
        // Whole seconds: the two readings of one instant differ by the zone offset only.
        zone.UtcOffset =
            std::round((clock.utcNow - clock.localNow) * kSecondsPerDay) / kSecondsPerDay;
        zone.TimeZoneLabel = "ULT";
    }
    return zone;
}
