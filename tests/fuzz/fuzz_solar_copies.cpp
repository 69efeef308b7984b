// The copies in the data folder on any bytes: the input, cut at each "\n@@\n", gives
// the copies of the daily flux, Kp, observed months, predicted months and outlook (a
// missing part: no copy). With the server marked as out of reach nothing is fetched:
// the look-up reads the copies through the file check and applies every rule, for
// today, days around it and months away.

#include "solar/SolarLookup.h"
#include "tests/fuzz/SolarFuzz.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace fs = std::filesystem;
using namespace std::chrono;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kCut = "\n@@\n";
    for (const SolarSource& source : kSolarFiles) {
        const fs::path path = FuzzFolder() / source.cacheName;
        std::error_code ec;
        fs::remove(path, ec);
        if (input.empty())
            continue;
        const std::size_t cut = input.find(kCut);
        const std::string_view part = input.substr(0, cut);
        std::ofstream(path, std::ios::binary).write(part.data(), static_cast<long>(part.size()));
        input =
            cut == std::string_view::npos ? std::string_view() : input.substr(cut + kCut.size());
    }
    const auto now = sys_days{2026y / 12 / 8} + 22h + 10min;
    const CalendarDay today{2026, 12, 8};
    for (const long days : {0L, -1L, -20L, 1L, 20L, -300L, 200L}) {
        SolarRunMemory offline;
        offline.unreachable = "out of reach";
        SolarRequest request;
        request.dataDir = FuzzFolder();
        request.date = DayAfter(today, days);
        request.now = now;
        request.baseUrl = "http://127.0.0.1:1";
        request.memory = &offline;
        const SolarLookup found = LookUpSolarFigure(request);
        FUZZ_CHECK(found.figure.has_value() == found.error.empty());
        FUZZ_CHECK(!found.cancelled);
        if (found.figure)
            CheckSolarFigure(*found.figure);
        FUZZ_CHECK(!SolarLookupStatus(found, now).empty());
    }
    return 0;
}
