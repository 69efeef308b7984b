#include "settings/SettingsRecord.h"

#include "core/Numeric.h"
#include "core/Syntax.h"
#include "core/Terminal.h"
#include "core/Utf8Text.h"
#include "settings/Extended80.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

// Field offsets of the 344-byte record.
constexpr std::size_t kOffDefaultLatitude = 0;
constexpr std::size_t kOffDefaultLongitude = 11;
constexpr std::size_t kOffDefaultName = 23;
constexpr std::size_t kOffDefaultDefined = 41;
constexpr std::size_t kOffNoiseEnvironment = 44;
constexpr std::size_t kOffNoiseBandwidth = 48;
constexpr std::size_t kOffShowZero = 54;
constexpr std::size_t kOffMinAngleText = 55;
constexpr std::size_t kOffSuppressionThreshold = 60;
constexpr std::size_t kOffMinAngleDeg = 64;
constexpr std::size_t kOffMinAngleRad = 74;
constexpr std::size_t kOffNoiseConstant = 84;
constexpr std::size_t kOffNoiseSlope = 88;
constexpr std::size_t kOffBandwidthDb = 92;
constexpr std::size_t kOffSuppressionLevel = 96;
constexpr std::size_t kOffFrequencyCount = 100;
constexpr std::size_t kOffFrequencyList = 101;
constexpr std::size_t kFrequencyEntrySize = 11;
constexpr std::size_t kOffFrequencyMHz = 212;
constexpr std::size_t kOffFrequencyTerms = 252;
constexpr std::size_t kOffSunspotPrimary = 332;
constexpr std::size_t kOffUseUtc = 333;
constexpr std::size_t kOffShowSnr = 334;
constexpr std::size_t kOffHighResFreqMap = 335;
constexpr std::size_t kOffMapUpdateMinutes = 336;
constexpr std::size_t kOffNoDefaultMessageOff = 340;

// Writes into a 344-byte image.
class Writer {
public:
    explicit Writer(SettingsRecordBytes& bytes) : m_bytes(bytes) {}
    void Text(std::size_t offset, const std::string& text, std::size_t capacity) {
        const std::string stored = CutText(text, capacity);
        m_bytes[offset] = static_cast<std::uint8_t>(stored.size());
        std::memcpy(&m_bytes[offset + 1], stored.data(), stored.size());
    }
    void Bool(std::size_t offset, bool value) { m_bytes[offset] = value ? 1 : 0; }
    void U8(std::size_t offset, std::uint8_t value) { m_bytes[offset] = value; }
    void I16(std::size_t offset, std::int16_t value) {
        Unsigned(offset, static_cast<std::uint16_t>(value), 2);
    }
    void I32(std::size_t offset, std::int32_t value) {
        Unsigned(offset, static_cast<std::uint32_t>(value), 4);
    }
    void Single(std::size_t offset, float value) {
        Unsigned(offset, std::bit_cast<std::uint32_t>(value), 4);
    }
    void Extended(std::size_t offset, double value) {
        const Extended80Bytes e = EncodeExtended80(value);
        std::copy(e.begin(), e.end(), m_bytes.begin() + offset);
    }

private:
    void Unsigned(std::size_t offset, std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i)
            m_bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    SettingsRecordBytes& m_bytes;
};

// Reads from a 344-byte image and remembers whether anything was out of range.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t, kSettingsRecordSize> bytes) : m_bytes(bytes) {}
    bool Damaged() const { return m_damaged; }
    void MarkDamaged() { m_damaged = true; }

    std::string Text(std::size_t offset, std::size_t capacity) {
        const std::size_t length = m_bytes[offset];
        if (length > capacity) {
            m_damaged = true;
            return {};
        }
        // Older versions stored 8-bit Latin-1 texts: read them as UTF-8 here, once.
        return ToValidUtf8(
            std::string_view(reinterpret_cast<const char*>(&m_bytes[offset + 1]), length));
    }
    bool Bool(std::size_t offset) const { return m_bytes[offset] != 0; }
    std::uint8_t U8(std::size_t offset) const { return m_bytes[offset]; }
    std::int16_t I16(std::size_t offset) const {
        return static_cast<std::int16_t>(Unsigned(offset, 2));
    }
    std::int32_t I32(std::size_t offset) const {
        return static_cast<std::int32_t>(Unsigned(offset, 4));
    }
    float Single(std::size_t offset) const {
        return std::bit_cast<float>(static_cast<std::uint32_t>(Unsigned(offset, 4)));
    }
    double Extended(std::size_t offset) const {
        Extended80Bytes e;
        std::copy_n(m_bytes.begin() + offset, e.size(), e.begin());
        return DecodeExtended80(e);
    }

