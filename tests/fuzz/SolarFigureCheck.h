#pragma once

// Shared by the solar harnesses: what every figure the rules give must be, whatever
// the file held.

#include "solar/SolarFigure.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdlib>
#include <string>

inline void CheckSolarFigure(const SolarFigure& figure) {
    const std::string& text = figure.solarText;
    FUZZ_CHECK(text.size() >= 4 && (text[0] == 'F' || text[0] == 'S'));
    char* end = nullptr;
    const double value = std::strtod(text.c_str() + 1, &end);
    FUZZ_CHECK(end && *end == '\0');
    if (text[0] == 'F')
        FUZZ_CHECK(value >= 60.0 && value <= 410.0);
    else
        FUZZ_CHECK(value >= 0.0 && value <= 360.0);
    FUZZ_CHECK(figure.kText.empty() ||
               (figure.kText.size() == 1 && figure.kText[0] >= '0' && figure.kText[0] <= '9'));
    FUZZ_CHECK(!SolarFigureSource(figure).empty());
    const EngineSolarIndexes engines = SolarIndexesForEngines(figure);
    FUZZ_CHECK(engines.classic == text && !engines.p533.empty());
}
