#include "solar/SolarTables.h"

#include "solar/JsonRecords.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace {

/// Exactly `count` decimal digits at `at`: no sign, no space ("-4" is not an hour).
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    for (std::size_t i = at; i < at + count; ++i)
        if (text[i] < '0' || text[i] > '9')
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

/// A whole number text, or a decimal number text ("2.33"); nullopt otherwise.
std::optional<double> NumberText(std::string_view text) {
    double x = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(x))
        return std::nullopt;
    return x;
}

/// A number, or a text holding one ("2.33"); nullopt for anything else or NaN.
std::optional<double> Number(const JsonScalar* value) {
    if (!value)
        return std::nullopt;
    if (value->number)
        return std::isfinite(*value->number) ? value->number : std::nullopt;
    if (value->text)
        return NumberText(*value->text);
    return std::nullopt;
}

const std::string* Text(const JsonScalar* value) {
    return value && value->text ? &*value->text : nullptr;
}

/// A monthly value: the number, or -1 when it is missing, negative or not a number.
double MonthlyValue(const JsonRecord& record, std::string_view key) {
    const std::optional<double> value = Number(record.Find(key));
    return value && *value >= 0.0 ? *value : -1.0;
}

/// The rows `readRow` makes of the object records of a JSON array.
template <typename Row, typename ReadRow>
SolarTable<Row> ReadTable(std::string_view text, ReadRow readRow) {
    SolarTable<Row> table;
    table.error = ReadJsonRecords(text, [&](const JsonRecord& record) {
        if (!record.isArray)
            if (const std::optional<Row> row = readRow(record))
                table.rows.push_back(*row);
    });
    if (table.Ok() && table.rows.empty())
        table.error = "no usable rows";
    if (!table.Ok())
        table.rows.clear();
    return table;
}

std::optional<KpRow> KpFrom(const JsonScalar* timeTag, const JsonScalar* kp) {
    const std::string* tag = Text(timeTag);
    const auto when = tag ? TimeTag(*tag) : std::nullopt;
    const auto value = Number(kp);
    if (!when || !value || *value < 0.0 || *value > 9.0)
        return std::nullopt;
    return KpRow{when->first, when->second, *value};
}

/// "Jan".."Dec" (any case) as 1..12; 0 for anything else.
int MonthOfName(std::string_view name) {
    static constexpr std::string_view kNames[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                                  "jul", "aug", "sep", "oct", "nov", "dec"};
    if (name.size() != 3)
        return 0;
    std::string lower(name);
    for (char& c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (int m = 0; m < 12; ++m)
        if (lower == kNames[m])
            return m + 1;
    return 0;
}

/// The words of a line, split at blanks and tabs.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t from = line.find_first_not_of(" \t", at);
        if (from == std::string_view::npos)
            break;
        const std::size_t to = std::min(line.find_first_of(" \t", from), line.size());
        words.push_back(line.substr(from, to - from));
        at = to;
    }
    return words;
}

std::optional<OutlookDayRow> OutlookRowOf(std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    if (words.size() < 4 || words[0].size() != 4)
        return std::nullopt;
    const auto year = Digits(words[0], 0, 4);
    const int month = MonthOfName(words[1]);
    const int day = words[2].size() <= 2 ? Digits(words[2], 0, words[2].size()).value_or(0) : 0;
    const auto flux = NumberText(words[3]);
    if (!year || month == 0 || day < 1 || day > 31 || !flux || *flux <= 0.0)
        return std::nullopt;
    return OutlookDayRow{{*year, month, day}, *flux};
}

} // namespace

SolarTable<DailyFluxRow> ParseDailyFlux(std::string_view text) {
    return ReadTable<DailyFluxRow>(text, [](const JsonRecord& o) -> std::optional<DailyFluxRow> {
        const std::string* tag = Text(o.Find("time_tag"));
        const auto when = tag ? TimeTag(*tag) : std::nullopt;
        const auto flux = Number(o.Find("flux"));
        if (!when || !flux || *flux <= 0.0)
            return std::nullopt;
        const JsonScalar* schedule = o.Find("reporting_schedule");
        const bool official =
            schedule ? Text(schedule) && *Text(schedule) == "Noon" : when->second == 20 * 60;
        return DailyFluxRow{when->first, when->second, *flux, official};
    });
}

