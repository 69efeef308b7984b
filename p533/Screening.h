#pragma once

// E-layer screening of F2 modes (P.533 §4) with the mirror-reflection height of
// P.1240 Annex 2 (P.533 §5.1).

namespace p533 {

/// What the mirror height at a control point reads.
struct MirrorInputs {
    double foF2 = 0.0;
    double foE = 0.0;
    double m3000 = 0.0;
    double rCapped = 0.0; ///< min(R12, 160)
};

/// The mirror-reflection height (km, ≤ 800) of a hop of hopKm at freqMHz. With
/// `withoutXrTerm` the +90.47·xr term of G is left out (as the reference program does).
double MirrorHeightKm(const MirrorInputs& in, double freqMHz, double hopKm, bool withoutXrTerm);

/// The screening frequency 1.05·foE / cos i110 of a hop of hopKm reflected at hrKm, MHz.
double ScreeningFrequency(double foE, double hopKm, double hrKm);

} // namespace p533
