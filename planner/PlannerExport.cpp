#include "planner/PlannerExport.h"

#include "core/Dates.h"
#include "core/Numeric.h"
#include "core/Syntax.h"
#include "core/Utf8Text.h"
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

PlannerFacts PlannerHeaderFacts(const PlannerSetup& setup) {
    Terminal a = setup.inputs.terminalA;
    DeriveTerminalCoordinates(a);
    const bool p533 = setup.engine.IsP533();
    PlannerFacts facts = {
        {"engine", p533 ? "p533" : "classic"},
        {"station", WithoutControlCharacters(a.Name.empty() ? a.Prefix : a.Name)},
        {"station_lat", FormatFixed(a.LatitudeDeg, 0, 2)},
        {"station_lon", FormatFixed(a.LongitudeDeg, 0, 2)},
        {"date", IsoDateText(setup.inputs.date)},
        {"solar_index", setup.inputs.solarIndexText},
        {"value", p533 ? "circuit reliability (fraction of days, 0..1)" : "MUF probability (0..1)"},
    };
    if (p533) {
        const p533::CircuitRequest circuit = PlannerCircuit(setup);
        const double powerW = 1000.0 * std::pow(10.0, circuit.transmitPowerDbkW / 10.0);
        const auto antenna = [](const p533::Antenna& x) {
            return x.pattern ? "pattern " + WithoutControlCharacters(x.pattern->title)
                             : FormatFixed(x.gainDbi, 0, 1) + " dBi";
        };
        facts.insert(
            facts.end(),
            {{"open", "circuit reliability " +
                          FormatFixed(circuit.requiredReliabilityPercent, 0, 0) + " % or more"},
             {"hours", "whole hours UTC, each filling its two half hours"},
             {"r12", FormatFixed(circuit.r12, 0, 1)},
             {"power_w", FormatFixed(powerW, 0, powerW < 10 ? 3 : 1)},
             {"tx_antenna", antenna(circuit.transmitAntenna)},
             {"rx_antenna", antenna(circuit.receiveAntenna)},
             {"bandwidth_hz", FormatFixed(circuit.bandwidthHz, 0, 0)},
             {"required_snr_db", FormatFixed(circuit.requiredSnrDb, 0, 1)},
             {"snr_unit", "dB in " + FormatFixed(circuit.bandwidthHz, 0, 0) + " Hz"}});
    } else {
        const Settings& s = setup.settings;
        static constexpr const char* kNoise[] = {"industrial", "residential", "rural", "remote"};
        const int k = KIndexFromText(setup.inputs.kIndexText);
        facts.insert(
            facts.end(),
            {{"open", "MUF probability " + FormatFixed(setup.threshold, 0, 2) +
                          " or more with the signal shown and at least " +
                          FormatFixed(kOpenSignalFloorDb, 0, 0) + " dB"},
             {"k", k < 0 ? std::string("average") : std::to_string(k)},
             {"min_angle_deg", s.MinRadiationAngleText},
             {"noise", kNoise[std::clamp(s.NoiseEnvironment, 0, 3)]},
             {"noise_bandwidth_hz", s.NoiseBandwidthText},
             {"suppression_db", s.SuppressionLevelDb == kNoSuppressionDb
                                    ? std::string("none")
                                    : std::to_string(s.SuppressionLevelDb)},
             {"snr_unit", s.NoiseBandwidthText == "1" ? std::string("dB-Hz")
                                                      : "dB in " + s.NoiseBandwidthText + " Hz"}});
    }
    return facts;
}

std::string PlannerJson(const PlannerResult& result, const Settings& settings,
                        const PlannerFacts& facts, bool p533) {
    std::string out = "{";
    if (!facts.empty()) {
        out += "\"header\": {";
        for (std::size_t i = 0; i < facts.size(); ++i)
            out +=
                (i ? ", " : "") + JsonString(facts[i].first) + ": " + JsonString(facts[i].second);
        out += "},\n ";
    }
    out += "\"freqs\": [";
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
            out += "{\"freq\": " + JsonNumber(band.freqMHz) +
                   (p533 ? ", \"circuit_reliability\": [" : ", \"muf_probability\": [");
            for (int j = 0; j < kHalfHours; ++j)
                out += (j ? ", " : "") + JsonNumber(band.reliability[j]);
            const auto values = [&](const char* key, const std::array<float, kHalfHours>& v) {
                out += std::string("], \"") + key + "\": [";
                for (int j = 0; j < kHalfHours; ++j)
                    out += (j ? ", " : "") + (band.signal[j] == kNoModeSignal ? std::string("null")
                                                                              : JsonNumber(v[j]));
            };
            values(p533 ? "field" : "signal", band.signal);
            if (p533)
                values("power", band.powerDbw);
            values("snr", band.snr);
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

std::string PlannerCsv(const PlannerResult& result, const PlannerFacts& facts) {
    std::string out;
    for (const auto& [name, value] : facts)
        out += "# " + name + ": " + value + "\r\n";
    out += "prefix,name,path,km,bearing_deg,frequency_mhz,open_hours,longest_from,"
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
                out += "," + FormatFixed(band.reliability[j], 0, 2);
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
