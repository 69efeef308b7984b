#pragma once

#include "p533/CircuitModel.h"

namespace p533 {

/// The whole prediction of one instant `hour` (0 < h ≤ 24): MUFs, modes and every
/// frequency's field, power, noise, S/N and reliability.
HourResult ComputeHour(CircuitModel& model, double hour);

} // namespace p533
