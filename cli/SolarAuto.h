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
/// stale; the server from the solar preferences or $HOPSCOPE_SOLAR_URL). The figure's
/// origin and any fetch problem are written to standard error as "hopscope-cli
/// COMMAND: ..." lines; no figure is a refusal (status 1) with the message.
std::optional<ArgFailure> FetchSolarFigure(const char* command,
                                           const std::filesystem::path& dataDir, DateValue date,
                                           bool refresh, SolarFigure& figure);

/// Tells on standard error which figure --solar auto took: "hopscope-cli solar: using
/// F152.3 and K 3 (Daily flux of 8 Dec 2026, Kp 3 at 21:00 UTC, fetched 10 min ago)".
void UseSolarFigureNote(const SolarFigure& figure);
