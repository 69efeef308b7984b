// The bearings and distances of the whole built-in atlas from three places, checked
// against GeographicLib's geodesic solver on a sphere of the program's radius.

#include "atlas/AtlasBearings.h"
#include "atlas/BuiltInAtlas.h"
#include "core/Constants.h"

#include <GeographicLib/Geodesic.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Place {
    const char* name;
    double latDeg;
    double lonDegWest;
};

// Difference of two bearings in degrees, across the 0/360 wrap.
double AngleBetween(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

class BearingsAgainstGeographicLib : public testing::TestWithParam<Place> {};

TEST_P(BearingsAgainstGeographicLib, WholeBuiltInAtlas) {
    const Place from = GetParam();
    const GeographicLib::Geodesic sphere(DisplayRadiusKm * 1000.0, 0.0);
    int compared = 0;
    for (const AtlasEntry& entry : BuiltInAtlasEntries()) {
        const EntryBearing ours = BearingToEntry(from.latDeg, from.lonDegWest, entry);
        ASSERT_TRUE(ours.located) << entry.Prefix();
        double metres = 0.0;
        double azimuth1 = 0.0;
        double azimuth2 = 0.0;
        // GeographicLib counts longitude east positive.
        sphere.Inverse(from.latDeg, -from.lonDegWest, ours.latitudeDeg, -ours.longitudeDeg, metres,
                       azimuth1, azimuth2);
        // Points closer than about 1.5 km count as one (no bearing, no distance).
        if (ours.status == BearingStatus::Indeterminate && ours.distanceRad == 0.0) {
            EXPECT_LT(metres, 1500.0) << entry.Prefix();
            continue;
        }
        // Distances: the law of cosines loses a little near zero; a metre is plenty.
        EXPECT_NEAR(ours.distanceRad * DisplayRadiusKm * 1000.0, metres, 1.0) << entry.Prefix();
        if (ours.status != BearingStatus::Ok)
            continue;
        ++compared;
        // Bearings to a millionth of a degree, except close to the start where the arc
        // cosine of the bearing formula is ill-conditioned.
        const double tolerance = metres < 100e3 ? 1e-4 : 1e-6;
        EXPECT_LE(AngleBetween(ours.bearingDeg, azimuth1), tolerance) << entry.Prefix();
        // The printed whole degree is the nearest one.
        ASSERT_TRUE(ours.shownBearing);
        EXPECT_LE(AngleBetween(*ours.shownBearing, azimuth1), 0.5 + 1e-6) << entry.Prefix();
    }
    EXPECT_GE(compared, 369);
}

INSTANTIATE_TEST_SUITE_P(ThreePlaces, BearingsAgainstGeographicLib,
                         testing::Values(Place{"Toronto", 43.65, 79.3833},
                                         Place{"Sydney", -33.87, -151.21},
                                         Place{"Reykjavik", 64.13, 21.9}),
                         [](const testing::TestParamInfo<Place>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
