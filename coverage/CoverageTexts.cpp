#include "coverage/CoverageTexts.h"

#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/PathText.h"
#include "core/Syntax.h"
#include "core/Utf8Text.h"
#include "text/JsonText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int UtcHalfHourOf(double hours, double utcOffsetDays) {
    const double utc = PositiveMod(24, hours + 24.0 * utcOffsetDays);
    return std::clamp(static_cast<int>(std::floor(utc * 2.0)), 0, 47);
}

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

namespace {

std::string Rounded(double v) {
    return FormatFixed(RoundHalfEven(v), 0, 0);
}

// The unit of the classic S/N: dB in the settings' noise bandwidth, "dB-Hz" for 1 Hz.
std::string ClassicSnrUnit(const CoverageMap& map) {
    const std::string& bandwidth = map.band.settings.NoiseBandwidthText;
    return bandwidth == "1" || bandwidth.empty() ? "dB-Hz" : "dB in " + bandwidth + " Hz";
}

std::string P533SnrUnit(const CoverageMap& map) {
    return "dB in " + FormatFixed(map.p533Station.bandwidthHz, 0, 0) + " Hz";
}

std::string AntennaText(const p533::Antenna& antenna) {
    if (antenna.pattern)
        return "pattern " + antenna.pattern->title;
    return FormatFixed(antenna.gainDbi, 0, 1) + " dBi";
}

std::string NoiseText(const p533::ManMadeNoise& noise) {
    if (noise.levelDbw)
        return FormatFixed(*noise.levelDbw, 0, 1) + " dBW";
    static constexpr const char* kNames[] = {"city",       "residential", "rural",
                                             "quietrural", "quiet",       "noisy"};
    return kNames[static_cast<int>(noise.category)];
}

std::vector<std::string> P533Readout(const CoverageMap& map, int cell, int k) {
    const P533CellValue& p = map.P533At(cell, k);
    std::vector<std::string> lines;
    if (!p.HasMode()) {
        lines.push_back("MUF " + FormatFixed(p.basicMufMHz, 0, 1) + " MHz");
        lines.push_back("Mode none");
        lines.push_back("Field strength -");
        lines.push_back("Power -");
        lines.push_back("S/N -");
    } else {
        lines.push_back("MUF " + FormatFixed(p.basicMufMHz, 0, 1) + " MHz (operational " +
                        FormatFixed(p.opMufMHz, 0, 1) + " MHz)");
        lines.push_back("Mode " + std::string(p.mode.data()));
        lines.push_back("Field strength " + Rounded(p.fieldDbu) + " dB(uV/m)");
        lines.push_back("Power " + Rounded(p.powerDbw) + " dBW");
        lines.push_back("S/N " + Rounded(p.snrDb) + " " + P533SnrUnit(map));
    }
    lines.push_back("Circuit reliability " + FormatFixed(p.reliabilityPercent, 0, 0) + " %");
    return lines;
}

// Appends the number, or nothing/"null" when there is no value.
void AppendValue(std::string& out, bool has, double value, bool json) {
    if (has)
        out += JsonNumber(value);
    else if (json)
        out += "null";
}

void AppendValue(std::string& out, bool has, float value, bool json) {
    if (has)
        out += JsonNumber(value);
    else if (json)
        out += "null";
}

// One field of a cell at one half hour, as JSON or a CSV field.
void AppendField(std::string& out, const CoverageMap& map, int cell, int k, CoverageField field,
                 bool json) {
    const CoverageValue& v = map.At(cell, k);
    if (map.IsP533()) {
        const P533CellValue& p = map.P533At(cell, k);
        switch (field) {
        case CoverageField::Muf:
            out += JsonNumber(p.basicMufMHz);
            return;
        case CoverageField::OpMuf:
            out += JsonNumber(p.opMufMHz);
            return;
        case CoverageField::Mode:
            out += json ? JsonString(p.mode.data()) : std::string(p.mode.data());
            return;
        case CoverageField::Field:
            AppendValue(out, p.HasMode(), p.fieldDbu, json);
            return;
        case CoverageField::Power:
            AppendValue(out, p.HasMode(), p.powerDbw, json);
            return;
        case CoverageField::Snr:
            AppendValue(out, p.HasMode(), p.snrDb, json);
            return;
        case CoverageField::Reliability:
            out += JsonNumber(p.reliabilityPercent);
            return;
        default:
            break;
        }
    } else {
        switch (field) {
        case CoverageField::Muf:
            out += JsonNumber(v.mufMHz);
            return;
        case CoverageField::Mode:
            out += json ? JsonString(CoverageModeText(v)) : CoverageModeText(v);
            return;
        case CoverageField::Signal:
            AppendValue(out, v.HasMode(), v.signalDb, json);
            return;
        case CoverageField::Snr:
            AppendValue(out, v.HasMode(), v.snrDb, json);
            return;
        case CoverageField::Probability:
            out += JsonNumber(v.reliability);
            return;
        default:
            break;
        }
    }
    const std::string cls = ReliabilityClassName(ReliabilityClassOf(v, map.suppressionLevelDb));
    out += json ? "\"" + cls + "\"" : cls;
}

constexpr CoverageField kClassicFields[] = {CoverageField::Muf,         CoverageField::Mode,
                                            CoverageField::Signal,      CoverageField::Snr,
                                            CoverageField::Probability, CoverageField::Class};
constexpr CoverageField kP533Fields[] = {
    CoverageField::Muf,   CoverageField::OpMuf, CoverageField::Mode,        CoverageField::Field,
    CoverageField::Power, CoverageField::Snr,   CoverageField::Reliability, CoverageField::Class};

} // namespace

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
    if (map.IsP533()) {
        for (std::string& line : P533Readout(map, cell, k))
            lines.push_back(std::move(line));
        return lines;
    }
    const CoverageValue& v = map.At(cell, k);
    lines.push_back("MUF " + FormatFixed(v.mufMHz, 0, 1) + " MHz");
    if (!v.HasMode()) {
        lines.push_back("Mode none");
        lines.push_back("Signal -");
        lines.push_back("S/N -");
    } else {
        lines.push_back("Mode " + CoverageModeText(v));
        lines.push_back("Signal " + Rounded(v.signalDb) + " dB");
        lines.push_back("S/N " + Rounded(v.snrDb) + " " + ClassicSnrUnit(map));
    }
    const ReliabilityClass cls = ReliabilityClassOf(v, map.suppressionLevelDb);
    const bool suppressed = v.HasMode() && !(v.signalDb >= float(map.suppressionLevelDb));
    lines.push_back(
        "MUF probability " + FormatFixed(v.reliability, 0, 2) + " (" +
        (suppressed ? std::string("below the signal threshold") : ReliabilityClassName(cls)) + ")");
    return lines;
}

