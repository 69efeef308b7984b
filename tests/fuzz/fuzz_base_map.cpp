// The base-map file reader on any bytes: the bitmap decoder and the trailer's
// staleness check never read outside the file, and a decoded bitmap has the size its
// header claims.

#include "maps/BaseMapFile.h"
#include "settings/DefaultTerminal.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<PixelBuffer> map = DecodeBmp(bytes))
        FUZZ_CHECK(map->Width() > 0 && map->Height() > 0);
    static const Settings station = [] {
        Settings s = FactorySettings();
        s.DefaultLatitudeText = "48 12 N";
        s.DefaultLongitudeText = "16 22 E";
        s.DefaultName = "Vienna";
        DeriveSettings(s);
        return s;
    }();
    const bool stale = BaseMapBytesAreStale(bytes, station);
    if (size < kBaseMapTrailerSize)
        FUZZ_CHECK(stale);
    return 0;
}
