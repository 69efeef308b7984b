#include "atlas/Atlas.h"

#include <algorithm>
#include <numeric>

namespace {

AtlasField FieldOf(AtlasIndex index) {
    return index == AtlasIndex::ByPrefix ? kAtlasPrefixField : kAtlasNameField;
}

const std::vector<std::uint32_t>& Positions(const Atlas& atlas, AtlasIndex index) {
    return index == AtlasIndex::ByPrefix ? atlas.ByPrefix : atlas.ByName;
}

// Orders the entries of one run of names that are equal ignoring case, given in file
// order, as inserting them one by one does: each goes after the names at the head
// of the run that are byte-for-byte its own, before everything else in the run. So
// an entry joins the block at the head when its name is that block's, and starts a
// new block before it otherwise: the result is the run cut into its stretches of
// byte-identical names, each stretch kept in file order, the stretches last first.
// Linear in the length of the run.
void OrderEqualNames(std::vector<std::uint32_t>::iterator first,
                     std::vector<std::uint32_t>::iterator last,
                     const std::vector<std::string>& names) {
    std::vector<std::uint32_t> placed;
    placed.reserve(static_cast<std::size_t>(last - first));
    for (auto end = last; end != first;) {
        auto begin = end - 1;
        while (begin != first && names[*(begin - 1)] == names[*begin])
            --begin;
        placed.insert(placed.end(), begin, end);
        end = begin;
    }
    std::copy(placed.begin(), placed.end(), first);
}

} // namespace

const AtlasEntry& AtlasEntryAt(const Atlas& atlas, AtlasIndex index, std::size_t position) {
    return atlas.Entries[Positions(atlas, index)[position - 1]];
}

void BuildAtlasIndexes(Atlas& atlas) {
    atlas.ByPrefix.clear();
    atlas.ByName.clear();
    if (atlas.Count <= 0)
        return;
    const auto count = static_cast<std::uint32_t>(atlas.Count);
    atlas.ByPrefix.resize(count);
    std::iota(atlas.ByPrefix.begin(), atlas.ByPrefix.end(), 0u);

    // A stable sort gives the runs of case-insensitively equal names in file order;
    // only inside such a run can inserting one by one differ from file order.
    std::vector<std::string> names(count);
    for (std::uint32_t i = 0; i < count; ++i)
        names[i] = atlas.Entries[i].Name();
    atlas.ByName = atlas.ByPrefix;
    std::stable_sort(
        atlas.ByName.begin(), atlas.ByName.end(),
        [&](std::uint32_t a, std::uint32_t b) { return CompareAtlasText(names[a], names[b]) < 0; });
    for (auto first = atlas.ByName.begin(); first != atlas.ByName.end();) {
        auto last = first + 1;
        while (last != atlas.ByName.end() && CompareAtlasText(names[*first], names[*last]) == 0)
            ++last;
        if (last - first > 1)
            OrderEqualNames(first, last, names);
        first = last;
    }
}

Atlas AtlasOf(std::vector<AtlasEntry> entries) {
    Atlas atlas;
    atlas.Count = static_cast<std::int32_t>(entries.size());
    atlas.Entries = std::move(entries);
    BuildAtlasIndexes(atlas);
    return atlas;
}

void FreeAtlas(Atlas& atlas) {
    atlas.Entries = {};
    atlas.ByPrefix = {};
    atlas.ByName = {};
    atlas.Count = -1;
}

std::size_t AtlasLowerBound(const Atlas& atlas, std::string_view key, AtlasIndex index,
                            std::size_t n) {
    const auto& positions = Positions(atlas, index);
    const AtlasField field = FieldOf(index);
    std::int64_t lo = 1;
    std::int64_t hi = static_cast<std::int64_t>(std::min(n, positions.size()));
    while (hi >= lo) {
        const std::int64_t mid = (lo + hi) / 2;
        const AtlasEntry& entry = atlas.Entries[positions[static_cast<std::size_t>(mid - 1)]];
        if (CompareAtlasText(key, ReadAtlasText(entry, field)) <= 0)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return static_cast<std::size_t>(lo);
}

std::optional<AtlasEntry> FindAtlasEntry(const Atlas& atlas, std::string_view prefix) {
    if (atlas.Count <= 0)
        return std::nullopt;
    const std::size_t n = atlas.ByPrefix.size();
    const std::size_t p = AtlasLowerBound(atlas, prefix, AtlasIndex::ByPrefix, n);
    if (p > n)
        return std::nullopt;
    const AtlasEntry& entry = AtlasEntryAt(atlas, AtlasIndex::ByPrefix, p);
    if (entry.Prefix() != prefix)
        return std::nullopt;
    return entry;
}

AtlasStatusResult AtlasStatus(const Atlas& atlas, std::int32_t threshold) {
    AtlasStatusResult result;
    result.count = atlas.Count;
    if (atlas.Count > threshold)
        return result;
    std::string text;
    if (atlas.Count < 0)
        text = "Atlas file " + atlas.FilePath.string() + " not found\ror the file is corrupt.";
    else if (atlas.Count == 0)
        text = "The atlas is empty.";
    else
        text = "The atlas has " + std::to_string(atlas.Count) + " entries.";
    result.message = UserMessage{MessageKind::Information, true, std::move(text), {}};
    return result;
}

PrefixUse PrefixInUse(const Atlas& atlas, std::string_view prefix) {
    if (!FindAtlasEntry(atlas, prefix))
        return {};
    return {true, ErrorMessage("Prefix " + std::string(prefix) + " is in use by another entry")};
}
