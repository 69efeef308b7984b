#include "maps/MapDisplay.h"

#include <algorithm>
#include <cmath>

#include "core/Constants.h"
#include "core/DataDirectory.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/PathText.h"
#include "core/Syntax.h"
#include "engine/Propagation.h"
#include "maps/BaseMapFile.h"
#include "maps/MapCompose.h"

namespace {

int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

int MakeOdd(int v) {
    return v % 2 == 0 ? v - 1 : v;
}

constexpr double kLineUnitFactor = 0.03193031527993307;
constexpr double kNauticalMilesPerRadian = DisplayRadiusNmi;

// A sunrise or sunset row: 15 blanks for the label, then both times.
std::string SunRow(const std::string& a, const std::string& b) {
    std::string row(15, ' ');
    row += a == "None" ? "    None     " : a + "     ";
    row += b == "None" ? "    None" : b;
    return row;
}

std::string GreyLineRow(const std::string& a, const std::string& b) {
    std::string row = "Gray line    ";
    row += a == "None" ? "       None  " : a + "  ";
    row += b == "None" ? "       None" : b;
    return row;
}

std::string WithHemisphere(std::string text, bool latitude) {
    text = TrimBlanks(text);
    if (!text.empty()) {
        const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
        if (last == 'N' || last == 'S' || last == 'E' || last == 'W')
            return text;
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.erase(0, 1);
    }
    return text + (latitude ? (negative ? " S" : " N") : (negative ? " E" : " W"));
}

void LengthRows(std::vector<PanelRow>& rows, int row, const char* label, const PathGeometry& path) {
    std::string km = FormatFixed(path.Length * DisplayRadiusKm, 25, 0) + " km";
    if (path.IsPolar)
        km += " (Polar)";
    km.replace(0, 17, label);
    rows.push_back({row, km, 17});
    rows.push_back({row + 1,
                    FormatFixed(path.Length * kNauticalMilesPerRadian, 14, 0) + " nmi" +
                        FormatFixed(path.Length * DisplayRadiusMi, 7, 0) + " mi (U.S.)",
                    0});
}

std::string BearingRow(const char* label, const PathGeometry& path) {
    return std::string(label) + FormatFixed(BearingDeg(path.BearingAtA), 9, 1) + " deg" +
           FormatFixed(BearingDeg(path.BearingAtB), 9, 1) + " deg";
}

} // namespace

std::string MapCaption(MapKind kind) {
    return kind == MapKind::GreatCircle ? "Hopscope Great Circle Map" : "Hopscope Rectangular Map";
}

std::optional<std::string> MapUnavailableText(const Settings& settings, MapKind kind) {
    if (!settings.DefaultDefined)
        return std::string("The Hopscope maps will not be available until the default terminal "
                           "is defined.\rChoose Options from the Hopscope Main Menu Bar to define "
                           "the default terminal.");
    if (!BaseMapCentre(settings))
        return "Map file " +
               std::string(kind == MapKind::GreatCircle ? kGreatCircleMapFileName
                                                        : kRectangularMapFileName) +
               " not found";
    return std::nullopt;
}

MapDisplayLayout ComputeMapDisplayLayout(MapKind kind, int /*screenWidth*/, int /*screenHeight*/,
                                         int clientWidth, int clientHeight) {
    MapDisplayLayout l;
    l.lineUnit = std::max(1, static_cast<int>(clientHeight * kLineUnitFactor));
    // The map takes the same share of the window as of a full screen, so that it grows
    // and shrinks with the window.
    const int a = Round(clientWidth * 355.0 / 640.0);
    l.mapSize = a % 2 == 0 ? a + 1 : a + 2;
    if (kind == MapKind::GreatCircle) {
        // Kept within the client height, below the two title rows and above the
        // centred-on line.
        const int room = MakeOdd(clientHeight - 4 * l.lineUnit);
        l.mapSize = std::max(101, std::min(l.mapSize, room));
        l.half = l.mapSize / 2;
        l.discRadius = GreatCircleDiscRadius(l.mapSize);
        l.imageWidth = l.imageHeight = l.mapSize;
        l.imageTop = std::max(
            0, (2 * l.lineUnit + clientHeight - Round(1.5 * l.lineUnit) - l.imageHeight) / 2);
        l.topOffset = 0.0;
    } else {
        // Twice as wide as high, as the world is in this projection; a window too low
        // for the width narrows the map instead of squeezing it.
        l.imageTop = Round(3.5 * l.lineUnit);
        const int room = MakeOdd(clientHeight - l.imageTop);
        l.imageHeight = std::max(51, std::min(MakeOdd((l.mapSize + 1) / 2), room));
        l.mapSize = std::min(l.mapSize, 2 * l.imageHeight - 1);
        l.half = l.mapSize / 2;
        l.imageWidth = l.mapSize;
        l.topOffset = 0.6818182;
    }
    l.imageLeft = std::max(0, clientWidth - l.imageWidth);
    l.buttonTop = Round((l.topOffset + 25) * l.lineUnit);
    return l;
}

