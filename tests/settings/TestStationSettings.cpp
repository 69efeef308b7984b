#include "settings/StationSettings.h"

#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class StationFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("hopscope-station-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_file = m_dir / kStationSettingsFileName;
    }
    void TearDown() override { fs::remove_all(m_dir); }
    void Write(const std::string& text) const { std::ofstream(m_file, std::ios::binary) << text; }
    std::string Read(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path m_dir, m_file;
};

StationSettings Station() {
    StationSettings s;
    s.powerW = 5.0;
    s.txAntenna = {2.15, ""};
    s.rxAntenna = {0.0, "yagi 3el=14MHz.ant"};
    s.noise = StationNoise::Level;
    s.noiseLevelDbw = -163.7;
    s.mode = StationMode::Custom;
    s.customBandwidthHz = 50.0;
    s.customSnrDb = -3.3;
    s.requiredReliabilityPercent = 50.0;
    s.startEngine = PredictionEngine::P533;
    return s;
}

TEST(StationSettingsTest, PresetsCoverEveryModeAndNamesRoundTrip) {
    ASSERT_EQ(ModePresets().size(), 8u);
    for (const ModePreset& p : ModePresets()) {
        EXPECT_EQ(StationModeOf(p.name), p.mode) << p.name;
        EXPECT_EQ(&ModePresetOf(p.mode), &p) << p.name;
        EXPECT_GT(p.bandwidthHz, 0.0) << p.name;
        EXPECT_NE(std::string(p.source), "") << p.name;
    }
    EXPECT_EQ(StationModeOf("ft8"), StationMode::FT8);
    EXPECT_EQ(StationModeOf("PSK31"), std::nullopt);
    for (int i = 0; i <= static_cast<int>(StationNoise::Level); ++i)
        EXPECT_EQ(StationNoiseOf(StationNoiseName(static_cast<StationNoise>(i))),
                  static_cast<StationNoise>(i));
    EXPECT_EQ(PredictionEngineOf("P533"), PredictionEngine::P533);
    EXPECT_EQ(PredictionEngineOf("voacap"), std::nullopt);
}

TEST(StationSettingsTest, ModeFiguresAndPower) {
    StationSettings s;
    s.mode = StationMode::FT8;
    EXPECT_EQ(s.BandwidthHz(), 2500.0);
    EXPECT_EQ(s.RequiredSnrDb(), -21.0);
    EXPECT_NEAR(s.RequiredSnrDbHz(), 12.98, 0.005); // −21 + 33.98 dB-Hz
    s.mode = StationMode::Custom;
    s.customBandwidthHz = 100.0;
    s.customSnrDb = 7.0;
    EXPECT_EQ(s.BandwidthHz(), 100.0);
    EXPECT_NEAR(s.RequiredSnrDbHz(), 27.0, 1e-12);
    s.powerW = 100.0;
    EXPECT_NEAR(s.PowerDbkW(), -10.0, 1e-12);
    // FT8 needs a weaker signal than SSB: what makes it open more often.
    StationSettings ssb, ft8;
    ft8.mode = StationMode::FT8;
    EXPECT_LT(ft8.RequiredSnrDbHz(), ssb.RequiredSnrDbHz() - 25.0);
}

struct CheckCase {
    const char* name;
    void (*change)(StationSettings&);
    const char* problemPart; ///< "" when the settings are fine
};

class StationCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(StationCheckTest, NamesTheFieldOutOfRange) {
    StationSettings s;
    GetParam().change(s);
    const std::string problem = CheckStationSettings(s);
    if (*GetParam().problemPart == 0)
        EXPECT_EQ(problem, "");
    else
        EXPECT_NE(problem.find(GetParam().problemPart), std::string::npos) << problem;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, StationCheckTest,
    ::testing::Values(
        CheckCase{"Defaults", [](StationSettings&) {}, ""},
        CheckCase{"SmallestPower", [](StationSettings& s) { s.powerW = kMinPowerW; }, ""},
        CheckCase{"NoPower", [](StationSettings& s) { s.powerW = 0.0; }, "transmit power"},
        CheckCase{"NanPower", [](StationSettings& s) { s.powerW = std::nan(""); },
                  "transmit power"},
        CheckCase{"TxGain", [](StationSettings& s) { s.txAntenna.gainDbi = 51; },
                  "transmit antenna gain"},
        CheckCase{"RxFileWithNewline",
                  [](StationSettings& s) { s.rxAntenna.patternFile = "a\nend"; },
                  "receive antenna pattern"},
        CheckCase{"NoiseLevel", [](StationSettings& s) { s.noiseLevelDbw = -99; }, "noise level"},
        CheckCase{"Bandwidth", [](StationSettings& s) { s.customBandwidthHz = 0.5; }, "bandwidth"},
        CheckCase{"Snr", [](StationSettings& s) { s.customSnrDb = 101; }, "required S/N"},
        CheckCase{"Reliability", [](StationSettings& s) { s.requiredReliabilityPercent = 100; },
                  "required reliability"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StationFileTest, WriteThenReadGivesTheSameSettings) {
    const StationSettings s = Station();
    ASSERT_TRUE(WriteStationSettings(m_dir, s));
    const StationSettingsRead read = ReadStationSettings(m_dir);
    EXPECT_EQ(read.status, StationReadStatus::Read) << read.message;
    EXPECT_EQ(read.message, "");
    EXPECT_TRUE(read.settings == s);
    // Only the file itself is left: the temporary file was renamed over it.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(StationFileTest, CrLfLinesAndUnknownKeysRead) {
    Write("hopscope-station 1\r\npower-w=400\r\nfuture-key=7\r\nmode=ft4\r\nend\r\n");
    const StationSettingsRead read = ReadStationSettings(m_dir);
    EXPECT_EQ(read.status, StationReadStatus::Read) << read.message;
    EXPECT_EQ(read.settings.powerW, 400.0);
    EXPECT_EQ(read.settings.mode, StationMode::FT4);
}

struct DamageCase {
    const char* name;
    std::string text;
    const char* reason;
};

class StationDamageTest : public StationFileTest,
                          public ::testing::WithParamInterface<DamageCase> {};

// Every damaged file gives the defaults and a message naming the file and the reason,
// and leaves the 344-byte settings record as it was (here: absent).
TEST_P(StationDamageTest, DefaultsAndAMessage) {
    Write(GetParam().text);
    const StationSettingsRead read = ReadStationSettings(m_dir);
    EXPECT_EQ(read.status, StationReadStatus::Damaged);
    EXPECT_TRUE(read.settings == StationSettings());
    EXPECT_NE(read.message.find(m_file.string()), std::string::npos) << read.message;
    EXPECT_NE(read.message.find(GetParam().reason), std::string::npos) << read.message;
    EXPECT_NE(read.message.find("default"), std::string::npos) << read.message;
    EXPECT_FALSE(fs::exists(SettingsFilePath(m_dir)));
    EXPECT_EQ(Read(m_file), GetParam().text); // never rewritten by reading
}

const std::string kWhole = StationSettingsText(Station());

INSTANTIATE_TEST_SUITE_P(
    Files, StationDamageTest,
    ::testing::Values(DamageCase{"Empty", "", "empty"},
                      DamageCase{"Truncated", kWhole.substr(0, kWhole.size() / 2), "truncated"},
                      DamageCase{"CutInLastLine", kWhole.substr(0, kWhole.size() - 2), "truncated"},
                      DamageCase{"Newer", "hopscope-station 2\npower-w=5\nend\n", "newer version"},
                      DamageCase{"OtherFile", "fill-on-open=1\n", "not a station settings file"},
                      DamageCase{"Binary", std::string("\0\x01\xff\n", 4),
                                 "not a station settings file"},
                      DamageCase{"BadNumber", "hopscope-station 1\npower-w=1e\nend\n", "line 2"},
                      DamageCase{"BadMode", "hopscope-station 1\nmode=PSK31\nend\n", "line 2"},
                      DamageCase{"NoEquals", "hopscope-station 1\npower-w\nend\n", "line 2"},
                      DamageCase{"OutOfRange", "hopscope-station 1\nreliability-percent=0\nend\n",
                                 "required reliability"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StationFileTest, MissingFolderOrFileGivesDefaults) {
    StationSettingsRead read = ReadStationSettings(m_dir);
    EXPECT_EQ(read.status, StationReadStatus::Missing);
    EXPECT_TRUE(read.settings == StationSettings());
    EXPECT_NE(read.message.find(kStationSettingsFileName), std::string::npos);
    read = ReadStationSettings(m_dir / "nowhere");
    EXPECT_EQ(read.status, StationReadStatus::Missing);
}

TEST_F(StationFileTest, NotARegularFileIsNeverOpened) {
    ASSERT_EQ(::mkfifo(m_file.c_str(), 0600), 0);
    const StationSettingsRead read = ReadStationSettings(m_dir); // would block if opened
    EXPECT_EQ(read.status, StationReadStatus::Damaged);
    EXPECT_NE(read.message.find("not a regular file"), std::string::npos);
    EXPECT_FALSE(WriteStationSettings(m_dir, Station()));
    EXPECT_TRUE(fs::is_fifo(m_file));
}

TEST_F(StationFileTest, TooLargeOrUnreadable) {
    Write("hopscope-station 1\n" + std::string(kMaxStationSettingsBytes, '#') + "\nend\n");
    EXPECT_NE(ReadStationSettings(m_dir).message.find("larger than"), std::string::npos);
    fs::remove(m_file);
    fs::create_directory(m_file);
    EXPECT_EQ(ReadStationSettings(m_dir).status, StationReadStatus::Damaged);
}

TEST_F(StationFileTest, RefusedSettingsLeaveTheFileAsItWas) {
    ASSERT_TRUE(WriteStationSettings(m_dir, Station()));
    StationSettings bad = Station();
    bad.powerW = -1.0;
    const StationSettingsWrite write = WriteStationSettings(m_dir, bad);
    EXPECT_FALSE(write);
    EXPECT_NE(write.error.find("transmit power"), std::string::npos);
    EXPECT_EQ(Read(m_file), StationSettingsText(Station()));
}

TEST(StationSettingsTest, PatternPathRelativeToTheDataFolder) {
    EXPECT_EQ(PatternFilePath("/data", {0.0, "a.ant"}), fs::path("/data/a.ant"));
    EXPECT_EQ(PatternFilePath("/data", {0.0, "/x/a.ant"}), fs::path("/x/a.ant"));
}

} // namespace
