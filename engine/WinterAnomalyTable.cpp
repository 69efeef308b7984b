// Generated from the published model constants by a one-off script; do not edit by hand.
#include "engine/KxPdRousLoss.h"

const std::array<float, 12> WinterAnomalyTable = {
    0.0282f, 0.0269f, 0.0089f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0083f,
};
