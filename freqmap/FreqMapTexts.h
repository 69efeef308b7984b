#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/SolarPosition.h"
#include "core/Terminal.h"
#include "core/TimeZone.h"
#include "freqmap/FreqMapValues.h"

// The words of the frequency map: the two title rows, the legend, the info panel
// beside the map, a cell's readout and the status-line texts.

/// The status-line text while the map can be clicked.
inline constexpr const char* kFreqMapClickHint =
    "Click an area in the map to identify the highest available frequency in that area";

/// The two centred rows above the map: for a single user frequency the rows that say
/// it is shown where it is below the short-path MUF, otherwise the rows about the
/// highest available frequency.
std::array<std::string, 2> FreqMapTopText(const FreqMapSlots& slots);

/// Nothing when every frequency of the user's list is on the map; otherwise what was
/// left out: "The map shows 7 frequencies: 1.8 and 3.5 MHz (the first 2 of your 9) are
/// left out".
std::string FreqMapLeftOutNote(const FreqMapSlots& slots);

/// The legend's title: "Frequency in MHz" for a single user frequency, else
/// "Available Frequencies (MHz)".
std::string FreqMapLegendTitle(const FreqMapSlots& slots);

/// The text under legend box `klass` (1..classCount): the frequency, or for the last
/// class "< " + the lowest listed frequency ("< " alone when there is none).
std::string FreqMapLegendLabel(const FreqMapSlots& slots, int klass);

/// What a click on a cell of class `klass` tells: the frequency + " MHz", or
/// "< " + the lowest listed frequency + " MHz" for no listed frequency; with the cell's
/// MUF (MHz, one decimal) after it when given: "21.2 MHz, MUF 25.4 MHz".
std::string FreqMapReadout(const FreqMapSlots& slots, int klass,
                           std::optional<double> mufMHz = std::nullopt);

/// The dot pattern (1..8) of class `klass`: the class itself, or 2g − 1 when the
/// user's list holds 1 to 4 frequencies (patterns 1, 3, 5, 7), and 8 (black) for no
/// listed frequency.
int FreqMapPatternOf(const FreqMapSlots& slots, int klass);

/// Pixel (x, y) of dot pattern `pattern` (1..8), repeated every 8 pixels from the
/// bitmap's corner: true where it is lit (cyan), false where it is black.
bool FreqMapPatternLit(int pattern, int x, int y);

/// One row of the info panel: a label at the left margin, a value at the right.
struct InfoRow {
    int row = 0; ///< 0..10, the row number of the panel
    std::string label;
    std::string value;
};

/// The info panel's rows: From (A's name), Latitude, Longitude, Date (two-digit
/// year), Sunrise and Sunset at A, Sunspot Number, Solar Flux, K Index ("Average"
/// for "" or "-1").
std::vector<InfoRow> FreqMapInfoRows(const Terminal& a, DateValue date, float ssn, float flux,
                                     const std::string& kIndexText, const SolarPosition& sun,
                                     const TimeZoneState& zone, const DateConventions& dates);
