#pragma once

#include "p533/MagneticField.h"
#include "p533/MonthCoefficients.h"

#include <array>

// foF2 and M(3000)F2 from the CCIR numerical maps (Rec. ITU-R P.1239 §3.1).

namespace p533 {

/// The maps at one place for one month and sunspot number, reduced to their diurnal
/// series: Ω(T) = w0 + Σj (w(2j−1)·sin jT + w(2j)·cos jT), T = 15°·UT − 180°.
struct MapSeries {
    std::array<double, 13> foF2{};
    std::array<double, 9> m3000{};
    /// The series holds the reference's 1.5° grid (weighted nodes): it is exact at whole
    /// hours UT only and interpolated linearly between them.
    bool hourly = false;
};

struct MapValues {
    double foF2 = 0.0; ///< MHz
    double m3000 = 0.0;
};

/// The series at `p` with modip `modip`, blended to R = min(R12, 160) (rCapped):
/// Ω = Ω0 + (Ω100 − Ω0)·R/100.
MapSeries MapSeriesAt(const MonthCoefficients& month, LatLon p, double modip, double rCapped);

/// The reference's grid value at `p`: the weighted mean of the four 1.5° nodes around
/// it, each evaluated with its own 300-km modip, with the mirrored weights of the
/// southern and western hemispheres.
MapSeries GridMapSeriesAt(const MonthCoefficients& month, const MagneticModel& field, LatLon p,
                          double rCapped);

/// foF2 and M(3000)F2 at `ut` hours UTC (any real; whole hours for an hourly series,
/// linear in between).
MapValues EvaluateMaps(const MapSeries& series, double ut);

} // namespace p533
