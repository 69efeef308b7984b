#pragma once

#include <filesystem>
#include <optional>
#include <string>

class PixelBuffer;

// Where the map commands (freqmap, coverage) put what they make.

/// `text` into the file `out` (through ReplaceFile) or, without one, to standard
/// output. The problem when that fails: "the output could not be written", or "the map
/// could not be written to 'FILE': REASON".
std::optional<std::string> WriteMapOutput(const std::string& text,
                                          const std::optional<std::string>& out);

/// `image` as a PNG file (through ReplaceFile). The problem when that fails: "the map
/// could not be encoded as PNG", or "the map could not be written to 'FILE': REASON".
std::optional<std::string> WriteMapPng(const PixelBuffer& image, const std::filesystem::path& file);
