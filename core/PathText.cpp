#include "core/PathText.h"

#include <cmath>

#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/Utf8Text.h"

#include <algorithm>
#include <vector>

std::string FormatCoordinate(CoordinateKind kind, double valueDeg) {
    const bool latitude = kind == CoordinateKind::Latitude;
    std::string text = FormatFixed(std::fabs(valueDeg), latitude ? 5 : 6, 2);
    if (valueDeg > 0)
        text += latitude ? " N" : " W";
    else if (valueDeg < 0)
        text += latitude ? " S" : " E";
    else
        text += "  ";
    return text;
}

std::string SunEventTime(SunEvent event, double sinLat, double cosLat, double lonDeg,
                         const SolarPosition& sun, const TimeZoneState& zone) {
    const double denominator = cosLat * sun.CosDeclination;
    if (denominator == 0.0)
        return "None";
    const double x = -(sinLat * sun.SinDeclination) / denominator;
    // Outside [−1, 1] the Sun stays below or above the horizon all day.
    if (!std::isfinite(x) || x > 1.0 || x < -1.0)
        return "None";
    const double hourAngleDeg = ArcCos(x) * kDegPerRad;
    const double transit = (lonDeg - sun.HourAngleOffset) / 15.0;
    const double hours =
        PositiveMod(24, event == SunEvent::Sunrise ? transit - hourAngleDeg / 15.0
                                                   : transit + hourAngleDeg / 15.0);
    const double clock = hours / 24.0 - zone.UtcOffset;
    const double fraction = clock - std::trunc(clock);
    return CutText(FormatHHMM(fraction) + " " + zone.TimeZoneLabel, 8);
}

std::string GrayLineBearings(SunEvent event, double cosLat, const SolarPosition& sun) {
    if (cosLat == 0.0)
        return "None";
    const double x = sun.SinDeclination / cosLat;
    if (!std::isfinite(x) || x > 1.0 || x < -1.0)
        return "None";
    const double a = ArcCos(x) * kDegPerRad - 90.0;
    const int n = static_cast<int>(RoundHalfEven(PositiveMod(360, a)));
    std::string text;
    if (event == SunEvent::Sunrise)
        text = std::to_string(n % 360) + "/" + std::to_string((n + 180) % 360) + " deg";
    else
        text = std::to_string((360 - n) % 360) + "/" + std::to_string((540 - n) % 360) + " deg";
    if (text.size() < 11)
        text.insert(0, 11 - text.size(), ' ');
    return text;
}

std::string KIndexShown(std::string_view kIndexText) {
    if (kIndexText.empty() || kIndexText == "-1")
        return "Average";
    return std::string(kIndexText);
}

namespace {

/// A header line being built: one cell per column, each holding one character, so
/// that a name like "Москва" takes six columns, not twelve.
using ColumnLine = std::vector<std::string>;

ColumnLine BlankLine() {
    return ColumnLine(kHeaderLineWidth, " ");
}

/// Writes `piece` into `line` from the 1-based column; the line keeps its width. A
/// byte that is not UTF-8 is written as the Latin-1 character it stands for.
void Place(ColumnLine& line, int column, std::string_view piece) {
    std::size_t cell = static_cast<std::size_t>(column - 1);
    for (std::size_t i = 0; i < piece.size() && cell < line.size(); ++cell) {
        const std::size_t length = std::max<std::size_t>(Utf8SequenceLength(piece, i), 1);
        line[cell] = ToValidUtf8(piece.substr(i, length));
        i += length;
    }
}

std::string Joined(const ColumnLine& line) {
    std::string text;
    for (const std::string& cell : line)
        text += cell;
    return text;
}

std::string TerminalLine(char letter, const Terminal& t, double bearingRad,
                         const SolarPosition& sun, const TimeZoneState& zone) {
    const char other = letter == 'A' ? 'B' : 'A';
    ColumnLine line = BlankLine();
    Place(line, 2,
          std::string("TERMINAL ") + letter + ": " +
              FormatCoordinate(CoordinateKind::Latitude, t.LatitudeDeg) + " " +
              FormatCoordinate(CoordinateKind::Longitude, t.LongitudeDeg) + "  " + t.Name);
    const std::string rise =
        SunEventTime(SunEvent::Sunrise, t.SinLatitude, t.CosLatitude, t.LongitudeDeg, sun, zone);
    const std::string set =
        SunEventTime(SunEvent::Sunset, t.SinLatitude, t.CosLatitude, t.LongitudeDeg, sun, zone);
    Place(line, 51, "Sunrise/Set: " + rise.substr(0, 4) + "/" + set);
    Place(line, 79, std::string("Bearing to ") + other + ":");
    Place(line, 92, FormatFixed(BearingDeg(bearingRad), 6, 1) + " deg");
    return Joined(line);
}

} // namespace

HeaderLines BuildHeaderLines(const Terminal& a, const Terminal& b, const PathGeometry& path,
                             float ssn, float flux, std::string_view kIndexText,
                             const SolarPosition& sun, const TimeZoneState& zone) {
    HeaderLines lines;
    lines[0] = TerminalLine('A', a, path.BearingAtA, sun, zone);
    lines[1] = TerminalLine('B', b, path.BearingAtB, sun, zone);
    ColumnLine third = BlankLine();
    Place(third, 2,
          "SSN:" + FormatFixed(ssn, 6, 1) + "  Flux:" + FormatFixed(flux, 6, 1) + "  K: ");
    Place(third, 30, KIndexShown(kIndexText));
    Place(third, 81, "Path Length:" + FormatFixed(path.Length * DisplayRadiusKm, 6, 0) + " km");
    lines[2] = Joined(third);
    return lines;
}
