#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

/// What a file read came to: the bytes read, or the reason it failed.
struct [[nodiscard]] FileReadResult {
    std::string bytes;
    /// The whole file's size in bytes (also when only a part was read).
    std::uint64_t fileSize = 0;
    /// Empty on success; otherwise the system's reason, e.g. "Is a directory".
    std::string error;
    bool Ok() const { return error.empty(); }
    explicit operator bool() const { return Ok(); }
};

/// Reads up to `count` bytes of the file at `path` from byte `offset` on (fewer when the
/// file ends first). Never throws: a missing file, a folder, a device that cannot be
/// read or a file too large to hold in memory gives the reason in `error`. Only regular
/// files are read; anything else is refused ("Not a regular file", or the folder's
/// "Is a directory").
FileReadResult ReadFilePart(const std::filesystem::path& path, std::uint64_t offset = 0,
                            std::size_t count = std::numeric_limits<std::size_t>::max());

/// The whole of a regular file: ReadFilePart from byte 0 with no limit.
inline FileReadResult ReadWholeFile(const std::filesystem::path& path) {
    return ReadFilePart(path);
}