std::vector<PanelRow> SidePanelRows(const MapPathView& view) {
    const Terminal& a = view.paths.a;
    const Terminal& b = view.paths.b;
    const auto sun = [&](const Terminal& t, SunEvent e) {
        return SunEventTime(e, t.SinLatitude, t.CosLatitude, t.LongitudeDeg, view.sun, view.zone);
    };
    const auto grey = [&](const Terminal& t, SunEvent e) {
        return GrayLineBearings(e, t.CosLatitude, view.sun);
    };
    std::vector<PanelRow> rows;
    const std::string heading = "             TERMINAL A   TERMINAL B";
    rows.push_back({0, heading, heading.size()});
    rows.push_back({1,
                    "Latitude        " + FormatCoordinate(CoordinateKind::Latitude, a.LatitudeDeg) +
                        "      " + FormatCoordinate(CoordinateKind::Latitude, b.LatitudeDeg),
                    0});
    rows.push_back({2,
                    "Longitude      " +
                        FormatCoordinate(CoordinateKind::Longitude, a.LongitudeDeg) + "     " +
                        FormatCoordinate(CoordinateKind::Longitude, b.LongitudeDeg),
                    0});
    for (auto [row, event, label] :
         {std::tuple{4, SunEvent::Sunrise, "Sunrise"}, std::tuple{7, SunEvent::Sunset, "Sunset"}}) {
        std::string text = SunRow(sun(a, event), sun(b, event));
        text.replace(0, std::string(label).size(), label);
        rows.push_back({row, text, std::string(label).size()});
        rows.push_back({row + 1, GreyLineRow(grey(a, event), grey(b, event)), 0});
    }
    const std::string bearings = "Bearings         A to B       B to A";
    rows.push_back({10, bearings, bearings.size()});
    rows.push_back({11, BearingRow("Short path", view.paths.shortPath), 0});
    rows.push_back({12, BearingRow("Long  path", view.paths.longPath), 0});
    LengthRows(rows, 14, "Short-path Length", view.paths.shortPath);
    LengthRows(rows, 17, "Long-path  Length", view.paths.longPath);
    return rows;
}

std::vector<std::string> TopPanelRows(const Terminal& a, const Terminal& b, DateValue date,
                                      const DateConventions& dates) {
    const std::string first = (a.Name.empty() ? "" : a.Name + " ") + "(A) to " +
                              (b.Name.empty() ? "" : b.Name + " ") + "(B)";
    return {first, FormatDateText(true, date, dates)};
}

std::string CenteredOnText(const Settings& settings) {
    std::string text = "This map is centered on ";
    if (!settings.DefaultName.empty())
        text += settings.DefaultName + " ";
    text += WithHemisphere(settings.DefaultLatitudeText, true);
    const CoordinateParse lat =
        ParseCoordinate(settings.DefaultLatitudeText, CoordinateKind::Latitude);
    if (!(lat && std::fabs(lat.valueDeg) >= 89.995))
        text += " " + WithHemisphere(settings.DefaultLongitudeText, false);
    return text;
}

std::optional<double> MapTimeHours(const std::string& timeText) {
    if (!IsValidHHMM(timeText))
        return std::nullopt;
    return HHMMToHours(timeText);
}

SubsolarPoint MapSubsolarPoint(DateValue localDate, double localHours, const TimeZoneState& zone) {
    return SubsolarPointAt(localDate, localHours + 24.0 * zone.UtcOffset);
}

SolarPosition MapDaySun(DateValue localDate, const TimeZoneState& zone) {
    return ComputeSolarPosition(localDate, zone);
}

MapClock MapNow(const ClockReading& clock, const Settings& settings, const TimeZoneState& zone) {
    const DateValue utNow = UtcNow(clock);
    const DateValue date =
        settings.UseUtc && settings.DefaultDefined ? UtcToday(clock) : std::floor(clock.localNow);
    return {date, FormatHHMM(utNow - zone.UtcOffset)};
}

int MapUpdateIntervalMs(const Settings& settings) {
    return std::clamp<int>(settings.MapUpdateMinutes, 1, 60) * 60000;
}
