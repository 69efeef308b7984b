#pragma once

#include <ctime>
#include <string>

#include "core/Dates.h"

/// A reading of the system clock: the same instant as a UTC and as a local
/// date-time value. The window layer reads it; tests make one up.
struct ClockReading {
    DateValue utcNow = 0.0;
    DateValue localNow = 0.0;
};

/// The clock now (UTC and local time of this machine): ClockReadingAt for the system
/// clock's instant and its local time.
ClockReading ReadSystemClock();

/// The reading of one instant: `unixSeconds` since 1970-01-01 00:00 UTC, and the local
/// calendar date and time of the same instant in whole seconds (as localtime_r gives
/// it); the fraction of a second of `unixSeconds` is carried into the local time too.
ClockReading ClockReadingAt(double unixSeconds, const std::tm& localTime);

/// Today's UTC date (whole days).
DateValue UtcToday(const ClockReading& clock);
/// The UTC date and time.
DateValue UtcNow(const ClockReading& clock);
/// The UTC time of day as a day fraction, 0 ≤ x < 1.
double UtcTimeOfDay(const ClockReading& clock);

/// Whether times are entered and shown in UTC or in the user's local time (ULT),
/// and what follows from it. A displayed clock time is UTC − UtcOffset.
struct TimeZoneState {
    bool utc = true;
    double UtcOffset = 0.0;            ///< UTC minus local time, days; 0 in UTC mode
    std::string TimeZoneLabel = "UTC"; ///< "UTC" or "ULT", appended to displayed times
    DateValue PredictionDate = 0.0;    ///< the date of the prediction
};

/// The time-zone state for the chosen mode. UTC: PredictionDate = UtcToday,
/// UtcOffset = 0, label "UTC". Local: PredictionDate = today's local date,
/// UtcOffset = utcNow − localNow (days), label "ULT".
TimeZoneState SetTimeZone(bool utc, const ClockReading& clock);
