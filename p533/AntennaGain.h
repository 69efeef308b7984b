#pragma once

#include "p533/CircuitPrediction.h"

// Gains of a terminal's antenna toward a ray (P.533 §1, antennas).

namespace p533 {

/// The antenna seen along one path at one frequency: its table (none for a constant
/// gain), the main-beam bearing and the bearing of the path, degrees.
struct AntennaView {
    const GainTable* table = nullptr;
    double constantDbi = 0.0;
    double mainBeamDeg = 0.0;
    double pathBearingDeg = 0.0;
    bool truncatedRotation = false;
};

/// The view of `antenna` at freqMHz (the table nearest in frequency) along a path
/// leaving the terminal on pathBearingDeg.
AntennaView ViewAntenna(const Antenna& antenna, double freqMHz, double pathBearingDeg,
                        bool truncatedRotation);

/// The gain (dBi) toward a ray leaving along the path at elevationDeg (clamped to
/// 0..90), interpolated bilinearly in azimuth and elevation.
double GainToward(const AntennaView& view, double elevationDeg);

/// The largest gain at elevations 0°, 1°, …, 8° along the path and the first
/// elevation that has it.
struct LowAngleGain {
    double gainDbi = 0.0;
    double elevationDeg = 0.0;
};
LowAngleGain LargestLowAngleGain(const AntennaView& view);

/// The largest gain anywhere in the antenna's tables (its constant gain without one).
double PeakGain(const Antenna& antenna);

} // namespace p533
