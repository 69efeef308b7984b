#pragma once

#include "p533/CircuitPrediction.h"
#include "p533/MagneticField.h"
#include "p533/MonthCoefficients.h"
#include "p533/Tables.h"

#include <array>

namespace p533 {

/// Everything the method reads from its data files; built once by
/// LoadPredictionData and shared read-only.
class PredictionData {
public:
    std::array<MonthCoefficients, 12> months;
    MagneticModel field;
    DecileTables deciles;
    AbsorptionTables absorption;
    AuroralTable auroral;
};

} // namespace p533