std::vector<CoverageField> CoverageFieldsOf(PredictionEngine engine) {
    if (engine == PredictionEngine::P533)
        return {std::begin(kP533Fields), std::end(kP533Fields)};
    return {std::begin(kClassicFields), std::end(kClassicFields)};
}

const char* CoverageFieldName(CoverageField field) {
    switch (field) {
    case CoverageField::Muf:
        return "muf";
    case CoverageField::OpMuf:
        return "opmuf";
    case CoverageField::Mode:
        return "mode";
    case CoverageField::Signal:
        return "signal";
    case CoverageField::Field:
        return "field";
    case CoverageField::Power:
        return "power";
    case CoverageField::Snr:
        return "snr";
    case CoverageField::Probability:
        return "muf_probability";
    case CoverageField::Reliability:
        return "circuit_reliability";
    default:
        return "class";
    }
}

CoverageFieldsRead ReadCoverageFields(const std::string& list, PredictionEngine engine) {
    const std::vector<CoverageField> all = CoverageFieldsOf(engine);
    CoverageFieldsRead read;
    std::size_t at = 0;
    while (at <= list.size()) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        const std::string name = list.substr(at, comma - at);
        at = comma + 1;
        const auto found = std::find_if(
            all.begin(), all.end(), [&](CoverageField f) { return name == CoverageFieldName(f); });
        if (found == all.end()) {
            std::string names;
            for (CoverageField f : all)
                names += std::string(names.empty() ? "" : ", ") + CoverageFieldName(f);
            read.error = "'" + name + "' is no field of the " +
                         (engine == PredictionEngine::P533 ? "P.533" : "classic") +
                         " engine's coverage (" + names + ")";
            read.fields.clear();
            return read;
        }
        if (std::find(read.fields.begin(), read.fields.end(), *found) == read.fields.end())
            read.fields.push_back(*found);
    }
    return read;
}

