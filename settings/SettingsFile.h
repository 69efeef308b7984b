#pragma once

#include "core/ReplaceFile.h"
#include "settings/Settings.h"

#include <filesystem>
#include <string>

/// How LoadSettings came by the settings it returns.
enum class SettingsSource {
    File,        ///< read from a 344-byte (or longer) file as stored
    Converted,   ///< read from a 340-byte file of the earlier layout, rewritten as 344 bytes
    MissingFile, ///< no file: factory settings
    ShortFile,   ///< shorter than a record (and not the earlier layout): factory settings
    DamagedFile, ///< out-of-range contents: factory settings, the file kept as ".bad"
    ReadError,   ///< the file could not be read: factory settings
};

/// The settings in effect after LoadSettings, and where they came from.
struct SettingsLoad {
    Settings settings;
    SettingsSource source = SettingsSource::MissingFile;
};

/// The settings file of a data directory: dataDir / "Hopscope.SAV".
std::filesystem::path SettingsFilePath(const std::filesystem::path& dataDir);

/// How many damaged settings files are kept: ".bad" (the latest) and ".bad.1" to
/// ".bad.4" (older ones, the highest number the oldest).
inline constexpr int kKeptDamagedSettingsFiles = 5;

/// Where a damaged settings file is kept: the file's path + ".bad" for the latest
/// (age 0), + ".bad.<age>" for older ones (age 1 .. kKeptDamagedSettingsFiles - 1).
std::filesystem::path DamagedSettingsPath(const std::filesystem::path& settingsFile, int age = 0);

/// Reads the settings file at `path` as LoadSettings does, without touching the file:
/// nothing is converted on disk and a damaged file stays where it is. For readers that
/// must not write (the command line's predict and settings commands).
SettingsLoad ReadSettingsFile(const std::filesystem::path& path);

/// Reads the settings file at `path` at start-up:
/// - exactly 340 bytes: the earlier layout, converted and written back at once as 344
///   bytes (when the conversion gives a sound record; a read error leaves the file alone);
/// - 344 bytes or more: the first 344 bytes, used as stored, derived fields included;
/// - missing, shorter or unreadable: FactorySettings();
/// - damaged (see DecodeSettings): FactorySettings(), and the damaged file is moved to
///   DamagedSettingsPath(path) so the next save does not destroy it; damaged files kept
///   before move to ".bad.1", ".bad.2", ... (up to kKeptDamagedSettingsFiles in all,
///   the oldest dropped). A short file that is not empty is kept the same way.
/// Never throws and never shows anything; the time-zone state and the default terminal
/// are the caller's to set from the result.
SettingsLoad LoadSettings(const std::filesystem::path& path);

/// Writes the 344-byte record to `path` through a temporary file in the same folder
/// renamed over the old file, so a failed write leaves the previous file intact.
/// The result says why a write failed; callers tell the user (SettingsNotSavedText).
[[nodiscard]] FileWriteResult SaveSettings(const std::filesystem::path& path,
                                           const Settings& settings);

/// The message for settings that could not be saved: it names the file and the
/// reason. `atExit` adds the choice the program offers when it is closing: "OK" to
/// try again, "Cancel" to quit without saving.
std::string SettingsNotSavedText(const std::filesystem::path& path, const std::string& reason,
                                 bool atExit);
