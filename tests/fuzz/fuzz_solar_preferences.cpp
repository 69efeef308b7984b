// Hopscope-solar.cfg on any bytes: read, and what is read is written and reads back
// the same; a server address that is kept is always one that may be kept.

#include "solar/SolarPreferences.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path& Folder() {
    static const fs::path folder = [] {
        fs::path path =
            fs::temp_directory_path() / ("hopscope-fuzz-solar-cfg-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(Folder() / kSolarPreferencesFileName, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<long>(size));
    const SolarPreferences read = ReadSolarPreferences(Folder());
    const SolarServerCheck check = CheckSolarServerAddress(read.baseUrl);
    FUZZ_CHECK(check.Ok() && check.address == read.baseUrl);
    FUZZ_CHECK(WriteSolarPreferences(Folder(), read));
    const SolarPreferences again = ReadSolarPreferences(Folder());
    FUZZ_CHECK(again.fillOnOpen == read.fillOnOpen && again.baseUrl == read.baseUrl);
    return 0;
}
