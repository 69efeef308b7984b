#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "maps/AzimuthalMap.h"
#include "maps/BaseMaps.h"
#include "maps/PixelBuffer.h"
#include "maps/RectMap.h"
#include "maps/WorldOutline.h"

namespace {

struct Probe {
    const char* name;
    GeoPoint point; // longitude west positive
};

// Places well inside land that a seed leaking through a coastline would flood.
const std::vector<Probe> kLandProbes = {
    {"Paris", {48.86, -2.35}},    {"Denver", {39.74, 104.99}},
    {"Nairobi", {-1.29, -36.82}}, {"Irkutsk", {52.29, -104.28}},
    {"Manaus", {-3.12, 60.02}},   {"Alice Springs", {-23.70, -133.88}},
    {"Antarctica", {-85.0, 0.0}},
};

// Map centres: random ones and some within a few degrees of every seed.
std::vector<GeoPoint> Centres(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> lat(-89.0, 89.0);
    std::uniform_real_distribution<double> lon(-180.0, 180.0);
    std::uniform_real_distribution<double> near(-3.0, 3.0);
    std::vector<GeoPoint> centres;
    for (int i = 0; centres.size() < std::size_t(count); ++i) {
        if (i % 2 == 0) {
            centres.push_back({lat(random), lon(random)});
        } else {
            const SeaSeed& s = SeaSeeds[(i / 2) % SeaSeeds.size()];
            centres.push_back(
                {std::clamp(s.lat + near(random), -89.0, 89.0), s.lon + near(random)});
        }
    }
    return centres;
}

std::string Where(const char* kind, GeoPoint centre, const Probe& probe) {
    return std::string(kind) + " map centred " + std::to_string(centre.lat) + ", " +
           std::to_string(centre.lon) + ": " + probe.name + " is sea";
}

} // namespace

// Every seed must fill water only: over many centres no land probe turns blue.
TEST(BaseMapSeeds, NoSeedFillsLandOnRectangularMaps) {
    PixelBuffer map(kRectangularBaseWidth, kRectangularBaseHeight);
    const MapRect rect{0, 0, map.Width() - 1, map.Height() - 1};
    std::vector<GeoPoint> centres = Centres(120, 11);
    for (int k = 0; k < 12; ++k) // the band where an edge used to cut the Arctic in two
        centres.push_back({0.0, -162.0 - k * 0.5});
    for (GeoPoint centre : centres) {
        DrawRectangularBaseMap(map, centre.lon);
        for (const Probe& probe : kLandProbes)
            ASSERT_NE(map.PixelAt(RectMapX(rect, probe.point.lon, centre.lon),
                                  RectMapY(rect, probe.point.lat)),
                      kBlue)
                << Where("rectangular", centre, probe);
        // The North Atlantic and the Arctic are one sea whatever the edge cuts.
        EXPECT_EQ(map.PixelAt(RectMapX(rect, 30.0, centre.lon), RectMapY(rect, 45.0)), kBlue);
        EXPECT_EQ(map.PixelAt(RectMapX(rect, 0.0, centre.lon), RectMapY(rect, 88.0)), kBlue);
    }
}

TEST(BaseMapSeeds, NoSeedFillsLandOnGreatCircleMaps) {
    PixelBuffer map(kGreatCircleBaseSize, kGreatCircleBaseSize);
    const double scale = (kGreatCircleBaseSize + 1) / 360.0;
    for (GeoPoint centre : Centres(600, 29)) {
        DrawGreatCircleBaseMap(map, centre);
        for (const Probe& probe : kLandProbes) {
            const AzimuthalOffset o = AzimuthalProject(probe.point, centre.lat, centre.lon, scale);
            ASSERT_NE(map.PixelAt(177 + o.dx, 177 - o.dy), kBlue)
                << Where("great-circle", centre, probe);
        }
    }
}

TEST(BaseMapDrawing, GreatCircleMapKeepsItsBlackCornersAndCentre) {
    PixelBuffer map(kGreatCircleBaseSize, kGreatCircleBaseSize);
    DrawGreatCircleBaseMap(map, {48.86, -2.35}); // Paris: the centre is land
    EXPECT_EQ(map.PixelAt(0, 0), kBlack);
    EXPECT_EQ(map.PixelAt(354, 354), kBlack);
    EXPECT_EQ(map.PixelAt(177, 177), kYellow);
    EXPECT_EQ(map.PixelAt(177, 2), kBlue); // 178° north of Paris: the Pacific
}

TEST(BaseMapDrawing, RectangularMapIsCentredOnTheLongitude) {
    PixelBuffer map(kRectangularBaseWidth, kRectangularBaseHeight);
    DrawRectangularBaseMap(map, 0.0);
    const MapRect rect{0, 0, 354, 358};
    EXPECT_EQ(map.PixelAt(RectMapX(rect, -20.0, 0.0), RectMapY(rect, 0.0)), kYellow); // Africa
    EXPECT_EQ(map.PixelAt(RectMapX(rect, 150.0, 0.0), RectMapY(rect, 0.0)), kBlue);   // Pacific
    EXPECT_EQ(RectangularBaseHeight(355), 359);
}
