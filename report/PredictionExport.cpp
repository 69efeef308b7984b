#include "report/PredictionExport.h"

#include "core/HopMode.h"
#include "core/Numeric.h"
#include "text/JsonText.h"

#include <algorithm>
#include <numbers>

namespace {

const char* KindName(PathKind kind) {
    return kind == PathKind::Short ? "short" : "long";
}

std::string SlotTime(int slot) {
    return FormatHHMM(slot / static_cast<double>(kHalfHours));
}

int FrequencyCountOf(const PredictionResult& result) {
    return std::clamp(result.FrequencyCount, 0, kMaxFrequencies);
}

bool HasMode(const PathResult& path, int slot, int n) {
    return path.Signal[slot][n] != kNoModeSignal;
}

std::string ModeLetters(const PathResult& path, int slot, int n) {
    return HasMode(path, slot, n) ? ModeToLetters(path.Mode[slot][n], path.Hops[slot][n])
                                  : std::string();
}

} // namespace

double BearingDegrees(double bearingRad) {
    return PositiveMod(360, bearingRad * 180.0 / std::numbers::pi);
}

std::string PredictionJson(const PredictionResult& result, const std::vector<PathKind>& kinds) {
    const int count = FrequencyCountOf(result);
    std::string out;
    out.reserve(kinds.size() * (2000 + kHalfHours * (40 + 100 * count)));
    out += "{\"ssn\": " + JsonNumber(result.Ssn) + ", \"flux\": " + JsonNumber(result.Flux) +
           ", \"frequencies\": [";
    for (int n = 0; n < count; ++n)
        out += (n ? ", " : "") + JsonNumber(result.FrequencyMHz[n]);
    out += "],\n \"paths\": [";
    bool firstPath = true;
    for (PathKind kind : kinds) {
        const PathResult& path = result.Paths[static_cast<int>(kind)];
        out += firstPath ? "\n  " : ",\n  ";
        firstPath = false;
        out += "{\"kind\": \"" + std::string(KindName(kind)) + "\"";
        out += ", \"bearingAtA\": " + JsonNumber(BearingDegrees(path.Geometry.BearingAtA));
        out += ", \"bearingAtB\": " + JsonNumber(BearingDegrees(path.Geometry.BearingAtB));
        out += ", \"length\": " + JsonNumber(path.Geometry.Length);
        out += std::string(", \"isPolar\": ") + (path.Geometry.IsPolar ? "true" : "false");
        out += ",\n   \"headerLines\": [";
        for (int i = 0; i < 3; ++i)
            out += (i ? ", " : "") + JsonString(path.HeaderLines[i]);
        out += "],\n   \"muf\": [";
        for (int j = 0; j < kHalfHours; ++j)
            out += (j ? ", " : "") + JsonNumber(path.Muf[j]);
        out += "],\n   \"slots\": [";
        for (int j = 0; j < kHalfHours; ++j) {
            out += j ? ",\n    " : "\n    ";
            out += "{\"utc\": \"" + SlotTime(j) + "\", \"cells\": [";
            for (int n = 0; n < count; ++n) {
                out += n ? ", " : "";
                out += "{\"signal\": " +
                       (HasMode(path, j, n) ? JsonNumber(path.Signal[j][n]) : std::string("null"));
                out += ", \"reliability\": " + JsonNumber(path.Reliability[j][n]);
                out += ", \"mode\": " + JsonString(ModeLetters(path, j, n));
                out += ", \"hops\": " + std::to_string(path.Hops[j][n]);
                out += ", \"elevation\": " + std::to_string(path.Elevation[j][n]) + "}";
            }
            out += "]}";
        }
        out += "]}";
    }
    out += "]}\n";
    return out;
}

std::string PredictionCsv(const PredictionResult& result, const std::vector<PathKind>& kinds) {
    const int count = FrequencyCountOf(result);
    std::string out =
        "path,utc,muf_mhz,frequency_mhz,signal_db,reliability,mode,hops,elevation_deg\r\n";
    for (PathKind kind : kinds) {
        const PathResult& path = result.Paths[static_cast<int>(kind)];
        for (int j = 0; j < kHalfHours; ++j) {
            const std::string head =
                std::string(KindName(kind)) + "," + SlotTime(j) + "," + JsonNumber(path.Muf[j]);
            if (count == 0)
                out += head + ",,,,,,\r\n";
            for (int n = 0; n < count; ++n) {
                out += head + "," + JsonNumber(result.FrequencyMHz[n]) + ",";
                if (HasMode(path, j, n))
                    out += JsonNumber(path.Signal[j][n]);
                for (const std::string& field :
                     {JsonNumber(path.Reliability[j][n]), ModeLetters(path, j, n),
                      std::to_string(path.Hops[j][n]), std::to_string(path.Elevation[j][n])}) {
                    out += ',';
                    out += field;
                }
                out += "\r\n";
            }
        }
    }
    return out;
}
