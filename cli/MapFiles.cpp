#include "cli/MapFiles.h"

#include "cli/CommandOutput.h"
#include "core/ReplaceFile.h"
#include "maps/PixelBuffer.h"

namespace {

std::optional<std::string> WriteMapFile(const std::filesystem::path& file,
                                        const std::string& bytes) {
    if (const FileWriteResult written = ReplaceFile(file, bytes); !written)
        return "the map could not be written to '" + file.string() + "': " + written.error;
    return std::nullopt;
}

} // namespace

std::optional<std::string> WriteMapOutput(const std::string& text,
                                          const std::optional<std::string>& out) {
    if (out)
        return WriteMapFile(*out, text);
    if (!WriteStandardOutput(text))
        return "the output could not be written";
    return std::nullopt;
}

std::optional<std::string> WriteMapPng(const PixelBuffer& image,
                                       const std::filesystem::path& file) {
    const std::optional<std::string> png = image.EncodePng();
    if (!png)
        return "the map could not be encoded as PNG";
    return WriteMapFile(file, *png);
}
