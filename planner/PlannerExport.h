#pragma once

#include "planner/Planner.h"

#include <string>
#include <utility>
#include <vector>

/// Facts about a planner run for the files' headers, as (name, value) pairs.
using PlannerFacts = std::vector<std::pair<std::string, std::string>>;

/// The facts of a setup: engine, station (name, latitude, longitude), date (ISO), solar
/// index, the value's name ("MUF probability" or "circuit reliability"), what opens a
/// slot, then the classic settings (K index, minimum angle, noise, bandwidth,
/// suppression) or the P.533 station (R12, power, antennas, noise, bandwidth, required
/// S/N) and the unit of the S/N.
PlannerFacts PlannerHeaderFacts(const PlannerSetup& setup);

// The planner's rows as text for files and standard output.

/// The JSON document: {"header": {facts} (when there are facts), "freqs": [MHz, …],
/// "rows": [{"prefix", "name", "km" (whole km), "bearing" (degrees at the station, 0.1),
/// "path" ("short" or "long"), "bands": [{"freq", "muf_probability" (classic) or
/// "circuit_reliability" (P.533, 0..1): [48], "signal" (classic) or "field" and
/// "power" (P.533): [48, null where no mode], "snr": [48, null where no mode], "open":
/// ["HHMM", …]}, …]}, …]}. Half hours and open times are UTC, slot j at 0.5·j h; an open
/// slot is one PlannerBand::open holds. Ends in "\n".
std::string PlannerJson(const PlannerResult& result, const Settings& settings,
                        const PlannerFacts& facts = {}, bool p533 = false);

/// CSV (CR LF): "# name: value" lines of the facts, then one line per row and band:
/// prefix, name, path, km, bearing_deg, frequency_mhz, open_hours, longest_from and
/// longest_to (UTC "HHMM", empty when never open), then the 48 values r0000 … r2330
/// (UTC) with two decimals.
std::string PlannerCsv(const PlannerResult& result, const PlannerFacts& facts = {});

/// The reading for a person: a title line, a key, then per row a line with the place
/// and per band a 48-character strip in displayed time (UTC − utcOffsetDays) from
/// "0000": the availability letter upper case where open, lower case where shown but
/// below the threshold, "." where nothing is shown; then the open hours and the
/// longest opening in displayed time. Lines end in "\n".
std::string PlannerText(const PlannerResult& result, const std::string& title,
                        const TimeZoneState& zone);

/// The displayed time ("HHMM") of UTC slot `slot` when times are UTC − utcOffsetDays.
std::string DisplayedSlotTime(int slot, double utcOffsetDays);
