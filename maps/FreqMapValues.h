#pragma once

#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/Geometry.h"
#include "core/SolarPosition.h"
#include "engine/KxPdRousMuf.h"
#include "maps/FreqMapCells.h"
#include "settings/Settings.h"

// The value of every cell of the frequency map: the short-path MUF from the station to
// the cell's centre at one instant, by the engine's own hop geometry and path MUF, and
// the class of the highest listed frequency that does not exceed it.

/// The frequencies a frequency map shows, highest first, and the class of each value.
struct FreqMapSlots {
    std::vector<std::string> texts; ///< 0..7 frequency texts, as typed ("21.2")
    std::vector<float> mhz;         ///< the same as numbers
    /// The frequencies came from the user's list (not the built-in one).
    bool fromUserList = false;
    /// Classes 1..count() are the slots; count() + 1 is "no listed frequency".
    int count() const { return static_cast<int>(texts.size()); }
    int classCount() const { return count() + 1; }
};

/// The slots of the settings' frequency list: its last min(N, 7) entries in reverse
/// order (so the highest frequency first when the list is ascending), or the built-in
/// list 28.3, 21.2, 18.1, 14.1, 10.1, 7.1, 3.5 when the user's list is empty.
FreqMapSlots MakeFreqMapSlots(const Settings& settings);

/// The class of a MUF (MHz): the first slot whose frequency is not above it (1-based),
/// else classCount() for no listed frequency. A MUF equal to a frequency takes its class.
int FreqMapClass(const FreqMapSlots& slots, float mufMHz);

/// What every cell's path reads: the station, the date, the solar and geomagnetic
/// indices and the settings' minimum take-off angle.
struct FreqMapConditions {
    GeoLatLon station; ///< terminal A, radians, longitude west positive
    int month = 1;
    int day = 1;
    int kIndex = -1; ///< −1: the average K index
    float ssn = 0.0f;
    double minElevationRad = 0.0;
    SolarPosition sun; ///< ComputeSolarPosition for the map date
};

/// The conditions from terminal A's reals, the map date, the sunspot number, the K
/// index text ("" or "-1" for the average) and the minimum angle in radians.
FreqMapConditions MakeFreqMapConditions(const Terminal& station, DateValue date, float ssn,
                                        const std::string& kIndexText, double minElevationRad,
                                        const SolarPosition& sun);

/// The time-independent part of the path to one cell, prepared once so that many
/// instants cost only the path MUF itself.
struct FreqMapCellPath {
    bool vertical = false; ///< the centre coincides with A or is antipodal to it
    PathSetup setup;
    ControlPoints points;
};

/// The paths from the station to every cell's centre: length D = CentralAngle and the
/// bearing at A = InitialBearing; hop count, control points and their day-long layer
/// terms from the engine. The paths point at `conditions.sun`: keep the conditions
/// alive and in place while they are used.
FreqMapCellPath PrepareFreqMapPath(const FreqMapConditions& conditions, const FreqMapCell& cell);
std::vector<FreqMapCellPath> PrepareFreqMapPaths(const FreqMapConditions& conditions,
                                                 const std::vector<FreqMapCell>& cells);

/// The MUF (MHz) of one prepared path at utHours UTC (0 ≤ t < 24, any instant): the
/// engine's PathMuf of the short path, without reliabilities; for a centre on A or
/// on its antipode the vertical-incidence value max(E-layer MUF, F2 MUF) at A with
/// elevation 90°.
float FreqMapPathMuf(const FreqMapConditions& conditions, const FreqMapCellPath& path,
                     float utHours);

/// The MUF of every cell at utHours UTC, in the cells' order, into `mufs`.
void FreqMapMufs(const FreqMapConditions& conditions, const std::vector<FreqMapCellPath>& paths,
                 float utHours, std::vector<float>& mufs);

/// The MUF of every cell at one instant, each path prepared and evaluated in turn
/// (nothing as large as all the prepared paths is held at once).
void FreqMapMufsAt(const FreqMapConditions& conditions, const std::vector<FreqMapCell>& cells,
                   float utHours, std::vector<float>& mufs);

/// The class of every MUF (FreqMapClass), in order.
std::vector<int> FreqMapClasses(const FreqMapSlots& slots, const std::vector<float>& mufs);
