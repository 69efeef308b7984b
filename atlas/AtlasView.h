#pragma once

#include "atlas/Atlas.h"
#include "atlas/PrefixSearch.h"

#include <string>
#include <vector>

// The texts of the atlas view: its caption, list header and 54-character lines. The
// list is searched like the prefix search list (IncrementalSearch, PrefixSearchField).

inline constexpr std::size_t kAtlasViewLineWidth = 54;

/// "View Atlas by Prefix (371 entries)" / "View Atlas by Name (1 entry)".
std::string AtlasViewCaption(PrefixSearchMode mode, std::int32_t count);

/// "Prefix   Name                Latitude     Longitude" or
/// "Name                Prefix   Latitude     Longitude".
std::string AtlasViewHeader(PrefixSearchMode mode);

/// One entry, 54 characters wide: by prefix the prefix from column 2 and the name from
/// column 11, by name the name from column 2 and the prefix from column 22; the
/// latitude from column 31 and the longitude from column 44 in both (columns from 1,
/// counted in characters, so a non-Latin name lines up too).
std::string AtlasViewLine(const AtlasEntry& entry, PrefixSearchMode mode);

/// Every entry's line from the `ByPrefix` or `ByName` index, sorted like the list
/// (case-insensitive, stable). Empty when the atlas has no entries.
std::vector<std::string> AtlasViewLines(const Atlas& atlas, PrefixSearchMode mode);
