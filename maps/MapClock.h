#pragma once

#include <optional>
#include <string>

#include "core/Dates.h"
#include "core/TimeZone.h"

// The date and time a map shows, as the map windows step them or follow the clock.
// The user sees a date and a four-digit time in their time zone (UTC or local).

/// A map's date (whole days, in the user's time zone) and four-digit time "HHMM".
struct MapTime {
    DateValue date = 0.0;
    std::string timeText = "0000";
};

/// The map time for "now": the date is today (the UTC date when UTC is in use and a
/// default terminal is defined, else the local date); the time is the clock time
/// shown to the user, FormatHHMM of the day fraction of (UT now − UtcOffset).
MapTime MapTimeNow(const ClockReading& clock, const TimeZoneState& zone, bool useUtc,
                   bool defaultDefined);

/// The instant a map time stands for, in UT.
struct MapInstant {
    DateValue utDate = 0.0; ///< the UT calendar day (whole days)
    double utHours = 0.0;   ///< 0 ≤ t < 24
    DateValue utc = 0.0;    ///< utDate + utHours/24
};

/// UT = date + time − UtcOffset: a local evening past UTC midnight falls on the next UT
/// day, a local morning before it on the previous one. nullopt for a time text that is
/// not four digits 0000..2359.
std::optional<MapInstant> MapInstantOf(const MapTime& time, double utcOffsetDays);
