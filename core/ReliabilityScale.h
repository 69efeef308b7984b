#pragma once

#include <cstdint>

// The colour scale of a circuit reliability, shared by every picture that shows one
// (the circuit chart, the coverage map, the planner): red at the low end through
// orange and yellow to green at 100 %, continuous.

/// An 8-bit RGB colour.
struct ScaleColour {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const ScaleColour&) const = default;
};

/// The colour of a reliability `percent` (clamped to 1..100): piecewise linear through
/// red (1 %), orange (35 %), yellow (60 %), light green (80 %) and green (100 %).
/// Pictures draw 0 % (closed) in a neutral colour of their own.
ScaleColour ReliabilityScaleColour(double percent);
