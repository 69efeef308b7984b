#include "settings/SettingsRecord.h"

#include "settings/Extended80.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

float SingleAt(const SettingsRecordBytes& b, std::size_t offset) {
    float f;
    std::uint32_t u = b[offset] | (b[offset + 1] << 8) | (b[offset + 2] << 16) |
                      (static_cast<std::uint32_t>(b[offset + 3]) << 24);
    std::memcpy(&f, &u, 4);
    return f;
}

Settings SampleSettings() {
    Settings s = FactorySettings();
    s.DefaultLatitudeText = "40 54 N";
    s.DefaultLongitudeText = "74 0 30 W";
    s.DefaultName = "New York";
    s.NoiseEnvironment = kNoiseRemote;
    s.NoiseBandwidthText = "2500";
    s.ShowZeroAvailability = true;
    s.MinRadiationAngleText = "12.5";
    s.SuppressionThreshold = 3;
    s.FrequencyCount = 10;
    for (int k = 0; k < 10; ++k)
        s.Frequencies[k] = {std::to_string(3 + 2 * k) + ".5", k % 2 ? "-99.9" : "100.0"};
    s.SunspotPrimary = true;
    s.UseUtc = false;
    s.ShowSnr = true;
    s.HighResFreqMap = true;
    s.MapUpdateMinutes = 60;
    s.NoDefaultMessageOff = -1;
    DeriveSettings(s);
    return s;
}

} // namespace

TEST(SettingsRecord, FactoryImageHasTheFieldsAtTheirOffsets) {
    const SettingsRecordBytes b = EncodeSettings(FactorySettings());
    EXPECT_EQ(b[0], 0);  // empty default latitude
    EXPECT_EQ(b[41], 0); // DefaultDefined
    EXPECT_EQ(b[44], 1); // residential
    EXPECT_EQ(b[48], 1); // bandwidth "1"
    EXPECT_EQ(b[49], '1');
    EXPECT_EQ(b[50], 0); // zero padding after the text
    EXPECT_EQ(b[55], 3); // "1.5"
    EXPECT_EQ(std::memcmp(&b[56], "1.5\0", 4), 0);
    EXPECT_EQ(b[60], 1); // -10 dB threshold
    Extended80Bytes deg;
    std::copy_n(b.begin() + 64, 10, deg.begin());
    EXPECT_EQ(DecodeExtended80(deg), 1.5);
    EXPECT_EQ(SingleAt(b, 84), -144.7f);
    EXPECT_EQ(SingleAt(b, 88), 27.7f);
    EXPECT_EQ(b[96], 0xF6); // -10 as int32
    EXPECT_EQ(b[99], 0xFF);
    EXPECT_EQ(b[100], 5);
    EXPECT_EQ(b[101], 3); // "3.6" then "0.0"
    EXPECT_EQ(std::memcmp(&b[102], "3.6", 3), 0);
    EXPECT_EQ(b[106], 3);
    EXPECT_EQ(std::memcmp(&b[107], "0.0", 3), 0);
    EXPECT_EQ(b[112], 3); // second entry, "7.1"
    EXPECT_EQ(b[211], 0);
    EXPECT_EQ(SingleAt(b, 212), 3.6f);
    EXPECT_EQ(SingleAt(b, 212 + 4 * 4), 28.3f);
    EXPECT_EQ(SingleAt(b, 252 + 8 * 2 + 4), FactorySettings().AbsorptionFactor[2]);
    EXPECT_EQ(b[332], 0); // flux primary
    EXPECT_EQ(b[333], 1); // UTC
    EXPECT_EQ(b[336], 3); // map update minutes
    EXPECT_EQ(b[337], 0);
    for (std::size_t i : {42u, 43u, 338u, 339u, 340u, 343u})
        EXPECT_EQ(b[i], 0) << i;
}

TEST(SettingsRecord, RoundTripsBothWays) {
    for (const Settings& s : {FactorySettings(), SampleSettings()}) {
        const SettingsRecordBytes bytes = EncodeSettings(s);
        const std::optional<Settings> back = DecodeSettings(bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, s);
        EXPECT_EQ(EncodeSettings(*back), bytes);
    }
}

TEST(SettingsRecord, DerivedFieldsAreTakenAsStored) {
    SettingsRecordBytes bytes = EncodeSettings(FactorySettings());
    bytes[92] = 0;
    bytes[93] = 0;
    bytes[94] = 0x80;
    bytes[95] = 0x3F; // BandwidthDb = 1.0
    const std::optional<Settings> s = DecodeSettings(bytes);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->BandwidthDb, 1.0f);
}

TEST(SettingsRecord, TextsAreCutToTheirCapacity) {
    Settings s = FactorySettings();
    s.DefaultName = "A name far longer than seventeen";
    s.Frequencies[0].ConstantText = "-99.95";
    const std::optional<Settings> back = DecodeSettings(EncodeSettings(s));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->DefaultName, "A name far longer");
    EXPECT_EQ(back->Frequencies[0].ConstantText, "-99.9");
    // Never in the middle of a character: 17 bytes hold five of these three-byte ones.
    s.DefaultName = "東京都港区六本木";
    EXPECT_EQ(DecodeSettings(EncodeSettings(s))->DefaultName, "東京都港区");
}

