#pragma once

#include <array>
#include <cstdint>
#include <string>

/// Capacities of the texts of the settings record (characters, without the length byte).
inline constexpr std::size_t kDefaultLatitudeCapacity = 10;
inline constexpr std::size_t kDefaultLongitudeCapacity = 11;
inline constexpr std::size_t kDefaultNameCapacity = 17;
inline constexpr std::size_t kNoiseBandwidthCapacity = 5;
inline constexpr std::size_t kMinRadiationAngleCapacity = 4;
inline constexpr std::size_t kFrequencyTextCapacity = 4;
inline constexpr std::size_t kConstantTextCapacity = 5;

/// The number of frequency slots of the settings record (the most frequencies a
/// prediction is made for).
inline constexpr int kFrequencySlots = 10;

/// `SuppressionLevelDb` of "No suppression": a threshold far below any signal.
inline constexpr std::int32_t kNoSuppressionDb = -32700;

/// Man-made noise environments, the values of `NoiseEnvironment`.
enum NoiseEnvironmentKind : std::int32_t {
    kNoiseIndustrial = 0,
    kNoiseResidential = 1,
    kNoiseRural = 2,
    kNoiseRemote = 3,
};

/// One frequency of the user's list: the frequency in MHz with one decimal (3.0..30.0)
/// and the additive signal-level constant in dB with one decimal (-99.9..100.0), both as
/// typed.
struct FrequencyEntry {
    std::string FrequencyText; ///< at most 4 characters, e.g. "14.1"
    std::string ConstantText;  ///< at most 5 characters, e.g. "0.0"
    bool operator==(const FrequencyEntry&) const = default;
};

/// The user's settings, as held in memory and stored byte for byte in "Hopscope.SAV".
/// The fields marked "derived" are filled by DeriveSettings from the entered ones, so
/// the computations read ready-made numbers. Texts longer than their capacity are cut
/// when the record is written.
struct Settings {
    // Default terminal.
    std::string DefaultLatitudeText;  ///< coordinate syntax, at most 10 characters
    std::string DefaultLongitudeText; ///< coordinate syntax, at most 11 characters
    std::string DefaultName;          ///< at most 17 characters
    bool DefaultDefined = false;      ///< derived: both coordinate texts are non-empty

    // Prediction parameters.
    std::int32_t NoiseEnvironment = kNoiseResidential; ///< NoiseEnvironmentKind, 0..3
    std::string NoiseBandwidthText = "1";              ///< noise bandwidth in Hz, 1..20000
    bool ShowZeroAvailability = false;                 ///< zero-availability cells are shown
    std::string MinRadiationAngleText = "1.5";         ///< degrees 0.0..45.0, one decimal
    std::int32_t SuppressionThreshold = 1;             ///< 0 "0 dB", 1 "-10 dB", 2 "-20 dB", 3 none
    double MinRadiationAngleDeg = 0.0;                 ///< derived, degrees
    double MinRadiationAngleRad = 0.0;                 ///< derived, radians
    float NoiseConstant = 0.0f;                        ///< derived, dB
    float NoiseSlope = 0.0f;                           ///< derived, dB per decade of frequency
    float BandwidthDb = 0.0f;                          ///< derived: 10·log10(bandwidth in Hz)
    std::int32_t SuppressionLevelDb = 0;               ///< derived: 0, -10, -20 or kNoSuppressionDb

    // Frequencies: entries 0..FrequencyCount-1 are used, in ascending order.
    int FrequencyCount = 0; ///< 0..10
    std::array<FrequencyEntry, kFrequencySlots> Frequencies{};
    std::array<float, kFrequencySlots> FrequencyMHz{};     ///< derived, MHz
    std::array<float, kFrequencySlots> FrequencyTermDb{};  ///< derived: 20·log10(f) − constant
    std::array<float, kFrequencySlots> AbsorptionFactor{}; ///< derived: 143 / ((f + 0.904)² + 10)

    // Preferences.
    bool SunspotPrimary = false;          ///< a solar index without a letter is a sunspot number
    bool UseUtc = true;                   ///< times in UTC (else in the user's local time, "ULT")
    bool ShowSnr = false;                 ///< tables start on signal-to-noise ratios
    bool HighResFreqMap = false;          ///< frequency map of 877 areas (else 57)
    std::int16_t MapUpdateMinutes = 3;    ///< map auto update interval, 1..60 minutes
    std::int32_t NoDefaultMessageOff = 0; ///< −1 when "no default terminal" is not to be told again

    bool operator==(const Settings&) const = default;
};

/// The settings of a first run: residential noise, 1 Hz bandwidth, minimum angle 1.5°,
/// suppression below −10 dB and of zero availability, the five frequencies 3.6, 7.1,
/// 14.1, 21.2 and 28.3 MHz with constant 0.0, flux primary, UTC, signal levels, low
/// resolution maps updated every 3 minutes. The derived fields are already filled.
Settings FactorySettings();

/// Recomputes every derived field from the entered ones:
/// - DefaultDefined: both default coordinate texts non-empty;
/// - per used frequency f (MHz) with constant c (dB): FrequencyMHz = f,
///   FrequencyTermDb = 20·log10(f) − c, AbsorptionFactor = 143 / ((f + 0.904)² + 10);
///   unused slots become 0;
/// - MinRadiationAngleDeg from its text (an empty or unreadable text gives 0) and the
///   same in radians;
/// - NoiseConstant/NoiseSlope: Industrial −140.4/27.7, Residential −144.7/27.7,
///   Rural −150.0/27.7, Remote −163.6/28.6;
/// - BandwidthDb = 10·log10(integer value of the bandwidth text); a text that gives
///   less than 1 Hz counts as 1 Hz, so the value stays finite;
/// - SuppressionLevelDb: 0, −10, −20, or kNoSuppressionDb for "No suppression".
/// Numbers in texts use "." as the decimal separator whatever the locale.
void DeriveSettings(Settings& settings);
