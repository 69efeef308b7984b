#pragma once

#include "p533/Tables.h"

// Basic MUFs of the E and F2 layers, their variability and the operational MUF
// (P.533 §3; P.1239 §3.2; P.1240 §6).

namespace p533 {

/// The layers at a control point as the F2 MUF reads them.
struct LayerValues {
    double foF2 = 0.0;
    double foE = 0.0;
    double m3000 = 0.0;
    double gyro300 = 0.0; ///< fH at 300 km
};

/// B and dmax of a control point: x = max(foF2/foE, 2),
/// B = M − 0.124 + (M² − 4)(0.0215 + 0.005 sin(7.854/x − 1.9635)),
/// dmax = 4780 + (12610 + 2140/x² − 49720/x⁴ + 688900/x⁶)(1/B − 0.303) km.
struct F2Shape {
    double b = 0.0;
    double dmaxKm = 0.0;
};
F2Shape F2ShapeAt(const LayerValues& v);

/// F2(d)MUF = [1 + Cd(min(d, dmax))/Cd(3000)·(B − 1)]·foF2 + (fH/2)(1 − d/dmax), MHz.
double F2Muf(const LayerValues& v, double b, double hopKm, double dmaxKm);

/// E(d)MUF = foE / cos i110 for a hop min(d, 4000) km reflected at 110 km, MHz.
double EMuf(double foE, double hopKm);

/// Season of a month at a latitude, northern definitions winter Nov–Feb, equinox
/// Mar, Apr, Sep, Oct, summer May–Aug, reversed in the south (the decile tables and
/// the operational MUF factor).
Season MufSeason(int month, double lat);

/// The foF2 decile factors δl (lower) and δu (upper) at |latitude| `latDeg` and the
/// hour of the table `hour` (0..24, interpolated, wrapping), for a season and R12.
struct DecileFactors {
    double lower = 0.95;
    double upper = 1.05;
};
DecileFactors F2DecileFactors(const DecileTables& t, Season season, double r12, double absLatDeg,
                              double hour);

/// The probability that a mode of median MUF muf50 is supported at f, 0..1.
double SupportProbability(double freqMHz, double muf50, const DecileFactors& d);

/// Rop of P.1240 Table 1 by season, day or night and an e.i.r.p. above 30 dBW.
double OperationalFactor(Season season, bool day, bool highPower);

} // namespace p533
