#pragma once

#include "core/Dates.h"
#include "core/TimeZone.h"
#include "maps/StationMapRequest.h"
#include "settings/Settings.h"

struct AppState;
struct Atlas;
struct CountryFileLoad;
struct StationDayFields;
class TimeEdit;

/// What a station map's dialog (frequency map, coverage map) starts from: the current
/// prediction's terminal A, date and indices, and the program's settings, atlas, date
/// order and time zone.
struct StationMapInput {
    StationMapRequest previous; ///< station, date, solar and K index texts (time unused)
    Settings settings;
    const Atlas* atlas = nullptr;
    DateConventions dates;
    TimeZoneState zone;
    ClockReading clock; ///< "now" for the time field
    /// The country file that places callsigns; not owned, may be null.
    const CountryFileLoad* countries = nullptr;
};

/// The dialogs' start from the program's state: the current prediction's terminal A,
/// date and indices, the settings, atlas, date order, time zone and clock.
StationMapInput StationMapInputOf(const AppState& state);

/// Starts a station map dialog's fields from `input`: terminal A (when a default
/// terminal is set), the date, the solar and K index texts, and the clock's time of day
/// in the user's zone.
void FillStationMapFields(const StationDayFields& fields, TimeEdit* time,
                          const StationMapInput& input);
