#include "batch/BatchReportFile.h"

#include "core/OutputFile.h"
#include "core/ReadFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

ReportFileResult Failed(const std::string& reason) {
    return {false, "Unable to write the report file: " + reason};
}

} // namespace

ReportFileResult WriteReportFile(const fs::path& path, std::string_view text, ReportFileMode mode) {
    std::string contents;
    std::error_code ec;
    // A device, a FIFO or a standard stream takes the reports as they come: it holds
    // nothing to keep, and append and overwrite are the same to it.
    const bool direct = IsDirectOutput(path);
    if (mode == ReportFileMode::Append && !direct && fs::exists(path, ec)) {
        FileReadResult old = ReadWholeFile(path);
        if (!old)
            return Failed(path.string() + ": " + old.error);
        contents = std::move(old.bytes);
    }
    contents.append(text);
    if (const FileWriteResult written = WriteOutputFile(path, contents); !written)
        return Failed(path.string() + ": " + written.error);
    return {true, {}};
}
