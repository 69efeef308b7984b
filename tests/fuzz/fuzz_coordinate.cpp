// Coordinate texts: the first byte picks latitude or longitude, the rest is typed.

#include "core/Syntax.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const CoordinateKind kind = data[0] & 1 ? CoordinateKind::Longitude : CoordinateKind::Latitude;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const CoordinateParse parsed = ParseCoordinate(text, kind);
    if (!parsed.ok)
        return 0;
    const double limit = kind == CoordinateKind::Latitude ? 90.0 : 360.0;
    FUZZ_CHECK(std::isfinite(parsed.valueDeg) && std::fabs(parsed.valueDeg) <= limit);
    FUZZ_CHECK(parsed.normalizedText.size() <= 11);
    // What a field stores reads back to the same place.
    const CoordinateParse again = ParseCoordinate(parsed.normalizedText, kind);
    FUZZ_CHECK(again.ok && std::fabs(again.valueDeg - parsed.valueDeg) < 1e-5);
    return 0;
}
