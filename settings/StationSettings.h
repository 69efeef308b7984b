#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The operator's station and mode of operation: transmit power, antennas, the noise at
// the receiving site, the mode with its bandwidth and required S/N, the required
// reliability, and the engine the map and planner windows start with. They live in a
// small text file of their own in the data folder (the 344-byte settings record has a
// fixed layout with no room for them and is never touched by this file's code).

/// The prediction engines: the classic one and ITU-R P.533.
enum class PredictionEngine { Classic, P533 };

/// "classic" or "p533".
std::string_view PredictionEngineName(PredictionEngine engine);

/// The engine of a name ("classic", "p533", any letter case); nullopt for another text.
std::optional<PredictionEngine> PredictionEngineOf(std::string_view name);

/// The modes of operation with a preset bandwidth and required S/N, and Custom.
enum class StationMode { CW, SSB, AM, RTTY, FT8, FT4, WSPR, Custom };

/// A mode's bandwidth and the S/N it needs in that bandwidth, with where the figures
/// come from (for the help page and tool tips).
struct ModePreset {
    StationMode mode = StationMode::Custom;
    const char* name = "";      ///< "CW", "SSB", …, "Custom"
    double bandwidthHz = 0.0;   ///< receiver bandwidth the S/N is measured in
    double requiredSnrDb = 0.0; ///< S/N needed in that bandwidth, dB
    const char* source = "";    ///< one sentence: where the figures come from
};

/// The presets in menu order, Custom last (its figures are the defaults of the custom
/// fields).
std::span<const ModePreset> ModePresets();

/// The preset of a mode.
const ModePreset& ModePresetOf(StationMode mode);

/// The mode of a name (any letter case: "ft8", "Custom"); nullopt for another text.
std::optional<StationMode> StationModeOf(std::string_view name);

/// The man-made noise environments of ITU-R P.372 at the receiving site, or a level.
enum class StationNoise { City, Residential, Rural, QuietRural, Quiet, Noisy, Level };

/// "city", "residential", "rural", "quietrural", "quiet", "noisy" or "level".
std::string_view StationNoiseName(StationNoise noise);

/// The noise of a name (any letter case); nullopt for another text.
std::optional<StationNoise> StationNoiseOf(std::string_view name);

/// One terminal's antenna: isotropic with a constant gain, or a gain pattern file (the
/// "Type 13" layout the P.533 engine reads; a relative name is relative to the data
/// folder).
struct StationAntenna {
    double gainDbi = 0.0;    ///< −50..50 dBi, used when patternFile is empty
    std::string patternFile; ///< empty: isotropic with gainDbi
    bool operator==(const StationAntenna&) const = default;
};

/// The limits of the values (inclusive).
inline constexpr double kMinPowerW = 0.001, kMaxPowerW = 10e6;
inline constexpr double kMinGainDbi = -50.0, kMaxGainDbi = 50.0;
inline constexpr double kMinNoiseLevelDbw = -200.0, kMaxNoiseLevelDbw = -100.0;
inline constexpr double kMinBandwidthHz = 1.0, kMaxBandwidthHz = 1e6;
inline constexpr double kMinRequiredSnrDb = -100.0, kMaxRequiredSnrDb = 100.0;
inline constexpr double kMinRequiredReliability = 1.0, kMaxRequiredReliability = 99.0;

/// The station and mode. The defaults are a 100 W SSB station with isotropic antennas
/// in a residential area, 90 % of days, the classic engine.
struct StationSettings {
    double powerW = 100.0; ///< transmit power, W (kMinPowerW..kMaxPowerW)
    StationAntenna txAntenna;
    StationAntenna rxAntenna;
    StationNoise noise = StationNoise::Residential;
    double noiseLevelDbw = -150.0; ///< noise power in 1 Hz, dBW, used when noise is Level
    StationMode mode = StationMode::SSB;
    double customBandwidthHz = 2700.0;        ///< the Custom mode's bandwidth, Hz
    double customSnrDb = 10.0;                ///< the Custom mode's required S/N, dB
    double requiredReliabilityPercent = 90.0; ///< % of days (1..99)
    PredictionEngine startEngine = PredictionEngine::Classic;

    /// The mode's bandwidth (the preset's, or the custom one), Hz.
    double BandwidthHz() const;
    /// The mode's required S/N in BandwidthHz, dB.
    double RequiredSnrDb() const;
    /// The required S/N in 1 Hz (dB-Hz): RequiredSnrDb + 10·log10(BandwidthHz).
    double RequiredSnrDbHz() const;
    /// The transmit power in dB(1 kW): 100 W is −10.
    double PowerDbkW() const;

    bool operator==(const StationSettings&) const = default;
};

/// What is wrong with the values, as a sentence naming the field ("The transmit power
/// must be between 0.001 and 10000000 W."); empty when all are within their limits and
/// the pattern file names hold no control characters.
std::string CheckStationSettings(const StationSettings& settings);

/// The file's name in the data folder.
inline constexpr const char* kStationSettingsFileName = "Hopscope-station.cfg";

/// The version of the file this program writes.
inline constexpr int kStationSettingsVersion = 1;

/// The largest station file read (a few hundred bytes are expected).
inline constexpr std::size_t kMaxStationSettingsBytes = 64 * 1024;

/// How a read went.
enum class StationReadStatus {
    Read,    ///< read completely
    Missing, ///< no file yet: the defaults (no message needed at a first start)
    Damaged, ///< unreadable, empty, truncated, too large, a bad value, or a newer version
};

/// The settings read (the defaults for anything not read) and, unless Read, the message
/// naming the file and the reason ("…/Hopscope-station.cfg: the file is truncated (no
/// end line); the default station settings are used.").
struct StationSettingsRead {
    StationSettings settings;
    StationReadStatus status = StationReadStatus::Read;
    std::string message;
};

/// The file's text: "hopscope-station <version>", then "key=value" lines, then "end".
/// Numbers are written exactly (shortest round-trip form).
std::string StationSettingsText(const StationSettings& settings);

/// Reads the text StationSettingsText writes. Lines may end in CR LF; unknown keys are
/// skipped (a later version may add some). An empty text, a missing first line or end
/// line (truncated), a version above kStationSettingsVersion, a value that does not
/// read or is out of range give Damaged, the defaults, and a message naming `fileName`.
StationSettingsRead ParseStationSettings(std::string_view text, std::string_view fileName);

/// Reads kStationSettingsFileName in `dataDir`: Missing when there is none, Damaged
/// when it is not a regular file (never waited on), cannot be read, is larger than
/// kMaxStationSettingsBytes, or ParseStationSettings refuses it.
StationSettingsRead ReadStationSettings(const std::filesystem::path& dataDir);

/// What writing the file came to: true, or false with the file and the reason.
struct StationSettingsWrite {
    std::string error;
    explicit operator bool() const { return error.empty(); }
};

/// Writes the file through a temporary file and a rename. Settings that
/// CheckStationSettings refuses are not written; something other than a regular file
/// in the file's place (a FIFO, a device) is refused, never opened.
StationSettingsWrite WriteStationSettings(const std::filesystem::path& dataDir,
                                          const StationSettings& settings);

/// The path of an antenna's pattern file: absolute as given, or relative to `dataDir`.
std::filesystem::path PatternFilePath(const std::filesystem::path& dataDir,
                                      const StationAntenna& antenna);
