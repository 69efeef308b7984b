#pragma once

#include "core/Dates.h"
#include "core/Terminal.h"
#include "core/TimeZone.h"
#include "core/UserMessage.h"
#include "engine/Propagation.h"
#include "settings/Settings.h"

#include <string>
#include <vector>

/// The settings' share of a prediction request: the frequencies of the list with their
/// signal and absorption terms (slots past FrequencyCount cleared) and the minimum
/// take-off angle in radians.
void ApplySettingsToRequest(const Settings& settings, PredictionRequest& request);

/// The frequency texts of the settings' list, in order (the table's column headers).
std::vector<std::string> FrequencyTexts(const Settings& settings);

/// What a prediction is asked for, as the dialog, a batch row or the command line
/// gives it: the terminals' texts (prefix, latitude, longitude, name), the date, the
/// solar index text in its stored form ("S100.0", "F150.0"), the K index text and the
/// time-zone state.
struct PredictionInputs {
    Terminal terminalA;
    Terminal terminalB;
    DateValue date = 0.0;
    std::string solarIndexText;
    std::string kIndexText;
    TimeZoneState zone;
    /// Where a fetched solar index came from (SolarFigureRecord); empty when typed.
    std::string solarSource;
};

/// A request ready to run, or the message that refuses it.
struct PreparedPrediction {
    bool ok = false;
    PredictionRequest request;
    UserMessage message; ///< when not ok
    explicit operator bool() const { return ok; }
};

/// The part of the request that needs no solar index: both paths from the terminals'
/// texts (ComputePathGeometry; refused with its message for a bad coordinate or an
/// indeterminate path), their polar flags, the date, the time zone and the Sun for the
/// date. The solar numbers stay 0 and the settings' share is not applied.
PreparedPrediction PreparePaths(const PredictionInputs& inputs);

/// Builds the request of one prediction: both paths from the terminals' texts
/// (ComputePathGeometry; refused with its message for a bad coordinate or an
/// indeterminate path), their polar flags, the Sun for the date in the given time
/// zone, the solar numbers from the solar index text (refused when it is not "S" or
/// "F" and a number), the K index text, and the settings' share.
PreparedPrediction PreparePrediction(const PredictionInputs& inputs, const Settings& settings);
