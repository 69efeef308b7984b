// The settings reader on any bytes: a 344-byte record (shorter input is padded with
// zero bytes) and, from the first 340 bytes, the earlier layout's conversion.

#include "settings/SettingsRecord.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void CheckRecord(std::span<const std::uint8_t, kSettingsRecordSize> bytes) {
    const std::optional<Settings> settings = DecodeSettings(bytes);
    if (!settings)
        return;
    FUZZ_CHECK(settings->FrequencyCount >= 0 && settings->FrequencyCount <= kFrequencySlots);
    // A record that was accepted is saved, and what is saved reads back as it was.
    // (Only the texts may differ from the first reading: a long Latin-1 name grows as
    // UTF-8 and is cut to its field.)
    const SettingsRecordBytes saved = EncodeSettings(*settings);
    const std::optional<Settings> again = DecodeSettings(saved);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(EncodeSettings(*again) == saved);
    FUZZ_CHECK(again->FrequencyMHz == settings->FrequencyMHz &&
               again->MinRadiationAngleRad == settings->MinRadiationAngleRad);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SettingsRecordBytes record{};
    std::copy_n(data, std::min(size, record.size()), record.begin());
    CheckRecord(record);

    std::array<std::uint8_t, kEarlierSettingsRecordSize> earlier{};
    std::copy_n(data, std::min(size, earlier.size()), earlier.begin());
    CheckRecord(ConvertEarlierSettings(earlier));
    return 0;
}
