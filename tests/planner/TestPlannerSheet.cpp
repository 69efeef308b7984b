// The planner's hour rulers, status line, CSV file name and printed pages.

#include <gtest/gtest.h>

#include "planner/PlannerSheet.h"

namespace {

struct RulerCase {
    const char* name;
    double width;
    double labelWidth;
    int step;      ///< hours between labels
    int lastLabel; ///< the last labelled hour
};

class HourRuler : public testing::TestWithParam<RulerCase> {};

} // namespace

TEST_P(HourRuler, LabelsAsDenseAsTheyFitWithoutTouching) {
    const RulerCase& c = GetParam();
    const std::vector<HourMark> marks = HourRulerMarks(c.width, c.labelWidth);
    ASSERT_EQ(marks.size(), 25u);
    EXPECT_DOUBLE_EQ(marks.front().x, 0.0);
    EXPECT_DOUBLE_EQ(marks.back().x, c.width);
    double lastLabel = -1.0e9;
    for (const HourMark& mark : marks) {
        EXPECT_EQ(mark.labelled, mark.hour % c.step == 0 && mark.hour <= c.lastLabel) << mark.hour;
        if (mark.labelled) {
            EXPECT_GE(mark.x - lastLabel, 1.5 * c.labelWidth) << mark.hour;
            lastLabel = mark.x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(, HourRuler,
                         testing::Values(RulerCase{"narrow_strip", 100.0, 14.0, 6, 18},
                                         RulerCase{"window_strip", 200.0, 14.0, 3, 21},
                                         RulerCase{"wide_strip", 400.0, 14.0, 2, 22},
                                         RulerCase{"very_wide", 2000.0, 14.0, 1, 23},
                                         RulerCase{"tiny", 10.0, 14.0, 24, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlannerSheet, CsvExtensionAddedOnlyWhenTheNameHasNone) {
    const std::pair<const char*, const char*> cases[] = {
        {"/tmp/plan", "/tmp/plan.csv"},
        {"/tmp/plan.csv", "/tmp/plan.csv"},
        {"/tmp/plan.txt", "/tmp/plan.txt"},
        {"/tmp/.hidden", "/tmp/.hidden.csv"},
        {"/a.b/plan", "/a.b/plan.csv"},
        {"plan.", "plan.csv"},
        {"plan", "plan.csv"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(WithCsvExtension(in), out) << in;
}

TEST(PlannerSheet, SummaryCountsTheRowsShown) {
    EXPECT_EQ(PlannerSummaryText(371, 371, "UTC", false, {}),
              "371 rows; strips 0000 to 2400 UTC, the red line is now");
    PlannerSkip skip;
    skip.place.Prefix = "W1";
    EXPECT_EQ(PlannerSummaryText(1, 371, "EST", true, {skip}),
              "1 of 371 rows shown; strips 0000 to 2400 EST, the red line is now (cancelled); "
              "no path to W1");
    EXPECT_EQ(PlannerSummaryText(0, 371, "UTC", false, {}).substr(0, 19), "0 of 371 rows shown");
}

TEST(PlannerSheet, FortyRowsAPageWithTheConditionsInTheHeader) {
    const std::pair<int, int> pages[] = {{0, 1}, {1, 1}, {40, 1}, {41, 2}, {371, 10}, {742, 19}};
    for (const auto& [rows, count] : pages)
        EXPECT_EQ(PlannerPageCount(rows), count) << rows;

    PlannerSetup setup;
    setup.inputs.terminalA = {"OE", "48.2", "-16.37", "Vienna"};
    setup.inputs.solarIndexText = "S120";
    setup.inputs.kIndexText = "";
    setup.inputs.zone.TimeZoneLabel = "UTC";
    setup.kinds = {PathKind::Short, PathKind::Long};
    setup.threshold = 0.5f;
    const std::vector<std::string> header = PlannerPrintHeader(setup, "12/21/2026", 2, 10);
    ASSERT_EQ(header.size(), 3u);
    EXPECT_EQ(header[0], "Hopscope Planner from Vienna (OE)  48.2 -16.37");
    for (const char* part : {"12/21/2026", "solar index S120", "K index average", "both paths",
                             "reliability 0.50", "0000 to 2400 UTC"})
        EXPECT_NE(header[1].find(part), std::string::npos) << part << " in " << header[1];
    EXPECT_EQ(header[2], "Page 2 of 10");
    setup.inputs.terminalA.Prefix = "DEFAULT";
    EXPECT_EQ(PlannerPrintHeader(setup, "x", 1, 1)[0], "Hopscope Planner from Vienna  48.2 -16.37");
    setup.kinds = {PathKind::Long};
    setup.inputs.kIndexText = "3";
    const std::string longOnly = PlannerPrintHeader(setup, "x", 1, 1)[1];
    EXPECT_NE(longOnly.find("long path"), std::string::npos);
    EXPECT_NE(longOnly.find("K index 3"), std::string::npos);
}

TEST(PlannerSheet, OpenNowLooksAtEveryBandAtThatHalfHour) {
    PlannerRow row;
    row.bands.resize(3);
    row.bands[2].open[17] = true;
    EXPECT_TRUE(OpenAt(row, 17));
    EXPECT_FALSE(OpenAt(row, 16));
    EXPECT_FALSE(OpenAt(row, -1));
    EXPECT_FALSE(OpenAt(row, 48));
    EXPECT_FALSE(OpenAt(PlannerRow{}, 17));
}
