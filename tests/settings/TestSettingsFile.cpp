#include "settings/SettingsFile.h"

#include "settings/SettingsRecord.h"
#include "tests/core/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("hopscope-settings-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_file = SettingsFilePath(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void Write(const std::vector<std::uint8_t>& bytes) {
        std::ofstream(m_file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::vector<std::uint8_t> Image(const Settings& s) {
        const SettingsRecordBytes b = EncodeSettings(s);
        return {b.begin(), b.end()};
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }

    fs::path m_dir;
    fs::path m_file;
};

Settings UserSettings() {
    Settings s = FactorySettings();
    s.DefaultLatitudeText = "51 30 N";
    s.DefaultLongitudeText = "0.1";
    s.DefaultName = "London";
    s.MapUpdateMinutes = 10;
    s.ShowSnr = true;
    DeriveSettings(s);
    return s;
}

} // namespace

TEST_F(SettingsFileTest, MissingFileGivesFactorySettingsAndCreatesNothing) {
    const SettingsLoad load = LoadSettings(m_file);
    EXPECT_EQ(load.source, SettingsSource::MissingFile);
    EXPECT_EQ(load.settings, FactorySettings());
    EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(SettingsFileTest, SaveThenLoadGivesTheSameBytes) {
    ASSERT_TRUE(SaveSettings(m_file, UserSettings()));
    const std::vector<std::uint8_t> first = Read(m_file);
    EXPECT_EQ(first.size(), kSettingsRecordSize);
    const SettingsLoad load = LoadSettings(m_file);
    EXPECT_EQ(load.source, SettingsSource::File);
    EXPECT_EQ(load.settings, UserSettings());
    ASSERT_TRUE(SaveSettings(m_file, load.settings));
    EXPECT_EQ(Read(m_file), first);
    EXPECT_EQ(FilesInFolder(), 1u); // no temporary file left behind
    EXPECT_EQ(fs::status(m_file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(SettingsFileTest, FileOf343BytesIsIgnoredButKept) {
    std::vector<std::uint8_t> bytes = Image(UserSettings());
    bytes.pop_back();
    Write(bytes);
    const SettingsLoad load = LoadSettings(m_file);
    EXPECT_EQ(load.source, SettingsSource::ShortFile);
    EXPECT_EQ(load.settings, FactorySettings());
    EXPECT_EQ(Read(DamagedSettingsPath(m_file)), bytes);
}

TEST_F(SettingsFileTest, FileOf400BytesIsReadFromItsStart) {
    std::vector<std::uint8_t> bytes = Image(UserSettings());
    bytes.resize(400, 0xEE);
    Write(bytes);
    const SettingsLoad load = LoadSettings(m_file);
    EXPECT_EQ(load.source, SettingsSource::File);
    EXPECT_EQ(load.settings, UserSettings());
    EXPECT_EQ(Read(m_file).size(), 400u); // reading leaves the file alone
}

TEST_F(SettingsFileTest, EarlierLayoutIsConvertedAndRewritten) {
    const std::vector<std::uint8_t> now = Image(UserSettings());
    std::vector<std::uint8_t> old(kEarlierSettingsRecordSize, 0);
    std::copy(now.begin(), now.begin() + 42, old.begin());
    std::copy(now.begin() + 44, now.begin() + 336, old.begin() + 42);
    old[334] = 0x2A; // 42 minutes
    old[335] = 0x00;
    Write(old);
    const SettingsLoad load = LoadSettings(m_file);
    EXPECT_EQ(load.source, SettingsSource::Converted);
    EXPECT_EQ(load.settings.MapUpdateMinutes, 42);
    EXPECT_EQ(load.settings.DefaultName, "London");
    EXPECT_TRUE(load.settings.ShowSnr);
    const std::vector<std::uint8_t> rewritten = Read(m_file);
    ASSERT_EQ(rewritten.size(), kSettingsRecordSize);
    EXPECT_EQ(rewritten[336], 0x2A);
    EXPECT_EQ(LoadSettings(m_file).settings, load.settings);
}

TEST_F(SettingsFileTest, DamagedFileGivesFactorySettingsAndIsKept) {
    std::vector<std::uint8_t> bytes = Image(UserSettings());
    bytes[100] = 200; // frequency count
    Write(bytes);
    const SettingsLoad load = LoadSettings(m_file);
    EXPECT_EQ(load.source, SettingsSource::DamagedFile);
    EXPECT_EQ(load.settings, FactorySettings());
    EXPECT_EQ(Read(DamagedSettingsPath(m_file)), bytes);
    // The next save creates a sound file beside the kept one.
    ASSERT_TRUE(SaveSettings(m_file, load.settings));
    EXPECT_EQ(LoadSettings(m_file).source, SettingsSource::File);
    EXPECT_EQ(Read(DamagedSettingsPath(m_file)), bytes);
}

TEST_F(SettingsFileTest, EveryDamagedFileIsKeptUpToALimit) {
    std::vector<std::vector<std::uint8_t>> damaged;
    for (int i = 0; i < kKeptDamagedSettingsFiles + 2; ++i) {
        std::vector<std::uint8_t> bytes = Image(UserSettings());
        bytes[100] = static_cast<std::uint8_t>(11 + i); // a frequency count above 10
        Write(bytes);
        damaged.push_back(bytes);
        EXPECT_EQ(LoadSettings(m_file).source, SettingsSource::DamagedFile);
    }
    // The latest as ".bad", older ones numbered up to the limit; the two oldest gone.
    for (int age = 0; age < kKeptDamagedSettingsFiles; ++age)
        EXPECT_EQ(Read(DamagedSettingsPath(m_file, age)), damaged[damaged.size() - 1 - age]);
    EXPECT_EQ(FilesInFolder(), static_cast<std::size_t>(kKeptDamagedSettingsFiles));
}

TEST_F(SettingsFileTest, DamagedEarlierLayoutIsKeptNotConverted) {
    std::vector<std::uint8_t> old(kEarlierSettingsRecordSize, 0xFF);
    Write(old);
    const SettingsLoad load = LoadSettings(m_file);
    EXPECT_EQ(load.source, SettingsSource::DamagedFile);
    EXPECT_FALSE(fs::exists(m_file));
    EXPECT_EQ(Read(DamagedSettingsPath(m_file)), old);
}

TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileAndReportsFalse) {
    ASSERT_TRUE(SaveSettings(m_file, UserSettings()));
    const std::vector<std::uint8_t> before = Read(m_file);
    // A folder standing where the file should go cannot be replaced by a rename.
    const fs::path blocked = m_dir / "blocked";
    fs::create_directories(blocked / "inside");
    EXPECT_FALSE(SaveSettings(blocked, FactorySettings()));
    EXPECT_TRUE(fs::is_directory(blocked / "inside"));
    EXPECT_FALSE(SaveSettings(m_dir / "no-such-folder" / "Hopscope.SAV", FactorySettings()));
    EXPECT_EQ(Read(m_file), before);
    EXPECT_EQ(FilesInFolder(), 2u); // the file and the folder, no temporary files
}

TEST_F(SettingsFileTest, AFullDiskIsReportedWithItsReason) {
    ASSERT_TRUE(SaveSettings(m_file, UserSettings()));
    const std::vector<std::uint8_t> before = Read(m_file);
    const FileWriteResult saved =
        WithFileSizeLimit(100, [&] { return SaveSettings(m_file, FactorySettings()); });
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.error, "File too large");
    EXPECT_EQ(Read(m_file), before);
    EXPECT_EQ(FilesInFolder(), 1u);
    EXPECT_EQ(SettingsNotSavedText(m_file, saved.error, true),
              "The settings could not be saved to " + m_file.string() +
                  ":\rFile too large.\r\rChoose OK to try again, or Cancel to quit without "
                  "saving them.");
}

TEST_F(SettingsFileTest, FolderInPlaceOfTheFileIsAReadFailure) {
    fs::create_directories(m_file);
    const SettingsLoad load = LoadSettings(m_file);
    EXPECT_EQ(load.settings, FactorySettings());
    EXPECT_TRUE(fs::is_directory(m_file));
}

TEST_F(SettingsFileTest, ReadingOnlyNeverTouchesTheFile) {
    const std::vector<std::uint8_t> now = Image(UserSettings());
    std::vector<std::uint8_t> old(now.begin(), now.begin() + 42);
    old.insert(old.end(), now.begin() + 44, now.begin() + 336);
    old.resize(kEarlierSettingsRecordSize, 0);
    old[334] = 5;
    Write(old);
    const SettingsLoad converted = ReadSettingsFile(m_file);
    EXPECT_EQ(converted.source, SettingsSource::Converted);
    EXPECT_EQ(converted.settings.MapUpdateMinutes, 5);
    EXPECT_EQ(Read(m_file), old);

    std::vector<std::uint8_t> damaged = now;
    damaged[44] = 9;
    Write(damaged);
    EXPECT_EQ(ReadSettingsFile(m_file).source, SettingsSource::DamagedFile);
    EXPECT_EQ(Read(m_file), damaged);
    EXPECT_FALSE(fs::exists(DamagedSettingsPath(m_file)));
}
