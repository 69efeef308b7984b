#pragma once

#include "p533/CircuitModel.h"
#include "p533/LongModel.h"
#include "p533/Muf.h"
#include "p533/Screening.h"
#include "p533/ShortModel.h"

#include <optional>
#include <vector>

// What one instant of a circuit shares between its frequencies.

namespace p533 {

// A control point with its values at the instant.
struct Point {
    const PointSite* site = nullptr;
    PointNow now;
    explicit operator bool() const { return site != nullptr; }
    LayerValues Layers() const {
        return {now.maps.foF2, now.foE, now.maps.m3000, site->at300.gyroMHz};
    }
    MirrorInputs Mirror(double rCapped) const {
        return {now.maps.foF2, now.foE, now.maps.m3000, rCapped};
    }
};

// Everything of the instant that the frequencies share.
struct HourState {
    Instant t;
    Point m, t1000, r1000, td0, rd0;
    bool beyond = false; ///< D > the path's dmax
    std::vector<ModeSetup> modes;
    std::optional<LongModelNow> longNow;
    double screeningFoE = 0.0;
};

/// One frequency of the instant: every mode's field with its screening, the path's
/// field and power, the noise at the receiver, the S/N with its deciles and the basic
/// circuit reliability. `hour` holds the instant's MUFs.
FrequencyResult ComputeFrequency(CircuitModel& model, const HourState& s, const HourResult& hour,
                                 double freqMHz);

} // namespace p533
