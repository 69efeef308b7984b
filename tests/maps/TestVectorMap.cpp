#include <gtest/gtest.h>

#include <cmath>

#include "core/Dates.h"
#include "maps/AzimuthalMap.h"
#include "maps/RectMap.h"
#include "maps/VectorMap.h"

namespace {

// Even-odd rule over pixel rings, as the painter fills them.
bool Filled(const std::vector<MapPolyline>& rings, MapPointF p) {
    bool inside = false;
    for (const MapPolyline& r : rings)
        for (std::size_t i = 0, j = r.size() - 1; i < r.size(); j = i++)
            if ((r[i].y > p.y) != (r[j].y > p.y) &&
                p.x < r[i].x + (p.y - r[i].y) * (r[j].x - r[i].x) / (r[j].y - r[i].y))
                inside = !inside;
    return inside;
}

bool LandAt(const WorldFrame& f, const std::vector<MapPolyline>& rings, GeoPoint place) {
    return Filled(rings, ProjectToFrame(f, place).at);
}

const GeoPoint kVienna{48.2, -16.37};
const GeoPoint kPlaces[] = {{0.0, 0.0},     {48.2, -16.37}, {-33.9, -151.2}, {89.0, 10.0},
                            {-80.0, 170.0}, {10.0, 179.9},  {-60.0, -100.0}, {35.0, 120.0}};

} // namespace

// The vector map lies in register with the base maps' pixels: at the base maps' own
// geometry every place falls within half a pixel (their rounding) of their pixel.
TEST(VectorMapProjection, InRegisterWithTheBaseMapsPixels) {
    const MapRect rect{0, 0, 354, 358};
    WorldFrame r;
    r.centre = {0.0, -16.37};
    r.width = 354.0;
    r.height = 358.0; // the base map's own (not 2:1) proportion
    WorldFrame g;
    g.greatCircle = true;
    g.centre = kVienna;
    g.left = g.top = 177.0 - 178.0;
    g.width = g.height = 356.0; // 356/360 pixels per degree around pixel 177
    for (const GeoPoint p : kPlaces) {
        const ProjectedPoint vr = ProjectToFrame(r, p);
        EXPECT_NEAR(vr.at.x, RectMapX(rect, p.lon, r.centre.lon), 0.5 + 1e-9)
            << p.lat << " " << p.lon;
        EXPECT_NEAR(vr.at.y, RectMapY(rect, p.lat), 0.5 + 1e-9);
        const AzimuthalOffset o = AzimuthalProject(p, kVienna.lat, kVienna.lon, 356.0 / 360.0);
        const ProjectedPoint vg = ProjectToFrame(g, p);
        ASSERT_TRUE(vg.visible);
        EXPECT_NEAR(vg.at.x, 177 + o.dx, 0.5 + 1e-6) << p.lat << " " << p.lon;
        EXPECT_NEAR(vg.at.y, 177 - o.dy, 0.5 + 1e-6);
    }
    // The antipode has no direction; the centre is the centre pixel.
    EXPECT_FALSE(ProjectToFrame(g, {-48.2, 163.63}).visible);
    EXPECT_DOUBLE_EQ(ProjectToFrame(g, kVienna).at.x, 177.0);
}

TEST(VectorMapProjection, PlaceAtPixelUndoesTheProjectionAlsoAroundAPole) {
    for (const GeoPoint centre : {kVienna, GeoPoint{90.0, 0.0}, GeoPoint{-89.999, 30.0}})
        for (const bool greatCircle : {false, true}) {
            const WorldFrame f = FitWorldFrame(greatCircle, centre, 1000, 700);
            // Within 0.003° of a pole the centre counts as the pole itself.
            const double tolerance =
                greatCircle && std::fabs(centre.lat) < 90.0 && std::fabs(centre.lat) > 89.99 ? 2e-3
                                                                                             : 1e-6;
            for (const GeoPoint p : kPlaces) {
                const ProjectedPoint at = ProjectToFrame(f, p);
                const std::optional<GeoPoint> back = PlaceAtPixel(f, at.at.x, at.at.y);
                ASSERT_TRUE(back.has_value());
                EXPECT_NEAR(back->lat, p.lat, tolerance);
                if (std::fabs(p.lat) < 89.0) { // a pole's longitude is any
                    EXPECT_NEAR(std::remainder(back->lon - p.lon, 360.0), 0.0, tolerance);
                }
            }
            EXPECT_FALSE(PlaceAtPixel(f, 0.0, 0.0).has_value()); // in the letterbox bars
        }
}

