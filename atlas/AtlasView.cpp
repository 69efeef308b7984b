#include "atlas/AtlasView.h"

#include "core/Utf8Text.h"

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
    // Columns count characters, so a name in Cyrillic or Japanese lines up too.
    std::string line;
    if (mode == PrefixSearchMode::ByPrefix) {
        AppendAtColumn(line, 1, entry.Prefix());
        AppendAtColumn(line, 10, entry.Name());
    } else {
        AppendAtColumn(line, 1, entry.Name());
        AppendAtColumn(line, 21, entry.Prefix());
    }
    AppendAtColumn(line, 30, entry.Latitude());
    AppendAtColumn(line, 43, entry.Longitude());
    AppendAtColumn(line, kAtlasViewLineWidth, {});
    return line;
}

std::vector<std::string> AtlasViewLines(const Atlas& atlas, PrefixSearchMode mode) {
    return SortedAtlasLines(atlas, mode, &AtlasViewLine);
}
