#pragma once

#include "planner/Planner.h"

#include <string>

// The planner's rows as text for files and standard output.

/// The JSON document: {"freqs": [MHz, …], "rows": [{"prefix", "name", "km" (whole km),
/// "bearing" (degrees at the station, 0.1), "path" ("short" or "long"), "bands":
/// [{"freq", "reliability": [48], "signal": [48, null where no mode], "open": ["HHMM",
/// …]}, …]}, …]}. Half hours and open times are UTC, slot j at 0.5·j h. Ends in "\n".
std::string PlannerJson(const PlannerResult& result, const Settings& settings);

/// CSV (CR LF): one line per row and band: prefix, name, path, km, bearing_deg,
/// frequency_mhz, open_hours, longest_from and longest_to (UTC "HHMM", empty when never
/// open), then the 48 reliabilities r0000 … r2330 (UTC).
std::string PlannerCsv(const PlannerResult& result);

/// The reading for a person: a title line, a key, then per row a line with the place
/// and per band a 48-character strip in displayed time (UTC − utcOffsetDays) from
/// "0000": the availability letter upper case where open, lower case where shown but
/// below the threshold, "." where nothing is shown; then the open hours and the
/// longest opening in displayed time. Lines end in "\n".
std::string PlannerText(const PlannerResult& result, const std::string& title,
                        const TimeZoneState& zone);

/// The displayed time ("HHMM") of UTC slot `slot` when times are UTC − utcOffsetDays.
std::string DisplayedSlotTime(int slot, double utcOffsetDays);