SolarTable<KpRow> ParseKpIndex(std::string_view text) {
    SolarTable<KpRow> table;
    // An array of arrays names its columns in its first row.
    bool first = true, arrays = false;
    std::optional<std::size_t> timeColumn, kpColumn;
    table.error = ReadJsonRecords(text, [&](const JsonRecord& record) {
        if (std::exchange(first, false) && record.isArray) {
            arrays = true;
            for (std::size_t i = 0; i < record.fields.size(); ++i) {
                const std::string* name = Text(&record.fields[i].second);
                if (name && *name == "time_tag")
                    timeColumn = i;
                else if (name && (*name == "Kp" || *name == "kp"))
                    kpColumn = i;
            }
            return;
        }
        std::optional<KpRow> kp;
        if (arrays && record.isArray && timeColumn && kpColumn &&
            record.fields.size() > std::max(*timeColumn, *kpColumn))
            kp = KpFrom(&record.fields[*timeColumn].second, &record.fields[*kpColumn].second);
        else if (!arrays && !record.isArray)
            kp = KpFrom(record.Find("time_tag"),
                        record.Find("Kp") ? record.Find("Kp") : record.Find("kp"));
        if (kp)
            table.rows.push_back(*kp);
    });
    if (table.Ok() && arrays && (!timeColumn || !kpColumn))
        table.error = "no \"time_tag\" and \"Kp\" columns";
    if (table.Ok() && table.rows.empty())
        table.error = "no usable rows";
    if (!table.Ok())
        table.rows.clear();
    return table;
}

SolarTable<ObservedMonthRow> ParseObservedMonths(std::string_view text) {
    return ReadTable<ObservedMonthRow>(
        text, [](const JsonRecord& o) -> std::optional<ObservedMonthRow> {
            const std::string* tag = Text(o.Find("time-tag"));
            const auto ym = tag ? YearMonth(*tag) : std::nullopt;
            if (!ym)
                return std::nullopt;
            const ObservedMonthRow row{ym->first,
                                       ym->second,
                                       MonthlyValue(o, "ssn"),
                                       MonthlyValue(o, "smoothed_ssn"),
                                       MonthlyValue(o, "f10.7"),
                                       MonthlyValue(o, "smoothed_f10.7")};
            if (row.ssn < 0.0 && row.smoothedSsn < 0.0 && row.flux <= 0.0 &&
                row.smoothedFlux <= 0.0)
                return std::nullopt;
            return row;
        });
}

SolarTable<PredictedMonthRow> ParsePredictedMonths(std::string_view text) {
    return ReadTable<PredictedMonthRow>(
        text, [](const JsonRecord& o) -> std::optional<PredictedMonthRow> {
            const std::string* tag = Text(o.Find("time-tag"));
            const auto ym = tag ? YearMonth(*tag) : std::nullopt;
            const PredictedMonthRow row{ym ? ym->first : 0, ym ? ym->second : 0,
                                        MonthlyValue(o, "predicted_ssn"),
                                        MonthlyValue(o, "predicted_f10.7")};
            if (!ym || (row.predictedSsn < 0.0 && row.predictedFlux <= 0.0))
                return std::nullopt;
            return row;
        });
}

SolarTable<OutlookDayRow> ParseDailyOutlook(std::string_view text) {
    SolarTable<OutlookDayRow> table;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ':' || line.front() == '#')
            continue;
        if (const auto row = OutlookRowOf(line))
            table.rows.push_back(*row);
    }
    if (table.rows.empty())
        table.error = text.empty() ? "empty" : "no usable rows";
    return table;
}

std::string CheckSolarFileText(SolarFile file, std::string_view text) {
    switch (file) {
    case SolarFile::DailyFlux:
        return ParseDailyFlux(text).error;
    case SolarFile::PlanetaryK:
        return ParseKpIndex(text).error;
    case SolarFile::ObservedMonths:
        return ParseObservedMonths(text).error;
    case SolarFile::PredictedMonths:
        return ParsePredictedMonths(text).error;
    case SolarFile::DailyOutlook:
        return ParseDailyOutlook(text).error;
    }
    return "unknown file";
}
