#pragma once

#include <string>
#include <vector>

#include "coverage/Coverage.h"

// The texts of the coverage map: the click readout, the window's title rows and the
// file formats of the command line.

/// The readout of one cell at one half hour (index `k` of map.halfHours), as lines:
/// the cell's place (centre latitude and longitude), the distance (km) and bearing from
/// the station, the MUF, the mode, the signal level, the S/N and the reliability with its
/// class. A cell without a path or mode says so.
std::vector<std::string> CoverageReadout(const CoverageMap& map, int cell, int k);

/// The UTC half hour 0..47 holding the local time `hours` (0..24) of a zone
/// `utcOffsetDays` (days to add to local time for UTC) ahead.
int UtcHalfHourOf(double hours, double utcOffsetDays);

/// "HHMM" of a UTC half hour 0..47.
std::string HalfHourText(int halfHour);

/// The half hours of the text "HHMM" (the one holding that time) or "all" (0..47);
/// empty for any other text.
std::vector<int> HalfHoursOfText(const std::string& text);

/// The map as JSON: {"freq", "grid", "slots": ["HHMM", …], "cells": [{"lat", "lon",
/// "slots": [{"muf", "mode", "signal", "snr", "reliability"}, …]}, …]}; latitude north
/// positive, longitude WEST positive; a cell without mode has "mode": "", "signal": null
/// and "snr": null.
std::string CoverageJson(const CoverageMap& map);

/// The map as CSV with a header row: utc,lat,lon,muf,mode,signal,snr,reliability,class;
/// one row per cell and half hour; signal and S/N empty without mode.
std::string CoverageCsv(const CoverageMap& map);

/// The title row of the window: "From <name> (<lat> <lon>)  <f> MHz  SSN <ssn>  K <k>".
std::string CoverageTitle(const CoverageMap& map);
