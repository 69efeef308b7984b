#include "freqmap/FreqMapExport.h"

#include <cmath>

#include "freqmap/FreqMapTexts.h"
#include "text/CsvText.h"
#include "text/JsonText.h"

namespace {

// A centre coordinate without the last bits of arithmetic noise (110.00000000000001).
double Tidy(double deg) {
    return std::round(deg * 1e9) / 1e9;
}

} // namespace

std::string FreqMapJson(const FreqMapSlots& slots, const std::vector<FreqMapCell>& cells,
                        const FreqMapFrame& frame) {
    std::string json = "{\"ssn\": " + JsonNumber(frame.ssn) +
                       ", \"flux\": " + JsonNumber(frame.flux) + ", \"slots\": [";
    for (int n = 0; n < slots.count(); ++n)
        json += (n ? ", " : "") + JsonString(slots.texts[n]);
    json += "], \"cells\": [";
    for (std::size_t n = 0; n < cells.size() && n < frame.mufs.size(); ++n) {
        const FreqMapCell& cell = cells[n];
        json += n ? ", " : "";
        json += "{\"band\": " + std::to_string(cell.band) +
                ", \"index\": " + std::to_string(cell.index) +
                ", \"centreLat\": " + JsonNumber(Tidy(cell.centreLatDeg)) +
                ", \"centreLon\": " + JsonNumber(Tidy(ReducedLongitudeDeg(cell.centreLonDeg))) +
                ", \"muf\": " + JsonNumber(frame.mufs[n]) +
                ", \"class\": " + std::to_string(frame.classes[n]) +
                ", \"label\": " + JsonString(FreqMapReadout(slots, frame.classes[n])) + "}";
    }
    return json + "]}";
}

std::string FreqMapJsonList(const FreqMapSlots& slots, const std::vector<FreqMapCell>& cells,
                            const std::vector<FreqMapFrame>& frames) {
    std::string json = "[";
    for (std::size_t n = 0; n < frames.size(); ++n)
        json += (n ? ",\n" : "") + FreqMapJson(slots, cells, frames[n]);
    return json + "]";
}

std::string FreqMapCsv(const FreqMapSlots& slots, const std::vector<FreqMapCell>& cells,
                       const std::vector<FreqMapFrame>& frames) {
    std::string csv = "utc,band,index,centreLat,centreLon,muf,class,label\r\n";
    for (const FreqMapFrame& frame : frames)
        for (std::size_t n = 0; n < cells.size() && n < frame.mufs.size(); ++n) {
            const FreqMapCell& cell = cells[n];
            csv += frame.utcText + "," + std::to_string(cell.band) + "," +
                   std::to_string(cell.index) + "," + JsonNumber(Tidy(cell.centreLatDeg)) + "," +
                   JsonNumber(Tidy(ReducedLongitudeDeg(cell.centreLonDeg))) + "," +
                   JsonNumber(frame.mufs[n]) + "," + std::to_string(frame.classes[n]) + "," +
                   CsvField(FreqMapReadout(slots, frame.classes[n])) + "\r\n";
        }
    return csv;
}
