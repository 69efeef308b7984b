#include "freqmap/FreqMapSession.h"

#include "core/Syntax.h"
#include "core/VectorState.h"
#include "engine/Propagation.h"

#include "freqmap/FreqMapRender.h"
#include <cmath>

std::optional<MapInstant> MapInstantOf(const MapClock& time, double utcOffsetDays) {
    if (!IsValidHHMM(time.timeText))
        return std::nullopt;
    const std::optional<double> hours = HHMMToHours(time.timeText);
    if (!hours || *hours >= 24.0)
        return std::nullopt;
    // Whole minutes, so that an offset read from the clock never shifts the day.
    const double minutes =
        std::round((std::floor(time.date) + *hours / 24.0 + utcOffsetDays) * 1440.0);
    MapInstant instant;
    instant.utDate = std::floor(minutes / 1440.0);
    instant.utHours = (minutes - instant.utDate * 1440.0) / 60.0;
    return instant;
}

FreqMapComputed ComputeFreqMap(const StationMapRequest& request, const MapClock& time,
                               const Settings& settings, const TimeZoneState& zone, int width,
                               int height, double centreLonDeg) {
    FreqMapComputed c;
    c.freqSlots = MakeFreqMapSlots(settings);
    const std::optional<MapInstant> instant = MapInstantOf(time, zone.UtcOffset);
    if (!instant) {
        c.problem = "Please enter a four-digit time between 0000 and 2359.";
        return c;
    }
    c.instant = *instant;
    c.sun = ComputeSolarPosition(c.instant.utDate, TimeZoneState{});
    c.shownSun = ComputeSolarPosition(time.date, zone);
    const std::optional<SolarIndexValues> solar = ConvertSolarIndex(request.solarIndexText, c.sun);
    if (!solar) {
        c.problem = "You must enter a solar flux or sunspot number";
        return c;
    }
    c.ssn = solar->Ssn;
    c.flux = solar->Flux;
    c.subsolar = SubsolarPointAt(c.instant.utDate, c.instant.utHours);
    const FreqMapResolution resolution =
        settings.HighResFreqMap ? FreqMapResolution::High : FreqMapResolution::Low;
    c.cells = FreqMapLayout(resolution, FreqMapArea(width, height), centreLonDeg);
    const StationConditions conditions =
        MakeStationConditions(request.station, c.instant.utDate, c.ssn, request.kIndexText,
                              settings.MinRadiationAngleRad, c.sun);
    ClearUpperVectorState();
    FreqMapValuesAt values =
        std::move(ComputeFreqMapValues(conditions, c.freqSlots, c.cells, {c.instant.utHours})[0]);
    c.mufs = std::move(values.mufs);
    c.classes = std::move(values.classes);
    c.ok = true;
    return c;
}
