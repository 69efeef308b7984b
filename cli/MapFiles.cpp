#include "cli/MapFiles.h"

#include "cli/CommandOutput.h"
#include "core/OutputFile.h"
#include "maps/PixelBuffer.h"

namespace {

std::optional<std::string> WriteMapFile(const std::filesystem::path& file,
                                        const std::string& bytes) {
    if (const FileWriteResult written = WriteOutputFile(file, bytes); !written)
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

std::optional<std::string> MakePictureFolder(const std::string& out) {
    if (IsDirectOutput(out))
        return "several pictures need a folder, not '" + out + "'";
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (!std::filesystem::is_directory(out, ec))
        return "'" + out + "' is not a folder and cannot be made one";
    return std::nullopt;
}

std::optional<std::string> WriteMapPng(const PixelBuffer& image,
                                       const std::filesystem::path& file) {
    const std::optional<std::string> png = image.EncodePng();
    if (!png)
        return "the map could not be encoded as PNG";
    return WriteMapFile(file, *png);
}
