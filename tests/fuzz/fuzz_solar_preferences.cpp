// Hopscope-solar.cfg on any bytes: read, and what is read is written and reads back
// the same; a server address that is kept is always one that may be kept.

#include "solar/SolarPreferences.h"
#include "tests/fuzz/SolarFuzz.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(FuzzFolder() / kSolarPreferencesFileName, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<long>(size));
    const SolarPreferences read = ReadSolarPreferences(FuzzFolder());
    const SolarServerCheck check = CheckSolarServerAddress(read.baseUrl);
    FUZZ_CHECK(check.Ok() && check.address == read.baseUrl);
    FUZZ_CHECK(WriteSolarPreferences(FuzzFolder(), read));
    const SolarPreferences again = ReadSolarPreferences(FuzzFolder());
    FUZZ_CHECK(again.fillOnOpen == read.fillOnOpen && again.baseUrl == read.baseUrl);
    return 0;
}
