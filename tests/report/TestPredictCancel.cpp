// A prediction cancelled part way keeps what was filled: the paths done complete,
// header lines and combined reliabilities included, the rest empty.
#include <gtest/gtest.h>

#include "engine/Propagation.h"
#include "report/PredictionHeaders.h"
#include "tests/engine/EngineTestSupport.h"

TEST(PredictionRun, CancelKeepsWhatWasFilled) {
    RequestPlan plan;
    plan.latB = "35";
    plan.lonB = "-139";
    plan.freqs = {7.0, 14.0};
    const PredictionRequest request = MakeRequest(plan);
    const PredictionResult full = Predict(request);

    // Cancel during the long path, after its 12th half hour.
    const PredictionResult r = Predict(request, [](int steps) { return steps < kHalfHours + 12; });
    EXPECT_FALSE(r.Completed);
    EXPECT_EQ(r.StepsDone, kHalfHours + 12);
    // The short path is complete, header lines and combined reliabilities included.
    EXPECT_EQ(r.Paths[0].Signal, full.Paths[0].Signal);
    EXPECT_EQ(r.Paths[0].Reliability, full.Paths[0].Reliability);
    EXPECT_EQ(r.Paths[0].HeaderLines, full.Paths[0].HeaderLines);
    // The long path is filled up to the cancel and empty after it; its
    // reliabilities were never combined and no header lines were built.
    const PathResult& lp = r.Paths[1];
    for (int j = 0; j < kHalfHours; ++j) {
        if (j < 12) {
            EXPECT_EQ(lp.Muf[j], full.Paths[1].Muf[j]);
            EXPECT_EQ(lp.Signal[j], full.Paths[1].Signal[j]);
        } else {
            EXPECT_EQ(lp.Muf[j], 0.0f);
            EXPECT_EQ(lp.Signal[j][0], 0.0f);
        }
        EXPECT_EQ(lp.Reliability[j][0], 0.0f);
    }
    EXPECT_TRUE(lp.HeaderLines[0].empty());

    // Cancel at the first frequency step: only the first cell is filled.
    const PredictionResult first = Predict(request, [](int) { return false; });
    EXPECT_FALSE(first.Completed);
    EXPECT_EQ(first.StepsDone, 0);
    EXPECT_EQ(first.Paths[0].Signal[0][0], full.Paths[0].Signal[0][0]);
    EXPECT_EQ(first.Paths[0].Signal[0][1], 0.0f);
    EXPECT_TRUE(first.Paths[0].HeaderLines[0].empty());
}
