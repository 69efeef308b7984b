#include "report/PredictionReport.h"

#include "core/Utf8Text.h"
#include "text/TextColumns.h"

std::string PredictionCaption(PathKind kind, const std::string& dateText) {
    // Built as "Hopscope -Path Prediction for " with the path kind put before the "-".
    std::string caption = "Hopscope -Path Prediction for " + dateText;
    caption.insert(9, kind == PathKind::Short ? "Short" : "Long");
    return caption;
}

std::string PolarHeaderLine(const std::string& line, bool isPolar) {
    if (!isPolar)
        return line;
    constexpr std::size_t kPolarColumn = 41; // characters kept before the text
    std::string left = Utf8Left(line, kPolarColumn);
    left.append(kPolarColumn - Utf8Length(left), ' ');
    return left + kPolarPathText + Utf8From(line, kPolarColumn + 20);
}

namespace {

std::size_t FieldWidth(const PredictionTable& table) {
    return table.frequencyHeaders.size() == static_cast<std::size_t>(kMaxFrequencies) ? 9 : 10;
}

} // namespace

std::string ColumnHeaderLine(const PredictionTable& table) {
    std::string line = " " + table.timeLabel + "   MUF ";
    for (const std::string& header : table.frequencyHeaders)
        line += RightAligned(header, FieldWidth(table));
    return line;
}

std::string TableLine(const PredictionTable& table, int row) {
    std::string line = " " + table.times[row] + RightAligned(table.mufs[row], 5) + " ";
    for (const std::string& cell : table.cells[row])
        line += RightAligned(cell, FieldWidth(table));
    return line;
}

std::vector<std::string> PredictionReportLines(const PredictionTable& table,
                                               const HeaderLines& headerLines, bool isPolar,
                                               PathKind kind, const std::string& dateText,
                                               ReportStyle style) {
    std::vector<std::string> lines;
    lines.emplace_back();
    lines.push_back(Centered(PredictionCaption(kind, ToValidUtf8(dateText)), kReportWidth));
    lines.emplace_back();
    lines.push_back(headerLines[0]);
    lines.push_back(headerLines[1]);
    lines.push_back(PolarHeaderLine(headerLines[2], isPolar));
    lines.emplace_back();
    lines.push_back(Centered(table.title, kReportWidth));
    lines.push_back(ColumnHeaderLine(table));
    for (int row = 0; row < kHalfHours; ++row)
        lines.push_back(TableLine(table, row));
    lines.emplace_back();
    for (const std::string& footer : table.footer)
        lines.push_back(footer);
    if (style != ReportStyle::ResultsWindow && !table.anyCellFilled)
        lines.emplace_back();
    if (style == ReportStyle::BatchFile)
        lines.push_back(std::string(kReportWidth, '-'));
    return lines;
}

std::vector<std::string> SolarSourceLines(const std::string& source) {
    std::vector<std::string> lines;
    if (source.empty())
        return lines;
    const std::string lead = " Solar data: ";
    const std::string indent(lead.size(), ' ');
    std::string line = lead;
    bool lineHasWord = false;
    std::size_t at = 0;
    while (at < source.size()) {
        const std::size_t start = source.find_first_not_of(' ', at);
        if (start == std::string::npos)
            break;
        std::size_t end = source.find(' ', start);
        if (end == std::string::npos)
            end = source.size();
        const std::string word = source.substr(start, end - start);
        if (lineHasWord && Utf8Length(line) + 1 + Utf8Length(word) > kReportWidth) {
            lines.push_back(line);
            line = indent;
            lineHasWord = false;
        }
        line += (lineHasWord ? " " : "") + word;
        lineHasWord = true;
        at = end;
    }
    lines.push_back(line);
    return lines;
}

void AddSolarSourceLines(std::vector<std::string>& lines, const std::string& source) {
    // The header lines are lines 3 to 5: an empty line, the caption and an empty line
    // come first.
    constexpr std::ptrdiff_t kBelowHeaderLines = 6;
    if (source.empty() || lines.size() < static_cast<std::size_t>(kBelowHeaderLines))
        return;
    const std::vector<std::string> more = SolarSourceLines(source);
    lines.insert(lines.begin() + kBelowHeaderLines, more.begin(), more.end());
}

std::string JoinReportLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}
