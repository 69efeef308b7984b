#include "maps/MapClock.h"

#include <cmath>

#include "core/Numeric.h"
#include "core/Syntax.h"

MapTime MapTimeNow(const ClockReading& clock, const TimeZoneState& zone, bool useUtc,
                   bool defaultDefined) {
    MapTime t;
    t.date = useUtc && defaultDefined ? std::floor(clock.utcNow) : std::floor(clock.localNow);
    const DateValue shown = clock.utcNow - zone.UtcOffset;
    t.timeText = FormatHHMM(shown - std::floor(shown));
    return t;
}

std::optional<MapInstant> MapInstantOf(const MapTime& time, double utcOffsetDays) {
    if (!IsValidHHMM(time.timeText))
        return std::nullopt;
    const std::optional<double> hours = HHMMToHours(time.timeText);
    if (!hours || *hours >= 24.0)
        return std::nullopt;
    MapInstant instant;
    const double minutes =
        std::round((std::floor(time.date) + *hours / 24.0 + utcOffsetDays) * 1440.0);
    instant.utDate = std::floor(minutes / 1440.0);
    instant.utHours = (minutes - instant.utDate * 1440.0) / 60.0;
    instant.utc = instant.utDate + instant.utHours / 24.0;
    return instant;
}
