#pragma once

#include <filesystem>
#include <optional>
#include <string>

/// Where the program keeps its own data files (settings "Hopscope.SAV", atlas
/// "Hopscope.ATL", base maps "Hopscope.REC" and "Hopscope.GC").
///
/// A program that runs from its build tree, or from a folder marked as portable, keeps
/// them beside itself: the marker is a file "Hopscope.portable" in the program's folder,
/// which the build writes beside both programs and which a user can put into a folder of
/// their own to carry the program and its files around together. Any other program (an
/// install under /usr or ~/.local, whether its folder can be written or not) uses the
/// per-user data folder, $XDG_DATA_HOME/Hopscope or ~/.local/share/Hopscope.
/// `--data-dir DIR` on the command line overrides both.

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

/// True when the program in `programDir` keeps its data beside itself: the folder holds
/// the marker file kPortableMarkerFileName. False for an empty or missing folder.
bool IsPortableProgramDirectory(const std::filesystem::path& programDir);

/// Whether the caller may write data files: only a writer has folders created for it.
enum class DataAccess { ReadOnly, ReadWrite };

/// Chooses the data directory from explicit inputs:
/// - `overrideDir` given: that folder (made absolute). ReadWrite creates it when it does
///   not exist and refuses it when it is not a folder or cannot be created; ReadOnly
///   refuses it unless it is an existing folder ("the data directory "DIR" does not
///   exist") and creates nothing;
/// - otherwise `programDir` when it is marked portable (IsPortableProgramDirectory);
/// - otherwise `userDir`: ReadWrite creates it when needed; ReadOnly returns it as it is,
///   existing or not (a reader then finds no files there and uses the built-in data);
/// - when `userDir` is empty or cannot be created, `programDir` is still returned (the
///   files can be read there; writes fail silently as usual).
/// An empty `programDir` with no usable `userDir` is an error.
DataDirectoryResult ChooseDataDirectory(const std::optional<std::string>& overrideDir,
                                        const std::filesystem::path& programDir,
                                        const std::filesystem::path& userDir,
                                        DataAccess access = DataAccess::ReadWrite);

/// ChooseDataDirectory with the running program's folder and the user's folder from
/// the environment; what both programs call at start-up.
DataDirectoryResult ResolveDataDirectory(const std::optional<std::string>& overrideDir);

/// For commands that only read the data files: ChooseDataDirectory with
/// DataAccess::ReadOnly, so nothing is created.
DataDirectoryResult ResolveExistingDataDirectory(const std::optional<std::string>& overrideDir);

/// The file names of the program's data files, joined to a data directory by callers.
inline constexpr const char* kSettingsFileName = "Hopscope.SAV";
inline constexpr const char* kAtlasFileName = "Hopscope.ATL";
inline constexpr const char* kLegacyAtlasFileName = "QKT.ATL";
inline constexpr const char* kRectangularMapFileName = "Hopscope.REC";
inline constexpr const char* kGreatCircleMapFileName = "Hopscope.GC";
/// The marker of a program folder that keeps the data files itself (build tree, portable).
inline constexpr const char* kPortableMarkerFileName = "Hopscope.portable";
