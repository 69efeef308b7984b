#include "core/ReadFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileReadResult Failure(int error) {
    FileReadResult result;
    result.error = std::strerror(error != 0 ? error : EIO);
    return result;
}

} // namespace

FileReadResult ReadFilePart(const std::filesystem::path& path, std::uint64_t offset,
                            std::size_t count) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Failure(errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return Failure(errno);
    if (S_ISDIR(info.st_mode))
        return Failure(EISDIR);
    if (!S_ISREG(info.st_mode)) {
        FileReadResult result;
        result.error = "Not a regular file";
        return result;
    }
    FileReadResult result;
    result.fileSize = static_cast<std::uint64_t>(info.st_size);
    if (offset >= result.fileSize)
        return result;
    const std::uint64_t wanted = std::min<std::uint64_t>(count, result.fileSize - offset);
    try {
        result.bytes.resize(static_cast<std::size_t>(wanted));
    } catch (const std::bad_alloc&) {
        return Failure(ENOMEM);
    } catch (const std::length_error&) {
        return Failure(EFBIG);
    }
    std::size_t done = 0;
    while (done < result.bytes.size()) {
        const ssize_t n = ::pread(fd, result.bytes.data() + done, result.bytes.size() - done,
                                  static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Failure(errno);
        if (n == 0)
            break; // the file became shorter while it was read
        done += static_cast<std::size_t>(n);
    }
    result.bytes.resize(done);
    return result;
}
