#include "validation/MeasuredHours.h"

#include "core/ReadFile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

constexpr std::array<std::string_view, 15> kColumns = {
    "id",     "tx_name",     "rx_name",  "tx_lat",   "tx_lon_east",
    "rx_lat", "rx_lon_east", "freq_mhz", "dist_km",  "long_path",
    "year",   "month",       "ssn",      "hour_utc", "measured_dbuv_m"};

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

std::optional<double> NumberIn(std::string_view field, double low, double high) {
    double value = 0.0;
    const char* end = field.data() + field.size();
    const auto [stop, ec] = std::from_chars(field.data(), end, value);
    if (ec != std::errc() || stop != end || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

struct ColumnRange {
    double low;
    double high;
    bool whole; ///< an integer column
};

// The plausible range of each numeric column, in table order (the two names are text).
constexpr std::array<ColumnRange, 15> kRanges = {{{1, 1e6, true},
                                                  {0, 0, false},
                                                  {0, 0, false},
                                                  {-90, 90, false},
                                                  {-360, 360, false},
                                                  {-90, 90, false},
                                                  {-360, 360, false},
                                                  {1, 30, false},
                                                  {0, 40100, false},
                                                  {0, 1, true},
                                                  {1900, 2100, true},
                                                  {1, 12, true},
                                                  {0, 400, false},
                                                  {1, 24, true},
                                                  {-200, 200, false}}};

} // namespace

MeasuredRead ParseMeasuredHours(std::string_view text, std::string_view fileName) {
    MeasuredRead read;
    const auto fail = [&](int lineNumber, std::string reason) {
        read.hours.clear();
        read.error = std::string(fileName) + ", line " + std::to_string(lineNumber) + ": " + reason;
        return read;
    };
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::vector<std::string_view> fields = SplitFields(line);
        if (lineNumber == 1) {
            if (fields.size() != kColumns.size() ||
                !std::equal(fields.begin(), fields.end(), kColumns.begin()))
                return fail(1, "the header is not the measured-hours header (" +
                                   std::string(kColumns[0]) + ",tx_name,...," +
                                   std::string(kColumns.back()) + ")");
            continue;
        }
        if (line.empty() && start >= text.size())
            break;
        if (fields.size() != kColumns.size())
            return fail(lineNumber, "expected " + std::to_string(kColumns.size()) +
                                        " fields, found " + std::to_string(fields.size()));
        std::array<double, kColumns.size()> value{};
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            if (c == 1 || c == 2)
                continue;
            const ColumnRange& range = kRanges[c];
            const std::optional<double> v = NumberIn(fields[c], range.low, range.high);
            if (!v || (range.whole && *v != std::floor(*v)))
                return fail(lineNumber, std::string(kColumns[c]) + " \"" +
                                            std::string(fields[c].substr(0, 40)) +
                                            "\" is not a number in its range");
            value[c] = *v;
        }
        MeasuredHour h;
        h.circuit = static_cast<int>(value[0]);
        h.txName = fields[1];
        h.rxName = fields[2];
        h.txLatDeg = value[3];
        h.txLonEastDeg = value[4];
        h.rxLatDeg = value[5];
        h.rxLonEastDeg = value[6];
        h.freqMHz = value[7];
        h.distanceKm = value[8];
        h.longPath = value[9] == 1.0;
        h.year = static_cast<int>(value[10]);
        h.month = static_cast<int>(value[11]);
        h.ssn = value[12];
        h.hourUtc = static_cast<int>(value[13]);
        h.fieldDbu = value[14];
        read.hours.push_back(std::move(h));
    }
    if (lineNumber == 0)
        return fail(1, "the file is empty");
    return read;
}

MeasuredRead ReadMeasuredHoursFile(const std::filesystem::path& path) {
    const FileReadResult file = ReadWholeFile(path);
    if (!file) {
        MeasuredRead read;
        read.error = path.string() + ": " + file.error;
        return read;
    }
    return ParseMeasuredHours(file.bytes, path.string());
}
