#include "graphs/HopsList.h"

#include "core/HopMode.h"
#include "core/Numeric.h"
#include "report/PredictionReport.h"
#include "report/PredictionTable.h"
#include "text/TextColumns.h"

#include <algorithm>
#include <cmath>

namespace {

/// Thresholds below this mean "no threshold".
constexpr int kLowestThresholdDb = -99;
constexpr std::size_t kFixedColumns = 49;

/// Writes `text` into the line from 1-based column `column` on.
void Put(std::string& line, std::size_t column, const std::string& text) {
    line.replace(column - 1, std::min(text.size(), line.size() - (column - 1)), text);
}

std::string ClampedRounded(double value) {
    if (std::isnan(value))
        value = -999.0;
    return FormatFixed(RoundHalfEven(std::clamp(value, -999.0, 999.0)), 4, 0);
}

bool Listed(float signalDb, float reliability, const HopsRules& rules) {
    const bool threshold = rules.suppressionLevelDb >= kLowestThresholdDb;
    if (signalDb == kNoModeSignal || std::isnan(signalDb))
        return false;
    if (threshold && signalDb < static_cast<float>(rules.suppressionLevelDb))
        return false;
    return rules.showZeroAvailability || RoundToShown(reliability, 2) > 0.0;
}

} // namespace

HopsRules HopsRulesOf(const Settings& settings) {
    return {settings.SuppressionLevelDb, settings.ShowZeroAvailability, NoiseTermsOf(settings)};
}

std::string HopsLine(const std::string& timeText, float mufMHz, float freqMHz, float signalDb,
                     double snrDb, float reliability, int elevationDeg, const HopLayers& mode,
                     int hops) {
    std::string line(kFixedColumns, ' ');
    Put(line, 2, timeText);
    Put(line, 8, FormatFixed(mufMHz, 4, 1));
    Put(line, 14, FormatFixed(freqMHz, 4, 1));
    Put(line, 21, ClampedRounded(signalDb));
    Put(line, 29, ClampedRounded(snrDb));
    Put(line, 37, FormatFixed(reliability, 4, 2));
    Put(line, 45, FormatFixed(std::clamp(elevationDeg, 0, 99), 2, 0));
    line.resize(kFixedColumns);
    const std::string letters = ModeToLetters(mode, hops);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (i > 0)
            line += '-';
        line += letters[i];
    }
    return line;
}

HopsList BuildHopsList(const HopsSource& source, const HopsRules& rules, HopsGrouping grouping) {
    HopsList list;
    const int count = std::clamp(source.frequencyCount, 0, kMaxFrequencies);
    static const PathResult kEmptyPath{};
    const PathResult& path = source.path ? *source.path : kEmptyPath;
    const bool byTime = grouping == HopsGrouping::ByTime;
    const int groups = byTime ? kHalfHours : count;
    const int members = byTime ? count : kHalfHours;
    for (int g = 0; g < groups; ++g) {
        bool groupStarted = false;
        for (int m = 0; m < members; ++m) {
            const int d = byTime ? g : m;
            const int n = byTime ? m : g;
            const int i = DisplayedSlot(d, source.utcOffsetDays);
            const float signal = path.Signal[i][n];
            const float reliability = path.Reliability[i][n];
            if (!Listed(signal, reliability, rules))
                continue;
            if (!groupStarted && !list.lines.empty())
                list.lines.emplace_back();
            groupStarted = true;
            const float freq = source.frequencyMHz[n];
            const double snr = signal - NoiseLevel(freq, path.Muf[i], rules.noise);
            list.lines.push_back(HopsLine(FormatHHMM(d / static_cast<double>(kHalfHours)),
                                          path.Muf[i], freq, signal, snr, reliability,
                                          path.Elevation[i][n], path.Mode[i][n], path.Hops[i][n]));
        }
    }
    list.enabled = !list.lines.empty();
    if (!list.enabled) {
        if (count == 0) {
            list.lines.push_back(std::string(33, ' ') + kNoFrequenciesTitle);
        } else {
            list.lines.push_back(std::string(31, ' ') + "There are no displayable signal levels");
            list.lines.push_back(std::string(30, ' ') +
                                 "(all are suppressed or no mode was found)");
        }
    }
    return list;
}

