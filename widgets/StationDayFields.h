#pragma once

#include "core/Dates.h"
#include "core/Terminal.h"
#include "settings/Settings.h"
#include "widgets/DayAndIndexFields.h"
#include "widgets/DialogServices.h"

#include <optional>
#include <string>

class QWidget;
class StatusLine;
class TerminalGroup;
struct Atlas;
struct CountryFileLoad;

/// What the station-and-day fields start from: the settings and atlas that resolve the
/// terminal, the country file that places callsigns (not owned, may be null) and the
/// user's date order.
struct StationDayContext {
    const Settings* settings = nullptr;
    const Atlas* atlas = nullptr;
    const CountryFileLoad* countries = nullptr;
    DateConventions dates;
};

/// The station (terminal A), date, solar index, K index and "Solar Data" fields that the
/// windows asking for one station and one day share. The owner lays them out; the
/// terminal hands the focus to the date when done and takes it back when asked.
struct StationDayFields {
    TerminalGroup* terminal = nullptr;
    DateEdit* date = nullptr;
    SolarIndexEdit* solar = nullptr;
    KIndexEdit* kIndex = nullptr;
    SolarDataButton* solarData = nullptr;

    DayAndIndexFields day() const { return {date, solar, kIndex}; }
};

/// The fields, children of `owner`. The "Solar Data" button is made by
/// MakeStationSolarDataButton, so that each window keeps its own order of children.
StationDayFields MakeStationDayFields(QWidget* owner, const StationDayContext& context,
                                      StatusLine* statusLine);
void MakeStationSolarDataButton(StationDayFields& fields, const DateConventions& dates,
                                StatusLine* statusLine, QWidget* owner);

/// Hands the atlas search to the terminal.
void SetStationDayAtlasPicker(const StationDayFields& fields, const AtlasPicker& picker);
/// Serves "Solar Data"; with the user's choice it fetches the figures at once.
void SetStationDaySolarSource(const StationDayFields& fields, const SolarDataSource& source);

/// The station, day and index texts as the user left them.
struct StationDayValues {
    Terminal station;
    DateValue date = 0.0;
    std::string solarIndexText; ///< at most 6 characters
    std::string kIndexText;     ///< at most 2 characters
};

/// Resolves the terminal and checks the date and the two indices, in that order; the
/// first that fails keeps the focus and nothing is returned. A date the fields cannot
/// read falls back to `fallbackDate`.
std::optional<StationDayValues> ReadStationDayFields(const StationDayFields& fields,
                                                     const DateConventions& dates,
                                                     DateValue fallbackDate);
