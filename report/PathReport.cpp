#include "report/PathReport.h"

TableSource TableSourceOf(const PredictionResult& result, PathKind kind, const Settings& settings,
                          const TimeZoneState& zone) {
    TableSource source;
    source.path = &result.Paths[static_cast<int>(kind)];
    source.frequencyCount = result.FrequencyCount;
    source.frequencyMHz = result.FrequencyMHz;
    source.frequencyTexts = FrequencyTexts(settings);
    source.timeLabel = zone.TimeZoneLabel;
    source.utcOffsetDays = zone.UtcOffset;
    return source;
}

namespace {

std::vector<std::string> ReportLines(const PredictionResult& result, PathKind kind,
                                     const Settings& settings, const TimeZoneState& zone,
                                     const std::string& dateText, ReportStyle style,
                                     bool showSignalLevels) {
    const PathResult& path = result.Paths[static_cast<int>(kind)];
    const PredictionTable table = BuildPredictionTable(TableSourceOf(result, kind, settings, zone),
                                                       TableRulesOf(settings, showSignalLevels));
    return PredictionReportLines(table, path.HeaderLines, path.Geometry.IsPolar, kind, dateText,
                                 style);
}

} // namespace

std::vector<std::string> PathReportLines(const PredictionResult& result, PathKind kind,
                                         const Settings& settings, const TimeZoneState& zone,
                                         const std::string& dateText, ReportStyle style) {
    return ReportLines(result, kind, settings, zone, dateText, style, !settings.ShowSnr);
}

std::string SavedReportText(const PredictionResult& result, PathKind kind, const Settings& settings,
                            const TimeZoneState& zone, const std::string& dateText,
                            bool showSignalLevels, const std::string& solarSource) {
    std::vector<std::string> lines = ReportLines(result, kind, settings, zone, dateText,
                                                 ReportStyle::ResultsWindow, showSignalLevels);
    AddSolarSourceLines(lines, solarSource);
    return JoinReportLines(lines);
}
