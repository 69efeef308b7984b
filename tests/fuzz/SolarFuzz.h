#pragma once

// Shared by the solar harnesses: what every figure the rules give must be, whatever
// the file held, and a folder for the files a harness writes.

#include "solar/SolarFigure.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

/// A folder of this fuzzing process for the files a harness writes.
inline const std::filesystem::path& FuzzFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("hopscope-fuzz-solar-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

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
