// Times of day (HHMM).

#include "core/Syntax.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool valid = IsValidHHMM(text);
    const std::optional<double> hours = HHMMToHours(text);
    if (valid && hours)
        FUZZ_CHECK(*hours >= 0.0 && *hours < 24.0);
    const CheckResult check = CheckTimeOfDay(text);
    if (check)
        FUZZ_CHECK(valid && hours.has_value());
    else
        FUZZ_CHECK(!check.message.IsEmpty());
    return 0;
}
