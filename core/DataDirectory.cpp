#include "core/DataDirectory.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

fs::path ProgramDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    return exe.parent_path();
}

fs::path UserDataDirectory(const std::string& xdgDataHome, const std::string& home) {
    // The base-directory convention ignores a relative XDG_DATA_HOME.
    if (!xdgDataHome.empty() && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "Hopscope";
    if (!home.empty() && fs::path(home).is_absolute())
        return fs::path(home) / ".local" / "share" / "Hopscope";
    return {};
}

fs::path UserDataDirectory() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return UserDataDirectory(xdg ? xdg : "", home ? home : "");
}

bool IsPortableProgramDirectory(const fs::path& programDir) {
    std::error_code ec;
    return !programDir.empty() && fs::exists(programDir / kPortableMarkerFileName, ec);
}

namespace {

// Makes `dir` exist as a folder; false when it is something else or cannot be made.
bool EnsureDirectory(const fs::path& dir) {
    std::error_code ec;
    if (fs::is_directory(dir, ec))
        return true;
    if (fs::exists(dir, ec))
        return false;
    fs::create_directories(dir, ec);
    return !ec && fs::is_directory(dir, ec);
}

} // namespace

DataDirectoryResult ChooseDataDirectory(const std::optional<std::string>& overrideDir,
                                        const fs::path& programDir, const fs::path& userDir,
                                        DataAccess access) {
    const bool writer = access == DataAccess::ReadWrite;
    if (overrideDir && !writer) {
        std::error_code ec;
        if (!fs::is_directory(*overrideDir, ec))
            return {{}, "the data directory \"" + *overrideDir + "\" does not exist"};
    }
    if (overrideDir) {
        if (overrideDir->empty())
            return {{}, "The data directory must not be empty."};
        std::error_code ec;
        fs::path dir = fs::absolute(fs::path(*overrideDir), ec);
        if (ec)
            dir = fs::path(*overrideDir);
        if (!EnsureDirectory(dir))
            return {{},
                    "The data directory \"" + *overrideDir +
                        "\" is not a folder and cannot be created."};
        return {dir.lexically_normal(), {}};
    }
    if (IsPortableProgramDirectory(programDir))
        return {programDir, {}};
    if (!userDir.empty() && (!writer || EnsureDirectory(userDir)))
        return {userDir, {}};
    if (!programDir.empty())
        return {programDir, {}};
    return {{},
            "No data directory is available: the program's folder is unknown and the "
            "per-user data folder cannot be created."};
}

DataDirectoryResult ResolveDataDirectory(const std::optional<std::string>& overrideDir) {
    return ChooseDataDirectory(overrideDir, ProgramDirectory(), UserDataDirectory());
}

DataDirectoryResult ResolveExistingDataDirectory(const std::optional<std::string>& overrideDir) {
    return ChooseDataDirectory(overrideDir, ProgramDirectory(), UserDataDirectory(),
                               DataAccess::ReadOnly);
}
