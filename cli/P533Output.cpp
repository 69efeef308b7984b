#include "cli/P533Output.h"

#include "core/Numeric.h"
#include "text/CsvText.h"
#include "text/JsonText.h"
#include "text/TextColumns.h"

#include <cmath>

using p533::CircuitResult;
using p533::FrequencyResult;
using p533::HourResult;

namespace {

// A value rounded to 0.01, or null (JSON) / empty (CSV) when it does not exist.
std::string Rounded(double value, bool exists = true) {
    if (!exists || !std::isfinite(value))
        return "null";
    return JsonNumber(std::round(value * 100.0) / 100.0 + 0.0);
}

std::string CsvValue(double value, bool exists = true) {
    const std::string text = Rounded(value, exists);
    return text == "null" ? "" : text;
}

bool HasMode(const FrequencyResult& f) {
    return !f.modeName.empty() && f.powerDbw > p533::kNoValue;
}

const char* PathName(const P533Run& run) {
    return run.request.longPath ? "long" : "short";
}

std::string Muf(double mhz) {
    return Rounded(mhz, mhz > 0.0);
}

std::string HourText(double hour) {
    return JsonNumber(hour);
}

} // namespace

std::string P533Json(const P533Run& run, const CircuitResult& result) {
    std::string out =
        "{\"engine\": \"p533\", \"path\": \"" + std::string(PathName(run)) + "\", \"hours\": [";
    for (std::size_t i = 0; i < result.hours.size(); ++i) {
        const HourResult& h = result.hours[i];
        out += (i ? ",\n  " : "\n  ");
        out += "{\"utc\": " + HourText(h.hourUtc) + ", \"muf\": " + Muf(h.basicMufMHz) +
               ", \"opmuf\": " + Muf(h.opMufMHz) + ", \"opmuf10\": " + Muf(h.opMuf10MHz) +
               ", \"opmuf90\": " + Muf(h.opMuf90MHz) + ", \"freqs\": [";
        for (std::size_t k = 0; k < h.frequencies.size(); ++k) {
            const FrequencyResult& f = h.frequencies[k];
            const bool mode = HasMode(f);
            out += (k ? ", " : "");
            out += "{\"freq\": " + Rounded(f.freqMHz) +
                   ", \"mode\": " + JsonString(mode ? f.modeName : "") +
                   ", \"elevation\": " + Rounded(f.elevationDeg, mode) +
                   ", \"field\": " + Rounded(f.fieldDbu, mode) +
                   ", \"power\": " + Rounded(f.powerDbw, mode) +
                   ", \"noise\": " + Rounded(f.noise.powerDbw) +
                   ", \"snr\": " + Rounded(f.snrDb, mode) +
                   ", \"snrxx\": " + Rounded(f.snrAtReliabilityDb, mode) +
                   ", \"bcr\": " + Rounded(f.reliabilityPercent, mode) + "}";
        }
        out += "]}";
    }
    return out + "\n]}\n";
}

std::string P533Csv(const P533Run& run, const CircuitResult& result) {
    std::string out = "path,utc,muf_mhz,opmuf_mhz,opmuf10_mhz,opmuf90_mhz,freq_mhz,mode,"
                      "elevation_deg,field_dbu,power_dbw,noise_dbw,snr_db,snrxx_db,bcr_pct\r\n";
    for (const HourResult& h : result.hours) {
        const std::string hour = std::string(PathName(run)) + "," + HourText(h.hourUtc) + "," +
                                 CsvValue(h.basicMufMHz, h.basicMufMHz > 0) + "," +
                                 CsvValue(h.opMufMHz, h.opMufMHz > 0) + "," +
                                 CsvValue(h.opMuf10MHz, h.opMuf10MHz > 0) + "," +
                                 CsvValue(h.opMuf90MHz, h.opMuf90MHz > 0);
        if (h.frequencies.empty())
            out += hour + ",,,,,,,,,\r\n";
        for (const FrequencyResult& f : h.frequencies) {
            const bool mode = HasMode(f);
            out += hour + "," + CsvValue(f.freqMHz) + "," + CsvField(mode ? f.modeName : "") + "," +
                   CsvValue(f.elevationDeg, mode) + "," + CsvValue(f.fieldDbu, mode) + "," +
                   CsvValue(f.powerDbw, mode) + "," + CsvValue(f.noise.powerDbw) + "," +
                   CsvValue(f.snrDb, mode) + "," + CsvValue(f.snrAtReliabilityDb, mode) + "," +
                   CsvValue(f.reliabilityPercent, mode) + "\r\n";
        }
    }
    return out;
}

namespace {

std::string Place(const Terminal& t) {
    const std::string lat =
        FormatFixed(std::abs(t.LatitudeDeg), 5, 2) + (t.LatitudeDeg < 0.0 ? " S" : " N");
    const std::string lon =
        FormatFixed(std::abs(t.LongitudeDeg), 6, 2) + (t.LongitudeDeg > 0.0 ? " W" : " E");
    return lat + " " + lon + "  " + t.Name;
}

const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

} // namespace

std::string P533Text(const P533Run& run, const CircuitResult& result) {
    const p533::CircuitRequest& r = run.request;
    std::string out = "ITU-R P.533 " + std::string(PathName(run)) + "-path prediction for " +
                      kMonthNames[r.month - 1] + " " + std::to_string(run.year) + ", R12 " +
                      FormatFixed(r.r12, 0, 1) + " (" + run.solarText +
                      (run.solarFetched ? ", fetched" : "") + ")" +
                      (r.options.hourIndexTimes ? ", reference-compatible" : "") + "\n";
    out += "Terminal A: " + Place(run.terminalA) + "\n";
    out += "Terminal B: " + Place(run.terminalB) + "\n";
    out += "Path length " + FormatFixed(result.distanceKm, 0, 0) + " km, bearing " +
           FormatFixed(result.txBearingDeg, 0, 1) + " degrees at A\n";
    out += JsonNumber(run.powerW) + " W, antennas " + run.txAntennaName + " and " +
           run.rxAntennaName + ", " + run.noiseName + " noise, " + JsonNumber(r.bandwidthHz) +
           " Hz, S/N " + FormatFixed(r.requiredSnrDb, 0, 1) + " dB required on " +
           FormatFixed(r.requiredReliabilityPercent, 0, 0) + " % of days\n\n";
    out += "UTC    MUF  OPMUF";
    for (double f : r.frequenciesMHz)
        out += RightAligned(JsonNumber(f), 7) + " MHz";
    out += "\n";
    for (const HourResult& h : result.hours) {
        out += FormatFixed(h.hourUtc, 3, h.hourUtc == std::trunc(h.hourUtc) ? 0 : 1) + " " +
               FormatFixed(h.basicMufMHz, 6, 1) + " " + FormatFixed(h.opMufMHz, 6, 1);
        for (const FrequencyResult& f : h.frequencies)
            out += HasMode(f)
                       ? FormatFixed(f.snrDb, 6, 0) + FormatFixed(f.reliabilityPercent, 4, 0) + "%"
                       : std::string(10, ' ') + "-";
        out += "\n";
    }
    return out + "\nMUF and OPMUF in MHz; for each frequency the median S/N (dB) and the basic "
                 "circuit reliability; -: no mode.\n";
}
