#include <algorithm>
#include <numbers>

#include "engine/ELayer.h"
#include "engine/F2Layer.h"
#include "engine/PathMuf.h"
#include "engine/Propagation.h"

StationConditions MakeStationConditions(const Terminal& station, DateValue date, float ssn,
                                        const std::string& kIndexText, double minElevationRad,
                                        const SolarPosition& sun) {
    StationConditions c;
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

struct PointPath::Prepared {
    PathSetup setup;
    ControlPoints points;
};

PointPath::PointPath(const StationConditions& c, double latRad, double lonWestRad)
    : m_conditions(&c) {
    const BearingResult bearing =
        InitialBearing(c.station.latRad, c.station.lonRad, latRad, lonWestRad);
    if (bearing.status == BearingStatus::Indeterminate)
        return;
    auto prepared = std::make_unique<Prepared>();
    PathSetup& s = prepared->setup;
    s.sun = &c.sun;
    s.start = c.station;
    s.kind = PathKind::Short;
    s.bearingRad = bearing.bearing;
    s.farLongitudeRad = lonWestRad;
    s.lengthRad = CentralAngle(c.station.latRad, c.station.lonRad, latRad, lonWestRad).angle;
    s.month = c.month;
    s.day = c.day;
    s.kIndex = c.kIndex;
    s.ssn = c.ssn;
    s.baseHeightKm = F2BaseHeight(c.ssn);
    s.minElevationRad = c.minElevationRad;
    s.hops = ComputeHopGeometry(s.lengthRad, s.baseHeightKm, c.minElevationRad);
    prepared->points = ComputeControlPoints(s);
    m_prepared = std::move(prepared);
}

PointPath::~PointPath() = default;
PointPath::PointPath(PointPath&&) noexcept = default;
PointPath& PointPath::operator=(PointPath&&) noexcept = default;

float PointPath::Muf(float utHours) const {
    if (m_prepared)
        return PathMuf(m_prepared->setup, m_prepared->points, utHours, nullptr);
    // Straight up at the station: the higher of the E-layer and F2 MUFs at vertical
    // incidence.
    const StationConditions& c = *m_conditions;
    const float lat = static_cast<float>(c.station.latRad);
    const float lon = static_cast<float>(c.station.lonRad);
    const float up = static_cast<float>(std::numbers::pi / 2);
    const float e = EMuf(lon, lat, c.ssn, utHours, 0.0f, up, c.sun);
    const float f = F2Muf(c.month, c.day, c.kIndex, lon, lat, 0.0f, up, c.ssn, utHours, c.sun);
    return std::max(e, f);
}
