// Solar index and K index texts; the first byte picks which, and for the solar
// index whether sunspot numbers are primary.

#include "core/Dates.h"
#include "core/Syntax.h"
#include "core/TimeZone.h"
#include "engine/Propagation.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 1) {
        const TextCheck k = CheckKIndex(text);
        if (k) {
            FUZZ_CHECK(k.text.size() <= 2);
            FUZZ_CHECK(CheckKIndex(k.text).text == k.text); // canonical already
        }
        return 0;
    }
    const bool sunspotPrimary = data[0] & 2;
    const TextCheck solar = CheckSolarIndex(text, sunspotPrimary);
    if (!solar) {
        FUZZ_CHECK(!solar.message.IsEmpty());
        return 0;
    }
    FUZZ_CHECK(solar.text.size() <= 6);
    FUZZ_CHECK(CheckSolarIndex(solar.text, sunspotPrimary).text == solar.text);
    // What the field stores converts to both numbers for any date.
    const SolarPosition sun =
        ComputeSolarPosition(DateFromCalendar(2026, 1 + data[0] % 12, 15), TimeZoneState{});
    const std::optional<SolarIndexValues> values = ConvertSolarIndex(solar.text, sun);
    FUZZ_CHECK(values && std::isfinite(values->Ssn) && std::isfinite(values->Flux));
    FUZZ_CHECK(values->Ssn >= 0.0f && values->Flux > 0.0f);
    return 0;
}
