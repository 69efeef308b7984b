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

/// The largest preferences file read (a few lines are expected).
inline constexpr std::size_t kMaxSolarPreferencesBytes = 64 * 1024;

/// Reads "fill-on-open=0|1" and "base-url=..." lines through the program's file reader;
/// a missing file, one that is not a regular file (never waited on), one larger than
/// kMaxSolarPreferencesBytes, unknown lines and bad values give the defaults.
SolarPreferences ReadSolarPreferences(const std::filesystem::path& dataDir);

/// What writing the preferences came to: true, or false with the file and the reason.
struct SolarPreferencesWrite {
    std::string error;
    explicit operator bool() const { return error.empty(); }
};

/// Writes the file through a temporary file and a rename (a link is followed, as for
/// the settings file). Something other than a regular file in its place (a FIFO, a
/// device) is refused, never opened.
SolarPreferencesWrite WriteSolarPreferences(const std::filesystem::path& dataDir,
                                            const SolarPreferences& prefs);

/// The server address the user typed, checked for the preferences: "" (the default
/// server), or an http:// or https:// address with a host and no blanks or control
/// characters; any trailing "/" removed. The message says what is wrong otherwise.
struct SolarServerCheck {
    std::string address; ///< the address to keep
    std::string error;   ///< empty when the address may be kept
    bool Ok() const { return error.empty(); }
};
SolarServerCheck CheckSolarServerAddress(const std::string& text);

/// The base address in effect: $HOPSCOPE_SOLAR_URL when set and not empty, else the
/// preferences' address when set, else kDefaultSolarBaseUrl; any trailing "/" removed.
std::string SolarBaseUrl(const SolarPreferences& prefs);
