// Grid locators and call-sign prefixes.

#include "core/Syntax.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LocatorResult locator = GridLocatorToCoordinates(text, true);
    if (locator) {
        FUZZ_CHECK(text.size() == 4 || text.size() == 6);
        FUZZ_CHECK(std::fabs(locator.latitudeDeg) <= 90.0 &&
                   std::fabs(locator.longitudeDeg) <= 180.0);
        // The texts it gives are coordinates in their own right.
        const CoordinateParse lat = ParseCoordinate(locator.latitudeText, CoordinateKind::Latitude);
        const CoordinateParse lon =
            ParseCoordinate(locator.longitudeText, CoordinateKind::Longitude);
        FUZZ_CHECK(lat.ok && lon.ok);
        FUZZ_CHECK(std::fabs(lat.valueDeg - locator.latitudeDeg) < 0.01);
        FUZZ_CHECK(std::fabs(lon.valueDeg - locator.longitudeDeg) < 0.01);
    } else {
        FUZZ_CHECK(text.size() == 4 || text.size() == 6 || locator.message.IsEmpty());
    }
    const CheckResult prefix = IsValidPrefix(text, true);
    if (prefix)
        FUZZ_CHECK(!text.empty() && text.size() <= 6 && text.back() != '/');
    else
        FUZZ_CHECK(!prefix.message.IsEmpty());
    return 0;
}
