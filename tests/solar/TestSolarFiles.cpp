// What stands in the data folder in place of a copy or of Hopscope-solar.cfg is not
// always a file: a FIFO, a link to an endless device, a device node, a link out of
// the folder. Each is no copy, is never waited on, read without end or written
// through, and a fetched file takes its place as a regular file of the folder.
#include "solar/SolarPreferences.h"
#include "tests/solar/SolarServerTest.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <functional>

namespace {

using namespace solartest;

constexpr const char* kDailyCopy = "Solar-daily-flux.json";

/// Makes a character device like /dev/zero (1, 5) or /dev/null (1, 3) at `path`;
/// false when this machine does not let the test make device nodes.
bool MakeDevice(const fs::path& path, unsigned minor) {
    return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool MakeFifo(const fs::path&, const fs::path& path) {
    return ::mkfifo(path.c_str(), 0644) == 0;
}

bool MakeLinkToAnEndlessDevice(const fs::path& root, const fs::path& path) {
    if (!MakeDevice(root / "zero", 5))
        return false;
    fs::create_symlink(root / "zero", path);
    return true;
}

bool MakeDeviceNode(const fs::path&, const fs::path& path) {
    return MakeDevice(path, 3);
}

struct StandInCase {
    const char* name;
    /// Puts the stand-in at `path` (inside `root`/data); false: cannot here (skip).
    std::function<bool(const fs::path& root, const fs::path& path)> make;
};

class StandInForACopy : public SolarLookupTest, public ::testing::WithParamInterface<StandInCase> {
protected:
    void SetUp() override {
        SolarLookupTest::SetUp();
        if (IsSkipped())
            return;
        fs::create_directories(root / "outside");
        std::ofstream(root / "outside" / "victim.txt") << "precious";
        if (!GetParam().make(root, dir / kDailyCopy))
            GTEST_SKIP() << "device nodes cannot be made here";
    }
};

TEST_P(StandInForACopy, IsNoCopyAndIsReplacedByARegularFile) {
    // No server: the look-up comes back at once, saying that the server could not be
    // reached and that there is no copy.
    const SolarLookup offline = LookUp(Env("HOPSCOPE_SOLAR_DEAD_URL"), {2026, 12, 8});
    EXPECT_FALSE(offline.figure);
    EXPECT_TRUE(offline.offline);
    EXPECT_NE(offline.error.find("no copy of its files is kept"), std::string::npos)
        << offline.error;

    const SolarLookup fetched = LookUp(server + "/good", {2026, 12, 8});
    ASSERT_TRUE(fetched.figure) << fetched.error;
    EXPECT_EQ(fetched.figure->solarText, "F152.3");
    EXPECT_TRUE(fetched.figure->notes.empty());
    const fs::path copy = dir / kDailyCopy;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(copy)));
    EXPECT_EQ(ReadText(copy).substr(0, 2), "[{");
    EXPECT_EQ(ReadText(root / "outside" / "victim.txt"), "precious");
    // The copy is used from now on.
    const SolarLookup cached = LookUp(Env("HOPSCOPE_SOLAR_DEAD_URL"), {2026, 12, 8}, kNow + 1h);
    ASSERT_TRUE(cached.figure) << cached.error;
    EXPECT_EQ(cached.figure->solarText, "F152.3");
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename().string().find(".hopscope-tmp."), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, StandInForACopy,
    ::testing::Values(StandInCase{"Fifo", MakeFifo},
                      StandInCase{"LinkToAnEndlessDevice", MakeLinkToAnEndlessDevice},
                      StandInCase{"DeviceNode", MakeDeviceNode},
                      StandInCase{"LinkOutOfTheFolder",
                                  [](const fs::path&, const fs::path& path) {
                                      fs::create_symlink("../outside/victim.txt", path);
                                      return true;
                                  }},
                      StandInCase{"FileLargerThanTheLimit",
                                  [](const fs::path&, const fs::path& path) {
                                      std::ofstream(path)
                                          << "[" << std::string(9 * 1024 * 1024, ' ') << "]";
                                      return true;
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolarLookupTest, AFolderInPlaceOfACopyStaysAndTheFigureIsStillGiven) {
    fs::create_directory(dir / kDailyCopy);
    const SolarLookup found = LookUp(server + "/good", {2026, 11, 20});
    ASSERT_TRUE(found.figure) << found.error;
    EXPECT_EQ(found.figure->solarText, "F134.5");
    ASSERT_EQ(found.figure->notes.size(), 1u);
    EXPECT_EQ(found.figure->notes[0], "the daily solar flux could not be kept: Is a directory");
    EXPECT_TRUE(fs::is_directory(dir / kDailyCopy));
}

class StandInForThePreferences : public SolarLookupTest,
                                 public ::testing::WithParamInterface<StandInCase> {};

TEST_P(StandInForThePreferences, GivesTheDefaultsAndIsNeverWrittenThrough) {
    const fs::path path = dir / kSolarPreferencesFileName;
    if (!GetParam().make(root, path))
        GTEST_SKIP() << "device nodes cannot be made here";
    const SolarPreferences read = ReadSolarPreferences(dir);
    EXPECT_FALSE(read.fillOnOpen);
    EXPECT_EQ(read.baseUrl, "");
    const SolarPreferencesWrite written = WriteSolarPreferences(dir, {true, ""});
    EXPECT_FALSE(written);
    EXPECT_NE(written.error.find("not a regular file"), std::string::npos) << written.error;
    EXPECT_FALSE(fs::is_regular_file(path));
}

INSTANTIATE_TEST_SUITE_P(Preferences, StandInForThePreferences,
                         ::testing::Values(StandInCase{"Fifo", MakeFifo},
                                           StandInCase{"LinkToAnEndlessDevice",
                                                       MakeLinkToAnEndlessDevice},
                                           StandInCase{"DeviceNode", MakeDeviceNode}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolarLookupTest, PreferencesAreKeptThroughALinkAndReadBack) {
    std::ofstream(root / "outside.cfg") << "fill-on-open=0\n";
    fs::create_symlink(root / "outside.cfg", dir / kSolarPreferencesFileName);
    ASSERT_TRUE(WriteSolarPreferences(dir, {true, "https://example.org/swpc/"}));
    EXPECT_TRUE(fs::is_symlink(dir / kSolarPreferencesFileName)); // as the settings file
    const SolarPreferences read = ReadSolarPreferences(dir);
    EXPECT_TRUE(read.fillOnOpen);
    EXPECT_EQ(read.baseUrl, "https://example.org/swpc");
    // An address of another kind than http or https is not taken.
    fs::remove(dir / kSolarPreferencesFileName);
    std::ofstream(dir / kSolarPreferencesFileName) << "base-url=file:///etc/passwd\n";
    EXPECT_EQ(ReadSolarPreferences(dir).baseUrl, "");
}

TEST_F(SolarLookupTest, CredentialsOfTheServerAddressAreNeverShown) {
    const std::string credentials = "ham:s3cretPass@";
    const std::string withCredentials =
        server.substr(0, 7) + credentials + server.substr(7) + "/status500";
    const SolarLookup found = LookUp(withCredentials, {2026, 12, 8});
    EXPECT_EQ(found.error.find("s3cret"), std::string::npos) << found.error;
    EXPECT_NE(found.error.find(server.substr(7) + " answered HTTP 500"), std::string::npos)
        << found.error;
    const SolarLookup escaped = LookUp("http://ham:pw@127.0.0.1\x1b[2J\x07:1", {2026, 12, 8});
    EXPECT_EQ(escaped.error.find('\x1b'), std::string::npos) << escaped.error;
    EXPECT_EQ(escaped.error.find("ham:pw"), std::string::npos) << escaped.error;
}

} // namespace
