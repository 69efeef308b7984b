#include "report/BearingsExport.h"

#include "core/Constants.h"
#include "core/Numeric.h"
#include "text/CsvText.h"
#include "text/JsonText.h"
#include "text/TextColumns.h"

namespace {

// The numeric fields of a row, as texts; empty when there is no value.
struct RowFields {
    std::string latitude, longitude, bearing, longBearing, km, miles;
};

RowFields FieldsOf(const EntryBearing& row) {
    RowFields f;
    if (row.located) {
        f.latitude = FormatFixed(row.latitudeDeg, 0, 4);
        f.longitude = FormatFixed(row.longitudeDeg, 0, 4);
        f.km = FormatFixed(row.distanceRad * DisplayRadiusKm, 0, 0);
        f.miles = FormatFixed(row.distanceRad * DisplayRadiusMi, 0, 0);
    }
    if (row.shownBearing)
        f.bearing = std::to_string(*row.shownBearing);
    if (const std::optional<int> longBearing = LongPathBearing(row))
        f.longBearing = std::to_string(*longBearing);
    return f;
}

std::string JsonValue(const std::string& number) {
    return number.empty() ? "null" : number;
}

} // namespace

std::string BearingsCsv(const std::vector<EntryBearing>& rows) {
    std::string out = "prefix,name,latitude,longitude,bearing,long_bearing,km,miles\r\n";
    for (const EntryBearing& row : rows) {
        const RowFields f = FieldsOf(row);
        out += CsvField(row.entry.Prefix()) + ',' + CsvField(row.entry.Name()) + ',' + f.latitude +
               ',' + f.longitude + ',' + f.bearing + ',' + f.longBearing + ',' + f.km + ',' +
               f.miles + "\r\n";
    }
    return out;
}

std::string BearingsJson(const BearingsOrigin& origin, const std::vector<EntryBearing>& rows) {
    std::string out = "{\"from\":{\"name\":" + JsonString(origin.name) +
                      ",\"latitude\":" + FormatFixed(origin.latitudeDeg, 0, 4) +
                      ",\"longitude\":" + FormatFixed(origin.longitudeDeg, 0, 4) +
                      "},\"bearings\":[";
    bool first = true;
    for (const EntryBearing& row : rows) {
        const RowFields f = FieldsOf(row);
        out += first ? "\r\n" : ",\r\n";
        first = false;
        out += "{\"prefix\":" + JsonString(row.entry.Prefix()) +
               ",\"name\":" + JsonString(row.entry.Name()) +
               ",\"latitude\":" + JsonValue(f.latitude) +
               ",\"longitude\":" + JsonValue(f.longitude) + ",\"bearing\":" + JsonValue(f.bearing) +
               ",\"long_bearing\":" + JsonValue(f.longBearing) + ",\"km\":" + JsonValue(f.km) +
               ",\"miles\":" + JsonValue(f.miles) + "}";
    }
    out += "\r\n]}\r\n";
    return out;
}

std::vector<std::string> BearingsEntryTexts(const std::vector<EntryBearing>& rows) {
    std::vector<std::string> texts;
    texts.reserve(rows.size());
    for (const EntryBearing& row : rows)
        texts.push_back(BearingsEntryText(ToValidUtf8(row.entry.Prefix()),
                                          ToValidUtf8(row.entry.Name()), BearingText(row)));
    return texts;
}

std::string BearingsPagesText(const std::vector<std::vector<std::string>>& pages) {
    std::string text;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            text += '\f';
        for (const std::string& line : pages[p])
            text += line + "\r\n";
    }
    return text;
}
