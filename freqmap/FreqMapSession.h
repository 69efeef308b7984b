#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/SolarPosition.h"
#include "core/Terminal.h"
#include "core/TimeZone.h"
#include "freqmap/FreqMapCells.h"
#include "freqmap/FreqMapValues.h"
#include "maps/MapDisplay.h"
#include "maps/NightMask.h"
#include "maps/StationMapRequest.h"
#include "settings/Settings.h"

// One frequency map as the display computes it: the station and indices the dialog
// gave, at the map's date and time. The display keeps its own copy of everything:
// nothing here reads or writes the current prediction.

/// The instant a map date and time stand for, in UT.
struct MapInstant {
    DateValue utDate = 0.0; ///< the UT calendar day (whole days)
    double utHours = 0.0;   ///< 0 ≤ t < 24
};

/// UT = date + time − UtcOffset (the date in the user's time zone, the time "HHMM" as
/// the user sees it): a local evening past UTC midnight falls on the next UT day, a
/// local morning before it on the previous one. nullopt for a time text that is not
/// four digits 0000..2359.
std::optional<MapInstant> MapInstantOf(const MapClock& time, double utcOffsetDays);

/// Everything one drawing of the map shows.
struct FreqMapComputed {
    bool ok = false;
    std::string problem; ///< when not ok: why (a bad time or solar index)
    FreqMapSlots freqSlots;
    MapInstant instant;
    SolarPosition sun;      ///< for the UT day of the map
    SolarPosition shownSun; ///< for the map date in the user's zone (sunrise and sunset)
    float ssn = 0.0f;
    float flux = 0.0f;
    SubsolarPoint subsolar;
    std::vector<FreqMapCell> cells;
    std::vector<float> mufs;
    std::vector<int> classes;
};

/// Computes the map at `time` for a map image of width × height: the cells of the
/// settings' resolution over FreqMapArea around the central meridian `centreLonDeg`,
/// each cell's MUF at the UT instant of the map time and its class among the slots of
/// the settings' frequency list.
FreqMapComputed ComputeFreqMap(const StationMapRequest& request, const MapClock& time,
                               const Settings& settings, const TimeZoneState& zone, int width,
                               int height, double centreLonDeg);
