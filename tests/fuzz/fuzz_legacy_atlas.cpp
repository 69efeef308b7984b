// The legacy atlas "QKT.ATL" on any bytes, imported by a first start (LoadAtlas in a
// folder without "Hopscope.ATL"). Each input gets a fresh file in one scratch folder
// of the process.

#include "atlas/AtlasFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "hopscope-fuzz-legacy-XXXXXX").string();
    FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
    return pattern;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path folder = ScratchFolder();
    static const struct Cleanup {
        ~Cleanup() {
            std::error_code ec;
            fs::remove_all(folder, ec);
        }
    } cleanup;
    std::error_code ec;
    fs::remove(folder / "Hopscope.ATL", ec);
    std::ofstream(folder / "QKT.ATL", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    Atlas atlas;
    LoadAtlas(atlas, folder);
    // The header record and whole 46-byte records only; one atlas record each.
    const std::size_t records = size >= 46 ? size / 46 - 1 : 0;
    FUZZ_CHECK(atlas.Count >= 0 && static_cast<std::size_t>(atlas.Count) <= records);
    FUZZ_CHECK(fs::file_size(folder / "Hopscope.ATL") ==
               static_cast<std::uintmax_t>(atlas.Count) * AtlasEntry::kSize);
    return 0;
}
