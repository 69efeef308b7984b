#include "report/PathReport.h"
#include "report/PredictionHeaders.h"
#include "report/PredictionSetup.h"
#include "text/TextColumns.h"

#include <gtest/gtest.h>

// Complete reports of real predictions, checked line by line for their layout.

namespace {

Terminal Place(const char* lat, const char* lon, const char* name) {
    Terminal t;
    t.Prefix = "<Ins>";
    t.LatitudeText = lat;
    t.LongitudeText = lon;
    t.Name = name;
    return t;
}

struct Report {
    std::string text;
    std::vector<std::string> lines;
    bool polar = false;
};

Report RunReport(const Terminal& a, const Terminal& b, const Settings& settings, PathKind kind,
                 const TimeZoneState& zone = {}) {
    PredictionInputs in;
    in.terminalA = a;
    in.terminalB = b;
    in.date = DateFromCalendar(2026, 6, 21);
    in.solarIndexText = "F150.0";
    in.zone = zone;
    const PreparedPrediction prepared = PreparePrediction(in, settings);
    EXPECT_TRUE(prepared.ok) << prepared.message.text;
    const PredictionResult result = Predict(prepared.request);
    Report report;
    report.polar = result.Paths[static_cast<int>(kind)].Geometry.IsPolar;
    report.lines =
        PathReportLines(result, kind, settings, zone, "06/21/2026", ReportStyle::BatchFile);
    report.text = JoinReportLines(report.lines);
    return report;
}

Settings TenFrequencies() {
    Settings s = FactorySettings();
    s.FrequencyCount = 10;
    const char* texts[] = {"3.6",  "5.3",  "7.1",  "10.1", "14.1",
                           "18.1", "21.2", "24.9", "28.3", "29.7"};
    for (int k = 0; k < 10; ++k)
        s.Frequencies[k] = {texts[k], "0.0"};
    s.ShowZeroAvailability = true;
    s.SuppressionThreshold = 3;
    DeriveSettings(s);
    return s;
}

// Every line ends in CR LF and no CR or LF appears inside a line.
void ExpectCrLfLines(const Report& r) {
    std::size_t start = 0;
    std::size_t count = 0;
    while (start < r.text.size()) {
        const std::size_t end = r.text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = r.text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        start = end + 2;
        ++count;
    }
    EXPECT_EQ(count, r.lines.size());
}

} // namespace

TEST(CompleteReport, PolarPathWithTenFrequencies) {
    // London to San Francisco: both paths are polar.
    const Report r =
        RunReport(Place("51.5", "0.1", "London"), Place("37.8", "122.4", "San Francisco"),
                  TenFrequencies(), PathKind::Short);
    ASSERT_TRUE(r.polar);
    ExpectCrLfLines(r);
    ASSERT_EQ(r.lines.size(), 61u);
    for (int i = 3; i <= 5; ++i)
        EXPECT_EQ(Utf8Length(r.lines[i]), 101u) << r.lines[i];
    EXPECT_EQ(Utf8From(r.lines[5], 41).substr(0, 20), "THIS IS A POLAR PATH");
    EXPECT_EQ(r.lines[5].rfind(" SSN:", 0), 0u);
    EXPECT_NE(r.lines[5].find("Path Length:"), std::string::npos); // the tail survives
    for (int row = 0; row <= 48; ++row)
        EXPECT_EQ(Utf8Length(r.lines[8 + row]), 101u) << row; // column header and 48 rows
    EXPECT_EQ(r.lines[8].substr(0, 11), " UTC   MUF ");
    EXPECT_EQ(r.lines[9].substr(0, 6), " 0000 ");
    EXPECT_EQ(r.lines[56].substr(0, 6), " 2330 ");
    EXPECT_EQ(r.lines[59], " No suppression in effect");
    EXPECT_EQ(r.lines[60], std::string(101, '-'));
    const std::string caption = "Hopscope Short-Path Prediction for 06/21/2026";
    EXPECT_EQ(r.lines[1], std::string(28, ' ') + caption);
}

TEST(CompleteReport, OrdinaryPathAndLocalTime) {
    TimeZoneState zone;
    zone.utc = false;
    zone.UtcOffset = 0.25;
    zone.TimeZoneLabel = "ULT";
    // Berlin to Sydney: neither path is polar.
    const Report r = RunReport(Place("52", "-13", "Berlin"), Place("-34", "-151", "Sydney"),
                               FactorySettings(), PathKind::Long, zone);
    EXPECT_FALSE(r.polar);
    ExpectCrLfLines(r);
    EXPECT_EQ(r.lines[5].find("POLAR"), std::string::npos);
    EXPECT_EQ(r.lines[8], " ULT   MUF    3.6 MHz   7.1 MHz  14.1 MHz  21.2 MHz  28.3 MHz");
    for (int row = 0; row < 48; ++row)
        EXPECT_EQ(r.lines[9 + row].size(), 61u) << row;
    EXPECT_NE(r.lines[3].find(" ULT  Bearing to B:"), std::string::npos);
}
