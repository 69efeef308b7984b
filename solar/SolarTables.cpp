#include "solar/SolarTables.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <optional>

using nlohmann::json;

namespace {

std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data() + at, text.data() + at + count, value);
    if (ec != std::errc() || end != text.data() + at + count)
        return std::nullopt;
    return value;
}

/// "YYYY-MM" at the start of a text, with a real month.
std::optional<std::pair<int, int>> YearMonth(std::string_view text) {
    const auto year = Digits(text, 0, 4);
    const auto month = Digits(text, 5, 2);
    if (!year || !month || text[4] != '-' || *month < 1 || *month > 12)
        return std::nullopt;
    return std::pair{*year, *month};
}

/// "YYYY-MM-DD", then "T" or " " and "HH:MM" (the time is 00:00 when absent).
std::optional<std::pair<CalendarDay, int>> TimeTag(std::string_view text) {
    const auto ym = YearMonth(text);
    const auto day = Digits(text, 8, 2);
    if (!ym || !day || text[7] != '-' || *day < 1 || *day > 31)
        return std::nullopt;
    int minute = 0;
    if (text.size() >= 16 && (text[10] == 'T' || text[10] == ' ')) {
        const auto h = Digits(text, 11, 2);
        const auto m = Digits(text, 14, 2);
        if (!h || !m || text[13] != ':' || *h > 23 || *m > 59)
            return std::nullopt;
        minute = *h * 60 + *m;
    }
    return std::pair{CalendarDay{ym->first, ym->second, *day}, minute};
}

/// A number, or a text holding one ("2.33"); nullopt for anything else or NaN.
std::optional<double> Number(const json& value) {
    double x = 0.0;
    if (value.is_number()) {
        x = value.get<double>();
    } else if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
        if (ec != std::errc() || end != text.data() + text.size())
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

std::optional<std::string> Text(const json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string())
        return std::nullopt;
    return it->get<std::string>();
}

std::optional<double> NumberAt(const json& object, const char* key) {
    const auto it = object.find(key);
    return it == object.end() ? std::nullopt : Number(*it);
}

/// The text as a JSON array, or the error.
std::optional<json> ParseArray(std::string_view text, std::string& error) {
    json root = json::parse(text, nullptr, false);
    if (root.is_discarded()) {
        error = text.empty() ? "empty" : "not valid JSON (cut short or damaged)";
        return std::nullopt;
    }
    if (!root.is_array()) {
        error = "not a JSON array";
        return std::nullopt;
    }
    return root;
}

template <typename Row, typename ReadRow>
SolarTable<Row> ReadTable(std::string_view text, ReadRow readRow) {
    SolarTable<Row> table;
    const auto root = ParseArray(text, table.error);
    if (!root)
        return table;
    for (const json& item : *root)
        if (item.is_object())
            if (const std::optional<Row> row = readRow(item))
                table.rows.push_back(*row);
    if (table.rows.empty())
        table.error = "no usable rows";
    return table;
}

std::optional<KpRow> KpFrom(const json& timeTag, const json& kp) {
    if (!timeTag.is_string())
        return std::nullopt;
    const auto when = TimeTag(timeTag.get_ref<const std::string&>());
    const auto value = Number(kp);
    if (!when || !value || *value < 0.0 || *value > 9.0)
        return std::nullopt;
    return KpRow{when->first, when->second, *value};
}

} // namespace

SolarTable<DailyFluxRow> ParseDailyFlux(std::string_view text) {
    return ReadTable<DailyFluxRow>(text, [](const json& o) -> std::optional<DailyFluxRow> {
        const auto tag = Text(o, "time_tag");
        const auto when = tag ? TimeTag(*tag) : std::nullopt;
        const auto flux = NumberAt(o, "flux");
        if (!when || !flux || *flux <= 0.0)
            return std::nullopt;
        return DailyFluxRow{when->first, when->second, *flux};
    });
}

SolarTable<KpRow> ParseKpIndex(std::string_view text) {
    SolarTable<KpRow> table;
    const auto root = ParseArray(text, table.error);
    if (!root)
        return table;
    // Array of arrays: the first row names the columns.
    if (!root->empty() && (*root)[0].is_array()) {
        const json& header = (*root)[0];
        std::size_t timeColumn = header.size(), kpColumn = header.size();
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (header[i] == "time_tag")
                timeColumn = i;
            else if (header[i] == "Kp" || header[i] == "kp")
                kpColumn = i;
        }
        if (timeColumn == header.size() || kpColumn == header.size()) {
            table.error = "no \"time_tag\" and \"Kp\" columns";
            return table;
        }
        for (std::size_t r = 1; r < root->size(); ++r) {
            const json& row = (*root)[r];
            if (row.is_array() && row.size() > std::max(timeColumn, kpColumn))
                if (const auto kp = KpFrom(row[timeColumn], row[kpColumn]))
                    table.rows.push_back(*kp);
        }
    } else {
        for (const json& item : *root) {
            if (!item.is_object() || !item.contains("time_tag"))
                continue;
            const auto kpKey = item.contains("Kp") ? "Kp" : "kp";
            if (item.contains(kpKey))
                if (const auto kp = KpFrom(item["time_tag"], item[kpKey]))
                    table.rows.push_back(*kp);
        }
    }
    if (table.rows.empty())
        table.error = "no usable rows";
    return table;
}

SolarTable<ObservedMonthRow> ParseObservedMonths(std::string_view text) {
    return ReadTable<ObservedMonthRow>(text, [](const json& o) -> std::optional<ObservedMonthRow> {
        const auto tag = Text(o, "time-tag");
        const auto ym = tag ? YearMonth(*tag) : std::nullopt;
        if (!ym)
            return std::nullopt;
        ObservedMonthRow row{ym->first, ym->second};
        row.ssn = NumberAt(o, "ssn").value_or(-1.0);
        row.smoothedSsn = NumberAt(o, "smoothed_ssn").value_or(-1.0);
        if (row.ssn < 0.0 && row.smoothedSsn < 0.0)
            return std::nullopt;
        return row;
    });
}

SolarTable<PredictedMonthRow> ParsePredictedMonths(std::string_view text) {
    return ReadTable<PredictedMonthRow>(text,
                                        [](const json& o) -> std::optional<PredictedMonthRow> {
                                            const auto tag = Text(o, "time-tag");
                                            const auto ym = tag ? YearMonth(*tag) : std::nullopt;
                                            const auto ssn = NumberAt(o, "predicted_ssn");
                                            if (!ym || !ssn || *ssn < 0.0)
                                                return std::nullopt;
                                            return PredictedMonthRow{ym->first, ym->second, *ssn};
                                        });
}

std::string CheckSolarFileText(SolarFile file, std::string_view json) {
    switch (file) {
    case SolarFile::DailyFlux:
        return ParseDailyFlux(json).error;
    case SolarFile::PlanetaryK:
        return ParseKpIndex(json).error;
    case SolarFile::ObservedMonths:
        return ParseObservedMonths(json).error;
    case SolarFile::PredictedMonths:
        return ParsePredictedMonths(json).error;
    }
    return "unknown file";
}
