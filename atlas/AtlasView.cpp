#include "atlas/AtlasView.h"

#include <algorithm>

namespace {

void Put(std::string& line, std::size_t column, const std::string& text) {
    line.replace(column - 1, text.size(), text);
}

} // namespace

std::string AtlasViewCaption(PrefixSearchMode mode, std::int32_t count) {
    std::string caption = "View Atlas by  (";
    caption.insert(14, mode == PrefixSearchMode::ByPrefix ? "Prefix" : "Name");
    caption += std::to_string(count) + (count == 1 ? " entry)" : " entries)");
    return caption;
}

std::string AtlasViewHeader(PrefixSearchMode mode) {
    return mode == PrefixSearchMode::ByPrefix
               ? "Prefix   Name                Latitude     Longitude"
               : "Name                Prefix   Latitude     Longitude";
}

std::string AtlasViewLine(const AtlasEntry& entry, PrefixSearchMode mode) {
    std::string line(kAtlasViewLineWidth, ' ');
    if (mode == PrefixSearchMode::ByPrefix) {
        Put(line, 2, entry.Prefix());
        Put(line, 11, entry.Name());
    } else {
        Put(line, 2, entry.Name());
        Put(line, 22, entry.Prefix());
    }
    Put(line, 31, entry.Latitude());
    Put(line, 44, entry.Longitude());
    return line;
}

std::vector<std::string> AtlasViewLines(const Atlas& atlas, PrefixSearchMode mode) {
    std::vector<std::string> lines;
    if (atlas.Count <= 0)
        return lines;
    const AtlasIndex index =
        mode == PrefixSearchMode::ByPrefix ? AtlasIndex::ByPrefix : AtlasIndex::ByName;
    const std::size_t count =
        index == AtlasIndex::ByPrefix ? atlas.ByPrefix.size() : atlas.ByName.size();
    lines.reserve(count);
    for (std::size_t position = 1; position <= count; ++position)
        lines.push_back(AtlasViewLine(AtlasEntryAt(atlas, index, position), mode));
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return CompareAtlasText(a, b) < 0;
    });
    return lines;
}
