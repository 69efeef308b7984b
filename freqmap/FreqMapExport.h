#pragma once

#include <string>
#include <vector>

#include "freqmap/FreqMapCells.h"
#include "freqmap/FreqMapValues.h"

// The frequency map as data for other programs: JSON and CSV.

/// One computed map: the instant, the solar numbers and each cell's MUF and class.
struct FreqMapFrame {
    std::string utcText; ///< "HHMM", UTC
    double utHours = 0.0;
    float ssn = 0.0f;
    float flux = 0.0f;
    std::vector<float> mufs;  ///< per cell, MHz
    std::vector<int> classes; ///< per cell, 1..classCount
};

/// {"ssn", "flux", "slots": ["21.2", ...], "cells": [{"band", "index", "centreLat",
/// "centreLon", "muf", "class", "label"}]}: latitudes north positive, longitudes west
/// positive reduced into (−180, 180], the label the cell's readout ("14.1 MHz",
/// "< 3.5 MHz"). One line.
std::string FreqMapJson(const FreqMapSlots& slots, const std::vector<FreqMapCell>& cells,
                        const FreqMapFrame& frame);

/// Several maps as a JSON list, in the given order, one map per line.
std::string FreqMapJsonList(const FreqMapSlots& slots, const std::vector<FreqMapCell>& cells,
                            const std::vector<FreqMapFrame>& frames);

/// A header line "utc,band,index,centreLat,centreLon,muf,class,label" and one line per
/// cell of every frame (utc as HHMM), CR LF line ends.
std::string FreqMapCsv(const FreqMapSlots& slots, const std::vector<FreqMapCell>& cells,
                       const std::vector<FreqMapFrame>& frames);
