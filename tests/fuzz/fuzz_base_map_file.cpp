// A base map file of any bytes read as the windows read it at start and when a map
// opens (PlanBaseMaps, LoadBaseMap): nothing throws or reads outside the file, only
// the bitmap of the map's own size is ever taken, and a file that is not stale loads.

#include "maps/BaseMapFile.h"
#include "settings/DefaultTerminal.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path dir = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "hopscope-fuzz-XXXXXX");
        if (!::mkdtemp(folder.data()))
            std::abort();
        static std::string made;
        made = folder;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(made, ec);
        });
        return std::filesystem::path(folder);
    }();
    static const Settings station = [] {
        Settings s = FactorySettings();
        s.DefaultLatitudeText = "48 12 N";
        s.DefaultLongitudeText = "16 22 E";
        s.DefaultName = "Vienna";
        DeriveSettings(s);
        return s;
    }();
    // The first byte picks the map; the rest is the file.
    if (size == 0)
        return 0;
    const bool greatCircle = data[0] & 1;
    const std::filesystem::path file = BaseMapPath(dir, greatCircle);
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    const BaseMapPlan plan = PlanBaseMaps(station, dir);
    const bool stale = greatCircle ? plan.greatCircle : plan.rectangular;
    const std::optional<PixelBuffer> map = LoadBaseMap(dir, greatCircle);
    if (map) {
        FUZZ_CHECK(map->Width() == (greatCircle ? kGreatCircleBaseSize : kRectangularBaseWidth));
        FUZZ_CHECK(map->Height() == (greatCircle ? kGreatCircleBaseSize : kRectangularBaseHeight));
    }
    if (!stale)
        FUZZ_CHECK(map.has_value());
    return 0;
}
