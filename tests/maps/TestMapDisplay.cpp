#include <gtest/gtest.h>

#include <filesystem>

#include "core/Geometry.h"
#include "engine/Propagation.h"
#include "maps/BaseMapFile.h"
#include "maps/MapDisplay.h"
#include "tests/core/TempDir.h"

namespace {

Settings WithDefault(const char* lat, const char* lon, const char* name) {
    Settings s;
    s.DefaultLatitudeText = lat;
    s.DefaultLongitudeText = lon;
    s.DefaultName = name;
    s.DefaultDefined = true;
    return s;
}

MapPathView View(const char* latB, const char* lonB) {
    MapPathView v;
    v.paths.a.LatitudeText = "51.5";
    v.paths.a.LongitudeText = "0.1";
    v.paths.a.Name = "London";
    v.paths.b.LatitudeText = latB;
    v.paths.b.LongitudeText = lonB;
    EXPECT_TRUE(ComputePathGeometry(v.paths.a, v.paths.b, v.paths.shortPath, v.paths.longPath));
    MarkPolarPaths(v.paths.a, v.paths.b, v.paths.shortPath, v.paths.longPath);
    v.sun = ComputeSolarPosition(DateFromCalendar(2026, 6, 21), v.zone);
    return v;
}

} // namespace

TEST(MapDisplayText, SidePanelRowsLineUpInTheirColumns) {
    const std::vector<PanelRow> rows = SidePanelRows(View("35.65", "-139.75"));
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[0].text, "             TERMINAL A   TERMINAL B");
    EXPECT_EQ(rows[0].boldLength, rows[0].text.size());
    EXPECT_EQ(rows[1].text, "Latitude        51.50 N      35.65 N");
    EXPECT_EQ(rows[3].text.substr(0, 7), "Sunrise");
    EXPECT_EQ(rows[3].boldLength, 7u);
    EXPECT_EQ(rows[7].text, "Bearings         A to B       B to A");
    EXPECT_EQ(rows[8].text.substr(0, 10), "Short path");
    // The short-path length row: bold label over the blanks of a 25-wide number.
    const PanelRow& length = rows[10];
    EXPECT_EQ(length.row, 14);
    EXPECT_EQ(length.text.substr(0, 17), "Short-path Length");
    EXPECT_EQ(length.text.find(" km"), 25u);
    EXPECT_NE(length.text.find("(Polar)"), std::string::npos); // London-Tokyo is polar
    EXPECT_EQ(rows[13].row, 18);
}

TEST(MapDisplayText, MidnightSunShowsNone) {
    const std::vector<PanelRow> rows = SidePanelRows(View("78.2", "-15.6")); // Svalbard
    const std::string& sunrise = rows[3].text;
    EXPECT_EQ(sunrise.substr(sunrise.size() - 8), "    None"); // B: the sun never sets
    EXPECT_EQ(sunrise.substr(19, 9), " UTC     ");             // A: a time
}

TEST(MapDisplayText, TopPanelAndCentredOnLine) {
    Terminal a, b;
    b.Name = "Tokyo";
    DateConventions dates;
    const auto top = TopPanelRows(a, b, DateFromCalendar(2026, 6, 21), dates);
    EXPECT_EQ(top[0], "(A) to Tokyo (B)");
    EXPECT_EQ(top[1].size(), 10u); // four-digit year
    EXPECT_EQ(CenteredOnText(WithDefault("51 30 N", "0 7 W", "Home")),
              "This map is centered on Home 51 30 N 0 7 W");
    EXPECT_EQ(CenteredOnText(WithDefault("-33.9", "-151.2", "")),
              "This map is centered on 33.9 S 151.2 E");
    EXPECT_EQ(CenteredOnText(WithDefault("90", "10", "Pole")), "This map is centered on Pole 90 N");
}

TEST(MapDisplayLayoutRules, MapWidthAndTheGreatCircleHeightLimit) {
    // 1024 × 768: a = round(1024·355/640) = 568, so 569; fits the height.
    const MapDisplayLayout rect =
        ComputeMapDisplayLayout(MapKind::Rectangular, 1024, 768, 1024, 700);
    EXPECT_EQ(rect.mapSize, 569);
    EXPECT_EQ(rect.imageLeft, 1024 - 569);
    EXPECT_EQ(rect.imageHeight % 2, 1);
    // 1920 × 1080: 1065 wide would be taller than the client area; the disc shrinks.
    const MapDisplayLayout gc =
        ComputeMapDisplayLayout(MapKind::GreatCircle, 1920, 1080, 1920, 1000);
    EXPECT_LE(gc.imageHeight + gc.imageTop, 1000 - gc.lineUnit); // room for the centred-on line
    EXPECT_GE(gc.imageTop, 2 * gc.lineUnit);                     // below the title rows
    EXPECT_EQ(gc.mapSize % 2, 1);
    EXPECT_EQ(gc.discRadius, static_cast<int>(gc.half / 1.03) + 1);
}

TEST(MapDisplayClock, LocalEveningPastUtcMidnightUsesTheNextUtcDay) {
    TimeZoneState zone;
    zone.utc = false;
    zone.UtcOffset = 5.0 / 24.0; // five hours behind UTC
    const DateValue date = DateFromCalendar(2026, 6, 20);
    const SubsolarPoint local = MapSubsolarPoint(date, 21.0, zone); // 02:00 UT on the 21st
    const SubsolarPoint ut = SubsolarPointAt(date + 1, 2.0);
    EXPECT_NEAR(local.longitudeDeg, ut.longitudeDeg, 1e-9);
    EXPECT_NEAR(local.declinationDeg, ut.declinationDeg, 1e-9);
    EXPECT_EQ(MapTimeHours("2359"), 23.0 + 59.0 / 60.0);
    EXPECT_FALSE(MapTimeHours("2460"));
    Settings s;
    s.MapUpdateMinutes = 0;
    EXPECT_EQ(MapUpdateIntervalMs(s), 60000);
    s.MapUpdateMinutes = 600;
    EXPECT_EQ(MapUpdateIntervalMs(s), 3600000);
}

TEST(MapDisplayAvailability, NeedsADefaultTerminalThatReadsAsAPlace) {
    // A base map that is missing or cannot be saved is drawn in memory: only the
    // default terminal counts.
    EXPECT_EQ(MapUnavailableText(Settings{}, MapKind::Rectangular)->substr(0, 38),
              "The Hopscope maps will not be availabl");
    EXPECT_FALSE(MapUnavailableText(WithDefault("51 30 N", "0 7 W", "Home"), MapKind::GreatCircle));
    EXPECT_EQ(MapUnavailableText(WithDefault("51 30 X", "0 7 W", "Home"), MapKind::GreatCircle),
              "Map file Hopscope.GC not found");
}
