#pragma once

#include "cli/SettingOverrides.h"
#include "core/Dates.h"
#include "solar/SolarLookup.h"

#include <filesystem>
#include <optional>
#include <string>

/// True when a --solar value asks for the published figure of the day ("auto", any case).
bool IsSolarAuto(const std::optional<std::string>& solar);

/// The published figures for `date` through the copies in `dataDir` (fetched when
/// stale; the server from the solar preferences or $HOPSCOPE_SOLAR_URL). Every call of
/// one run shares what the run fetched: a file is fetched at most once a run, and not
/// at all once the server could not be reached. No figure is a refusal (status 1) with
/// the message. Writes nothing.
std::optional<ArgFailure> FetchSolarFigure(const char* command,
                                           const std::filesystem::path& dataDir, DateValue date,
                                           bool refresh, SolarFigure& figure);

/// Tells on standard error which figure --solar auto took, with what went wrong on the
/// way: "hopscope-cli solar: using F152.3 and K 3 (Daily flux of 8 Dec 2026, Kp 3 at
/// 21:00 UTC, fetched 10 min ago)", each note following in brackets.
void UseSolarFigureNote(const SolarFigure& figure);

/// --solar auto for a command that takes one solar index: the figure of `date` into
/// `solarText` and its K index into `kText`, and the note of UseSolarFigureNote; where it
/// came from into `*source` when given (SolarFigureRecord).
std::optional<ArgFailure> TakeSolarAuto(const std::filesystem::path& dataDir, DateValue date,
                                        std::string& solarText, std::optional<std::string>& kText,
                                        std::string* source = nullptr);
