// The check values the method's notes give for its parts, each computed from the
// data files on its own.

#include "p533/CcirMaps.h"
#include "p533/MagneticField.h"
#include "p533/Noise.h"
#include "p533/PredictionData.h"
#include "tests/p533/WorkedCase.h"

#include <gtest/gtest.h>

using namespace p533;

namespace {

TEST(CheckValues, MagneticFieldAt1800Km) {
    const MagneticField f = FieldAt(MethodData().field, {0.732665, -1.534227}, 1800.0);
    EXPECT_NEAR(f.gyroMHz, 0.733686, 1e-6);
    EXPECT_NEAR(f.dip, 1.241669, 1e-6);
}

// January, 02 UT, R12 140: the maps evaluated at the point itself ("≈", to 0.01 MHz
// and 0.001).
TEST(CheckValues, FoF2AndM3000AtTwoPoints) {
    struct Row {
        double latDeg, lonDeg, foF2, m3000;
    };
    for (const Row& row :
         {Row{10.100, 106.096, 12.02, 2.467}, Row{20.824, 109.223, 14.00, 2.828}}) {
        const LatLon p{row.latDeg * kRad, row.lonDeg * kRad};
        const double modip = Modip(FieldAt(MethodData().field, p, 300.0).dip, p.lat);
        const MapValues v = EvaluateMaps(MapSeriesAt(MethodData().months[0], p, modip, 140.0), 2.0);
        EXPECT_NEAR(v.foF2, row.foF2, 0.01) << row.latDeg;
        EXPECT_NEAR(v.m3000, row.m3000, 0.001) << row.latDeg;
    }
}

// May, hour index 19 (local time 19 h), 51.1167° N 7.2667° E, 6.1 MHz.
TEST(CheckValues, AtmosphericNoise) {
    const MonthCoefficients& may = MethodData().months[4];
    const AtmosphericSite site = PrepareAtmosphericSite(may, {51.1167 * kRad, 7.2667 * kRad});
    const NoiseSource n = AtmosphericNoise(may, site, 19.0, 6.1);
    EXPECT_NEAR(n.medianDb, 49.90, 0.005);
    EXPECT_NEAR(n.upperDecileDb, 8.74, 0.005);
    EXPECT_NEAR(n.lowerDecileDb, 7.91, 0.005);
}

} // namespace
