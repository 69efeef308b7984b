// The model's winter anomaly constants of the F2-layer model, written out once by a script; do not
// edit by hand.
#include "engine/PathLosses.h"

const std::array<float, 12> WinterAnomalyTable = {
    0.0282f, 0.0269f, 0.0089f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0083f,
};
