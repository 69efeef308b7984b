#include "report/PathInfoPage.h"

#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/PathText.h"

#include <algorithm>
#include <cmath>

namespace {

/// Line heights of the page.
constexpr int kPageLines = 21;

std::string Blanks(std::size_t count) {
    return std::string(count, ' ');
}

std::string LeftPadded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : Blanks(width - text.size()) + text;
}

/// Two values in the columns of the page: value A ending at column 22, value B
/// ending at column 52, each preceded by its caption (or blanks under a label).
std::string TwoColumnLine(const std::string& captionA, const std::string& valueA,
                          const std::string& captionB, const std::string& valueB,
                          std::size_t valueWidth) {
    const std::size_t captionWidth = 22 - valueWidth;
    std::string line = captionA + Blanks(captionWidth - std::min(captionWidth, captionA.size()));
    line += LeftPadded(valueA, valueWidth) + Blanks(8);
    line += captionB + Blanks(captionWidth - std::min(captionWidth, captionB.size()));
    line += LeftPadded(valueB, valueWidth);
    return line;
}

std::string BearingLine(const std::string& caption, const PathGeometry& path) {
    return caption + FormatFixed(BearingDeg(path.BearingAtA), 9, 1) + " deg" +
           FormatFixed(BearingDeg(path.BearingAtB), 9, 1) + " deg";
}

} // namespace

PathInfoGeometry PathInfoPageGeometry(int lineHeightPx, int fontPixelHeight, int twentyDigitsPx,
                                      int closePanelHeight, int screenWidth, int screenHeight) {
    PathInfoGeometry g;
    g.lineHeight = std::max(1, lineHeightPx);
    while (kPageLines * g.lineHeight > 0.6 * screenHeight && g.lineHeight > fontPixelHeight)
        --g.lineHeight;
    g.width = static_cast<int>(std::lround(3.45 * twentyDigitsPx));
    g.height = kPageLines * g.lineHeight + closePanelHeight;
    g.closeTop = g.height - static_cast<int>(std::lround(1.5 * closePanelHeight));
    g.left = (screenWidth - g.width) / 2;
    g.top = static_cast<int>(std::lround(screenHeight * 100.0 / 768.0));
    return g;
}

int PathInfoTextTop(int line, int lineHeight) {
    return static_cast<int>(std::lround((line + 0.68) * lineHeight));
}

std::string PathInfoTitle(const std::string& nameA, const std::string& nameB) {
    std::string title = nameA.empty() ? std::string() : nameA + " ";
    title += "(A) to ";
    if (!nameB.empty())
        title += nameB + " ";
    return title + "(B)";
}

std::string PathLengthLine(double lengthRad, bool thisPolar, bool otherPolar) {
    std::string line = Blanks(17) + FormatFixed(lengthRad * DisplayRadiusKm, 7, 0) + " km" +
                       FormatFixed(lengthRad * kPathInfoNmiPerRad, 8, 0) + " nmi" +
                       FormatFixed(lengthRad * DisplayRadiusMi, 8, 0) + " mi (U.S.)";
    if (thisPolar)
        line += "   (Polar)";
    else if (otherPolar)
        line += Blanks(10);
    return line;
}

std::vector<PathInfoLine> PathInfoLines(const PredictionRequest& request,
                                        const DateConventions& dates) {
    const Terminal& a = request.TerminalA;
    const Terminal& b = request.TerminalB;
    const SolarPosition& sun = request.Sun;
    const TimeZoneState& zone = request.Zone;
    auto sunTime = [&](SunEvent event, const Terminal& t) {
        return SunEventTime(event, t.SinLatitude, t.CosLatitude, t.LongitudeDeg, sun, zone);
    };
    auto grayLine = [&](SunEvent event, const Terminal& t) {
        return GrayLineBearings(event, t.CosLatitude, sun);
    };
    const bool shortPolar = request.ShortPath.IsPolar;
    const bool longPolar = request.LongPath.IsPolar;

    std::vector<PathInfoLine> lines;
    lines.push_back({0, true, false, PathInfoTitle(a.Name, b.Name)});
    lines.push_back({1, true, false, FormatDateText(true, request.Date, dates)});
    lines.push_back({3, true, false, "TERMINAL A                    TERMINAL B"});
    lines.push_back({4, false, false,
                     "Latitude       " + FormatCoordinate(CoordinateKind::Latitude, a.LatitudeDeg) +
                         "        Latitude       " +
                         FormatCoordinate(CoordinateKind::Latitude, b.LatitudeDeg)});
    lines.push_back({5, false, false,
                     "Longitude     " +
                         FormatCoordinate(CoordinateKind::Longitude, a.LongitudeDeg) +
                         "        Longitude     " +
                         FormatCoordinate(CoordinateKind::Longitude, b.LongitudeDeg)});
    lines.push_back(
        {7, false, false,
         TwoColumnLine("", sunTime(SunEvent::Sunrise, a), "", sunTime(SunEvent::Sunrise, b), 8)});
    lines.push_back({7, true, true, "Sunrise                       Sunrise"});
    lines.push_back({8, false, false,
                     TwoColumnLine("Gray line", grayLine(SunEvent::Sunrise, a), "Gray line",
                                   grayLine(SunEvent::Sunrise, b), 11)});
    lines.push_back(
        {10, false, false,
         TwoColumnLine("", sunTime(SunEvent::Sunset, a), "", sunTime(SunEvent::Sunset, b), 8)});
    lines.push_back({10, true, true, "Sunset                        Sunset"});
    lines.push_back({11, false, false,
                     TwoColumnLine("Gray line", grayLine(SunEvent::Sunset, a), "Gray line",
                                   grayLine(SunEvent::Sunset, b), 11)});
    lines.push_back({13, true, false, "Bearings         A to B        B to A"});
    lines.push_back({14, false, false, BearingLine("Short path", request.ShortPath)});
    lines.push_back({15, false, false, BearingLine("Long  path", request.LongPath)});
    lines.push_back(
        {17, false, false, PathLengthLine(request.ShortPath.Length, shortPolar, longPolar)});
    lines.push_back({17, true, true, "Short-path Length"});
    lines.push_back(
        {18, false, false, PathLengthLine(request.LongPath.Length, longPolar, shortPolar)});
    lines.push_back({18, true, true, "Long-path  Length"});
    return lines;
}
