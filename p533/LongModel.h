#pragma once

#include "p533/CircuitModel.h"

// The field strength of paths longer than 9,000 km (P.533 §5.3), also computed from
// 7,000 km for the interpolation of §5.4: the upper and lower reference frequencies
// fM and fL and the field El.

namespace p533 {

/// The winter-anomaly factor Aw (P.533 Table 5) at mid-path latitude latDeg for a
/// month 1..12: the table's value at 60°, falling linearly to 0 at 30° and at 90°.
double WinterAnomaly(int month, double latDeg);

/// fB at the two control points, their K, fM and fL at one instant.
struct LongModelNow {
    double fbTx = 0.0, fbRx = 0.0;
    double kTx = 0.0, kRx = 0.0;
    double fM = 0.0;
    double fL = 0.0;
};
LongModelNow LongModelAt(const CircuitModel& model, const Instant& instant);

/// El (dB(1 µV/m)) at freqMHz with the largest transmit gain at 0..8° `txGainDbi`;
/// fills the long model's report.
double LongModelField(const CircuitModel& model, const LongModelNow& now, double freqMHz,
                      double txGainDbi, LongModelResult& out);

} // namespace p533
