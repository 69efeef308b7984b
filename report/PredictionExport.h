#pragma once

#include "core/Terminal.h"
#include "engine/Propagation.h"

#include <string>
#include <vector>

// The raw values of a prediction for other programs: JSON and CSV. Numbers are
// written unrounded, in the shortest form that reads back as the same value (32-bit
// floats as floats, so 14.1 MHz is written 14.1, not 14.100000381469727).

/// A bearing in radians as degrees in [0, 360).
double BearingDegrees(double bearingRad);

/// The prediction as one JSON object:
/// {"ssn", "flux", "frequencies": [MHz...], "paths": [{"kind": "short"|"long",
///  "bearingAtA", "bearingAtB" (degrees 0..360), "length" (radians), "isPolar",
///  "headerLines": [3 strings], "muf": [48 MHz, UTC 0000..2330], "slots": [48 ×
///  {"utc": "HHMM", "cells": [per frequency {"signal": dB or null when there is no
///  mode, "reliability", "mode": E/F letters ("" without a mode), "hops", "elevation"}]}]}]}
/// Only the paths in `kinds` are written, in that order. Numbers that are not finite
/// are written as null. Ends with a line feed.
std::string PredictionJson(const PredictionResult& result, const std::vector<PathKind>& kinds);

/// The prediction as CSV (RFC 4180, CR LF line ends) with a header row and one row per
/// path, UTC half hour and frequency: path, utc, muf_mhz, frequency_mhz, signal_db
/// (empty without a mode), reliability, mode, hops, elevation_deg. Without
/// frequencies there is one row per path and half hour with the frequency fields empty.
std::string PredictionCsv(const PredictionResult& result, const std::vector<PathKind>& kinds);
