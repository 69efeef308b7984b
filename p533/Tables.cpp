#include "p533/Tables.h"

#include "p533/TextScan.h"

#include <cmath>

namespace p533 {

namespace {

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string LineText(std::size_t index) {
    return "line " + std::to_string(index + 1);
}

int MonthIndex(std::string_view name) {
    for (int m = 0; m < 12; ++m)
        if (name == kMonths[m])
            return m;
    return -1;
}

// Reads `count` numbers from fields [first, first + count) of a CSV line.
bool ReadFields(const std::vector<std::string_view>& fields, std::size_t first, std::size_t count,
                double* out) {
    if (fields.size() != first + count)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<double> v = ReadNumber(fields[first + i]);
        if (!v || std::abs(*v) > 1e6)
            return false;
        out[i] = *v;
    }
    return true;
}

bool Contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

// "a) foF2 variability: lower decile, winter, R12 < 50".
bool IsTableTitle(std::string_view line) {
    return Contains(line, "variability") && Contains(line, "decile");
}

} // namespace

Season SeasonOf(const Season (&northern)[12], int month, double lat) {
    return northern[(month - 1 + (lat < 0.0 ? 6 : 0)) % 12];
}

std::string ParseDecileTables(std::string_view text, DecileTables& out) {
    const std::vector<std::string_view> lines = SplitLines(text);
    bool seen[2][3][3] = {};
    int tables = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view title = lines[i];
        if (!IsTableTitle(title))
            continue;
        const int decile = Contains(title, "lower") ? 0 : Contains(title, "upper") ? 1 : -1;
        const int season = Contains(title, "winter")    ? 0
                           : Contains(title, "equinox") ? 1
                           : Contains(title, "summer")  ? 2
                                                        : -1;
        const int range = Contains(title, "<= 100")  ? 1
                          : Contains(title, "< 50")  ? 0
                          : Contains(title, "> 100") ? 2
                                                     : -1;
        if (decile < 0 || season < 0 || range < 0)
            return LineText(i) + ": a table title without its decile, season or R12 range";
        if (seen[decile][season][range])
            return LineText(i) + ": the table appears twice";
        seen[decile][season][range] = true;
        ++tables;
        // The 19 latitude rows follow the two header lines: "90° f00 … f23" down to 0°.
        bool rowSeen[19] = {};
        std::size_t j = i + 1;
        for (int row = 0; row < 19; ++row, ++j) {
            while (j < lines.size() && !IsTableTitle(lines[j]) &&
                   (lines[j].empty() || lines[j][0] < '0' || lines[j][0] > '9'))
                ++j;
            if (j >= lines.size() || IsTableTitle(lines[j]))
                return LineText(i) + ": the table has fewer than 19 latitude rows";
            std::string_view line = lines[j];
            std::size_t k = 0;
            int lat = 0;
            while (k < line.size() && line[k] >= '0' && line[k] <= '9' && lat < 1000)
                lat = lat * 10 + (line[k++] - '0');
            while (k < line.size() && line[k] != ' ' && line[k] != '\t')
                ++k; // the degree sign, in whatever encoding
            if (lat % 5 != 0 || lat > 90 || rowSeen[lat / 5])
                return LineText(j) + ": a latitude row other than 0°, 5°, …, 90°";
            rowSeen[lat / 5] = true;
            NumberScanner scan(line.substr(k));
            for (int h = 0; h < 24; ++h) {
                const std::optional<double> v = scan.Next();
                if (!v || *v <= 0.0 || *v > 5.0)
                    return LineText(j) + ": 24 decile factors (0..5) expected";
                out.f[decile][season][range][lat / 5][h] = static_cast<float>(*v);
            }
            if (!scan.AtEnd())
                return LineText(j) + ": more than 24 decile factors";
        }
        i = j - 1;
    }
    if (tables != 18)
        return "18 tables expected, " + std::to_string(tables) + " found";
    return {};
}

