#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/SolarPosition.h"
#include "core/TimeZone.h"
#include "maps/MapOverlays.h"
#include "settings/Settings.h"

// What the map display window shows besides the map: its captions, the availability
// check, the layout, the text panels and the clock arithmetic.

/// The two map kinds.
enum class MapKind { Rectangular = 0, GreatCircle = 1 };

/// "Hopscope Rectangular Map" or "Hopscope Great Circle Map".
std::string MapCaption(MapKind kind);

/// Why a map cannot be shown: no default terminal, or one whose coordinates do not read
/// as a place ("Map file ... not found": no base map can be drawn for it). nullopt when
/// it can: a base map that is missing, stale or cannot be saved is drawn in memory
/// (CurrentBaseMap).
std::optional<std::string> MapUnavailableText(const Settings& settings, MapKind kind);

/// Where everything goes in the display window (pixels).
struct MapDisplayLayout {
    int lineUnit = 0;   ///< row height of the text panels
    int mapSize = 0;    ///< odd width of the map image
    int half = 0;       ///< mapSize div 2
    int discRadius = 0; ///< great-circle map only
    int imageWidth = 0; ///< the map image
    int imageHeight = 0;
    int imageLeft = 0; ///< right-aligned in the client area
    int imageTop = 0;
    double topOffset = 0.0; ///< rows of the top panel and the buttons shift by this
    int buttonTop = 0;      ///< the Now / New Date / New Time row
};

/// The layout for a client area (status bar excluded from `clientHeight`); the screen's
/// size does not enter, so the map follows the window when it is resized. The map width
/// is the smallest odd number above round(clientWidth·355/640); a great-circle map is
/// also kept within the client height; a rectangular map is twice as wide as high
/// (height odd, width 2·height − 1 at most), kept within the space below the top panel.
MapDisplayLayout ComputeMapDisplayLayout(MapKind kind, int screenWidth, int screenHeight,
                                         int clientWidth, int clientHeight);

/// One row of a text panel: its number, its text, and how many leading characters are
/// drawn bold (the whole row for a heading).
struct PanelRow {
    int row = 0;
    std::string text;
    std::size_t boldLength = 0;
};

/// The two terminals and paths a map shows, with the sun for the sunrise columns.
struct MapPathView {
    MapPaths paths;
    SolarPosition sun;
    TimeZoneState zone;
};

/// The side panel: coordinates, sunrise and sunset, grey-line bearings, bearings and
/// path lengths of both terminals and paths.
std::vector<PanelRow> SidePanelRows(const MapPathView& view);

/// The top panel's two rows: "<A name> (A) to <B name> (B)" and the date with a
/// four-digit year.
std::vector<std::string> TopPanelRows(const Terminal& a, const Terminal& b, DateValue date,
                                      const DateConventions& dates);

/// "This map is centered on " + the default terminal's name, latitude and (unless it
/// is a pole, |lat| ≥ 89.995) longitude, each coordinate with its hemisphere letter.
std::string CenteredOnText(const Settings& settings);

/// The hours after midnight of a four-digit time text "hhmm"; nullopt if not a time.
std::optional<double> MapTimeHours(const std::string& timeText);

/// The subsolar point at a local date and time: the instant is date + hours/24 +
/// UtcOffset (UT), so a local evening past UTC midnight falls on the next UTC day.
SubsolarPoint MapSubsolarPoint(DateValue localDate, double localHours, const TimeZoneState& zone);

/// The Sun of a map date in the user's time zone (sunrise and sunset of the side panel):
/// the classic engine's solar position of that day.
SolarPosition MapDaySun(DateValue localDate, const TimeZoneState& zone);

/// "Now" for the map: the date (the UT date when UseUtc is set and a default terminal is
/// defined, else the local date) and the four-digit time of UT now − UtcOffset.
struct MapClock {
    DateValue date = 0.0;
    std::string timeText;
};
MapClock MapNow(const ClockReading& clock, const Settings& settings, const TimeZoneState& zone);

/// The auto-update interval in milliseconds: MapUpdateMinutes clamped to 1..60.
int MapUpdateIntervalMs(const Settings& settings);
