#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

/// What a file write came to: success, or the reason it failed.
struct [[nodiscard]] FileWriteResult {
    /// Empty on success; otherwise the system's reason, e.g. "No space left on device".
    std::string error;
    bool Ok() const { return error.empty(); }
    explicit operator bool() const { return Ok(); }
};

/// The part every temporary file of ReplaceFile has in its name, between the name of
/// the file it replaces and six random characters: "Hopscope.SAV.hopscope-tmp.a1B2c3".
inline constexpr std::string_view kTemporaryFileMarker = ".hopscope-tmp.";

/// Replaces the file at `path` with `bytes`, so that a failure never leaves it half
/// written: the bytes go to a new temporary file in the same folder (named with
/// kTemporaryFileMarker), which is flushed to disk and then renamed over `path`. The
/// new file keeps the old one's permissions (a first file gets rw-r--r--). On any
/// failure the temporary file is removed, `path` keeps what it held (or stays absent)
/// and the result says why. A symbolic link is followed: its target is replaced, in
/// the target's folder, and the link stays. Something that is not a regular file (a
/// device such as /dev/null, a FIFO, /dev/stdout) is written directly, never replaced;
/// a folder is refused ("Is a directory"). After a replacement, temporary files of the
/// same name that a killed run left beside it (older than a minute) are removed.
[[nodiscard]] FileWriteResult ReplaceFile(const std::filesystem::path& path,
                                          std::string_view bytes);

/// Removes the temporary files of ReplaceFile that a killed program left in
/// `directory`: regular files named "<name>.hopscope-tmp.XXXXXX" not modified for
/// `minimumAge` (so a write still going on in another copy of the program is left
/// alone). Nothing else is touched; errors are ignored. Returns how many were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& directory,
                              std::chrono::seconds minimumAge = std::chrono::seconds(60));