std::string ParseMagneticModel(std::string_view text, MagneticModel& out) {
    const std::vector<std::string_view> lines = SplitLines(text);
    bool seen[7][7] = {};
    int rows = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        double v[5];
        if (!ReadFields(SplitFields(lines[i]), 0, 5, v))
            return LineText(i) + ": m, n, g, h and K expected";
        const int m = static_cast<int>(v[0]), n = static_cast<int>(v[1]);
        if (m != v[0] || n != v[1] || n < 1 || n > 6 || m < 0 || m > n || seen[n][m])
            return LineText(i) + ": m and n must be 0 ≤ m ≤ n ≤ 6, each pair once";
        seen[n][m] = true;
        out.g[n][m] = v[2];
        out.h[n][m] = v[3];
        out.k[n][m] = v[4];
        ++rows;
    }
    if (rows != 27)
        return "27 coefficient rows expected, " + std::to_string(rows) + " found";
    return {};
}

std::string ParseAtNoon(std::string_view text, AbsorptionTables& out) {
    const std::vector<std::string_view> lines = SplitLines(text);
    bool seen[12] = {};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const std::vector<std::string_view> fields = SplitFields(lines[i]);
        double v[29];
        if (!ReadFields(fields, 1, 29, v))
            return LineText(i) + ": a row name and 29 values expected";
        // "Jan+Dec": the row serves every month named.
        std::string_view names = fields[0];
        while (!names.empty()) {
            const std::size_t plus = names.find('+');
            const int m = MonthIndex(names.substr(0, plus));
            if (m < 0 || seen[m])
                return LineText(i) + ": an unknown or repeated month in the row name";
            seen[m] = true;
            for (int k = 0; k < 29; ++k)
                out.atNoon[m][k] = v[k];
            if (plus == std::string_view::npos)
                break;
            names.remove_prefix(plus + 1);
        }
    }
    for (int m = 0; m < 12; ++m)
        if (!seen[m])
            return std::string("no row for ") + kMonths[m];
    return {};
}

std::string ParseExponents(std::string_view text, AbsorptionTables& out) {
    const std::vector<std::string_view> lines = SplitLines(text);
    bool seen[12][2] = {};
    int rows = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const std::vector<std::string_view> fields = SplitFields(lines[i]);
        double v[9];
        if (!ReadFields(fields, 1, 9, v))
            return LineText(i) + ": month, branch, P and seven coefficients expected";
        const int m = MonthIndex(fields[0]);
        const int branch = static_cast<int>(v[0]);
        if (m < 0 || (v[0] != 0.0 && v[0] != 1.0) || seen[m][branch] || v[1] <= 1.0 || v[1] >= 69.0)
            return LineText(i) + ": a month, branch 0 or 1 and 1 < P < 69 expected, once each";
        seen[m][branch] = true;
        out.exponent[m][branch].pDeg = v[1];
        for (int k = 0; k < 7; ++k)
            out.exponent[m][branch].c[k] = v[2 + k];
        ++rows;
    }
    if (rows != 24)
        return "24 rows expected, " + std::to_string(rows) + " found";
    return {};
}

std::string ParseAuroralTable(std::string_view text, AuroralTable& out) {
    static const char* const kBands[8] = {">=77.5",    "72.5-77.5", "67.5-72.5", "62.5-67.5",
                                          "57.5-62.5", "52.5-57.5", "47.5-52.5", "42.5-47.5"};
    static const char* const kSeasons[3] = {"winter", "equinox", "summer"};
    const std::vector<std::string_view> lines = SplitLines(text);
    bool seen[2][3][8] = {};
    int rows = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const std::vector<std::string_view> fields = SplitFields(lines[i]);
        double v[8];
        if (!ReadFields(fields, 3, 8, v))
            return LineText(i) + ": hop range, season, band and 8 values expected";
        const int range = fields[0] == "<=2500" ? 0 : fields[0] == ">2500" ? 1 : -1;
        int season = -1, band = -1;
        for (int s = 0; s < 3; ++s)
            if (fields[1] == kSeasons[s])
                season = s;
        for (int b = 0; b < 8; ++b)
            if (fields[2] == kBands[b])
                band = b;
        if (range < 0 || season < 0 || band < 0 || seen[range][season][band])
            return LineText(i) + ": an unknown or repeated hop range, season or band";
        seen[range][season][band] = true;
        for (int t = 0; t < 8; ++t)
            out.lh[range][season][band][t] = v[t];
        ++rows;
    }
    if (rows != 48)
        return "48 rows expected, " + std::to_string(rows) + " found";
    return {};
}

} // namespace p533
