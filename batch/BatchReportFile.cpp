#include "batch/BatchReportFile.h"

#include "core/ReplaceFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

ReportFileResult Failed(const std::string& reason) {
    return {false, "Unable to write the report file: " + reason};
}

std::string ErrnoReason() {
    return std::strerror(errno != 0 ? errno : EIO);
}

} // namespace

ReportFileResult WriteReportFile(const fs::path& path, std::string_view text, ReportFileMode mode) {
    std::string contents;
    std::error_code ec;
    if (mode == ReportFileMode::Append && fs::exists(path, ec)) {
        errno = 0;
        std::ifstream old(path, std::ios::binary);
        if (!old)
            return Failed(path.string() + ": " + ErrnoReason());
        contents.assign(std::istreambuf_iterator<char>(old), std::istreambuf_iterator<char>());
        if (old.bad())
            return Failed(path.string() + ": " + ErrnoReason());
    }
    contents.append(text);
    errno = 0;
    if (!ReplaceFile(path, contents))
        return Failed(path.string() + ": " + ErrnoReason());
    return {true, {}};
}
