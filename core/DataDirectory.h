#pragma once

#include <filesystem>
#include <optional>
#include <string>

/// Where the program keeps its own data files (settings "Hopscope.SAV", atlas
/// "Hopscope.ATL", base maps "Hopscope.REC" and "Hopscope.GC").
///
/// By default they lie beside the program, so a portable install keeps everything in
/// one folder. `--data-dir DIR` on the command line overrides that. When the program's
/// folder cannot be written (an install under /usr, say), the per-user data folder
/// ($XDG_DATA_HOME/Hopscope, or ~/.local/share/Hopscope) is used and created when needed.

/// The outcome of choosing the data directory: the folder, or the reason there is none.
struct DataDirectoryResult {
    std::filesystem::path directory; ///< absolute folder; empty when `error` is set
    std::string error;               ///< a message for the user; empty on success
    bool Ok() const { return error.empty(); }
};

/// The folder of the running program, read from /proc/self/exe; empty when that link
/// cannot be read.
std::filesystem::path ProgramDirectory();

/// The per-user data folder for this program: xdgDataHome + "/Hopscope" when
/// xdgDataHome is an absolute path, otherwise home + "/.local/share/Hopscope"; empty
/// when neither gives an absolute path. Nothing is created here.
std::filesystem::path UserDataDirectory(const std::string& xdgDataHome, const std::string& home);

/// The per-user data folder from the environment ($XDG_DATA_HOME, $HOME).
std::filesystem::path UserDataDirectory();

/// True when `dir` is an existing folder this process may create files in.
bool IsWritableDirectory(const std::filesystem::path& dir);

/// Chooses the data directory from explicit inputs:
/// - `overrideDir` given: that folder (made absolute), created when it does not exist;
///   an error when it exists but is not a folder or cannot be created;
/// - otherwise `programDir` when it is writable;
/// - otherwise `userDir`, created when needed; when that fails too, `programDir` is
///   still returned (the files can be read there; writes fail silently as usual).
/// An empty `programDir` with no usable `userDir` is an error.
DataDirectoryResult ChooseDataDirectory(const std::optional<std::string>& overrideDir,
                                        const std::filesystem::path& programDir,
                                        const std::filesystem::path& userDir);

/// ChooseDataDirectory with the running program's folder and the user's folder from
/// the environment; what both programs call at start-up.
DataDirectoryResult ResolveDataDirectory(const std::optional<std::string>& overrideDir);

/// For commands that only read the data files: as ResolveDataDirectory, except that
/// an `overrideDir` that is not an existing folder is an error ("the data directory
/// "DIR" does not exist") and nothing is created.
DataDirectoryResult ResolveExistingDataDirectory(const std::optional<std::string>& overrideDir);

/// The file names of the program's data files, joined to a data directory by callers.
inline constexpr const char* kSettingsFileName = "Hopscope.SAV";
inline constexpr const char* kAtlasFileName = "Hopscope.ATL";
inline constexpr const char* kLegacyAtlasFileName = "QKT.ATL";
inline constexpr const char* kRectangularMapFileName = "Hopscope.REC";
inline constexpr const char* kGreatCircleMapFileName = "Hopscope.GC";
