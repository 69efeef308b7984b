#pragma once

#include "core/TimeZone.h"
#include "engine/Propagation.h"
#include "report/PredictionReport.h"
#include "report/PredictionSetup.h"
#include "settings/Settings.h"

#include <string>
#include <vector>

/// What the table of one path of a prediction is built from: the path's results, the
/// frequencies the run used with the settings' texts for their headers, and the
/// displayed time zone.
TableSource TableSourceOf(const PredictionResult& result, PathKind kind, const Settings& settings,
                          const TimeZoneState& zone);

/// The whole report of one path of a prediction as the results window prints it and
/// the batch run writes it: the table of TableSourceOf with the settings' suppression
/// rules, signal levels or S/N as `ShowSnr` says, the path's header lines and polar
/// flag, and the caption with `dateText` (FormatDateText with the four-digit year).
std::vector<std::string> PathReportLines(const PredictionResult& result, PathKind kind,
                                         const Settings& settings, const TimeZoneState& zone,
                                         const std::string& dateText, ReportStyle style);

/// The text the results window's "Save as Text" writes for one path, and what
/// "hopscope-cli predict --format text" writes: the report in the results window's
/// style (it ends with the footer), signal levels when `showSignalLevels`, otherwise
/// signal-to-noise ratios, each line followed by CR LF. A fetched solar figure's
/// `solarSource` follows the header lines (AddSolarSourceLines).
std::string SavedReportText(const PredictionResult& result, PathKind kind, const Settings& settings,
                            const TimeZoneState& zone, const std::string& dateText,
                            bool showSignalLevels, const std::string& solarSource = {});
