// Atlas edits on an atlas file of any bytes, with any typed texts: each change either
// leaves the file as it was or writes exactly the atlas held afterwards, whose records
// stay whole, in prefix order where the program put them, and free of control
// characters when read.

#include "atlas/AtlasEdit.h"
#include "atlas/AtlasFile.h"
#include "core/Utf8Text.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The next text of the input: a length byte and that many bytes.
std::string Take(std::string_view& input) {
    if (input.empty())
        return {};
    const std::size_t length =
        std::min<std::size_t>(static_cast<std::uint8_t>(input[0]) % 24, input.size() - 1);
    std::string text(input.substr(1, length));
    input.remove_prefix(1 + length);
    return text;
}

} // namespace

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
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first byte: how many whole records of the input are the atlas file.
    if (input.empty())
        return 0;
    const std::size_t records = std::min<std::size_t>(static_cast<std::uint8_t>(input[0]) % 8,
                                                      (input.size() - 1) / AtlasEntry::kSize);
    input.remove_prefix(1);
    {
        std::ofstream out(dir / "Hopscope.ATL", std::ios::binary | std::ios::trunc);
        out.write(input.data(), static_cast<std::streamsize>(records * AtlasEntry::kSize));
    }
    input.remove_prefix(records * AtlasEntry::kSize);
    Atlas atlas;
    LoadAtlas(atlas, dir);
    FUZZ_CHECK(atlas.Count == static_cast<std::int32_t>(records));

    for (int step = 0; step < 4 && !input.empty(); ++step) {
        const int action = static_cast<std::uint8_t>(input[0]) % 3;
        input.remove_prefix(1);
        const std::string before = FileBytes(dir / "Hopscope.ATL");
        AtlasEditResult result;
        if (action == 0) {
            AtlasEntryTexts texts;
            texts.prefix = Take(input);
            texts.latitude = Take(input);
            texts.longitude = Take(input);
            texts.name = Take(input);
            result = AddEntryFromTexts(atlas, texts, true);
        } else if (action == 1) {
            const std::string current = Take(input);
            AtlasEntryTexts changes;
            changes.name = Take(input);
            result = ModifyEntryFromTexts(atlas, current, changes, true);
        } else {
            result = DeleteEntryByPrefix(atlas, Take(input));
        }
        const std::string after = FileBytes(dir / "Hopscope.ATL");
        if (!result) {
            FUZZ_CHECK(after == before);
            continue;
        }
        FUZZ_CHECK(after == AtlasFileBytes(atlas.Entries));
        FUZZ_CHECK(atlas.Count == static_cast<std::int32_t>(atlas.Entries.size()));
        for (const AtlasEntry& entry : atlas.Entries)
            FUZZ_CHECK(!HasControlCharacter(entry.Name()) && !HasControlCharacter(entry.Prefix()));
    }
    return 0;
}
