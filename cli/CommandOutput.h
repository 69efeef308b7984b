#pragma once

#include <string_view>

/// Writes `text` to standard output and flushes it; false when any of it did not get
/// out (a closed pipe, a full disk).
bool WriteStandardOutput(std::string_view text);
