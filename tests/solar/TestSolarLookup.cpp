// The figures fetched from a local server (tests/solar/with-solar-server.sh starts it
// and names it in HOPSCOPE_SOLAR_TEST_BASE): every rule on the recorded files, the
// copies in the data folder, that no failure of the server loses a good copy or goes
// unsaid, and that one run asks the server for each file once.
#include "core/ReplaceFile.h"
#include "tests/solar/SolarServerTest.h"

namespace {

using namespace solartest;

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
                      // The noon (20 UTC) reading, not the day's last one (152.0 at 22 UTC).
                      RuleCase{"YesterdaysOfficialValue",
                               {2026, 12, 7},
                               "F151.5",
                               "",
                               SolarBasis::Daily,
                               {2026, 12, 7},
                               "Daily flux of 7 Dec 2026, fetched 10 min ago"},
                      RuleCase{"EarlierDayHasNoK",
                               {2026, 11, 20},
                               "F134.5",
                               "",
                               SolarBasis::Daily,
                               {2026, 11, 20},
                               "Daily flux of 20 Nov 2026, fetched 10 min ago"},
                      RuleCase{"DayWithoutReadingTakesTheDayBefore",
                               {2026, 11, 25},
                               "F138.5",
                               "",
                               SolarBasis::Daily,
                               {2026, 11, 24},
                               "Daily flux of 24 Nov 2026, fetched 10 min ago"},
                      // 148.9 sfu at 1 AU is 150.6 at the Sun's distance of 15 March.
                      RuleCase{"EarlierMonthSmoothedFlux",
                               {2026, 3, 15},
                               "F150.6",
                               "",
                               SolarBasis::Monthly,
                               {2026, 3, 1},
                               "Smoothed flux of March 2026 (148.9 at 1 AU), fetched 10 min ago"},
                      RuleCase{"EarlierMonthWithoutSmoothedValue",
                               {2026, 9, 10},
                               "F150.2",
                               "",
                               SolarBasis::Monthly,
                               {2026, 9, 1},
                               "Monthly mean flux of September 2026, fetched 10 min ago"},
                      RuleCase{"TomorrowFromTheOutlook",
                               {2026, 12, 9},
                               "F155.0",
                               "",
                               SolarBasis::Outlook,
                               {2026, 12, 9},
                               "27-day outlook flux for 9 Dec 2026, fetched 10 min ago"},
                      RuleCase{"LastDayOfTheOutlook",
                               {2027, 1, 2},
                               "F140.0",
                               "",
                               SolarBasis::Outlook,
                               {2027, 1, 2},
                               "27-day outlook flux for 2 Jan 2027, fetched 10 min ago"},
                      RuleCase{
                          "AfterTheOutlook",
                          {2027, 1, 4},
                          "F138.0",
                          "",
                          SolarBasis::Predicted,
                          {2027, 1, 1},
                          "Predicted flux of January 2027 (133.4 at 1 AU), fetched 10 min ago"},
                      RuleCase{"LaterMonth",
                               {2027, 6, 1},
                               "F128.3",
                               "",
                               SolarBasis::Predicted,
                               {2027, 6, 1},
                               "Predicted flux of June 2027 (131.9 at 1 AU), fetched 10 min ago"},
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
    EXPECT_EQ(LookUp(server + "/newer", {2026, 3, 15}, kNow + 4h).figure->solarText, "F150.6");
    // Four days on they are; and --refresh fetches whatever the age.
    EXPECT_EQ(LookUp(server + "/newer", {2026, 3, 15}, kNow + 96h).figure->solarText, "F156.7");
    EXPECT_EQ(LookUp(server + "/good", {2026, 3, 15}, kNow + 97h, true).figure->solarText,
              "F150.6");
}

