#pragma once

#include <string>
#include <utility>
#include <vector>

#include "coverage/Coverage.h"

// The texts of the coverage map: the click readout, the window's title rows and the
// file formats of the command line.

/// The readout of one cell at one half hour (index `k` of map.halfHours), as lines:
/// the cell's place (centre latitude and longitude), the distance (km) and bearing from
/// the station, the MUF, the mode, the signal level, the S/N (dB-Hz: in 1 Hz) and the MUF
/// probability with its class ("below the signal threshold" when the signal is
/// suppressed). With P.533: the basic and operational MUF, the mode, the field
/// strength, the received power, the S/N in the mode's bandwidth and the circuit
/// reliability. A cell without a path or mode says so.
std::vector<std::string> CoverageReadout(const CoverageMap& map, int cell, int k);

/// The values of a cell that the files can hold, by the names --fields takes.
enum class CoverageField {
    Muf,         ///< "muf": the (basic) MUF, MHz
    OpMuf,       ///< "opmuf": P.533 operational MUF, MHz
    Mode,        ///< "mode"
    Signal,      ///< "signal": classic signal, dB above 0.5 µV
    Field,       ///< "field": P.533 field strength, dB(1 µV/m)
    Power,       ///< "power": P.533 received power, dBW
    Snr,         ///< "snr": classic dB-Hz; P.533 dB in the mode's bandwidth
    Probability, ///< "muf_probability": classic, 0..1
    Reliability, ///< "circuit_reliability": P.533, % of days
    Class,       ///< "class": A, B, C, D or closed
};

/// The fields of an engine in file order (all of them: the default).
std::vector<CoverageField> CoverageFieldsOf(PredictionEngine engine);

/// The name of a field as files and --fields write it.
const char* CoverageFieldName(CoverageField field);

/// The fields a comma-separated list names (in its order, each once), or the message
/// naming the first name the engine has no field of.
struct CoverageFieldsRead {
    std::vector<CoverageField> fields;
    std::string error;
};
CoverageFieldsRead ReadCoverageFields(const std::string& list, PredictionEngine engine);

/// The UTC half hour 0..47 holding the local time `hours` (0..24) of a zone
/// `utcOffsetDays` (days to add to local time for UTC) ahead.
int UtcHalfHourOf(double hours, double utcOffsetDays);

/// "HHMM" of a UTC half hour 0..47.
std::string HalfHourText(int halfHour);

/// The half hours of the text "HHMM" (the one holding that time) or "all" (0..47);
/// empty for any other text.
std::vector<int> HalfHoursOfText(const std::string& text);

/// The map as JSON: {"header": {engine, station, date, solar index, frequency, grid,
/// what the numbers are, the settings or the P.533 station}, "freq", "grid", "slots":
/// ["HHMM", …], "cells": [{"lat", "lon", "slots": [{field: value, …}, …]}, …]};
/// latitude north positive, longitude WEST positive; a cell without mode has "mode": ""
/// and null for its signal (field, power) and S/N.
std::string CoverageJson(const CoverageMap& map, const std::vector<CoverageField>& fields);
inline std::string CoverageJson(const CoverageMap& map) {
    return CoverageJson(map, CoverageFieldsOf(map.engine));
}

/// The map as CSV: comment lines ("# ") with the header's facts, then a header row
/// utc,lat,lon and the fields; one row per cell and half hour; signal and S/N empty
/// without mode. Lines end in CR LF.
std::string CoverageCsv(const CoverageMap& map, const std::vector<CoverageField>& fields);
inline std::string CoverageCsv(const CoverageMap& map) {
    return CoverageCsv(map, CoverageFieldsOf(map.engine));
}

/// The facts of the header as "name: value" lines (engine, station, date, solar index,
/// frequency, grid, the numbers' meaning, the settings or the P.533 station).
std::vector<std::pair<std::string, std::string>> CoverageHeaderFacts(const CoverageMap& map);

/// What a map's cell number is: "MUF probability" (classic) or "circuit reliability"
/// (P.533).
std::string CoverageValueName(const CoverageMap& map);

/// The title row of the window: "From <name> (<lat> <lon>)  <f> MHz  SSN <ssn>  K <k>";
/// with P.533: "… <f> MHz  R12 <r12>  P.533  <mode bandwidth> Hz, <power> W".
std::string CoverageTitle(const CoverageMap& map);
