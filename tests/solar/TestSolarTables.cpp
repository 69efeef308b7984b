// The reading of the four published files and the choice of a figure, without a server.
#include "solar/SolarFigure.h"
#include "solar/SolarTables.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

TEST(SolarTables, KpIsReadInBothPublishedShapes) {
    const auto arrays = ParseKpIndex(R"([["time_tag","Kp","a_running","station_count"],
        ["2026-12-08 18:00:00.000","2.33","9","8"],["2026-12-08 21:00:00.000","2.67","12","8"],
        ["2026-12-08 21:00:00.000",null,"1","1"]])");
    ASSERT_TRUE(arrays.Ok()) << arrays.error;
    ASSERT_EQ(arrays.rows.size(), 2u); // the row without a value is left out
    EXPECT_EQ(arrays.rows[1].minuteOfDay, 21 * 60);
    EXPECT_DOUBLE_EQ(arrays.rows[1].kp, 2.67);

    const auto objects = ParseKpIndex(R"([{"time_tag":"2026-12-08T21:00:00","Kp":4.33,
        "a_running":27,"station_count":8},{"time_tag":"2026-12-08T18:00:00","Kp":12}])");
    ASSERT_TRUE(objects.Ok()) << objects.error;
    ASSERT_EQ(objects.rows.size(), 1u); // a Kp above 9 is not a Kp
    EXPECT_EQ(objects.rows[0].day, (CalendarDay{2026, 12, 8}));

    EXPECT_FALSE(ParseKpIndex(R"([["time","value"],["2026-12-08","1"]])").Ok());
}

TEST(SolarTables, DamagedOrEmptyTextIsRefused) {
    for (const char* text : {"", "[{\"time_tag\":\"2026-12-08T20:00:00\",\"flux\":15",
                             "<html>Service unavailable</html>", "{\"flux\":150}", "[]",
                             "[{\"time_tag\":\"2026-13-08T20:00:00\",\"flux\":150}]"}) {
        EXPECT_FALSE(ParseDailyFlux(text).Ok()) << text;
        EXPECT_FALSE(CheckSolarFileText(SolarFile::DailyFlux, text).empty()) << text;
    }
    // Missing monthly values are -1; a month with neither is left out.
    const auto months = ParseObservedMonths(R"([{"time-tag":"2026-09","ssn":98.66,
        "smoothed_ssn":-1.0},{"time-tag":"2026-10","ssn":-1,"smoothed_ssn":-1}])");
    ASSERT_EQ(months.rows.size(), 1u);
    EXPECT_DOUBLE_EQ(months.rows[0].smoothedSsn, -1.0);
}

TEST(SolarFigure, DailyRuleTakesTheLastReadingOnOrBeforeTheDate) {
    const std::vector<DailyFluxRow> rows{{{2026, 12, 1}, 20 * 60, 140.04},
                                         {{2026, 12, 3}, 18 * 60, 150.0},
                                         {{2026, 12, 3}, 22 * 60, 55.0},
                                         {{2026, 12, 8}, 20 * 60, 152.26}};
    const CalendarDay today{2026, 12, 8};
    EXPECT_EQ(PickDailyFigure(rows, {2026, 12, 8}, today)->solarText, "F152.3");
    const auto limited = PickDailyFigure(rows, {2026, 12, 4}, today);
    EXPECT_EQ(limited->solarText, "F60.0"); // 55 is below the field's range
    EXPECT_TRUE(limited->limited);
    EXPECT_EQ(limited->figureDay, (CalendarDay{2026, 12, 3}));
    EXPECT_FALSE(PickDailyFigure(rows, {2026, 12, 7}, today));  // four days without a reading
    EXPECT_FALSE(PickDailyFigure(rows, {2026, 11, 30}, today)); // before the file
    EXPECT_FALSE(PickDailyFigure(rows, {2026, 12, 9}, today));  // after today
}

TEST(SolarFigure, KpIsTheLatestOfTheLastDayRoundedToAWholeNumber) {
    const auto now = sys_days{2026y / 12 / 8} + 22h + 10min;
    const std::vector<KpRow> rows{
        {{2026, 12, 8}, 18 * 60, 2.33}, {{2026, 12, 8}, 21 * 60, 2.67}, {{2026, 12, 9}, 0, 5.0}};
    ASSERT_TRUE(LatestKp(rows, now)); // a reading from the future is not the latest
    EXPECT_EQ(LatestKp(rows, now)->minuteOfDay, 21 * 60);
    EXPECT_FALSE(LatestKp(rows, now + 48h)); // two days old: no K index rather than a stale one
    EXPECT_EQ(KIndexTextOf(2.33), "2");
    EXPECT_EQ(KIndexTextOf(2.67), "3");
    EXPECT_EQ(KIndexTextOf(8.67), "9");
}

TEST(SolarFigure, SummarySaysWhereTheFiguresComeFrom) {
    const auto now = sys_days{2026y / 12 / 8} + 22h + 10min;
    SolarFigure daily;
    daily.figureDay = {2026, 12, 8};
    daily.kText = "3";
    daily.kp = KpRow{{2026, 12, 8}, 21 * 60, 2.67};
    daily.fetchedAt = now - 10min;
    EXPECT_EQ(SolarFigureSummary(daily, now),
              "Daily flux of 8 Dec 2026, Kp 3 at 21:00 UTC, fetched 10 min ago");
    SolarFigure monthly;
    monthly.basis = SolarBasis::Monthly;
    monthly.monthlyMean = true;
    monthly.figureDay = {2026, 9, 1};
    monthly.fetchedAt = now - 50h;
    EXPECT_EQ(SolarFigureSummary(monthly, now),
              "Monthly mean sunspot number of September 2026, fetched 2 days ago");
}

} // namespace
