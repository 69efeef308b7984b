#pragma once

#include <array>
#include <cstdint>

// The fixed tables of the F2-layer model: cosine look-ups that stand in for cosine
// and power evaluations in the critical-frequency sum, the magnetic dip equator,
// and the geomagnetic-activity (K index) factors with their interpolation knots.

/// Degree-indexed cosine tables, each entry the nearest integer to 65535·value for
/// k = 0..90°, entry 91 repeating entry 90 so that interpolation up to 91° stays in
/// range. Built once on first use and never changed afterwards.
struct CosineTableSet {
    std::array<std::uint16_t, 92> cosine{};                ///< cos k°
    std::array<std::array<std::uint16_t, 92>, 3> powers{}; ///< (cos k°)^16, ^32, ^64
};

/// The process-wide cosine tables (immutable after their first construction).
const CosineTableSet& CosineTables();

/// cos x° by linear interpolation in the cosine table: (C[i] − frac(x)·(C[i] −
/// C[i+1]))/65535 with i = trunc(x). The model calls it for 0 ≤ x < 90; |x| is
/// used and arguments beyond 91° take the last entry, so no argument indexes
/// outside the table.
double CosineOf(double xDeg);

/// (cos x°)^n for n = 16, 32 or 64 by the same interpolation on that power's table,
/// with x replaced by |x|; beyond 91° the last entry (n other than 32 or 64 reads
/// the 16th-power table).
double CosinePower(int n, double xDeg);

/// Geographic latitude (degrees) of the magnetic dip equator at west longitudes
/// 0°, 10°, … 350°, then the first entry again at 360°.
extern const std::array<float, 37> DipEquatorTable;

/// 90° minus the largest |latitude| of the dip equator (77.72°), held as a 32-bit
/// float: the geomagnetic latitude above which the polar-cap blend applies.
float MaxMagneticLatitude();

/// One cell of the K-index factor table: the factor for K index k ≥ 0 is
/// A/1000 + k·B/10000.
struct KIndexCell {
    std::uint16_t a = 0;
    std::int16_t b = 0;
};

/// K-index factors by [season 0 winter, 1 equinox, 2 summer][solar level 0: Ssn 15,
/// 1: 65, 2: 190][geomagnetic-latitude band 0 (equator) .. 6 (auroral and
/// polar)][local-time block b covering 1.5 + 3b .. 4.5 + 3b hours].
extern const KIndexCell KIndexFactorTable[3][3][7][8];

/// A knot of the season interpolation: for a season position q up to `knot` the
/// seasons `first` and `second` are blended with weight knot − q.
struct SeasonKnot {
    double knot = 0.0;
    int first = 0;
    int second = 0;
};

/// The nine season knots, in ascending order (the last one catches everything).
extern const std::array<SeasonKnot, 9> SeasonKnots;

/// A knot of the geomagnetic-latitude interpolation: for |latitude| up to `knot`
/// (degrees) the bands `first` and `second` are blended with weight
/// (knot − |latitude|)/width, or 0 when width is 0.
struct LatitudeKnot {
    double knot = 0.0;
    int first = 0;
    int second = 0;
    double width = 0.0;
};

/// The fourteen latitude knots, in ascending order (the last one catches everything).
extern const std::array<LatitudeKnot, 14> LatitudeKnots;