std::string HopsColumnHeader(const std::string& timeLabel) {
    return " " + timeLabel + "    MUF  Freq  Sig dB  S/N dB  Avail  Angle  Hop Configuration";
}

std::string HopsFooter(const HopsRules& rules) {
    const bool threshold = rules.suppressionLevelDb >= kLowestThresholdDb;
    if (!threshold && rules.showZeroAvailability)
        return " No suppression in effect";
    std::string footer = " Line not shown if ";
    if (threshold) {
        footer += "signal level below " + std::to_string(rules.suppressionLevelDb) + " dB";
        if (!rules.showZeroAvailability)
            footer += " or if ";
    }
    if (!rules.showZeroAvailability)
        footer += "predicted availability is zero";
    return footer;
}

std::string HopsCaption(PathKind kind, const std::string& dateText) {
    return std::string("Hopscope ") + (kind == PathKind::Short ? "Short" : "Long") +
           "-Path Prediction (Advanced) for " + dateText;
}

std::string FitHopsLine(const std::string& line,
                        const std::function<bool(const std::string&)>& fits) {
    std::string shown = line;
    bool dropped = false;
    while (!shown.empty() && !fits(shown)) {
        shown.pop_back();
        dropped = true;
    }
    if (dropped && !shown.empty() && shown.back() != '-')
        shown.pop_back();
    return shown;
}

std::vector<std::string> HopsReportLines(const HopsList& list, const HeaderLines& headerLines,
                                         bool isPolar, const std::string& caption,
                                         const std::string& columnHeader,
                                         const std::string& footer) {
    std::vector<std::string> lines;
    lines.emplace_back();
    lines.push_back(Centered(caption, kReportWidth));
    lines.emplace_back();
    lines.push_back(ToValidUtf8(headerLines[0]));
    lines.push_back(ToValidUtf8(headerLines[1]));
    lines.push_back(PolarHeaderLine(ToValidUtf8(headerLines[2]), isPolar));
    lines.emplace_back();
    lines.push_back(columnHeader);
    lines.insert(lines.end(), list.lines.begin(), list.lines.end());
    if (list.enabled) {
        lines.emplace_back();
        lines.push_back(footer);
    }
    return lines;
}

std::vector<std::vector<std::string>> HopsPages(const std::vector<std::string>& reportLines,
                                                std::size_t columnHeaderIndex,
                                                std::size_t linesPerPage) {
    linesPerPage = std::max<std::size_t>(linesPerPage, 3);
    const std::string header =
        columnHeaderIndex < reportLines.size() ? reportLines[columnHeaderIndex] : std::string();
    std::vector<std::vector<std::string>> pages(1);
    for (const std::string& line : reportLines) {
        if (pages.back().size() >= linesPerPage)
            pages.push_back({std::string(), Utf8Left(header, kReportWidth)});
        pages.back().push_back(Utf8Left(line, kReportWidth));
    }
    return pages;
}

std::size_t HopsLinesPerPage(double pageHeight, double lineHeight) {
    if (!(lineHeight > 0.0) || !(pageHeight > 0.0))
        return 3;
    const double fit = std::floor(pageHeight / lineHeight) - 2.0;
    return static_cast<std::size_t>(std::max(3.0, fit));
}

HopsSource HopsSourceOf(const PredictionResult& result, PathKind kind, const TimeZoneState& zone) {
    HopsSource source;
    source.path = &result.Paths[static_cast<int>(kind)];
    source.frequencyCount = result.FrequencyCount;
    source.frequencyMHz = result.FrequencyMHz;
    source.utcOffsetDays = zone.UtcOffset;
    return source;
}

std::vector<std::string> HopsPathReportLines(const PredictionResult& result, PathKind kind,
                                             const Settings& settings, const TimeZoneState& zone,
                                             const std::string& dateText, HopsGrouping grouping) {
    const PathResult& path = result.Paths[static_cast<int>(kind)];
    const HopsRules rules = HopsRulesOf(settings);
    const HopsList list = BuildHopsList(HopsSourceOf(result, kind, zone), rules, grouping);
    return HopsReportLines(list, path.HeaderLines, path.Geometry.IsPolar,
                           HopsCaption(kind, dateText), HopsColumnHeader(zone.TimeZoneLabel),
                           HopsFooter(rules));
}