private:
    std::uint64_t Unsigned(std::size_t offset, int size) const {
        std::uint64_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | m_bytes[offset + i];
        return value;
    }
    std::span<const std::uint8_t, kSettingsRecordSize> m_bytes;
    bool m_damaged = false;
};

constexpr double kMaxMinAngleDeg = 45.0;
// Frequency texts have one decimal; a 32-bit float holds them to within 2e-6 MHz.
constexpr double kFrequencySlackMHz = 1e-4;

} // namespace

SettingsRecordBytes EncodeSettings(const Settings& s) {
    SettingsRecordBytes bytes{};
    Writer w(bytes);
    w.Text(kOffDefaultLatitude, s.DefaultLatitudeText, kDefaultLatitudeCapacity);
    w.Text(kOffDefaultLongitude, s.DefaultLongitudeText, kDefaultLongitudeCapacity);
    w.Text(kOffDefaultName, s.DefaultName, kDefaultNameCapacity);
    w.Bool(kOffDefaultDefined, s.DefaultDefined);
    w.I32(kOffNoiseEnvironment, s.NoiseEnvironment);
    w.Text(kOffNoiseBandwidth, s.NoiseBandwidthText, kNoiseBandwidthCapacity);
    w.Bool(kOffShowZero, s.ShowZeroAvailability);
    w.Text(kOffMinAngleText, s.MinRadiationAngleText, kMinRadiationAngleCapacity);
    w.I32(kOffSuppressionThreshold, s.SuppressionThreshold);
    w.Extended(kOffMinAngleDeg, s.MinRadiationAngleDeg);
    w.Extended(kOffMinAngleRad, s.MinRadiationAngleRad);
    w.Single(kOffNoiseConstant, s.NoiseConstant);
    w.Single(kOffNoiseSlope, s.NoiseSlope);
    w.Single(kOffBandwidthDb, s.BandwidthDb);
    w.I32(kOffSuppressionLevel, s.SuppressionLevelDb);
    const int count = std::clamp(s.FrequencyCount, 0, kFrequencySlots);
    w.U8(kOffFrequencyCount, static_cast<std::uint8_t>(count));
    for (int k = 0; k < count; ++k) {
        const std::size_t entry = kOffFrequencyList + k * kFrequencyEntrySize;
        w.Text(entry, s.Frequencies[k].FrequencyText, kFrequencyTextCapacity);
        w.Text(entry + 1 + kFrequencyTextCapacity, s.Frequencies[k].ConstantText,
               kConstantTextCapacity);
    }
    for (int k = 0; k < kFrequencySlots; ++k) {
        w.Single(kOffFrequencyMHz + 4 * k, s.FrequencyMHz[k]);
        w.Single(kOffFrequencyTerms + 8 * k, s.FrequencyTermDb[k]);
        w.Single(kOffFrequencyTerms + 8 * k + 4, s.AbsorptionFactor[k]);
    }
    w.Bool(kOffSunspotPrimary, s.SunspotPrimary);
    w.Bool(kOffUseUtc, s.UseUtc);
    w.Bool(kOffShowSnr, s.ShowSnr);
    w.Bool(kOffHighResFreqMap, s.HighResFreqMap);
    w.I16(kOffMapUpdateMinutes, s.MapUpdateMinutes);
    w.I32(kOffNoDefaultMessageOff, s.NoDefaultMessageOff);
    return bytes;
}

