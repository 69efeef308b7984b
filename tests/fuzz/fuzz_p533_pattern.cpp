// The reader of antenna patterns (the Type 13 layout, numbers that may touch) on any
// bytes: a pattern it accepts has its 360 × 91 finite gains in range; a refusal names
// the file and the line.

#include "p533/CircuitPrediction.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const p533::PatternRead read = p533::ParseAntennaPattern(text, "ant.13");
    if (!read.pattern) {
        FUZZ_CHECK(read.error.rfind("ant.13: line ", 0) == 0);
        return 0;
    }
    FUZZ_CHECK(read.error.empty() && read.pattern->tables.size() == 1);
    const p533::GainTable& table = read.pattern->tables[0];
    FUZZ_CHECK(table.gainDbi.size() == 360u * 91u);
    FUZZ_CHECK(std::isfinite(table.freqMHz) && table.freqMHz >= 0.0 && table.freqMHz <= 1000.0);
    for (float g : table.gainDbi)
        FUZZ_CHECK(std::isfinite(g) && g >= -1000.0f && g <= 100.0f);
    return 0;
}
