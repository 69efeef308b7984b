#pragma once

#include "engine/Propagation.h"
#include "settings/Settings.h"

/// The noise terms of the settings (NoiseLevel of the engine takes them).
NoiseTerms NoiseTermsOf(const Settings& settings);
