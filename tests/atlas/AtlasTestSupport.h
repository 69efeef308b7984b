#pragma once

#include "tests/core/FileSizeLimit.h"
#include "tests/core/TempDir.h"

#include "atlas/AtlasEntry.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <sys/resource.h>

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

/// Shows an entry in test failures as its four texts.
inline void PrintTo(const AtlasEntry& entry, std::ostream* os) {
    *os << '{' << entry.Prefix() << " | " << entry.Latitude() << " | " << entry.Longitude() << " | "
        << entry.Name() << '}';
}

#include "atlas/Atlas.h"
#include "atlas/BuiltInAtlas.h"

#include <vector>

/// The built-in atlas in memory, as a first start loads it.
inline Atlas BuiltInAtlas() {
    return AtlasOf(BuiltInAtlasEntries());
}
