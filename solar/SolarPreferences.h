#pragma once

#include <filesystem>
#include <optional>
#include <string>

/// The user's choices about live solar data, kept in their own small text file in
/// the data folder (the settings file has a fixed layout with no room for them).
struct SolarPreferences {
    bool fillOnOpen = false; ///< fill the figures in when a dialog opens (fetches)
    std::string baseUrl;     ///< the server of the files; empty for the default
};

/// The file's name in the data folder.
inline constexpr const char* kSolarPreferencesFileName = "Hopscope-solar.cfg";

/// Reads "fill-on-open=0|1" and "base-url=..." lines; a missing or unreadable file,
/// unknown lines and bad values give the defaults.
SolarPreferences ReadSolarPreferences(const std::filesystem::path& dataDir);

/// Writes the file through a temporary file and a rename; false when that failed.
bool WriteSolarPreferences(const std::filesystem::path& dataDir, const SolarPreferences& prefs);

/// The base address in effect: $HOPSCOPE_SOLAR_URL when set and not empty, else the
/// preferences' address when set, else kDefaultSolarBaseUrl; any trailing "/" removed.
std::string SolarBaseUrl(const SolarPreferences& prefs);
