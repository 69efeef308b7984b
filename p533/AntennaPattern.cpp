#include "p533/AntennaGain.h"

#include "core/ReadFile.h"
#include "p533/TextScan.h"
#include "p533/Units.h"

#include <algorithm>
#include <cmath>

namespace p533 {

namespace {

constexpr int kAzimuths = 360;
constexpr int kElevations = 91;
constexpr std::size_t kMaxPatternBytes = 4u << 20;

std::string Problem(std::string_view fileName, std::size_t line, const std::string& what) {
    return std::string(fileName) + ": line " + std::to_string(line) + ": " + what;
}

// The line number (1-based) of the character at `offset`.
std::size_t LineOf(std::string_view text, std::size_t offset) {
    return 1 + static_cast<std::size_t>(
                   std::count(text.begin(), text.begin() + std::min(offset, text.size()), '\n'));
}

// The first number of a line ("  6.000  [ 4] Frequency"), or nullopt.
std::optional<double> LeadingNumber(std::string_view line) {
    NumberScanner scan(line);
    return scan.Next();
}

} // namespace

PatternRead ParseAntennaPattern(std::string_view text, std::string_view fileName) {
    // Line 1 the title, line 2 the count of parameter lines, then those lines.
    std::size_t pos = 0;
    std::vector<std::string_view> head;
    while (head.size() < 2 && pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        head.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    if (head.size() < 2)
        return {nullptr, Problem(fileName, head.size() + 1, "the file ends before its header")};
    const std::optional<double> count = LeadingNumber(head[1]);
    if (!count || *count < 1.0 || *count > 20.0 || *count != std::floor(*count))
        return {nullptr, Problem(fileName, 2, "the count of parameter lines (1..20) expected")};
    auto pattern = std::make_shared<AntennaPattern>();
    std::string title(head[0]);
    while (!title.empty() && (title.back() == ' ' || title.back() == '\r'))
        title.pop_back();
    pattern->title = title;
    GainTable table;
    for (int i = 1; i <= static_cast<int>(*count); ++i) {
        if (pos >= text.size())
            return {nullptr, Problem(fileName, 2 + i, "the file ends in its parameter lines")};
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::optional<double> value = LeadingNumber(text.substr(pos, end - pos));
        if (!value)
            return {nullptr, Problem(fileName, 2 + i, "a parameter line starts with no number")};
        if (i == 4) {
            if (*value < 0.0 || *value > 1000.0)
                return {nullptr, Problem(fileName, 2 + i, "the frequency must be 0..1000 MHz")};
            table.freqMHz = *value;
        }
        pos = end + 1;
    }
    table.gainDbi.assign(static_cast<std::size_t>(kAzimuths) * kElevations, 0.0f);
    const std::string_view body = text.substr(std::min(pos, text.size()));
    NumberScanner scan(body);
    auto lineNow = [&]() { return LineOf(text, std::min(pos, text.size()) + scan.Position()); };
    for (int az = 0; az < kAzimuths; ++az) {
        for (int e = -1; e < kElevations; ++e) {
            const std::optional<double> v = scan.Next();
            if (!v) {
                const std::string what = scan.AtEnd() ? "the file ends before azimuth " +
                                                            std::to_string(az) + " is complete"
                                                      : "not a number";
                return {nullptr, Problem(fileName, lineNow(), what)};
            }
            if (e < 0) {
                if (*v != az)
                    return {nullptr, Problem(fileName, lineNow(),
                                             "the block of azimuth " + std::to_string(az) +
                                                 " is missing or out of order")};
            } else {
                if (*v < -1000.0 || *v > 100.0)
                    return {nullptr, Problem(fileName, lineNow(),
                                             "a gain outside -1000..100 dBi at azimuth " +
                                                 std::to_string(az))};
                table.gainDbi[static_cast<std::size_t>(az) * kElevations + e] =
                    static_cast<float>(*v);
            }
        }
    }
    if (!scan.AtEnd())
        return {nullptr, Problem(fileName, lineNow(), "more follows the 360 azimuths")};
    pattern->tables.push_back(std::move(table));
    return {std::move(pattern), {}};
}

PatternRead ReadAntennaPatternFile(const std::filesystem::path& path) {
    const FileReadResult read = ReadFilePart(path, 0, kMaxPatternBytes + 1);
    if (!read)
        return {nullptr, path.string() + ": " + read.error};
    if (read.fileSize > kMaxPatternBytes)
        return {nullptr, path.string() + ": the file is larger than an antenna pattern can be"};
    return ParseAntennaPattern(read.bytes, path.string());
}

AntennaView ViewAntenna(const Antenna& antenna, double freqMHz, double pathBearingDeg,
                        bool truncatedRotation) {
    AntennaView view;
    view.constantDbi = antenna.gainDbi;
    view.pathBearingDeg = pathBearingDeg;
    view.mainBeamDeg = antenna.mainBeamDeg.value_or(pathBearingDeg);
    view.truncatedRotation = truncatedRotation;
    if (antenna.pattern)
        for (const GainTable& t : antenna.pattern->tables)
            if (!view.table ||
                std::abs(t.freqMHz - freqMHz) < std::abs(view.table->freqMHz - freqMHz))
                view.table = &t;
    return view;
}

double GainToward(const AntennaView& view, double elevationDeg) {
    if (!view.table)
        return view.constantDbi;
    const double e = std::clamp(elevationDeg, 0.0, 90.0);
    const int e0 = static_cast<int>(std::floor(e));
    const int e1 = static_cast<int>(std::ceil(e));
    const double r = e - e0;
    // The table's azimuth of the ray: B − βA; or, as the reference does, the table turned
    // by the whole degrees of βA and read at B.
    double b = Wrap(view.pathBearingDeg, 360.0);
    if (!view.truncatedRotation)
        b = Wrap(view.pathBearingDeg - view.mainBeamDeg, 360.0);
    const int shift = view.truncatedRotation ? static_cast<int>(std::floor(view.mainBeamDeg)) : 0;
    const int b0 = static_cast<int>(std::floor(b));
    const int b1 = static_cast<int>(std::ceil(b));
    const double c = b - b0;
    auto g = [&](int az, int el) {
        const int a = ((az - shift) % kAzimuths + kAzimuths) % kAzimuths;
        return static_cast<double>(
            view.table->gainDbi[static_cast<std::size_t>(a) * kElevations + el]);
    };
    return (1 - r) * (1 - c) * g(b0, e0) + r * (1 - c) * g(b0, e1) + (1 - r) * c * g(b1, e0) +
           r * c * g(b1, e1);
}

LowAngleGain LargestLowAngleGain(const AntennaView& view) {
    LowAngleGain best{GainToward(view, 0.0), 0.0};
    for (int e = 1; e <= 8; ++e) {
        const double g = GainToward(view, e);
        if (g > best.gainDbi)
            best = {g, static_cast<double>(e)};
    }
    return best;
}

double PeakGain(const Antenna& antenna) {
    if (!antenna.pattern || antenna.pattern->tables.empty())
        return antenna.gainDbi;
    double peak = -1000.0;
    for (const GainTable& t : antenna.pattern->tables)
        for (float g : t.gainDbi)
            peak = std::max(peak, static_cast<double>(g));
    return peak;
}

} // namespace p533
