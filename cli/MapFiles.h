#pragma once

#include <filesystem>
#include <optional>
#include <string>

class PixelBuffer;

// Where the map commands (freqmap, coverage) put what they make.

/// `text` into the file `out` (through WriteOutputFile: "-" and /dev/stdout are standard
/// output) or, without one, to standard output. The problem when that fails: "the output could not
/// be written", or "the map could not be written to 'FILE': REASON".
std::optional<std::string> WriteMapOutput(const std::string& text,
                                          const std::optional<std::string>& out);

/// Makes `out` the folder of several pictures (created when missing). The problem when
/// it cannot be: "'OUT' is not a folder and cannot be made one", or, for "-" and other
/// streams (IsDirectOutput), "several pictures need a folder, not 'OUT'".
std::optional<std::string> MakePictureFolder(const std::string& out);

/// `image` as a PNG file (through WriteOutputFile). The problem when that fails: "the map
/// could not be encoded as PNG", or "the map could not be written to 'FILE': REASON".
std::optional<std::string> WriteMapPng(const PixelBuffer& image, const std::filesystem::path& file);
