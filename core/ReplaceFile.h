#pragma once

#include <filesystem>
#include <string_view>

/// Replaces the file at `path` with `bytes`, so that a failure never leaves it half
/// written: the bytes go to a new temporary file in the same folder, which is flushed
/// to disk and then renamed over `path`. The new file keeps the old one's
/// permissions (a first file gets rw-r--r--). On any failure the temporary file is
/// removed, `path` keeps what it held (or stays absent) and the result is false.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes);
