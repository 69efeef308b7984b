#include "atlas/BuiltInAtlas.h"
#include "batch/BatchRun.h"
#include "batch/BatchTableText.h"
#include "report/PathReport.h"

#include <gtest/gtest.h>

namespace {

const Atlas& BuiltIn() {
    static const Atlas atlas = AtlasOf(BuiltInAtlasEntries());
    return atlas;
}

BatchContext Context(bool defaultDefined = true) {
    BatchContext context;
    context.settings = FactorySettings();
    if (defaultDefined) {
        context.settings.DefaultLatitudeText = "51 30 N";
        context.settings.DefaultLongitudeText = "0 7 W";
        context.settings.DefaultName = "London";
        DeriveSettings(context.settings);
    }
    context.atlas = &BuiltIn();
    context.dates = {DateOrder::MonthDayYear, '/'};
    return context;
}

BatchRecord Row(const char* a, const char* b, const char* solar, const char* k = "",
                const char* path = "S") {
    BatchRecord row;
    row.TerminalA = a;
    row.TerminalB = b;
    row.DateText = "12/08/26";
    row.SolarText = solar;
    row.KIndexText = k;
    row.PathText = path;
    return row;
}

} // namespace

TEST(BatchRowChecks, EachRefusedRowKindGivesItsReason) {
    const BatchContext context = Context();
    struct Case {
        BatchRecord row;
        const char* reasonStart;
    };
    BatchRecord badDate = Row("DEFAULT", "VK", "S100");
    badDate.DateText = "02/30/26";
    const Case cases[] = {
        {Row("", "VK", "S100"), "Terminal A"},
        {Row("DEFAULT", "", "S100"), "Terminal B"},
        {Row("DEFAULT", "QQ9", "S100"), "Terminal B"},
        {badDate, "Date"},
        {Row("DEFAULT", "VK", ""), "Solar index"},
        {Row("DEFAULT", "VK", "F59.9"), "Solar index"},
        {Row("DEFAULT", "VK", "S-5"), "Solar index"},
        {Row("DEFAULT", "VK", "S360.1"), "Solar index"},
        {Row("DEFAULT", "VK", "."), "Solar index"},
        {Row("DEFAULT", "VK", "S100", "10"), "K index"},
        {Row("DEFAULT", "VK", "S100", "-2"), "K index"},
        {Row("DEFAULT", "VK", "S100", "", "X"), "Path"},
        {Row("DEFAULT", "DEFAULT", "S100"), "The path between"},
    };
    for (const Case& c : cases) {
        const BatchRowCheck check = CheckBatchRow(c.row, context);
        EXPECT_EQ(check.status, BatchRowStatus::Refused) << c.reasonStart;
        EXPECT_EQ(check.reason.rfind(c.reasonStart, 0), 0u) << check.reason;
    }
    // DEFAULT without a default terminal.
    EXPECT_EQ(CheckBatchRow(Row("DEFAULT", "VK", "S100"), Context(false)).status,
              BatchRowStatus::Refused);
}

TEST(BatchRowChecks, AcceptedCellsAndTheirStoredForms) {
    BatchContext context = Context();
    EXPECT_EQ(CheckBatchSolar("f60", false).text, "F60.0");
    EXPECT_EQ(CheckBatchSolar("S360", false).text, "S360.0");
    EXPECT_FALSE(CheckBatchSolar("361", true));
    EXPECT_EQ(CheckBatchSolar("361", false).text, "F361.0");
    EXPECT_TRUE(CheckBatchKIndex(""));
    EXPECT_EQ(BatchPathKinds("l"), std::vector<PathKind>{PathKind::Long});
    EXPECT_EQ(BatchPathKinds(""), (std::vector<PathKind>{PathKind::Short, PathKind::Long}));

    // Lower-case prefixes and locators are found; the locator names its terminal.
    const BatchRowCheck check = CheckBatchRow(Row("w1", "jn58", "125"), context);
    ASSERT_EQ(check.status, BatchRowStatus::Ok) << check.reason;
    EXPECT_EQ(check.inputs.terminalA.Prefix, "W1");
    EXPECT_EQ(check.inputs.terminalB.Name, "JN58");
    EXPECT_EQ(check.inputs.solarIndexText, "F125.0");
    EXPECT_EQ(check.inputs.date, DateFromCalendar(2026, 12, 8));

    // A row without B, date, solar and K has nothing to run; it is not refused.
    BatchRecord blank = DefaultBatchTable(true).Rows[0];
    blank.Notes = "later";
    EXPECT_EQ(CheckBatchRow(blank, context).status, BatchRowStatus::Blank);
}