std::string CoverageValueName(const CoverageMap& map) {
    return map.IsP533() ? "circuit reliability" : "MUF probability";
}

std::vector<std::pair<std::string, std::string>> CoverageHeaderFacts(const CoverageMap& map) {
    const Terminal& a = map.base.TerminalA;
    std::vector<std::pair<std::string, std::string>> facts = {
        {"engine", map.IsP533() ? "p533" : "classic"},
        {"station", a.Name.empty() ? a.Prefix : a.Name},
        {"station_lat", FormatFixed(a.LatitudeDeg, 0, 2)},
        {"station_lon", FormatFixed(a.LongitudeDeg, 0, 2)},
        {"date", IsoDateText(map.base.Date)},
        {"solar_index", map.solarIndexText},
        {"freq_mhz", map.band.text},
        {"grid_deg", std::to_string(map.grid.cellDeg)},
        {"value", CoverageValueName(map)},
    };
    if (map.IsP533()) {
        const p533::CircuitRequest& r = map.p533Station;
        const double powerW = 1000.0 * std::pow(10.0, r.transmitPowerDbkW / 10.0);
        facts.insert(facts.end(), {{"r12", FormatFixed(map.r12, 0, 1)},
                                   {"power_w", FormatFixed(powerW, 0, powerW < 10 ? 3 : 1)},
                                   {"tx_antenna", AntennaText(r.transmitAntenna)},
                                   {"rx_antenna", AntennaText(r.receiveAntenna)},
                                   {"noise", NoiseText(r.manMadeNoise)},
                                   {"bandwidth_hz", FormatFixed(r.bandwidthHz, 0, 0)},
                                   {"required_snr_db", FormatFixed(r.requiredSnrDb, 0, 1)},
                                   {"required_reliability_percent",
                                    FormatFixed(r.requiredReliabilityPercent, 0, 0)},
                                   {"min_elevation_deg", FormatFixed(r.minElevationDeg, 0, 1)},
                                   {"snr_unit", P533SnrUnit(map)},
                                   {"hours", "whole hours UTC"}});
    } else {
        const Settings& s = map.band.settings;
        const int k = KIndexFromText(map.base.KIndexText);
        static constexpr const char* kNoise[] = {"industrial", "residential", "rural", "remote"};
        facts.insert(facts.end(), {{"ssn", FormatFixed(map.base.Ssn, 0, 0)},
                                   {"k", k < 0 ? std::string("average") : std::to_string(k)},
                                   {"min_angle_deg", s.MinRadiationAngleText},
                                   {"noise", kNoise[std::clamp(s.NoiseEnvironment, 0, 3)]},
                                   {"noise_bandwidth_hz", s.NoiseBandwidthText},
                                   {"suppression_db", s.SuppressionLevelDb == kNoSuppressionDb
                                                          ? std::string("none")
                                                          : std::to_string(s.SuppressionLevelDb)},
                                   {"snr_unit", ClassicSnrUnit(map)},
                                   {"hours", "half hours UTC"}});
    }
    return facts;
}

