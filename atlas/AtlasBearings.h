#pragma once

#include "atlas/Atlas.h"
#include "core/Geometry.h"

#include <optional>
#include <string>
#include <vector>

/// The short great-circle path from one point to one atlas entry, as the bearings
/// table shows it.
struct EntryBearing {
    AtlasEntry entry;
    /// The entry's latitude and longitude texts could be read (ParseCoordinate).
    bool located = false;
    double latitudeDeg = 0.0;  ///< north positive; 0 when not located
    double longitudeDeg = 0.0; ///< WEST positive; 0 when not located
    /// How InitialBearing came out (Indeterminate also when the entry is not located).
    BearingStatus status = BearingStatus::Indeterminate;
    /// The exact short-path bearing, degrees in [0, 360), when status is Ok.
    double bearingDeg = 0.0;
    /// The central angle between the two points, radians 0..π (0 when not located).
    double distanceRad = 0.0;
    /// The bearing in whole degrees as printed, 0..359; nothing prints "***".
    std::optional<int> shownBearing;
};

/// The bearing from the point (`fromLatDeg`, `fromLonDeg`; degrees, north and WEST
/// positive) to `entry`, by InitialBearing on the sphere, and the length of the path
/// (CentralAngle). The shown bearing is rounded to a whole degree first (half to
/// even) and then reduced modulo 360, so 359.6 shows as 0, never 360.
/// - Coincident or antipodal points, or an entry whose texts do not read: nothing
///   ("***"); no message is produced.
/// - From a pole (within 0.003° of it) every direction is south (north), so the
///   bearing is a grid bearing measured from the Greenwich meridian, clockwise as seen
///   from the point: from the north pole the entry's west longitude, from the south
///   pole its east longitude, each modulo 360.
EntryBearing BearingToEntry(double fromLatDeg, double fromLonDeg, const AtlasEntry& entry);

/// Every entry of the atlas in the order of `index`, with its bearing from the point.
/// Empty when the atlas has no entries.
std::vector<EntryBearing> AtlasBearings(const Atlas& atlas, AtlasIndex index, double fromLatDeg,
                                        double fromLonDeg);

/// The printed bearing: three characters, right-aligned ("  7", "359"), or "***".
std::string BearingText(const EntryBearing& bearing);

/// The long-path bearing in whole degrees: the shown bearing plus 180, modulo 360.
std::optional<int> LongPathBearing(const EntryBearing& bearing);
