// The lines of the path information page: where each value stands, the polar marker,
// and a terminal in the polar night.

#include "report/PathInfoPage.h"

#include "core/Syntax.h"
#include "report/PredictionSetup.h"
#include "settings/DefaultTerminal.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const DateConventions kUsDates{DateOrder::MonthDayYear, '/'};

/// Factory settings with the default terminal W1AW (41.71 N 72.73 W), or at `latitude`.
Settings Station(const char* latitude = "41.71") {
    Settings settings = FactorySettings();
    settings.DefaultLatitudeText = latitude;
    settings.DefaultLongitudeText = "72.73";
    settings.DefaultName = "W1AW";
    DeriveSettings(settings);
    return settings;
}

/// A prepared request from the station to the grid square `locator` on 8 Dec 2026.
PredictionRequest RequestTo(const Settings& settings, const std::string& locator) {
    PredictionInputs inputs;
    inputs.terminalA = DefaultTerminal(settings);
    const LocatorResult b = GridLocatorToCoordinates(locator, false);
    inputs.terminalB.Prefix = locator;
    inputs.terminalB.LatitudeText = b.latitudeText;
    inputs.terminalB.LongitudeText = b.longitudeText;
    inputs.date = DateFromCalendar(2026, 12, 8);
    inputs.solarIndexText = "F150.0";
    const PreparedPrediction prepared = PreparePrediction(inputs, settings);
    EXPECT_TRUE(prepared.ok);
    return prepared.request;
}

const PathInfoLine& LineAt(const std::vector<PathInfoLine>& lines, int line, bool label = false) {
    for (const PathInfoLine& l : lines)
        if (l.line == line && l.overPrevious == label)
            return l;
    static const PathInfoLine none{-1, false, false, "<no such line>"};
    return none;
}

} // namespace

TEST(PathInfoPage, ValuesStandUnderTheirLabels) {
    PredictionRequest request = RequestTo(Station(), "JN58");
    request.TerminalB.Name.clear();
    const auto lines = PathInfoLines(request, kUsDates);
    EXPECT_EQ(LineAt(lines, 0).text, "W1AW (A) to (B)");
    EXPECT_TRUE(LineAt(lines, 0).bold);
    EXPECT_EQ(LineAt(lines, 1).text, "12/08/2026");
    EXPECT_EQ(LineAt(lines, 4).text, "Latitude       41.71 N        Latitude       48.50 N");
    EXPECT_EQ(LineAt(lines, 5).text, "Longitude      72.73 W        Longitude      11.00 E");
    // Terminal B's values start under its label at column 30, A's under column 0.
    EXPECT_EQ(LineAt(lines, 7, true).text.find("Sunrise", 1), 30u);
    EXPECT_EQ(LineAt(lines, 7).text.substr(14, 8), "1211 UTC");
    EXPECT_EQ(LineAt(lines, 8).text.substr(30, 9), "Gray line");
    EXPECT_TRUE(LineAt(lines, 14).text.starts_with("Short path"));
    EXPECT_TRUE(LineAt(lines, 14).text.ends_with(" deg"));
    EXPECT_EQ(LineAt(lines, 17, true).text, "Short-path Length");
    EXPECT_EQ(PathInfoTitle("", ""), "(A) to (B)");
    EXPECT_EQ(PathInfoTitle("", "Tokyo"), "(A) to Tokyo (B)");
}

TEST(PathInfoPage, PathLengthsAndThePolarMarker) {
    // Half the Earth's circumference in radians, π: 20016 km, 10808 nmi, 12437 mi.
    EXPECT_EQ(PathLengthLine(std::acos(-1.0), false, false),
              std::string(17, ' ') + "  20016 km   10808 nmi   12437 mi (U.S.)");
    EXPECT_TRUE(PathLengthLine(1.0, true, false).ends_with("mi (U.S.)   (Polar)"));
    EXPECT_TRUE(PathLengthLine(1.0, false, true).ends_with("mi (U.S.)" + std::string(10, ' ')));
}

TEST(PathInfoPage, PolarNightHasNoSunrise) {
    const PredictionRequest request = RequestTo(Station("80"), "FN31");
    const auto lines = PathInfoLines(request, kUsDates);
    EXPECT_EQ(LineAt(lines, 7).text.substr(14, 8), "    None");
    EXPECT_EQ(LineAt(lines, 10).text.substr(14, 8), "    None");
    EXPECT_NE(LineAt(lines, 7).text.substr(44), "    None");
    ASSERT_TRUE(request.ShortPath.IsPolar && request.LongPath.IsPolar); // a terminal near the pole
    EXPECT_TRUE(LineAt(lines, 17).text.ends_with("   (Polar)"));
    EXPECT_TRUE(LineAt(lines, 18).text.ends_with("   (Polar)"));
}

TEST(PathInfoPage, GeometryFitsTheScreen) {
    // 21 lines of 30 px would take 630 of 768 px: the lines shrink to 21 px (441 px,
    // the most under 0.6 · 768 = 460.8), but never below the font's pixel height.
    const PathInfoGeometry small = PathInfoPageGeometry(30, 20, 200, 0, 1024, 768);
    EXPECT_EQ(small.lineHeight, 21);
    EXPECT_EQ(small.height, 21 * 21);
    EXPECT_EQ(small.width, 690);
    EXPECT_EQ(small.left, (1024 - 690) / 2);
    EXPECT_EQ(small.top, 100);
    EXPECT_EQ(PathInfoPageGeometry(30, 24, 200, 0, 1024, 768).lineHeight, 24);
    // The Close panel goes below the lines, its top 1.5 panel heights above the bottom.
    const PathInfoGeometry closing = PathInfoPageGeometry(16, 16, 200, 28, 1280, 1024);
    EXPECT_EQ(closing.height, 21 * 16 + 28);
    EXPECT_EQ(closing.closeTop, 21 * 16 + 28 - 42);
    EXPECT_EQ(PathInfoTextTop(0, 20), 14);
    EXPECT_EQ(PathInfoTextTop(17, 20), 354);
}
