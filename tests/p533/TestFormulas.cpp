// Parts of the method that none of the worked examples reaches with the reference's
// conventions, checked against values worked out by hand from the method's text: the
// night-time decay of foE after sunset (the reference's polar-winter test takes the
// May examples past it, and the August one sits on foE's floor at night), the E-layer
// screening frequency (no example screens a mode or prints one), and the decile
// factors between table columns (every example falls on a whole hour), and the winter
// anomaly of the long model (every long example has its mid-path in the summer).

#include "p533/FoE.h"
#include "p533/LongModel.h"
#include "p533/Muf.h"
#include "p533/PredictionData.h"
#include "p533/Screening.h"
#include "tests/p533/WorkedCase.h"

#include <gtest/gtest.h>

using namespace p533;

namespace {

// 40° N, R12 100, declination −20°, Sun 10° below the horizon an hour after sunset:
// D = 0.072^1.2·e^(−1.4·1) decides over 0.072^1.2·e^(25.2 − 0.28·100).
TEST(Formulas, FoEDecaysAfterSunset) {
    FoEInputs in;
    in.lat = 40.0 * kRad;
    in.rCapped = 100.0;
    in.sun.declination = -20.0 * kRad;
    in.seen.zenith = 100.0 * kRad;
    in.seen.setUtc = 17.0;
    in.seen.riseUtc = 7.0;
    in.hourOfDay = 18.0;
    in.month = 1;
    EXPECT_NEAR(FoE(in), 1.2717895677, 1e-9);
}

// 1.05·foE / cos i110 for a 1500-km hop mirrored at 250 km, foE 3.2 MHz.
TEST(Formulas, ScreeningFrequency) {
    EXPECT_NEAR(ScreeningFrequency(3.2, 1500.0, 250.0), 10.8455514621, 1e-9);
}

// Winter, R12 > 100, |latitude| 20.824°, 09:17 local time (itu_old's mid-path at 02 UTC):
// bilinear between 20° and 25° and between the 09 and 10 h columns of the tables.
TEST(Formulas, DecileFactorsBetweenRowsAndColumns) {
    const DecileFactors d =
        F2DecileFactors(MethodData().deciles, Season::Winter, 140.0, 20.824, 9.2815);
    EXPECT_NEAR(d.lower, 0.890463912, 1e-6); // the tables hold floats
    EXPECT_NEAR(d.upper, 1.119536088, 1e-6);
}

// P.533 Table 5: the value at 60°, linear to nothing at 30° and at 90°, by hemisphere.
TEST(Formulas, WinterAnomaly) {
    EXPECT_DOUBLE_EQ(WinterAnomaly(1, 60.0), 0.30);
    EXPECT_DOUBLE_EQ(WinterAnomaly(1, 45.0), 0.15);
    EXPECT_DOUBLE_EQ(WinterAnomaly(2, 75.0), 0.075);
    EXPECT_DOUBLE_EQ(WinterAnomaly(6, -60.0), 0.30);
    EXPECT_DOUBLE_EQ(WinterAnomaly(5, -50.0), 0.10);
    EXPECT_DOUBLE_EQ(WinterAnomaly(1, -60.0), 0.0);
    EXPECT_DOUBLE_EQ(WinterAnomaly(12, 30.0), 0.0);
    EXPECT_DOUBLE_EQ(WinterAnomaly(12, 90.0), 0.0);
}

} // namespace
