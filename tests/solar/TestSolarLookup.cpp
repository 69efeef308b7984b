// The figures fetched from a local server (tests/solar/with-solar-server.sh starts it
// and names it in HOPSCOPE_SOLAR_TEST_BASE): every rule on the recorded files, the
// copies in the data folder, and that no failure of the server loses a good copy.
#include "core/ReplaceFile.h"
#include "solar/SolarLookup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using namespace std::chrono;

namespace {

// The recorded files were written as published on the evening of 8 Dec 2026.
const system_clock::time_point kNow = sys_days{2026y / 12 / 8} + 22h + 10min;

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::map<std::string, std::string> FolderBytes(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[entry.path().filename().string()] = bytes.str();
    }
    return files;
}

class SolarLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = Env("HOPSCOPE_SOLAR_TEST_BASE");
        if (server.empty())
            GTEST_SKIP() << "run through tests/solar/with-solar-server.sh";
        dir =
            fs::temp_directory_path() /
            ("hopscope-solar-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        if (!dir.empty())
            fs::remove_all(dir);
    }
    SolarLookup LookUp(const std::string& base, CalendarDay date,
                       system_clock::time_point now = kNow, bool refresh = false) const {
        SolarRequest request;
        request.dataDir = dir;
        request.date = date;
        request.now = now;
        request.baseUrl = base;
        request.refresh = refresh;
        return LookUpSolarFigure(request);
    }
    std::string server;
    fs::path dir;
};

struct RuleCase {
    const char* name;
    CalendarDay date;
    const char* solar; // "" when there is no figure
    const char* k;
    SolarBasis basis;
    CalendarDay figureDay;
    const char* summaryOrError;
};

