#pragma once

#include <filesystem>

/// An exclusive lock, held while the object lives, on a lock file that guards one data
/// file against other copies of the program (flock on "<file>.lock" beside it, which is
/// created when missing and never removed). Waits until the lock is free. When the lock
/// file cannot be opened (a read-only folder) nothing is locked: whatever the holder
/// then writes fails on its own.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& guardedFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    /// True when the lock is held.
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
