// Each of the reference program's conventions is a switch that changes what it names
// and nothing when it does not apply: every switch, turned off alone from the
// reference-compatible set, moves the quantity it governs on a circuit where it applies.

#include "p533/CircuitPrediction.h"
#include "tests/p533/WorkedCase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace p533;

namespace {

using Quantity = std::function<double(const HourResult&)>;

const FrequencyResult& First(const HourResult& h) {
    return h.frequencies.at(0);
}

double PointValue(const HourResult& h, const std::string& name, double ControlPointResult::*field) {
    for (const ControlPointResult& p : h.controlPoints)
        if (p.name == name)
            return p.*field;
    return std::nan("");
}

struct SwitchRow {
    const char* name;
    bool Options::*option;
    const char* workedCase;
    std::function<void(CircuitRequest&)> change; ///< to make the switch apply
    double hour;
    Quantity quantity;
    double least; ///< the smallest change expected
};

class Switch : public testing::TestWithParam<SwitchRow> {};

TEST_P(Switch, MovesWhatItGoverns) {
    const SwitchRow& row = GetParam();
    WorkedCase c = LoadWorkedCase(WorkedCaseFolder(), row.workedCase);
    ASSERT_EQ(c.error, "");
    if (row.change)
        row.change(c.request);
    c.request.hoursUtc = {row.hour};
    const CircuitResult on = PredictCircuit(MethodData(), c.request);
    c.request.options.*row.option = false;
    const CircuitResult off = PredictCircuit(MethodData(), c.request);
    ASSERT_EQ(on.error + off.error, "");
    const double a = row.quantity(on.hours.at(0)), b = row.quantity(off.hours.at(0));
    EXPECT_GE(std::abs(a - b), row.least) << "on " << a << ", off " << b;
}

// A southern path to the Antarctic coast (Hobart to Dumont d'Urville): R−1000 lies
// beyond −60° geomagnetic latitude.
void SouthernAuroralPath(CircuitRequest& r) {
    r.transmitter = {-42.88, 147.33};
    r.receiver = {-66.66, 140.0};
}

const SwitchRow kSwitches[] = {
    {"HourIndexTimes",
     &Options::hourIndexTimes,
     "itu_old",
     {},
     2,
     [](const HourResult& h) { return PointValue(h, "T+1000", &ControlPointResult::foEMHz); },
     0.3},
    {"DecilesAtUtc",
     &Options::decilesAtUtc,
     "itu_old",
     {},
     2,
     [](const HourResult& h) { return First(h).modes.at(0).lowerDecile; },
     0.05},
    {"MirrorHeightWithoutXrTerm",
     &Options::mirrorHeightWithoutXrTerm,
     "moscow_201805_10_31_B4",
     {},
     20,
     [](const HourResult& h) { return First(h).modes.at(3).screeningMHz; },
     0.3},
    {"PolarWinterAsReference",
     &Options::polarWinterAsReference,
     "caracas_201805_10_31_B4",
     {},
     8,
     [](const HourResult& h) { return PointValue(h, "M", &ControlPointResult::foEMHz); },
     0.5},
    {"OperationalMufLowPowerRow", &Options::operationalMufLowPowerRow, "itu_old",
     [](CircuitRequest& r) { r.transmitPowerDbkW = 10.0; }, 2,
     [](const HourResult& h) { return h.opMufMHz; }, 1.0},
    {"DayWithoutWrap",
     &Options::dayWithoutWrap,
     "itu_old",
     {},
     2,
     [](const HourResult& h) { return h.opMufMHz; },
     2.0},
    {"ElevationOfBestGain",
     &Options::elevationOfBestGain,
     "sydney_201805_10_31_B4",
     {},
     12,
     [](const HourResult& h) { return First(h).elevationDeg; },
     2.0},
    {"MirroredMapGrid",
     &Options::mirroredMapGrid,
     "itu_old",
     {},
     2,
     [](const HourResult& h) { return PointValue(h, "M", &ControlPointResult::foF2MHz); },
     0.005},
    {"FourPointReflectionSet",
     &Options::fourPointReflectionSet,
     "caracas_201805_10_31_B4",
     {},
     10,
     [](const HourResult& h) { return First(h).modes.back().elevationDeg; },
     0.01},
    {"SignedGeomagneticTest", &Options::signedGeomagneticTest, "itu_old", SouthernAuroralPath, 2,
     [](const HourResult& h) { return First(h).snrLowerDeviationDb; }, 1.0},
    {"TruncatedAntennaRotation",
     &Options::truncatedAntennaRotation,
     "itu_old22012020",
     {},
     2,
     [](const HourResult& h) { return First(h).receiveGainDbi; },
     0.05},
};

INSTANTIATE_TEST_SUITE_P(P533, Switch, testing::ValuesIn(kSwitches),
                         [](const testing::TestParamInfo<SwitchRow>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