TEST(SettingsRecord, Latin1TextsOfOlderFilesAreReadAsUtf8) {
    SettingsRecordBytes bytes = EncodeSettings(FactorySettings());
    const std::string latin1 = "Z\xFCrich";
    bytes[23] = static_cast<std::uint8_t>(latin1.size());
    std::copy(latin1.begin(), latin1.end(), bytes.begin() + 24);
    EXPECT_EQ(DecodeSettings(bytes)->DefaultName, "Zürich");
}

TEST(SettingsRecord, ControlCharactersOfTheNameAreReadAsQuestionMarks) {
    SettingsRecordBytes bytes = EncodeSettings(FactorySettings());
    const std::string hostile = "\x1b[2J\x1b[31mHam\a"; // clear, turn red, ring
    bytes[23] = static_cast<std::uint8_t>(hostile.size());
    std::copy(hostile.begin(), hostile.end(), bytes.begin() + 24);
    EXPECT_EQ(DecodeSettings(bytes)->DefaultName, "?[2J?[31mHam?");
}

namespace {

struct Damage {
    const char* name;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

class DamagedRecord : public ::testing::TestWithParam<Damage> {};

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Fields, DamagedRecord,
    ::testing::Values(
        Damage{"LatitudeLengthAboveCapacity", 0, {11}}, Damage{"NameLengthAboveCapacity", 23, {18}},
        Damage{"BandwidthLengthAboveCapacity", 48, {6}},
        Damage{"FrequencyTextLengthAboveCapacity", 101, {5}},
        Damage{"ConstantTextLengthAboveCapacity", 106, {6}},
        Damage{"FrequencyCountEleven", 100, {11}}, Damage{"FrequencyCount255", 100, {255}},
        Damage{"NoiseEnvironmentFour", 44, {4, 0, 0, 0}},
        Damage{"NoiseEnvironmentNegative", 44, {0xFF, 0xFF, 0xFF, 0xFF}},
        Damage{"SuppressionThresholdFour", 60, {4, 0, 0, 0}}, Damage{"MapUpdateZero", 336, {0, 0}},
        Damage{"MapUpdateSixtyOne", 336, {61, 0}}, Damage{"MapUpdateNegative", 336, {0xFF, 0xFF}},
        Damage{"AngleNotANumber", 64, {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}},
        Damage{"AngleNinetyRadians", 74, {0, 0, 0, 0, 0, 0, 0, 0xB4, 0x05, 0x40}},
        Damage{"FrequencyOfTwoMHz", 212, {0, 0, 0, 0x40}},
        // 3.6 MHz stored with a text that does not give it.
        Damage{"FrequencyTextEmpty", 101, {0}}, Damage{"FrequencyTextOtherValue", 104, {'7'}},
        Damage{"InfiniteFrequencyTerm", 252, {0, 0, 0x80, 0x7F}},
        Damage{"NoiseConstantNaN", 84, {0, 0, 0xC0, 0x7F}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(DamagedRecord, IsRefused) {
    SettingsRecordBytes bytes = EncodeSettings(FactorySettings());
    const Damage& d = GetParam();
    std::copy(d.bytes.begin(), d.bytes.end(), bytes.begin() + d.offset);
    EXPECT_FALSE(DecodeSettings(bytes));
}

TEST(SettingsRecord, UnusedFrequencySlotsReadAsZero) {
    // Found by fuzzing: a NaN in an unused slot made a record differ from itself once
    // saved and read again.
    SettingsRecordBytes bytes = EncodeSettings(FactorySettings()); // 5 frequencies
    const std::uint8_t nan[] = {0, 0, 0xC0, 0x7F};
    std::copy(std::begin(nan), std::end(nan), bytes.begin() + 212 + 4 * 7);
    const std::optional<Settings> s = DecodeSettings(bytes);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->FrequencyMHz[7], 0.0f);
    EXPECT_EQ(DecodeSettings(EncodeSettings(*s)), s);
}

TEST(SettingsRecord, LimitsThatAreStillSound) {
    SettingsRecordBytes bytes = EncodeSettings(SampleSettings());
    bytes[0] = 10;  // a latitude text of exactly 10 characters
    bytes[336] = 1; // one minute
    EXPECT_TRUE(DecodeSettings(bytes));
    bytes[100] = 0; // no frequencies
    EXPECT_TRUE(DecodeSettings(bytes));
}

TEST(SettingsRecord, EarlierLayoutIsMovedFieldByField) {
    // An earlier record is this record without the two reserved bytes at 42 and
    // without the last eight bytes, with the update interval at 334.
    const SettingsRecordBytes now = EncodeSettings(SampleSettings());
    std::array<std::uint8_t, kEarlierSettingsRecordSize> old{};
    std::copy(now.begin(), now.begin() + 42, old.begin());
    std::copy(now.begin() + 44, now.begin() + 336, old.begin() + 42);
    old[334] = 17;
    old[335] = 0;
    old[336] = 0xAA; // the old record's tail is not carried over
    const SettingsRecordBytes converted = ConvertEarlierSettings(old);
    const std::optional<Settings> s = DecodeSettings(converted);
    ASSERT_TRUE(s);
    Settings expected = SampleSettings();
    expected.MapUpdateMinutes = 17;
    expected.NoDefaultMessageOff = 0;
    EXPECT_EQ(*s, expected);
    EXPECT_EQ(converted[338], 0);
    EXPECT_EQ(converted[342], 0);
}
