#include "maps/FreqMapValues.h"

#include <algorithm>
#include <numbers>

#include "core/Numeric.h"
#include "engine/KxELayer.h"
#include "engine/KxFLayer.h"
#include "engine/PredictionRecord.h"

namespace {

constexpr int kMostSlots = 7;
constexpr const char* kBuiltInFrequencies[] = {"28.3", "21.2", "18.1", "14.1",
                                               "10.1", "7.1",  "3.5"};

float TextMHz(const std::string& text) {
    return static_cast<float>(ParseDecimal(text, false).value_or(0.0));
}

} // namespace

FreqMapSlots MakeFreqMapSlots(const Settings& settings) {
    FreqMapSlots slots;
    const int n = std::clamp(settings.FrequencyCount, 0, kFrequencySlots);
    if (n > 0) {
        slots.fromUserList = true;
        for (int k = n - 1; k >= std::max(0, n - kMostSlots); --k)
            slots.texts.push_back(settings.Frequencies[k].FrequencyText);
    } else {
        slots.texts.assign(std::begin(kBuiltInFrequencies), std::end(kBuiltInFrequencies));
    }
    for (const std::string& text : slots.texts)
        slots.mhz.push_back(TextMHz(text));
    return slots;
}

int FreqMapClass(const FreqMapSlots& slots, float mufMHz) {
    for (int g = 0; g < slots.count(); ++g)
        if (slots.mhz[g] <= mufMHz)
            return g + 1;
    return slots.classCount();
}

FreqMapConditions MakeFreqMapConditions(const Terminal& station, DateValue date, float ssn,
                                        const std::string& kIndexText, double minElevationRad,
                                        const SolarPosition& sun) {
    FreqMapConditions c;
    c.station = {station.LatitudeRad, station.LongitudeRad};
    const CalendarDay day = CalendarFromDate(date);
    c.month = day.month;
    c.day = day.day;
    c.kIndex = KIndexFromText(kIndexText);
    c.ssn = ssn;
    c.minElevationRad = minElevationRad;
    c.sun = sun;
    return c;
}

FreqMapCellPath PrepareFreqMapPath(const FreqMapConditions& c, const FreqMapCell& cell) {
    FreqMapCellPath path;
    const double lat = cell.centreLatDeg * std::numbers::pi / 180.0;
    const double lon = cell.centreLonDeg * std::numbers::pi / 180.0;
    const BearingResult bearing = InitialBearing(c.station.latRad, c.station.lonRad, lat, lon);
    if (bearing.status == BearingStatus::Indeterminate) {
        path.vertical = true;
        return path;
    }
    PathSetup& s = path.setup;
    s.sun = &c.sun;
    s.start = c.station;
    s.kind = PathKind::Short;
    s.bearingRad = bearing.bearing;
    s.farLongitudeRad = lon;
    s.lengthRad = CentralAngle(c.station.latRad, c.station.lonRad, lat, lon).angle;
    s.month = c.month;
    s.day = c.day;
    s.kIndex = c.kIndex;
    s.ssn = c.ssn;
    s.baseHeightKm = F2BaseHeight(c.ssn);
    s.minElevationRad = c.minElevationRad;
    s.hops = ComputeHopGeometry(s.lengthRad, s.baseHeightKm, c.minElevationRad);
    path.points = ComputeControlPoints(s);
    return path;
}

std::vector<FreqMapCellPath> PrepareFreqMapPaths(const FreqMapConditions& c,
                                                 const std::vector<FreqMapCell>& cells) {
    std::vector<FreqMapCellPath> paths;
    paths.reserve(cells.size());
    for (const FreqMapCell& cell : cells)
        paths.push_back(PrepareFreqMapPath(c, cell));
    return paths;
}

float FreqMapPathMuf(const FreqMapConditions& c, const FreqMapCellPath& path, float utHours) {
    if (!path.vertical)
        return PathMuf(path.setup, path.points, utHours, nullptr);
    const float lat = static_cast<float>(c.station.latRad);
    const float lon = static_cast<float>(c.station.lonRad);
    const float up = static_cast<float>(std::numbers::pi / 2);
    const float e = EMuf(lon, lat, c.ssn, utHours, 0.0f, up, c.sun);
    const float f = F2Muf(c.month, c.day, c.kIndex, lon, lat, 0.0f, up, c.ssn, utHours, c.sun);
    return std::max(e, f);
}

void FreqMapMufs(const FreqMapConditions& c, const std::vector<FreqMapCellPath>& paths,
                 float utHours, std::vector<float>& mufs) {
    mufs.resize(paths.size());
    for (std::size_t n = 0; n < paths.size(); ++n)
        mufs[n] = FreqMapPathMuf(c, paths[n], utHours);
}

std::vector<int> FreqMapClasses(const FreqMapSlots& slots, const std::vector<float>& mufs) {
    std::vector<int> classes(mufs.size());
    for (std::size_t n = 0; n < mufs.size(); ++n)
        classes[n] = FreqMapClass(slots, mufs[n]);
    return classes;
}

void FreqMapMufsAt(const FreqMapConditions& c, const std::vector<FreqMapCell>& cells, float utHours,
                   std::vector<float>& mufs) {
    mufs.resize(cells.size());
    for (std::size_t n = 0; n < cells.size(); ++n)
        mufs[n] = FreqMapPathMuf(c, PrepareFreqMapPath(c, cells[n]), utHours);
}
