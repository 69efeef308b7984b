#pragma once

#include "atlas/AtlasEntry.h"

#include <array>
#include <cstddef>
#include <vector>

/// One row of the built-in atlas, as written into the atlas file.
struct BuiltInAtlasRow {
    const char* Prefix;
    const char* Latitude;  ///< coordinate syntax, north positive
    const char* Longitude; ///< coordinate syntax, WEST positive
    const char* Name;
};

inline constexpr std::size_t kBuiltInAtlasSize = 371;

/// The 371 places written to a new atlas file when neither the atlas nor a legacy
/// atlas exists, in ascending prefix order (the atlas order).
extern const std::array<BuiltInAtlasRow, kBuiltInAtlasSize> kBuiltInAtlasRows;

/// The built-in rows as atlas entries (unused bytes zero), in the same order.
std::vector<AtlasEntry> BuiltInAtlasEntries();
