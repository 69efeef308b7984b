#include "solar/SolarCache.h"

#include "core/ReadFile.h"
#include "core/ReplaceFile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;

SolarCopyRead ReadSolarCopy(const fs::path& path, std::size_t maxBytes) {
    SolarCopyRead copy;
    std::error_code ec;
    if (const fs::file_status status = fs::status(path, ec); !ec && !fs::is_regular_file(status)) {
        copy.error = "not a regular file"; // not even opened: a device may act on an open
        return copy;
    }
    FileReadResult read = ReadFilePart(path, 0, maxBytes + 1);
    if (!read) {
        copy.error = read.error;
        return copy;
    }
    if (read.fileSize > maxBytes) {
        copy.error = "larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MB";
        return copy;
    }
    const fs::file_time_type stamp = fs::last_write_time(path, ec);
    if (ec) {
        copy.error = ec.message();
        return copy;
    }
    copy.text = std::move(read.bytes);
    copy.modifiedAt =
        std::chrono::time_point_cast<Clock::duration>(std::chrono::file_clock::to_sys(stamp));
    return copy;
}

std::string WriteSolarCopy(const fs::path& path, std::string_view text, Clock::time_point when) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return std::strerror(EISDIR);
        // Only the name in the data folder is ours: a link's target, a device or a
        // FIFO are never written through.
        if (!S_ISREG(info.st_mode) && ::unlink(path.c_str()) != 0)
            return std::strerror(errno);
    }
    if (const FileWriteResult written = ReplaceFile(path, text); !written)
        return written.error;
    std::error_code ec;
    fs::last_write_time(
        path,
        std::chrono::file_clock::from_sys(std::chrono::time_point_cast<std::chrono::seconds>(when)),
        ec);
    return "";
}
