#include "planner/PlannerExport.h"

#include "core/Numeric.h"
#include "planner/PlannerView.h"
#include "text/CsvText.h"
#include "text/JsonText.h"

#include <cmath>

namespace {

const char* KindName(PathKind kind) {
    return kind == PathKind::Short ? "short" : "long";
}

std::string SlotTime(int slot) {
    return FormatHHMM(slot / static_cast<double>(kHalfHours));
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string HoursText(int halfHours) {
    return FormatFixed(halfHours / 2.0, 0, 1);
}

} // namespace

std::string DisplayedSlotTime(int slot, double utcOffsetDays) {
    const int h = static_cast<int>(RoundHalfEven(utcOffsetDays * kHalfHours));
    return SlotTime(((slot - h) % kHalfHours + 2 * kHalfHours) % kHalfHours);
}

std::string PlannerJson(const PlannerResult& result, const Settings& settings) {
    std::string out = "{\"freqs\": [";
    for (int n = 0; n < settings.FrequencyCount; ++n)
        out += (n ? ", " : "") + JsonNumber(settings.FrequencyMHz[n]);
    out += "],\n \"rows\": [";
    bool firstRow = true;
    for (const PlannerRow& row : result.rows) {
        out += firstRow ? "\n  " : ",\n  ";
        firstRow = false;
        out += "{\"prefix\": " + JsonString(row.place.Prefix) +
               ", \"name\": " + JsonString(row.place.Name) +
               ", \"km\": " + JsonNumber(std::round(row.distanceKm)) +
               ", \"bearing\": " + JsonNumber(RoundToShown(row.bearingDeg, 1)) + ", \"path\": \"" +
               KindName(row.kind) + "\", \"bands\": [";
        bool firstBand = true;
        for (const PlannerBand& band : row.bands) {
            out += firstBand ? "\n   " : ",\n   ";
            firstBand = false;
            out += "{\"freq\": " + JsonNumber(band.freqMHz) + ", \"reliability\": [";
            for (int j = 0; j < kHalfHours; ++j)
                out += (j ? ", " : "") + JsonNumber(band.reliability[j]);
            out += "], \"signal\": [";
            for (int j = 0; j < kHalfHours; ++j)
                out += (j ? ", " : "") + (band.signal[j] == kNoModeSignal
                                              ? std::string("null")
                                              : JsonNumber(band.signal[j]));
            out += "], \"open\": [";
            bool firstOpen = true;
            for (int j = 0; j < kHalfHours; ++j)
                if (band.open[j]) {
                    out += (firstOpen ? "\"" : ", \"") + SlotTime(j) + "\"";
                    firstOpen = false;
                }
            out += "]}";
        }
        out += "]}";
    }
    out += "]}\n";
    return out;
}

std::string PlannerCsv(const PlannerResult& result) {
    std::string out = "prefix,name,path,km,bearing_deg,frequency_mhz,open_hours,longest_from,"
                      "longest_to";
    for (int j = 0; j < kHalfHours; ++j)
        out += ",r" + SlotTime(j);
    out += "\r\n";
    for (const PlannerRow& row : result.rows) {
        const std::string head = CsvField(row.place.Prefix) + "," + CsvField(row.place.Name) + "," +
                                 KindName(row.kind) + "," + FormatFixed(row.distanceKm, 0, 0) +
                                 "," + FormatFixed(row.bearingDeg, 0, 1);
        for (const PlannerBand& band : row.bands) {
            out += head + "," + JsonNumber(band.freqMHz) + "," + HoursText(band.openCount) + ",";
            if (band.longest.length > 0)
                out += SlotTime(band.longest.start) + "," +
                       SlotTime((band.longest.start + band.longest.length) % kHalfHours);
            else
                out += ",";
            for (int j = 0; j < kHalfHours; ++j)
                out += "," + JsonNumber(band.reliability[j]);
            out += "\r\n";
        }
    }
    return out;
}

std::string PlannerText(const PlannerResult& result, const std::string& title,
                        const TimeZoneState& zone) {
    const double offset = zone.utc ? 0.0 : zone.UtcOffset;
    const std::string label = zone.utc ? "UTC" : zone.TimeZoneLabel;
    std::string out = title + "\n";
    out += "Each strip is one day from 0000 " + label +
           ", one character per half hour: A/B/C/D where open, a/b/c/d shown but below "
           "the threshold, . nothing shown\n";
    for (const PlannerRow& row : result.rows) {
        out += "\n" + Padded(row.place.Prefix, 8) + Padded(row.place.Name, 18) +
               FormatFixed(row.distanceKm, 6, 0) + " km" + FormatFixed(row.bearingDeg, 7, 1) +
               " deg  " + KindName(row.kind) + " path\n";
        for (const PlannerBand& band : row.bands) {
            const std::string strip = StripText(band, offset);
            out += "  " + Padded(band.freqText, 5) + " " + strip + " " +
                   FormatFixed(band.openCount / 2.0, 4, 1) + " h";
            if (band.longest.length > 0 && band.longest.length < kHalfHours)
                out += "  longest " + DisplayedSlotTime(band.longest.start, offset) + "-" +
                       DisplayedSlotTime((band.longest.start + band.longest.length) % kHalfHours,
                                         offset);
            out += "\n";
        }
    }
    if (!result.skipped.empty()) {
        out += "\n";
        for (const PlannerSkip& skip : result.skipped)
            out += "No path to " + skip.place.Prefix + " (" + skip.place.Name +
                   "): " + skip.reason + "\n";
    }
    return out;
}
