// The check of a run against the committed figures: the P.533 limits, and each
// engine's figures held to the committed ones within 0.2 dB.

#include "validation/FiguresReport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

EngineFigures Engine(const std::string& name, int hours, double mean, double sd) {
    EngineFigures e;
    e.engine = name;
    e.overall.count = hours;
    e.overall.meanDb = mean;
    e.overall.sdDb = sd;
    e.overall.rmsDb = std::sqrt(mean * mean + sd * sd);
    return e;
}

ValidationRun MakeRun(double p533Mean, double p533Sd, double classicMean = 10.0, int hours = 2000) {
    ValidationRun run;
    run.engines = {Engine("classic", hours, classicMean, 16.0),
                   Engine("P.533", hours, p533Mean, p533Sd)};
    run.predicted = {hours, hours};
    return run;
}

// The committed figures: P.533 mean −1.4, sd 9.5; classic mean 10, sd 16 (2,000 hours).
const std::string kCommitted = FiguresCsv(MakeRun(-1.4, 9.5));

struct CheckCase {
    const char* name;
    ValidationRun run;
    bool ok;
    std::string firstLine; ///< the first line the check gives ("" for none)
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class Checks : public testing::TestWithParam<CheckCase> {};

TEST_P(Checks, PassOrFailAsTheFiguresMoved) {
    const FiguresCheck check = CheckFigures(GetParam().run, kCommitted, "figures.csv");
    EXPECT_EQ(check.ok, GetParam().ok);
    EXPECT_EQ(check.lines.empty() ? "" : check.lines.front(), GetParam().firstLine);
}

INSTANTIATE_TEST_SUITE_P(
    FiguresCheck, Checks,
    testing::Values(
        CheckCase{"Same", MakeRun(-1.4, 9.5), true, ""},
        CheckCase{"WithinTolerance", MakeRun(-1.55, 9.65), true, ""},
        CheckCase{"MeanWorse", MakeRun(-1.65, 9.5), false,
                  "FAIL: P.533 |mean error| 1.65 dB, figures.csv has 1.40 dB"},
        CheckCase{"SpreadWorse", MakeRun(-1.4, 9.75), false,
                  "FAIL: P.533 rms error 9.85 dB, figures.csv has 9.60 dB"},
        CheckCase{"ClassicWorse", MakeRun(-1.4, 9.5, 10.3), false,
                  "FAIL: classic |mean error| 10.30 dB, figures.csv has 10.00 dB"},
        CheckCase{"SignOfTheMeanFlipped", MakeRun(1.4, 9.5), true, ""},
        CheckCase{"Better", MakeRun(-1.0, 9.5), true,
                  "better: P.533 |mean error| 1.00 dB, figures.csv has 1.40 dB (update the file)"},
        CheckCase{"MeanBeyondTheLimit", MakeRun(-2.05, 9.0), false,
                  "FAIL: P.533 mean error -2.05 dB leaves +-2.0 dB"},
        CheckCase{"RmsBeyondTheLimit", MakeRun(-1.4, 10.45), false,
                  "FAIL: P.533 rms error 10.54 dB exceeds 10.5 dB"},
        CheckCase{"FewerHours", MakeRun(-1.4, 9.5, 10.0, 1999), false,
                  "FAIL: P.533 predicted 1999 common hours, figures.csv has 2000"}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(FiguresCheck, AnEngineMissingFromTheRunFails) {
    ValidationRun run = MakeRun(-1.4, 9.5);
    run.engines.pop_back();
    const FiguresCheck check = CheckFigures(run, kCommitted, "figures.csv");
    EXPECT_FALSE(check.ok);
    ASSERT_FALSE(check.lines.empty());
    EXPECT_EQ(check.lines.front(), "FAIL: P.533 engine of figures.csv was not run");
}

TEST(FiguresCheck, AFileWithoutFiguresFails) {
    const FiguresCheck check = CheckFigures(MakeRun(-1.4, 9.5), "engine,grouping\r\n", "f.csv");
    EXPECT_FALSE(check.ok);
}

} // namespace
