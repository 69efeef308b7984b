#pragma once

#include <string>

#include "core/Dates.h"
#include "core/Terminal.h"

/// What a station map's dialog (frequency map, coverage map) hands to its display: one
/// station, the map date and time and the indices, as the user typed them.
struct StationMapRequest {
    Terminal station;           ///< terminal A, texts and reals
    DateValue date = 0.0;       ///< the map date, in the user's time zone
    std::string timeText;       ///< "HHMM" in the user's time zone
    std::string solarIndexText; ///< "S100.0" or "F150.0", at most 6 characters
    std::string kIndexText;     ///< "" or "-1" for the average, else "0".."9"
};