TEST(BatchRun, ReportsPerPathInTheBatchStyles) {
    const BatchContext context = Context();
    BatchTable table = DefaultBatchTable(true);
    table.Rows[0] = Row("DEFAULT", "VK", "S100", "3", "B");
    table.Rows[1] = Row("DEFAULT", "", "S100");
    table.Rows[2] = Row("G", "FN31", "F150", "", "s");
    const std::vector<BatchRowRun> rows = RunBatchTable(table, context, ReportStyle::BatchFile);
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[0].status, BatchRowStatus::Ok);
    ASSERT_EQ(rows[0].reports.size(), 2u);
    EXPECT_NE(rows[0].reports[0][1].find("Short-Path Prediction for 12/08/2026"),
              std::string::npos);
    EXPECT_NE(rows[0].reports[1][1].find("Long-Path Prediction for 12/08/2026"), std::string::npos);
    EXPECT_EQ(rows[0].reports[0].back(), std::string(101, '-'));
    EXPECT_EQ(rows[1].status, BatchRowStatus::Refused);
    EXPECT_TRUE(rows[1].reports.empty());
    EXPECT_EQ(rows[2].reports.size(), 1u);
    EXPECT_EQ(rows[3].status, BatchRowStatus::Blank);

    // The lines are those of the results window's report of the same prediction.
    const std::vector<std::string> expected =
        PathReportLines(rows[2].result, PathKind::Short, context.settings, context.zone,
                        "12/08/2026", ReportStyle::BatchFile);
    EXPECT_EQ(rows[2].reports[0], expected);
    EXPECT_EQ(rows[2].reports[0][3].substr(0, 13), " TERMINAL A: ");

    // The printer style has no dashed line; the text joins every report in order.
    const BatchRowRun printed = RunBatchRow(table.Rows[2], 3, context, ReportStyle::Batch);
    EXPECT_NE(printed.reports[0].back(), std::string(101, '-'));
    const std::string text = BatchReportText(rows);
    EXPECT_LT(text.find("Long-Path"), text.rfind("Short-Path"));

    // Cancelling before row 2 leaves the rest not run.
    const std::vector<BatchRowRun> cancelled =
        RunBatchTable(table, context, ReportStyle::Batch, [](int row) { return row < 2; });
    EXPECT_EQ(cancelled[0].status, BatchRowStatus::Ok);
    EXPECT_EQ(cancelled[1].status, BatchRowStatus::NotRun);
    EXPECT_EQ(cancelled[14].status, BatchRowStatus::NotRun);
}

TEST(BatchTableText, FrequencyLineAndMoves) {
    Settings s = FactorySettings();
    s.FrequencyCount = 2;
    s.Frequencies[0] = {"7.0", "0.0"};
    s.Frequencies[1] = {"14.1", "0.0"};
    EXPECT_EQ(BatchFrequencyLine(s), "Current prediction frequencies are 7.0, 14.1 MHz");
    s.FrequencyCount = 1;
    EXPECT_EQ(BatchFrequencyLine(s), "The only current prediction frequency is 7.0 MHz");

    EXPECT_EQ(MoveBatchCell({3, 6}, BatchMove::Right), (BatchCellPosition{4, 0}));
    EXPECT_EQ(MoveBatchCell({14, 6}, BatchMove::Right), (BatchCellPosition{14, 6}));
    EXPECT_EQ(MoveBatchCell({9, 4}, BatchMove::PageUp), (BatchCellPosition{0, 4}));
    EXPECT_EQ(MoveBatchCell({9, 4}, BatchMove::Home), (BatchCellPosition{9, 0}));
    EXPECT_EQ(MoveBatchCell({0, 0}, BatchMove::Up), (BatchCellPosition{0, 0}));
}