std::optional<Settings> DecodeSettings(std::span<const std::uint8_t, kSettingsRecordSize> bytes) {
    Reader r(bytes);
    Settings s;
    s.DefaultLatitudeText = r.Text(kOffDefaultLatitude, kDefaultLatitudeCapacity);
    s.DefaultLongitudeText = r.Text(kOffDefaultLongitude, kDefaultLongitudeCapacity);
    // The name is shown and printed everywhere: a damaged or hostile file's control
    // characters come in as "?", never to act on a terminal (as the atlas's names).
    s.DefaultName = WithoutControlCharacters(r.Text(kOffDefaultName, kDefaultNameCapacity));
    s.DefaultDefined = r.Bool(kOffDefaultDefined);
    s.NoiseEnvironment = r.I32(kOffNoiseEnvironment);
    s.NoiseBandwidthText = r.Text(kOffNoiseBandwidth, kNoiseBandwidthCapacity);
    s.ShowZeroAvailability = r.Bool(kOffShowZero);
    s.MinRadiationAngleText = r.Text(kOffMinAngleText, kMinRadiationAngleCapacity);
    s.SuppressionThreshold = r.I32(kOffSuppressionThreshold);
    s.MinRadiationAngleDeg = r.Extended(kOffMinAngleDeg);
    s.MinRadiationAngleRad = r.Extended(kOffMinAngleRad);
    s.NoiseConstant = r.Single(kOffNoiseConstant);
    s.NoiseSlope = r.Single(kOffNoiseSlope);
    s.BandwidthDb = r.Single(kOffBandwidthDb);
    s.SuppressionLevelDb = r.I32(kOffSuppressionLevel);
    s.FrequencyCount = r.U8(kOffFrequencyCount);
    if (s.FrequencyCount > kFrequencySlots)
        return std::nullopt;
    for (int k = 0; k < s.FrequencyCount; ++k) {
        const std::size_t entry = kOffFrequencyList + k * kFrequencyEntrySize;
        s.Frequencies[k].FrequencyText = r.Text(entry, kFrequencyTextCapacity);
        s.Frequencies[k].ConstantText =
            r.Text(entry + 1 + kFrequencyTextCapacity, kConstantTextCapacity);
    }
    // Slots past the count are never used; whatever bytes they hold, they read as zero
    // (as a save writes them), so a record read and saved again is the same record.
    for (int k = 0; k < s.FrequencyCount; ++k) {
        s.FrequencyMHz[k] = r.Single(kOffFrequencyMHz + 4 * k);
        s.FrequencyTermDb[k] = r.Single(kOffFrequencyTerms + 8 * k);
        s.AbsorptionFactor[k] = r.Single(kOffFrequencyTerms + 8 * k + 4);
    }
    s.SunspotPrimary = r.Bool(kOffSunspotPrimary);
    s.UseUtc = r.Bool(kOffUseUtc);
    s.ShowSnr = r.Bool(kOffShowSnr);
    s.HighResFreqMap = r.Bool(kOffHighResFreqMap);
    s.MapUpdateMinutes = r.I16(kOffMapUpdateMinutes);
    s.NoDefaultMessageOff = r.I32(kOffNoDefaultMessageOff);

    if (r.Damaged())
        return std::nullopt;
    if (s.NoiseEnvironment < 0 || s.NoiseEnvironment > 3)
        return std::nullopt;
    if (s.SuppressionThreshold < 0 || s.SuppressionThreshold > 3)
        return std::nullopt;
    if (s.MapUpdateMinutes < 1 || s.MapUpdateMinutes > 60)
        return std::nullopt;
    // The derived numbers are used as stored; refuse those no entry could have produced.
    const double angleSlack = 1e-9;
    if (!(s.MinRadiationAngleDeg >= 0.0 &&
          s.MinRadiationAngleDeg <= kMaxMinAngleDeg + angleSlack) ||
        !(s.MinRadiationAngleRad >= 0.0 &&
          s.MinRadiationAngleRad <= kMaxMinAngleDeg * 0.017453292519943295 + angleSlack))
        return std::nullopt;
    if (!std::isfinite(s.NoiseConstant) || !std::isfinite(s.NoiseSlope) ||
        !std::isfinite(s.BandwidthDb))
        return std::nullopt;
    for (int k = 0; k < s.FrequencyCount; ++k) {
        if (!(s.FrequencyMHz[k] >= 3.0f && s.FrequencyMHz[k] <= 30.0f) ||
            !std::isfinite(s.FrequencyTermDb[k]) || !std::isfinite(s.AbsorptionFactor[k]))
            return std::nullopt;
        // The stored value must be the one its text gives: a recompute from the texts
        // (after the Options window, say) would otherwise change the frequency.
        const std::optional<double> typed =
            ParseDecimal(TrimBlanks(s.Frequencies[k].FrequencyText), true);
        if (!typed || std::fabs(*typed - s.FrequencyMHz[k]) > kFrequencySlackMHz)
            return std::nullopt;
    }
    return s;
}

SettingsRecordBytes
ConvertEarlierSettings(std::span<const std::uint8_t, kEarlierSettingsRecordSize> old) {
    SettingsRecordBytes bytes{};
    std::copy(old.begin(), old.begin() + 42, bytes.begin());
    std::copy(old.begin() + 42, old.begin() + 98, bytes.begin() + 44);
    std::copy(old.begin() + 98, old.begin() + 330, bytes.begin() + 100);
    std::copy(old.begin() + 330, old.begin() + 334, bytes.begin() + 332);
    std::copy(old.begin() + 334, old.begin() + 336, bytes.begin() + kOffMapUpdateMinutes);
    return bytes;
}
