#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

/// A copy of a file kept in the data folder, as read.
struct SolarCopyRead {
    std::string text;
    std::chrono::system_clock::time_point modifiedAt{};
    std::string error; ///< why there is no copy: missing, not a regular file, too large...
    bool Ok() const { return error.empty(); }
};

/// Reads the copy at `path` through the program's file reader: only a regular file (a
/// FIFO, a device or a folder in its place is no copy, and is never waited on), of at
/// most `maxBytes` bytes.
SolarCopyRead ReadSolarCopy(const std::filesystem::path& path, std::size_t maxBytes);

/// Replaces the copy at `path` with `text` as a regular file in its folder (temporary
/// file and rename). Whatever stands at `path` that is not a regular file (a symbolic
/// link, a FIFO, a device node) is removed first, never followed or written into; a
/// folder is refused. Sets the copy's modification time to `when`. "" on success,
/// else the reason.
std::string WriteSolarCopy(const std::filesystem::path& path, std::string_view text,
                           std::chrono::system_clock::time_point when);
