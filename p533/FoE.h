#pragma once

#include "p533/Sun.h"

// The E-layer critical frequency foE (Rec. ITU-R P.1239 §4).

namespace p533 {

/// What foE at a point needs.
struct FoEInputs {
    double lat = 0.0;       ///< radians
    double rCapped = 0.0;   ///< min(R12, 160)
    SunState sun;           ///< at the Sun's instant
    SunAtPoint seen;        ///< the Sun from the point at that instant
    double hourOfDay = 0.0; ///< the prediction hour h mod 24, for hours since sunset
    int month = 1;
    bool polarWinterAsReference = false;
};

/// foE in MHz: max((A·B·C·D)^¼, [0.004(1 + 0.021Φ)²]^¼), Φ the flux from R.
double FoE(const FoEInputs& in);

} // namespace p533
