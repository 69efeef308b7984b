// The atlas on any bytes: the records as the file reader takes them (whole 48-byte
// records), both indexes, the look-ups and the prefix search list.

#include "atlas/Atlas.h"
#include "atlas/PrefixSearch.h"
#include "core/Utf8Text.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t count = size / AtlasEntry::kSize;
    std::vector<AtlasEntry> entries(count);
    for (std::size_t i = 0; i < count; ++i)
        std::copy_n(data + i * AtlasEntry::kSize, AtlasEntry::kSize, entries[i].bytes.begin());
    const Atlas atlas = AtlasOf(std::move(entries));
    FUZZ_CHECK(atlas.ByName.size() == count && atlas.ByPrefix.size() == count);

    // ByName holds every entry once, in the atlas order of names.
    std::vector<std::uint32_t> sorted = atlas.ByName;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < count; ++i)
        FUZZ_CHECK(sorted[i] == i);
    for (std::size_t p = 2; p <= count; ++p)
        FUZZ_CHECK(CompareAtlasText(AtlasEntryAt(atlas, AtlasIndex::ByName, p - 1).Name(),
                                    AtlasEntryAt(atlas, AtlasIndex::ByName, p).Name()) <= 0);

    // The tail of the input is what a user types.
    const std::string key(reinterpret_cast<const char*>(data + count * AtlasEntry::kSize),
                          size % AtlasEntry::kSize);
    for (AtlasIndex index : {AtlasIndex::ByPrefix, AtlasIndex::ByName}) {
        const std::size_t p = AtlasLowerBound(atlas, key, index, count);
        FUZZ_CHECK(p >= 1 && p <= count + 1);
    }
    if (const std::optional<AtlasEntry> found = FindAtlasEntry(atlas, key))
        FUZZ_CHECK(found->Prefix() == key);
    AtlasStatus(atlas, 0);

    for (PrefixSearchMode mode : {PrefixSearchMode::ByPrefix, PrefixSearchMode::ByName}) {
        const std::vector<std::string> lines = PrefixSearchLines(atlas, mode);
        FUZZ_CHECK(lines.size() == count);
        for (const std::string& line : lines) {
            FUZZ_CHECK(Utf8Length(line) == kPrefixSearchLineWidth);
            FUZZ_CHECK(ToValidUtf8(line) == line);
        }
        if (const std::optional<std::size_t> selected = IncrementalSearch(lines, key)) {
            FUZZ_CHECK(*selected < lines.size());
            PrefixSearchField(lines[*selected], mode);
            PrefixSearchPrefix(lines[*selected], mode);
        }
    }
    return 0;
}