struct FailureCase {
    const char* name;
    const char* path; // appended to the server's address; "" for a dead server
    const char* message;
    bool unreachable; // no network or no answer, rather than a bad answer
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
        EXPECT_EQ(found.figure->solarText, date.month == 3 ? "F150.6" : "F134.5");
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
    // A server that cannot be reached is named as such, not as a month without data.
    const std::string start = GetParam().unreachable
                                  ? "The solar data server could not be reached ("
                                  : "No solar data for December 2026 (the daily solar flux ";
    EXPECT_EQ(found.error.rfind(start, 0), 0u) << found.error;
    EXPECT_EQ(found.offline, GetParam().unreachable);
    if (GetParam().unreachable) {
        EXPECT_NE(found.error.find("no copy of its files is kept in the data folder, so there is "
                                   "no figure for December 2026"),
                  std::string::npos)
            << found.error;
    }
    EXPECT_NE(found.error.find(GetParam().message), std::string::npos) << found.error;
    EXPECT_TRUE(FolderBytes(dir).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Server, SolarFailures,
    ::testing::Values(FailureCase{"Down", "", "cannot reach 127.0.0.1", true},
                      FailureCase{"NoAnswer", "/silent", "did not answer within 2 seconds", true},
                      FailureCase{"Http500", "/status500", "answered HTTP 500", false},
                      FailureCase{"TruncatedJson", "/truncated", "not valid JSON", false},
                      FailureCase{"MalformedJson", "/malformed", "not valid JSON", false},
                      FailureCase{"NotANumber", "/nan", "not valid JSON", false},
                      FailureCase{"EmptyArray", "/empty", "no usable rows", false},
                      FailureCase{"HugeFile", "/huge", "larger than 8 MB", false},
                      FailureCase{"CutShort", "/cut", "cut short", false}),
    [](const auto& info) { return std::string(info.param.name); });

// A daily flux that fails while the months can be had: the figure of the month comes
// with the failure and its reason, never silently.
struct DailyFailureCase {
    const char* name;
    const char* mode;
    const char* note;
};

class DailyFluxFailures : public SolarLookupTest,
                          public ::testing::WithParamInterface<DailyFailureCase> {};

TEST_P(DailyFluxFailures, TheMonthlyFigureComesWithTheReason) {
    // A copy of the predicted months, so that a server that stops answering still
    // leaves a figure.
    ASSERT_TRUE(LookUp(server + "/good", {2027, 6, 1}).figure);
    const SolarLookup found =
        LookUp(server + "/daily-" + GetParam().mode, {2026, 12, 8}, kNow + 5min);
    ASSERT_TRUE(found.figure) << found.error;
    EXPECT_EQ(found.figure->solarText, "F138.5"); // December's predicted 134.4 at 1 AU
    EXPECT_EQ(found.figure->basis, SolarBasis::Predicted);
    ASSERT_FALSE(found.figure->notes.empty());
    EXPECT_EQ(found.figure->notes[0].rfind("the daily solar flux ", 0), 0u)
        << found.figure->notes[0];
    EXPECT_NE(found.figure->notes[0].find(GetParam().note), std::string::npos)
        << found.figure->notes[0];
    // The window's status line (and the command line's) carries it too.
    EXPECT_NE(SolarLookupStatus(found, kNow + 5min).find(GetParam().note), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Daily, DailyFluxFailures,
    ::testing::Values(DailyFailureCase{"Http500", "status500", "answered HTTP 500"},
                      DailyFailureCase{"NoAnswer", "silent", "did not answer within 2 seconds"},
                      DailyFailureCase{"Malformed", "malformed", "not valid JSON"},
                      DailyFailureCase{"NotANumber", "nan", "not valid JSON"},
                      DailyFailureCase{"TooLarge", "huge", "larger than 8 MB"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolarLookupTest, WithoutTheOutlookTheLatestDailyValueStandsIn) {
    const SolarLookup found = LookUp(server + "/outlook-status500", {2026, 12, 15});
    ASSERT_TRUE(found.figure) << found.error;
    EXPECT_EQ(found.figure->solarText, "F152.3");
    EXPECT_TRUE(found.figure->standIn);
    EXPECT_EQ(SolarFigureSummary(*found.figure, kNow),
              "Latest daily flux, of 8 Dec 2026 (no 27-day outlook), fetched just now");
    ASSERT_EQ(found.figure->notes.size(), 1u);
    EXPECT_NE(found.figure->notes[0].find("the 27-day outlook could not be fetched"),
              std::string::npos);
}

TEST_F(SolarLookupTest, OneRunFetchesEachFileOnceAndRemembersFailures) {
    SolarRunMemory run;
    memory = &run;
    // A server that fails: each file is asked for once, however many dates follow.
    int before = Requests();
    for (const CalendarDay date : {CalendarDay{2026, 12, 8}, CalendarDay{2026, 12, 7},
                                   CalendarDay{2026, 3, 15}, CalendarDay{2026, 12, 20}})
        EXPECT_FALSE(LookUp(server + "/status500", date).figure);
    // Daily flux, Kp, observed and predicted months, outlook.
    EXPECT_EQ(Requests() - before, 5);

    // A server that does not answer: one wait, then no more requests this run.
    SolarRunMemory silentRun;
    memory = &silentRun;
    before = Requests();
    const SolarLookup first = LookUp(server + "/silent", {2026, 12, 8});
    EXPECT_TRUE(first.offline);
    const int asked = Requests() - before;
    EXPECT_EQ(asked, 2); // daily flux and Kp together; the months are not tried after it
    for (const CalendarDay date : {CalendarDay{2026, 12, 9}, CalendarDay{2027, 6, 1}}) {
        const SolarLookup later = LookUp(server + "/silent", date);
        EXPECT_TRUE(later.offline);
        EXPECT_NE(later.error.find("did not answer within 2 seconds"), std::string::npos)
            << later.error;
    }
    EXPECT_EQ(Requests() - before, asked);
}

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
