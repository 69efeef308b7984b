#pragma once

#include "core/ReplaceFile.h"
#include "core/TimeZone.h"
#include "settings/Settings.h"

struct AppState;

/// What "Save My Settings and Exit" does with the settings the Options window gives
/// back: they become the program's settings, the derived fields are recomputed, the
/// time-zone state follows the UTC/ULT choice, terminals A and B of the prediction
/// follow the default terminal, and the settings file is written. The result says
/// whether that write worked (the settings are in effect either way).
[[nodiscard]] FileWriteResult SaveOptions(AppState& state, const Settings& edited,
                                          const ClockReading& clock);
