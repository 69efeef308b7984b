#pragma once

#include "p533/AntennaGain.h"
#include "p533/CcirMaps.h"
#include "p533/GreatCircle.h"
#include "p533/Noise.h"
#include "p533/PredictionData.h"
#include "p533/Sun.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

// The state of one circuit's prediction: its path, the control points with what does
// not change in the day, and the per-instant values the short and long models read.

namespace p533 {

/// A point of the path with what does not change during the day.
struct PointSite {
    std::string name;
    LatLon pos;
    double distanceKm = 0.0; ///< from T along the path
    MagneticField at100;
    MagneticField at300;
    double geomagLat = 0.0;
    std::optional<MapSeries> maps; ///< for the points where foF2 is needed
};

/// A point at one instant.
struct PointNow {
    MapValues maps;
    double foE = 0.0;
    SunAtPoint sun;
};

/// The times one instant stands for under the options' hour conventions.
struct Instant {
    double hour = 0.0;      ///< h, hours UTC: the maps' UT
    double sunHours = 0.0;  ///< the Sun's time: h, or the hour index h − 1
    SunState sun;           ///< at sunHours
    double hourOfDay = 0.0; ///< h mod 24, for the hours since sunset
};

/// The long model's hour-independent part (paths of 7,000 km and more).
struct LongModelSetup {
    int hopsM = 0;
    double hopM = 0.0, elevationM = 0.0, slantKm = 0.0;
    double incidence90 = 0.0;      ///< i90 of the nL-hop geometry
    const PointSite* tx = nullptr; ///< T+dM/2 and R−dM/2
    const PointSite* rx = nullptr;
    std::array<double, 24> fbTx{}, fbRx{}; ///< fB at hour index t (maps at UT t + 1)
    double fbMinTx = 0.0, fbMinRx = 0.0, fbNoonTx = 0.0, fbNoonRx = 0.0;
    std::array<double, 24> fL{}; ///< at hour index t (the Sun at t)
    double gyro = 0.0;           ///< mean fH(300) of the two points
    double w = 0.0, x = 0.0, y = 0.0;
    double firstPenetrationKm = 0.0; ///< the first 90-km crossing, and that of the last hop
    double lastHopPenetrationKm = 0.0;
};

class CircuitModel {
public:
    CircuitModel(const PredictionData& data, const CircuitRequest& request);

    const PredictionData& data;
    const CircuitRequest& request;
    const Options& options;
    const MonthCoefficients& month;
    CircuitPath path;
    double distanceKm = 0.0;
    double rCapped = 0.0;
    double minElevation = 0.0; ///< radians
    bool highPower = false;    ///< e.i.r.p. above 30 dBW
    AtmosphericSite atmospheric;
    std::optional<LongModelSetup> longModel;

    /// The control point `name` at fromTxKm, made once and kept.
    const PointSite& Site(const std::string& name, double fromTxKm, bool withMaps);
    /// A point with its field at 100 and 300 km, not kept.
    PointSite BareSite(double fromTxKm) const;
    /// A 90-km crossing of a ray: its place and the field at 100 km only.
    PointSite CrossingSite(double fromTxKm) const;

    Instant MakeInstant(double hour) const;
    PointNow Now(const PointSite& site, const Instant& instant) const;
    /// foE and the Sun at a point (no maps).
    PointNow SunAndFoE(const PointSite& site, const Instant& instant) const;
    MapValues MapsAt(const PointSite& site, double ut) const;

    /// The antennas seen along the path at a frequency.
    AntennaView TransmitView(double freqMHz) const;
    AntennaView ReceiveView(double freqMHz) const;

private:
    std::map<std::pair<std::string, double>, std::unique_ptr<PointSite>> m_sites;
    void PrepareLongModel();
};

} // namespace p533
