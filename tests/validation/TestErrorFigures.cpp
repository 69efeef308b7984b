// The error figures on small hand-made sets whose figures are worked out by hand.

#include "validation/ErrorFigures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct SummaryCase {
    const char* name;
    std::vector<double> errors;
    ErrorSummary expected;
};

void PrintTo(const SummaryCase& c, std::ostream* os) {
    *os << c.name;
}

class Summaries : public testing::TestWithParam<SummaryCase> {};

TEST_P(Summaries, FiguresAsWorkedOut) {
    const SummaryCase& c = GetParam();
    const ErrorSummary s = SummarizeErrors(c.errors);
    EXPECT_EQ(s.count, c.expected.count);
    // The figures are sums of a few small numbers: exact to rounding.
    EXPECT_NEAR(s.meanDb, c.expected.meanDb, 1e-12);
    EXPECT_NEAR(s.medianDb, c.expected.medianDb, 1e-12);
    EXPECT_NEAR(s.sdDb, c.expected.sdDb, 1e-12);
    EXPECT_NEAR(s.rmsDb, c.expected.rmsDb, 1e-12);
    EXPECT_NEAR(s.within10Percent, c.expected.within10Percent, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    ErrorFigures, Summaries,
    testing::Values(SummaryCase{"Empty", {}, {0, 0, 0, 0, 0, 0}},
                    SummaryCase{"One", {-4}, {1, -4, -4, 0, 4, 100}},
                    // Mean 2, deviations −5 and +5 → sd 5; rms √((9 + 49)/2) = √29.
                    SummaryCase{"TwoMedianBetween", {7, -3}, {2, 2, 2, 5, std::sqrt(29.0), 100}},
                    // ±10 dB counts as within, 10.5 does not; the median of an odd count is the
                    // middle. Sum −19.5, squares 1210.25.
                    SummaryCase{"EdgesOfTheBand",
                                {10, -10, 10.5, -30, 0},
                                {5, -3.9, 0, std::sqrt(1210.25 / 5.0 - 3.9 * 3.9),
                                 std::sqrt(1210.25 / 5.0), 60}}),
    [](const testing::TestParamInfo<SummaryCase>& info) { return std::string(info.param.name); });

MeasuredHour Hour(double distanceKm, double freqMHz, double ssn, double fieldDbu) {
    MeasuredHour h;
    h.distanceKm = distanceKm;
    h.freqMHz = freqMHz;
    h.ssn = ssn;
    h.fieldDbu = fieldDbu;
    return h;
}

const GroupFigures& Group(const EngineFigures& f, const std::string& label) {
    for (const GroupFigures& g : f.groups)
        if (g.group == label)
            return g;
    throw std::runtime_error("no group " + label);
}

TEST(ErrorFigures, EachHourFallsIntoOneGroupOfEveryGrouping) {
    // Four hours on the edges of the groups; the second is not predicted by every
    // engine and so is left out.
    const std::vector<MeasuredHour> measured = {Hour(1999, 4.9, 49, 0), Hour(2000, 5, 50, 0),
                                                Hour(7000, 10, 50, 0), Hour(9000, 15, 120, 0)};
    std::vector<PredictedHour> engine(4), other(4);
    const double fields[] = {2, 99, -6, 20};
    const double mufs[] = {5, 5, 10, 30};
    for (int i = 0; i < 4; ++i) {
        engine[i] = {fields[i], mufs[i]};
        other[i] = {0.0, 0.0};
    }
    other[1].fieldDbu.reset();
    const std::vector<std::size_t> common = CommonHours({engine, other});
    ASSERT_EQ(common, (std::vector<std::size_t>{0, 2, 3}));
    const EngineFigures f = FiguresOf("test", measured, engine, {true, false, false, true}, common);

    EXPECT_EQ(f.overall.count, 3);
    EXPECT_NEAR(f.overall.meanDb, 16.0 / 3.0, 1e-12);
    const struct {
        const char* group;
        int count;
        double meanDb;
    } expected[] = {{"< 2,000 km", 1, 2},
                    {"2,000–7,000 km", 0, 0},
                    {"7,000–9,000 km", 1, -6},
                    {"≥ 9,000 km", 1, 20},
                    {"2.5–5 MHz", 1, 2},
                    {"5–10 MHz", 0, 0},
                    {"10–15 MHz", 1, -6},
                    {"15–30 MHz", 1, 20},
                    {"SSN < 50", 1, 2},
                    {"SSN ≥ 50", 2, 7},
                    {"night at midpoint", 1, -6},
                    {"day at midpoint", 2, 11},
                    {"below own MUF", 2, 11}, // 4.9 below 5, 15 below 30
                    {"at or above own MUF", 1, -6}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.group);
        EXPECT_EQ(Group(f, e.group).summary.count, e.count);
        EXPECT_NEAR(Group(f, e.group).summary.meanDb, e.meanDb, 1e-12);
    }
    EXPECT_EQ(f.groups.size(), std::size(expected));
}

} // namespace
