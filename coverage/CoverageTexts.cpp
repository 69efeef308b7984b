#include "coverage/CoverageTexts.h"

#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/PathText.h"
#include "core/Syntax.h"
#include "text/JsonText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::string HalfHourText(int halfHour) {
    const int minutes = halfHour * 30;
    char text[8];
    std::snprintf(text, sizeof text, "%02d%02d", minutes / 60 % 24, minutes % 60);
    return text;
}

std::vector<int> HalfHoursOfText(const std::string& text) {
    std::vector<int> halfHours;
    if (text == "all" || text == "ALL") {
        for (int j = 0; j < kHalfHours; ++j)
            halfHours.push_back(j);
    } else if (IsValidHHMM(text)) {
        if (const std::optional<double> hours = HHMMToHours(text))
            halfHours.push_back(std::clamp(static_cast<int>(std::floor(*hours * 2.0)), 0, 47));
    }
    return halfHours;
}

std::vector<std::string> CoverageReadout(const CoverageMap& map, int cell, int k) {
    std::vector<std::string> lines;
    const int row = cell / map.grid.cols;
    const int col = cell % map.grid.cols;
    const double lat = CellCentreLat(map.grid, row);
    const double lon = CellCentreLon(map.grid, col);
    lines.push_back("Cell " + FormatCoordinate(CoordinateKind::Latitude, lat) + "  " +
                    FormatCoordinate(CoordinateKind::Longitude, lon));
    const Terminal& a = map.base.TerminalA;
    const double latRad = lat * kRadPerDeg;
    const double lonRad = lon * kRadPerDeg;
    const CentralAngleResult d = CentralAngle(a.LatitudeRad, a.LongitudeRad, latRad, lonRad);
    lines.push_back("Distance " + FormatFixed(d.angle * DisplayRadiusKm, 0, 0) + " km");
    const BearingResult b = InitialBearing(a.LatitudeRad, a.LongitudeRad, latRad, lonRad);
    if (map.hasPath[cell] && b.status != BearingStatus::Indeterminate)
        lines.push_back("Bearing " + FormatFixed(PositiveMod(360.0, b.bearing * kDegPerRad), 0, 1) +
                        " deg");
    else
        lines.push_back("Bearing none (no path)");
    const CoverageValue& v = map.At(cell, k);
    lines.push_back("MUF " + FormatFixed(v.mufMHz, 0, 1) + " MHz");
    if (!v.HasMode()) {
        lines.push_back("Mode none");
        lines.push_back("Signal -");
        lines.push_back("S/N -");
    } else {
        lines.push_back("Mode " + CoverageModeText(v));
        lines.push_back("Signal " + FormatFixed(RoundHalfEven(v.signalDb), 0, 0) + " dB");
        lines.push_back("S/N " + FormatFixed(RoundHalfEven(v.snrDb), 0, 0) + " dB");
    }
    lines.push_back("Reliability " + FormatFixed(v.reliability, 0, 2) + " (" +
                    ReliabilityClassName(ReliabilityClassOf(v, map.suppressionLevelDb)) + ")");
    return lines;
}

std::string CoverageJson(const CoverageMap& map) {
    std::string out = "{\"freq\": " + JsonNumber(map.band.freqMHz) +
                      ", \"grid\": " + std::to_string(map.grid.cellDeg) + ", \"slots\": [";
    for (std::size_t k = 0; k < map.halfHours.size(); ++k)
        out += (k ? ", \"" : "\"") + HalfHourText(map.halfHours[k]) + "\"";
    out += "], \"cells\": [";
    const int cells = map.grid.CellCount();
    out.reserve(static_cast<std::size_t>(cells) * (40 + 100 * map.halfHours.size()));
    for (int c = 0; c < cells; ++c) {
        out += c ? ", {\"lat\": " : "{\"lat\": ";
        out += JsonNumber(CellCentreLat(map.grid, c / map.grid.cols));
        out += ", \"lon\": " + JsonNumber(CellCentreLon(map.grid, c % map.grid.cols));
        out += ", \"slots\": [";
        for (std::size_t k = 0; k < map.halfHours.size(); ++k) {
            const CoverageValue& v = map.At(c, static_cast<int>(k));
            out += k ? ", {\"muf\": " : "{\"muf\": ";
            out += JsonNumber(v.mufMHz);
            out += ", \"mode\": " + JsonString(CoverageModeText(v));
            out += ", \"signal\": " + (v.HasMode() ? JsonNumber(v.signalDb) : std::string("null"));
            out += ", \"snr\": " + (v.HasMode() ? JsonNumber(v.snrDb) : std::string("null"));
            out += ", \"reliability\": " + JsonNumber(v.reliability) + "}";
        }
        out += "]}";
    }
    out += "]}";
    return out;
}

std::string CoverageCsv(const CoverageMap& map) {
    std::string out = "utc,lat,lon,muf,mode,signal,snr,reliability,class\r\n";
    for (std::size_t k = 0; k < map.halfHours.size(); ++k) {
        const std::string utc = HalfHourText(map.halfHours[k]);
        for (int c = 0; c < map.grid.CellCount(); ++c) {
            const CoverageValue& v = map.At(c, static_cast<int>(k));
            out += utc + "," + JsonNumber(CellCentreLat(map.grid, c / map.grid.cols)) + "," +
                   JsonNumber(CellCentreLon(map.grid, c % map.grid.cols)) + "," +
                   JsonNumber(v.mufMHz) + "," + CoverageModeText(v) + ",";
            if (v.HasMode())
                out += JsonNumber(v.signalDb) + "," + JsonNumber(v.snrDb);
            else
                out += ",";
            out += "," + JsonNumber(v.reliability) + "," +
                   ReliabilityClassName(ReliabilityClassOf(v, map.suppressionLevelDb)) + "\r\n";
        }
    }
    return out;
}

std::string CoverageTitle(const CoverageMap& map) {
    const Terminal& a = map.base.TerminalA;
    std::string title = "From ";
    if (!a.Name.empty())
        title += a.Name + " (";
    title += FormatCoordinate(CoordinateKind::Latitude, a.LatitudeDeg) + " " +
             FormatCoordinate(CoordinateKind::Longitude, a.LongitudeDeg);
    if (!a.Name.empty())
        title += ")";
    title += "   " + map.band.text + " MHz   SSN " + FormatFixed(map.base.Ssn, 0, 0) + "   K ";
    const int k = KIndexFromText(map.base.KIndexText);
    title += k < 0 ? std::string("average") : std::to_string(k);
    return title;
}
