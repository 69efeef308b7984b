// Hopscope-station.cfg on any bytes: the text reads to settings within their limits or
// to the defaults with a message naming the file; what reads is written back to the
// same text and reads again to the same settings.

#include "settings/StationSettings.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const StationSettingsRead read = ParseStationSettings(text, "station.cfg");
    FUZZ_CHECK(CheckStationSettings(read.settings).empty());
    if (read.status != StationReadStatus::Read) {
        FUZZ_CHECK(read.settings == StationSettings());
        FUZZ_CHECK(read.message.starts_with("station.cfg: "));
        return 0;
    }
    FUZZ_CHECK(read.message.empty());
    const std::string written = StationSettingsText(read.settings);
    const StationSettingsRead again = ParseStationSettings(written, "station.cfg");
    FUZZ_CHECK(again.status == StationReadStatus::Read && again.settings == read.settings);
    FUZZ_CHECK(StationSettingsText(again.settings) == written);
    return 0;
}
