// The winter-anomaly constants of the F2-layer model. Data only, kept as numbers;
// tests/engine/TestEngineTables.cpp checks that the table runs to its last entry.
#include "engine/PathLosses.h"

const std::array<float, 12> WinterAnomalyTable = {
    0.0282f, 0.0269f, 0.0089f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0083f,
};