TEST(VectorMapFrame, LetterboxedNeverStretched) {
    const WorldFrame wide = FitWorldFrame(false, {}, 1920, 1080);
    EXPECT_DOUBLE_EQ(wide.width, 1920.0);
    EXPECT_DOUBLE_EQ(wide.height, 960.0);
    EXPECT_DOUBLE_EQ(wide.top, 60.0);
    const WorldFrame tall = FitWorldFrame(false, {}, 800, 1000);
    EXPECT_DOUBLE_EQ(tall.width, 2.0 * tall.height);
    const WorldFrame disc = FitWorldFrame(true, kVienna, 1920, 1080);
    EXPECT_DOUBLE_EQ(disc.width, disc.height);
    EXPECT_NEAR(disc.DiscRadius(), 540.0 / 1.03, 1e-9);
    EXPECT_DOUBLE_EQ(disc.CentreX(), 960.0);
}

// Land and sea come out right in both projections, also with the centre's antipode in
// the middle of Asia (that ring is drawn inside out), and across the ±180° meridian.
TEST(VectorMapLand, LandLakesAndSeasInBothProjections) {
    const GeoPoint land[] = {kVienna,       {-25.0, -135.0}, {-85.0, 0.0}, {60.0, -100.0},
                             {67.0, 179.0}, {67.0, -179.5},  {0.0, -20.0}, {45.5, -90.5}};
    const GeoPoint water[] = {{42.0, -50.5}, {30.0, 40.0},   {0.0, 150.0}, {-40.0, 90.0},
                              {43.0, -15.0}, {60.0, -160.0}, {80.0, 0.0}};
    for (const GeoPoint centre : {kVienna, GeoPoint{-45.0, 90.0}, GeoPoint{20.0, 175.0}})
        for (const bool greatCircle : {false, true}) {
            const WorldFrame f = FitWorldFrame(greatCircle, centre, 1200, 800);
            const std::vector<MapPolyline> rings = LandRings(f, 1.0);
            for (const GeoPoint p : land)
                EXPECT_TRUE(LandAt(f, rings, p)) << greatCircle << " " << p.lat << " " << p.lon;
            for (const GeoPoint p : water)
                EXPECT_FALSE(LandAt(f, rings, p)) << greatCircle << " " << p.lat << " " << p.lon;
        }
}

TEST(VectorMapNight, TheSunsSideIsDayAndTheOtherNightThroughTheYear) {
    for (const int month : {3, 6, 9, 12})
        for (const double hours : {0.0, 7.5, 12.0, 18.25}) {
            const SubsolarPoint sun = SubsolarPointAt(DateFromCalendar(2026, month, 21), hours);
            const GeoPoint day{sun.declinationDeg, sun.longitudeDeg};
            const GeoPoint night{-sun.declinationDeg, sun.longitudeDeg + 180.0};
            const GeoPoint nearDay = PlaceAlong(day, 30.0, 85.0);
            const GeoPoint nearNight = PlaceAlong(day, 210.0, 95.0);
            for (const bool greatCircle : {false, true}) {
                const WorldFrame f = FitWorldFrame(greatCircle, kVienna, 1000, 600);
                const std::vector<MapPolyline> rings = NightRings(f, sun, 1.0);
                for (const GeoPoint p : {day, nearDay})
                    EXPECT_FALSE(Filled(rings, ProjectToFrame(f, p).at)) << month << " " << hours;
                for (const GeoPoint p : {night, nearNight}) {
                    const ProjectedPoint at = ProjectToFrame(f, p);
                    if (at.visible) { // the antipode of the centre has no pixel
                        EXPECT_TRUE(Filled(rings, at.at)) << month << " " << hours;
                    }
                }
            }
        }
}

TEST(VectorMapChains, ARectangularChainAcrossTheSideEdgeGoesOnPastIt) {
    const WorldFrame f = FitWorldFrame(false, {0.0, 0.0}, 720, 360);
    const GeoPoint across[] = {{10.0, 170.0}, {10.0, -170.0}}; // 20° over the ±180° meridian
    const std::vector<MapPolyline> lines = ProjectChain(f, across);
    ASSERT_EQ(lines.size(), 2u); // the piece and its copy one map width away
    for (const MapPolyline& l : lines)
        EXPECT_NEAR(std::fabs(l[1].x - l[0].x), 40.0, 1e-9); // never across the whole map
    const WorldFrame g = FitWorldFrame(true, kVienna, 720, 720);
    for (const MapPolyline& l : ProjectCircle(g, {0.0, 0.0}, 90.0, 1.0))
        for (std::size_t i = 1; i < l.size(); ++i)
            EXPECT_LE(std::hypot(l[i].x - l[i - 1].x, l[i].y - l[i - 1].y), 1.0 + 1e-9);
}
