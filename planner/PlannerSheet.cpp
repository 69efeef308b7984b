#include "planner/PlannerSheet.h"

#include "core/Numeric.h"

#include <algorithm>
#include <cstdio>

std::vector<HourMark> HourRulerMarks(double widthPx, double labelWidthPx) {
    int step = 24;
    for (const int s : {1, 2, 3, 6, 12}) {
        if (widthPx * s / 24.0 >= 1.5 * labelWidthPx) {
            step = s;
            break;
        }
    }
    // The strip's end is the next day's 00: marked, never labelled.
    std::vector<HourMark> marks;
    for (int hour = 0; hour <= 24; ++hour)
        marks.push_back({hour, hour * widthPx / 24.0, hour % step == 0 && hour < 24});
    return marks;
}

std::string PlannerSummaryText(int shownRows, int allRows, const std::string& zoneLabel,
                               bool cancelled, const std::vector<PlannerSkip>& skipped) {
    std::string text = shownRows == allRows ? std::to_string(allRows) + " rows"
                                            : std::to_string(shownRows) + " of " +
                                                  std::to_string(allRows) + " rows shown";
    text += "; strips 0000 to 2400 " + zoneLabel + ", the red line is now";
    if (cancelled)
        text += " (cancelled)";
    if (!skipped.empty()) {
        text += "; no path to";
        for (const PlannerSkip& skip : skipped)
            text += " " + skip.place.Prefix;
    }
    return text;
}

std::string WithCsvExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    // A leading dot (".plan") names a hidden file, not an extension.
    if (dot != std::string::npos && dot > nameStart && dot + 1 < path.size())
        return path;
    if (nameStart >= path.size())
        return path;
    return (dot == path.size() - 1 ? path.substr(0, dot) : path) + ".csv";
}

bool OpenAt(const PlannerRow& row, int utcSlot) {
    if (utcSlot < 0 || utcSlot >= kHalfHours)
        return false;
    return std::any_of(row.bands.begin(), row.bands.end(),
                       [&](const PlannerBand& band) { return band.open[utcSlot]; });
}

int PlannerPageCount(int rows) {
    return std::max(1, (rows + kPlannerRowsPerPage - 1) / kPlannerRowsPerPage);
}

std::vector<std::string> PlannerPrintHeader(const PlannerSetup& setup, const std::string& dateText,
                                            int page, int pages) {
    const Terminal& a = setup.inputs.terminalA;
    std::string station = "Hopscope Planner from ";
    const bool realPrefix = !a.Prefix.empty() && a.Prefix != "DEFAULT" && a.Prefix != "<Ins>";
    station += a.Name.empty() ? a.Prefix : realPrefix ? a.Name + " (" + a.Prefix + ")" : a.Name;
    // The coordinates as the user gave them (the window hands over the terminal's texts).
    station += "  " + a.LatitudeText + " " + a.LongitudeText;
    const bool both = setup.kinds.size() > 1;
    const std::string paths = both                                    ? "both paths"
                              : setup.kinds.front() == PathKind::Long ? "long path"
                                                                      : "short path";
    const std::string k = setup.inputs.kIndexText.empty() || setup.inputs.kIndexText == "-1"
                              ? std::string("average")
                              : setup.inputs.kIndexText;
    const std::string conditions =
        dateText + "   solar index " + setup.inputs.solarIndexText + "   K index " + k + "   " +
        paths + "   open at reliability " + FormatFixed(setup.threshold, 0, 2) +
        " or more   strips 0000 to 2400 " + setup.inputs.zone.TimeZoneLabel;
    return {station, conditions, "Page " + std::to_string(page) + " of " + std::to_string(pages)};
}