std::string CoverageJson(const CoverageMap& map, const std::vector<CoverageField>& fields) {
    std::string out = "{\"header\": {";
    bool first = true;
    for (const auto& [name, value] : CoverageHeaderFacts(map)) {
        out += (first ? "\"" : ", \"") + name + "\": " + JsonString(value);
        first = false;
    }
    out += "},\n \"freq\": " + JsonNumber(map.band.freqMHz) +
           ", \"grid\": " + std::to_string(map.grid.cellDeg) + ", \"slots\": [";
    for (std::size_t k = 0; k < map.halfHours.size(); ++k)
        out += (k ? ", \"" : "\"") + HalfHourText(map.halfHours[k]) + "\"";
    out += "], \"cells\": [";
    // The keys of the fields once, with their separators.
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < fields.size(); ++i)
        keys.push_back(std::string(i ? ", \"" : "{\"") + CoverageFieldName(fields[i]) + "\": ");
    const int cells = map.grid.CellCount();
    out.reserve(out.size() + static_cast<std::size_t>(cells) *
                                 (40 + 16 * (fields.size() + 1) * map.halfHours.size()));
    for (int c = 0; c < cells; ++c) {
        out += c ? ", {\"lat\": " : "{\"lat\": ";
        out += JsonNumber(CellCentreLat(map.grid, c / map.grid.cols));
        out += ", \"lon\": ";
        out += JsonNumber(CellCentreLon(map.grid, c % map.grid.cols));
        out += ", \"slots\": [";
        for (std::size_t k = 0; k < map.halfHours.size(); ++k) {
            if (k)
                out += ", ";
            if (fields.empty())
                out += '{';
            for (std::size_t i = 0; i < fields.size(); ++i) {
                out += keys[i];
                AppendField(out, map, c, static_cast<int>(k), fields[i], true);
            }
            out += '}';
        }
        out += "]}";
    }
    out += "]}";
    return out;
}

std::string CoverageCsv(const CoverageMap& map, const std::vector<CoverageField>& fields) {
    std::string out;
    for (const auto& [name, value] : CoverageHeaderFacts(map)) {
        out += "# " + name + ": " + WithoutControlCharacters(value) + "\r\n";
    }
    out += "utc,lat,lon";
    for (CoverageField f : fields)
        out += std::string(",") + CoverageFieldName(f);
    out += "\r\n";
    const int cells = map.grid.CellCount();
    std::vector<std::string> lats, lons;
    for (int row = 0; row < map.grid.rows; ++row)
        lats.push_back(JsonNumber(CellCentreLat(map.grid, row)));
    for (int col = 0; col < map.grid.cols; ++col)
        lons.push_back(JsonNumber(CellCentreLon(map.grid, col)));
    out.reserve(out.size() +
                static_cast<std::size_t>(cells) * map.halfHours.size() * (16 + 10 * fields.size()));
    for (std::size_t k = 0; k < map.halfHours.size(); ++k) {
        const std::string utc = HalfHourText(map.halfHours[k]);
        for (int c = 0; c < cells; ++c) {
            out += utc;
            out += ',';
            out += lats[static_cast<std::size_t>(c / map.grid.cols)];
            out += ',';
            out += lons[static_cast<std::size_t>(c % map.grid.cols)];
            for (CoverageField f : fields) {
                out += ',';
                AppendField(out, map, c, static_cast<int>(k), f, false);
            }
            out += "\r\n";
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
    if (map.IsP533()) {
        const p533::CircuitRequest& r = map.p533Station;
        title = title.substr(0, title.find("   SSN ")) + "   R12 " + FormatFixed(map.r12, 0, 0) +
                "   P.533   " + FormatFixed(r.bandwidthHz, 0, 0) + " Hz, S/N " +
                FormatFixed(r.requiredSnrDb, 0, 1) + " dB, " +
                FormatFixed(1000.0 * std::pow(10.0, r.transmitPowerDbkW / 10.0), 0, 0) + " W";
        return title;
    }
    title += k < 0 ? std::string("average") : std::to_string(k);
    return title;
}