class SolarRules : public SolarLookupTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(SolarRules, RecordedFilesGiveTheFigureOfTheRule) {
    const RuleCase& c = GetParam();
    const SolarLookup found = LookUp(server + "/good", c.date);
    if (!*c.solar) {
        EXPECT_FALSE(found.figure);
        EXPECT_EQ(found.error, c.summaryOrError);
        return;
    }
    ASSERT_TRUE(found.figure) << found.error;
    EXPECT_EQ(found.figure->solarText, c.solar);
    EXPECT_EQ(found.figure->kText, c.k);
    EXPECT_EQ(found.figure->basis, c.basis);
    EXPECT_EQ(found.figure->figureDay, c.figureDay);
    EXPECT_TRUE(found.figure->notes.empty());
    EXPECT_EQ(SolarFigureSummary(*found.figure, kNow + 10min), c.summaryOrError);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, SolarRules,
    ::testing::Values(RuleCase{"Today",
                               {2026, 12, 8},
                               "F152.3",
                               "3",
                               SolarBasis::Daily,
                               {2026, 12, 8},
                               "Daily flux of 8 Dec 2026, Kp 3 at 21:00 UTC, fetched 10 min ago"},
                      RuleCase{"EarlierDayHasNoK",
                               {2026, 11, 20},
                               "F135.0",
                               "",
                               SolarBasis::Daily,
                               {2026, 11, 20},
                               "Daily flux of 20 Nov 2026, fetched 10 min ago"},
                      RuleCase{"DayWithoutReadingTakesTheDayBefore",
                               {2026, 11, 25},
                               "F139.0",
                               "",
                               SolarBasis::Daily,
                               {2026, 11, 24},
                               "Daily flux of 24 Nov 2026, fetched 10 min ago"},
                      RuleCase{"EarlierMonthSmoothed",
                               {2026, 3, 15},
                               "S121.0",
                               "",
                               SolarBasis::Monthly,
                               {2026, 3, 1},
                               "Smoothed sunspot number of March 2026, fetched 10 min ago"},
                      RuleCase{"EarlierMonthWithoutSmoothedValue",
                               {2026, 9, 10},
                               "S98.7",
                               "",
                               SolarBasis::Monthly,
                               {2026, 9, 1},
                               "Monthly mean sunspot number of September 2026, fetched 10 min ago"},
                      RuleCase{"Tomorrow",
                               {2026, 12, 9},
                               "S92.1",
                               "",
                               SolarBasis::Predicted,
                               {2026, 12, 1},
                               "Predicted sunspot number of December 2026, fetched 10 min ago"},
                      RuleCase{"LaterMonth",
                               {2027, 6, 1},
                               "S88.4",
                               "",
                               SolarBasis::Predicted,
                               {2027, 6, 1},
                               "Predicted sunspot number of June 2027, fetched 10 min ago"},
                      RuleCase{"AfterAllFiles",
                               {2041, 3, 5},
                               "",
                               "",
                               SolarBasis::Daily,
                               {},
                               "No solar data for March 2041"},
                      RuleCase{"BeforeAllFiles",
                               {2024, 6, 1},
                               "",
                               "",
                               SolarBasis::Daily,
                               {},
                               "No solar data for June 2024"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolarLookupTest, OnlyTheFilesAChoiceNeedsAreFetchedAndKpIsReadAsObjectsToo) {
    ASSERT_TRUE(LookUp(server + "/good", {2026, 11, 20}).figure);
    EXPECT_EQ(FolderBytes(dir).size(), 1u); // the daily flux alone
    // The Kp file now comes as an array of objects (the daily copy is still fresh).
    const SolarLookup today = LookUp(server + "/objects", {2026, 12, 8});
    ASSERT_TRUE(today.figure) << today.error;
    EXPECT_EQ(today.figure->kText, "4");
    EXPECT_EQ(FolderBytes(dir).size(), 2u);
}

TEST_F(SolarLookupTest, CopiesAreUsedForHoursOrDaysThenFetchedAgain) {
    ASSERT_TRUE(LookUp(server + "/good", {2026, 12, 8}).figure);
    ASSERT_TRUE(LookUp(server + "/good", {2026, 3, 15}).figure);
    // Within the hour nothing is fetched: a dead server does not matter.
    const SolarLookup cached = LookUp(Env("HOPSCOPE_SOLAR_DEAD_URL"), {2026, 12, 8}, kNow + 1h);
    ASSERT_TRUE(cached.figure) << cached.error;
    EXPECT_EQ(cached.figure->solarText, "F152.3");
    EXPECT_TRUE(cached.figure->notes.empty());
    EXPECT_EQ(cached.figure->fetchedAt, time_point_cast<seconds>(kNow));
    // Four hours on the daily flux is fetched again; the monthly numbers are not.
    EXPECT_EQ(LookUp(server + "/newer", {2026, 12, 8}, kNow + 4h).figure->solarText, "F160.0");
    EXPECT_EQ(LookUp(server + "/newer", {2026, 3, 15}, kNow + 4h).figure->solarText, "S121.0");
    // Four days on they are; and --refresh fetches whatever the age.
    EXPECT_EQ(LookUp(server + "/newer", {2026, 3, 15}, kNow + 96h).figure->solarText, "S128.7");
    EXPECT_EQ(LookUp(server + "/good", {2026, 3, 15}, kNow + 97h, true).figure->solarText,
              "S121.0");
}

struct FailureCase {
    const char* name;
    const char* path; // appended to the server's address; "" for a dead server
    const char* message;
};

class SolarFailures : public SolarLookupTest, public ::testing::WithParamInterface<FailureCase> {
protected:
    std::string Base() const {
        return *GetParam().path ? server + GetParam().path : Env("HOPSCOPE_SOLAR_DEAD_URL");
    }
};

TEST_P(SolarFailures, TheLastGoodCopyStaysAndIsUsedWithItsAge) {
    ASSERT_TRUE(LookUp(server + "/good", {2026, 11, 20}).figure);
    ASSERT_TRUE(LookUp(server + "/good", {2026, 3, 15}).figure);
    const auto before = FolderBytes(dir);
    for (const CalendarDay date : {CalendarDay{2026, 11, 20}, CalendarDay{2026, 3, 15}}) {
        const SolarLookup found = LookUp(Base(), date, kNow + 96h);
        ASSERT_TRUE(found.figure) << found.error;
        EXPECT_EQ(found.figure->solarText, date.month == 3 ? "S121.0" : "F135.0");
        EXPECT_EQ(found.figure->fetchedAt, time_point_cast<seconds>(kNow));
        ASSERT_EQ(found.figure->notes.size(), 1u);
        EXPECT_NE(found.figure->notes[0].find(GetParam().message), std::string::npos)
            << found.figure->notes[0];
        EXPECT_NE(found.figure->notes[0].find("the copy fetched 4 days ago is used"),
                  std::string::npos);
    }
    EXPECT_EQ(FolderBytes(dir), before); // nothing replaced, no temporary file left
}

TEST_P(SolarFailures, WithoutACopyThereIsNoFigureAndNoFile) {
    const SolarLookup found = LookUp(Base(), {2026, 12, 8});
    EXPECT_FALSE(found.figure);
    EXPECT_EQ(found.error.rfind("No solar data for December 2026 (the daily solar flux ", 0), 0u)
        << found.error;
    EXPECT_NE(found.error.find(GetParam().message), std::string::npos) << found.error;
    EXPECT_TRUE(FolderBytes(dir).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Server, SolarFailures,
    ::testing::Values(FailureCase{"Down", "", "cannot reach 127.0.0.1"},
                      FailureCase{"Http500", "/status500", "answered HTTP 500"},
                      FailureCase{"TruncatedJson", "/truncated", "not valid JSON"},
                      FailureCase{"MalformedJson", "/malformed", "not valid JSON"},
                      FailureCase{"EmptyArray", "/empty", "no usable rows"},
                      FailureCase{"HugeFile", "/huge", "larger than 8 MB"},
                      FailureCase{"CutShort", "/cut", "cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolarLookupTest, DamagedCopyIsNotUsedAndCancelStopsAtOnce) {
    ASSERT_TRUE(ReplaceFile(dir / "Solar-daily-flux.json", "[{\"time_tag\":\"2026-11-20T2"));
    const SolarLookup damaged = LookUp(Env("HOPSCOPE_SOLAR_DEAD_URL"), {2026, 11, 20});
    EXPECT_FALSE(damaged.figure);
    // A good fetch replaces the damaged copy.
    EXPECT_TRUE(LookUp(server + "/good", {2026, 11, 20}).figure);

    std::atomic<bool> cancel{true};
    SolarRequest request;
    request.dataDir = dir;
    request.date = {2026, 3, 15};
    request.now = kNow;
    request.baseUrl = server + "/good";
    request.cancel = &cancel;
    const SolarLookup stopped = LookUpSolarFigure(request);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.figure);
}

} // namespace
