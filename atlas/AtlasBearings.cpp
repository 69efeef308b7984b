#include "atlas/AtlasBearings.h"

#include "core/Constants.h"
#include "core/Numeric.h"
#include "core/Syntax.h"

#include <cmath>

namespace {

// Rounded first, then reduced in whole numbers (a floating-point remainder of 42 may
// come out as 41.999...).
int WholeDegrees(double degrees) {
    const long long whole = static_cast<long long>(RoundHalfEven(std::fmod(degrees, 360.0)));
    return static_cast<int>(((whole % 360) + 360) % 360);
}

} // namespace

EntryBearing BearingToEntry(double fromLatDeg, double fromLonDeg, const AtlasEntry& entry) {
    EntryBearing result;
    result.entry = entry;
    const CoordinateParse lat =
        ParseCoordinate(AtlasUpperCase(entry.Latitude()), CoordinateKind::Latitude);
    const CoordinateParse lon =
        ParseCoordinate(AtlasUpperCase(entry.Longitude()), CoordinateKind::Longitude);
    if (!lat || !lon)
        return result;
    result.located = true;
    result.latitudeDeg = lat.valueDeg;
    result.longitudeDeg = lon.valueDeg;
    const double lat1 = fromLatDeg * kRadPerDeg;
    const double lon1 = fromLonDeg * kRadPerDeg;
    const double lat2 = lat.valueDeg * kRadPerDeg;
    const double lon2 = lon.valueDeg * kRadPerDeg;
    result.distanceRad = CentralAngle(lat1, lon1, lat2, lon2).angle;
    const BearingResult bearing = InitialBearing(lat1, lon1, lat2, lon2);
    result.status = bearing.status;
    switch (bearing.status) {
    case BearingStatus::Ok:
        result.bearingDeg = BearingDeg(bearing.bearing);
        result.shownBearing = WholeDegrees(result.bearingDeg);
        break;
    case BearingStatus::AtPole:
        result.shownBearing = WholeDegrees(fromLatDeg > 0.0 ? lon.valueDeg : -lon.valueDeg);
        break;
    case BearingStatus::Indeterminate:
        break;
    }
    return result;
}

std::vector<EntryBearing> AtlasBearings(const Atlas& atlas, AtlasIndex index, double fromLatDeg,
                                        double fromLonDeg) {
    std::vector<EntryBearing> rows;
    if (atlas.Count <= 0)
        return rows;
    const std::size_t count =
        index == AtlasIndex::ByPrefix ? atlas.ByPrefix.size() : atlas.ByName.size();
    rows.reserve(count);
    for (std::size_t position = 1; position <= count; ++position)
        rows.push_back(
            BearingToEntry(fromLatDeg, fromLonDeg, AtlasEntryAt(atlas, index, position)));
    return rows;
}

std::string BearingText(const EntryBearing& bearing) {
    if (!bearing.shownBearing)
        return "***";
    std::string text = std::to_string(*bearing.shownBearing);
    return std::string(3 - text.size(), ' ') + text;
}

std::optional<int> LongPathBearing(const EntryBearing& bearing) {
    if (!bearing.shownBearing)
        return std::nullopt;
    return (*bearing.shownBearing + 180) % 360;
}
