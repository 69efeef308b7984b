// The engine against the nine worked examples of the method's reference program, with
// the reference program's conventions: every listed value within its tolerance.

#include "p533/CircuitPrediction.h"
#include "tests/p533/WorkedCase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>

using namespace p533;

namespace {

class WorkedExample : public testing::TestWithParam<const char*> {};

TEST_P(WorkedExample, EveryListedValueAgrees) {
    const WorkedCase c = LoadWorkedCase(WorkedCaseFolder(), GetParam());
    ASSERT_EQ(c.error, "");
    const CircuitResult result = PredictCircuit(MethodData(), c.request);
    ASSERT_EQ(result.error, "");
    const std::vector<Comparison> comparisons = CompareWorkedCase(c, result);
    ASSERT_FALSE(comparisons.empty());
    std::map<std::string, double> largest;
    for (const Comparison& k : comparisons) {
        if (!k.expectedText.empty() || !k.actualText.empty())
            EXPECT_EQ(k.expectedText, k.actualText) << k.what;
        else
            EXPECT_NEAR(k.actual, k.expected, k.tolerance) << k.what;
        if (k.expectedText.empty())
            largest[k.quantity] = std::max(largest[k.quantity], std::abs(k.actual - k.expected));
    }
    // The largest difference of each kind, for the record.
    std::string summary;
    for (const auto& [quantity, difference] : largest) {
        char item[64];
        std::snprintf(item, sizeof item, "%s %.4f; ", quantity.c_str(), difference);
        summary += item;
    }
    RecordProperty("largest_differences", summary);
    std::printf("%s: %zu values; largest differences: %s\n", GetParam(), comparisons.size(),
                summary.c_str());
}

INSTANTIATE_TEST_SUITE_P(P533, WorkedExample,
                         testing::Values("1-5-85", "1-5-85_01", "1-8-84", "164-1-78", "itu_old",
                                         "itu_old22012020", "moscow_201805_10_31_B4",
                                         "caracas_201805_10_31_B4", "sydney_201805_10_31_B4"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

} // namespace
