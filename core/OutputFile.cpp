#include "core/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

FileWriteResult Failure(int error) {
    return {std::strerror(error != 0 ? error : EIO)};
}

FileWriteResult WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Failure(n == 0 ? ENOSPC : errno);
        done += static_cast<std::size_t>(n);
    }
    return {};
}

// The standard stream (1 or 2) that `path` names through a link, or -1. Compared by
// device and inode, so /dev/stdout, /dev/fd/1 and /proc/self/fd/1 all name it, and a
// link to it is never followed to a file and replaced there: that file may be a log
// the shell opened for appending, or a pipe that has no name to replace.
int StandardStreamOf(const fs::path& path) {
    if (path == "-")
        return STDOUT_FILENO;
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return -1;
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0)
        return -1;
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream {};
        if (::fstat(fd, &stream) == 0 && stream.st_dev == target.st_dev &&
            stream.st_ino == target.st_ino)
            return fd;
    }
    return -1;
}

// Something that cannot be replaced by a rename: a device, a FIFO, a socket.
bool IsSpecialFile(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

} // namespace

bool IsDirectOutput(const fs::path& path) {
    return StandardStreamOf(path) >= 0 || IsSpecialFile(path);
}

FileWriteResult WriteOutputFile(const fs::path& path, std::string_view bytes) {
    if (const int stream = StandardStreamOf(path); stream >= 0) {
        // What the program printed before through stdio goes first.
        std::fflush(stream == STDOUT_FILENO ? stdout : stderr);
        return WriteAll(stream, bytes);
    }
    if (!IsSpecialFile(path))
        return ReplaceFile(path, bytes);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Failure(errno);
    FileWriteResult written = WriteAll(fd, bytes);
    if (::close(fd) != 0 && written.Ok() && errno != EINTR)
        written = Failure(errno);
    return written;
}
