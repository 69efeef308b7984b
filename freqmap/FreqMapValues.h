#pragma once

#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/Geometry.h"
#include "core/SolarPosition.h"
#include "engine/Propagation.h"
#include "freqmap/FreqMapCells.h"
#include "settings/Settings.h"

// The value of every cell of the frequency map: the short-path MUF from the station to
// the cell's centre at one instant, by the engine's own path MUF, and the class of the
// highest listed frequency that does not exceed it.

/// The frequencies a frequency map shows, highest first, and the class of each value.
struct FreqMapSlots {
    std::vector<std::string> texts; ///< 0..7 frequency texts, as typed ("21.2")
    std::vector<float> mhz;         ///< the same as numbers
    /// The frequencies came from the user's list (not the built-in one).
    bool fromUserList = false;
    /// The user's frequencies the map has no room for (the first ones of the list, in
    /// its order): a map shows at most seven.
    std::vector<std::string> leftOut;
    /// Classes 1..count() are the slots; count() + 1 is "no listed frequency".
    int count() const { return static_cast<int>(texts.size()); }
    int classCount() const { return count() + 1; }
};

/// The slots of the settings' frequency list: its last min(N, 7) entries in reverse
/// order (so the highest frequency first when the list is ascending), or the built-in
/// list 28.3, 21.2, 18.1, 14.1, 10.1, 7.1, 3.5 when the user's list is empty. The
/// entries before those seven go into `leftOut`.
FreqMapSlots MakeFreqMapSlots(const Settings& settings);

/// The class of a MUF (MHz): the first slot whose frequency is not above it (1-based),
/// else classCount() for no listed frequency. A MUF equal to a frequency takes its class.
int FreqMapClass(const FreqMapSlots& slots, float mufMHz);

/// The MUF and the class of every cell at one UT instant, in the cells' order.
struct FreqMapValuesAt {
    double utHours = 0.0;     ///< 0 ≤ t < 24
    std::vector<float> mufs;  ///< per cell, MHz
    std::vector<int> classes; ///< per cell, 1..classCount
};

/// The frequency map's values: the short-path MUF from the station to every cell's
/// centre (the engine's PointPath, prepared once per cell) at each of the UT instants
/// `utHours`, and each MUF's class among `slots`. The window and hopscope-cli both
/// compute their maps here.
std::vector<FreqMapValuesAt> ComputeFreqMapValues(const StationConditions& conditions,
                                                  const FreqMapSlots& slots,
                                                  const std::vector<FreqMapCell>& cells,
                                                  const std::vector<double>& utHours);

/// The short paths from the station to every cell's centre, built in place. They
/// point at `conditions`: keep them alive and in place while the paths are used.
std::vector<PointPath> PrepareFreqMapPaths(const StationConditions& conditions,
                                           const std::vector<FreqMapCell>& cells);

/// The class of every MUF (FreqMapClass), in order.
std::vector<int> FreqMapClasses(const FreqMapSlots& slots, const std::vector<float>& mufs);
