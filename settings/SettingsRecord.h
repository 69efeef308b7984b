#pragma once

#include "settings/Settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

/// Size of the settings record, and of the settings file, in bytes.
inline constexpr std::size_t kSettingsRecordSize = 344;
/// Size of the record of the earlier layout, converted on load.
inline constexpr std::size_t kEarlierSettingsRecordSize = 340;

using SettingsRecordBytes = std::array<std::uint8_t, kSettingsRecordSize>;

/// The 344-byte image of `settings`: little-endian integers and IEEE singles, the two
/// angles as 80-bit extended reals at offsets 64 and 74, texts as a length byte and
/// their characters cut to the field's capacity with zero bytes after them, reserved
/// bytes and unused frequency entries zero, booleans as 0 or 1.
SettingsRecordBytes EncodeSettings(const Settings& settings);

/// Reads a 344-byte image. The record is taken as stored, derived fields included.
/// nullopt when it is damaged: a text length byte above its field's capacity, a
/// `FrequencyCount` above 10, `NoiseEnvironment` or `SuppressionThreshold` outside 0..3,
/// `MapUpdateMinutes` outside 1..60, or a derived number that could not have been
/// derived (a minimum angle outside 0..45° or not finite, a used frequency outside
/// 3..30 MHz or one its `FrequencyText` does not give, a frequency term, absorption
/// factor, noise or bandwidth term that is not a finite number). Such a record would
/// make later computations read nonsense. Texts come back as UTF-8 (ToValidUtf8), and
/// the default terminal's name with its control characters as "?".
std::optional<Settings> DecodeSettings(std::span<const std::uint8_t, kSettingsRecordSize> bytes);

/// Converts a record of the earlier 340-byte layout: its bytes 0-41 stay, 42-97 move to
/// 44-99, 98-329 to 100-331, 330-333 to 332-335, 334-335 become `MapUpdateMinutes`;
/// `NoDefaultMessageOff` and the reserved bytes are zero.
SettingsRecordBytes
ConvertEarlierSettings(std::span<const std::uint8_t, kEarlierSettingsRecordSize> old);
