// Bearings from one point to atlas entries as the bearings table shows them: the
// rounding, the undefined cases and the grid bearings from the poles.

#include "atlas/AtlasBearings.h"
#include "core/Constants.h"
#include "core/Numeric.h"
#include "core/Syntax.h"
#include "tests/atlas/AtlasTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double WestLongitude(const AtlasEntry& entry) {
    return ParseCoordinate(entry.Longitude(), CoordinateKind::Longitude).valueDeg;
}

// A clockwise longitude as a whole bearing 0..359.
int GridBearing(double longitudeDeg) {
    const int whole = static_cast<int>(std::nearbyint(longitudeDeg));
    return ((whole % 360) + 360) % 360;
}

} // namespace

TEST(AtlasBearings, TheFromPointItselfAndItsAntipodeHaveNoBearing) {
    const AtlasEntry ve3 = MakeAtlasEntry("VE3", "43 39", "79 23", "Toronto, Ontario");
    const EntryBearing here = BearingToEntry(43.65, 79.383333333333, ve3);
    EXPECT_EQ(here.status, BearingStatus::Indeterminate);
    EXPECT_EQ(BearingText(here), "***");
    EXPECT_FALSE(LongPathBearing(here));
    EXPECT_DOUBLE_EQ(here.distanceRad, 0.0);
    const EntryBearing antipode = BearingToEntry(-43.65, 79.383333333333 - 180.0, ve3);
    EXPECT_EQ(BearingText(antipode), "***");
    EXPECT_NEAR(antipode.distanceRad, kPi, 1e-12);
}

TEST(AtlasBearings, RoundedFirstThenReducedSo360NeverShows) {
    // Just west of north from the equator: about 359.6 degrees.
    const EntryBearing nearlyNorth =
        BearingToEntry(0.0, 0.0, MakeAtlasEntry("X", "10", "0.07", "x"));
    ASSERT_EQ(nearlyNorth.status, BearingStatus::Ok);
    EXPECT_GT(nearlyNorth.bearingDeg, 359.5);
    EXPECT_EQ(nearlyNorth.shownBearing, 0);
    EXPECT_EQ(BearingText(nearlyNorth), "  0");
    EXPECT_EQ(LongPathBearing(nearlyNorth), 180);
    const EntryBearing east = BearingToEntry(0.0, 0.0, MakeAtlasEntry("X", "0", "-10", "x"));
    EXPECT_EQ(BearingText(east), " 90");
    EXPECT_EQ(LongPathBearing(east), 270);
}

TEST(AtlasBearings, AnEntryThatDoesNotReadPrintsStars) {
    const EntryBearing bad = BearingToEntry(10.0, 10.0, MakeAtlasEntry("X", "12 x", "5", "x"));
    EXPECT_FALSE(bad.located);
    EXPECT_EQ(BearingText(bad), "***");
}

TEST(AtlasBearings, FromThePolesTheBearingIsTheGridBearing) {
    const Atlas atlas = BuiltInAtlas();
    for (const EntryBearing& row : AtlasBearings(atlas, AtlasIndex::ByPrefix, 90.0, 0.0)) {
        ASSERT_TRUE(row.located);
        EXPECT_EQ(row.status, BearingStatus::AtPole);
        EXPECT_EQ(row.shownBearing, GridBearing(WestLongitude(row.entry))) << row.entry.Prefix();
    }
    // From the south pole east is clockwise: the east longitude.
    for (const EntryBearing& row : AtlasBearings(atlas, AtlasIndex::ByName, -89.999, 45.0)) {
        if (row.entry.Prefix() == "KC4")
            continue; // the pole itself
        EXPECT_EQ(row.shownBearing, GridBearing(-WestLongitude(row.entry))) << row.entry.Prefix();
    }
}

TEST(AtlasBearings, FollowsTheChosenIndex) {
    const Atlas atlas = BuiltInAtlas();
    const std::vector<EntryBearing> byName = AtlasBearings(atlas, AtlasIndex::ByName, 0.0, 0.0);
    ASSERT_EQ(byName.size(), 371u);
    for (std::size_t i = 1; i < byName.size(); ++i)
        EXPECT_LE(CompareAtlasText(byName[i - 1].entry.Name(), byName[i].entry.Name()), 0);
    EXPECT_TRUE(AtlasBearings(Atlas{}, AtlasIndex::ByPrefix, 0.0, 0.0).empty());
}
