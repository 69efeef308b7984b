#include "core/ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Writes everything or fails; retries writes cut short by a signal.
bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Flushes the folder so the rename itself survives a power cut; errors are ignored
// (some file systems cannot sync a folder, and the file is in place either way).
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

FileWriteResult Failure(int error) {
    return {std::strerror(error != 0 ? error : EIO)};
}

bool IsTemporaryName(const std::string& name) {
    const std::size_t marker = name.rfind(kTemporaryFileMarker);
    return marker != std::string::npos && marker > 0 &&
           name.size() == marker + kTemporaryFileMarker.size() + 6;
}

// The file a path names once symbolic links are followed, so that replacing it keeps
// the link and changes its target (in the target's folder). A path that is no link,
// a dangling link's missing target and a loop end the walk where they are.
fs::path FollowLinks(fs::path path) {
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)) || ec)
            return path;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// Writes into something that is not a regular file (a device, a FIFO, the terminal):
// it cannot be replaced, and renaming a file over it would destroy it.
FileWriteResult WriteInPlace(const fs::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return Failure(errno);
    const bool written = WriteAll(fd, bytes);
    const int error = errno;
    ::close(fd);
    return written ? FileWriteResult{} : Failure(error);
}

// Removes temporary files of `path` that a killed run left beside it (older than a
// minute, so a write still going on in another copy of the program is left alone).
void RemoveStaleTemporaryFilesOf(const fs::path& path) {
    const std::string prefix = path.filename().string() + std::string(kTemporaryFileMarker);
    const auto now = fs::file_time_type::clock::now();
    std::error_code ec;
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code entryError;
        if (!name.starts_with(prefix) || !IsTemporaryName(name) ||
            !it->is_regular_file(entryError) || it->is_symlink(entryError))
            continue;
        const auto written = it->last_write_time(entryError);
        if (!entryError && now - written >= std::chrono::seconds(60))
            fs::remove(it->path(), entryError);
    }
}

} // namespace

FileWriteResult ReplaceFile(const fs::path& requested, std::string_view bytes) {
    const fs::path path = FollowLinks(requested);
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        return Failure(EISDIR);
    if (exists && !S_ISREG(info.st_mode))
        return WriteInPlace(path, bytes);
    std::string temp = path.string() + std::string(kTemporaryFileMarker) + "XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Failure(errno);
    const auto mode = exists ? static_cast<mode_t>(info.st_mode & 07777) : mode_t{0644};
    int error = 0;
    const auto step = [&](bool ok) {
        if (!ok && error == 0)
            error = errno != 0 ? errno : EIO;
        return ok;
    };
    bool ok = step(WriteAll(fd, bytes)) && step(::fsync(fd) == 0);
    ok = step(::close(fd) == 0) && ok;
    ok = ok && step(::chmod(temp.c_str(), mode) == 0);
    ok = ok && step(std::rename(temp.c_str(), path.c_str()) == 0);
    if (!ok) {
        ::unlink(temp.c_str());
        return Failure(error);
    }
    SyncFolder(path.parent_path());
    RemoveStaleTemporaryFilesOf(path);
    return {};
}

int RemoveStaleTemporaryFiles(const fs::path& directory, std::chrono::seconds minimumAge) {
    int removed = 0;
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!IsTemporaryName(it->path().filename().string()) || !it->is_regular_file(entryError) ||
            it->is_symlink(entryError))
            continue;
        const auto written = it->last_write_time(entryError);
        if (entryError || now - written < minimumAge)
            continue;
        if (fs::remove(it->path(), entryError))
            ++removed;
    }
    return removed;
}
