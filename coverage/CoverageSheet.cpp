#include "coverage/CoverageSheet.h"

#include "coverage/CoverageTexts.h"

#include <algorithm>

namespace {

constexpr int kMargin = kCoverageSheetMargin;

// Words of `text` joined into lines no wider than `width`, breaking only where there are
// spaces (runs of spaces stay inside a line and vanish at a break); a word wider than
// the width stands alone on its line.
std::vector<std::string> Wrap(const std::string& text, int width, PixelBuffer& measure) {
    std::vector<std::string> lines;
    std::string line;
    std::string gap;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', at);
        if (start == std::string::npos)
            break;
        gap.assign(start - at, ' ');
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && measure.MeasureText(line + gap + word).width > width) {
            lines.push_back(line);
            line = word;
        } else {
            line += (line.empty() ? std::string() : gap) + word;
        }
        at = end;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

std::vector<std::string> CoverageSheetTitle(const CoverageMap& map, const std::string& dateText,
                                            const std::string& utcText, CoverageShow show) {
    return {CoverageTitle(map),
            dateText + "   " + utcText + " UTC   colour by " +
                (show == CoverageShow::Snr ? std::string("S/N") : std::string("reliability"))};
}

CoverageSheetLayout LayOutCoverageSheet(int mapWidth, int mapHeight,
                                        const std::vector<std::string>& title,
                                        const std::vector<LegendEntry>& legend,
                                        PixelBuffer& measure) {
    CoverageSheetLayout layout;
    layout.fontPixels = std::clamp(mapWidth / 60, 11, 20);
    measure.SetFontPixelSize(layout.fontPixels);
    layout.lineHeight = measure.MeasureText("Ag").height + 2;
    // As wide as the map, or as the widest legend entry when the map is narrower.
    const int box = layout.lineHeight - 4;
    int widest = mapWidth;
    for (const LegendEntry& entry : legend)
        widest = std::max(widest, box + 4 + measure.MeasureText(entry.text).width);
    layout.width = widest + 2 * kMargin;
    for (const std::string& row : title)
        for (std::string& line : Wrap(row, widest, measure))
            layout.titleLines.push_back(std::move(line));
    int y = kMargin + layout.lineHeight * static_cast<int>(layout.titleLines.size()) + kMargin / 2;
    layout.map = {kMargin, y, kMargin + mapWidth, y + mapHeight};
    y += mapHeight + kMargin;
    int x = kMargin;
    for (const LegendEntry& entry : legend) {
        const int entryWidth = box + 4 + measure.MeasureText(entry.text).width + 2 * kMargin;
        if (x > kMargin && x + entryWidth > kMargin + widest + 2 * kMargin) {
            x = kMargin;
            y += layout.lineHeight;
        }
        layout.legendBoxes.push_back({x, y + 2, x + box, y + 2 + box});
        x += entryWidth;
    }
    layout.height = y + layout.lineHeight + kMargin;
    return layout;
}

PixelBuffer DrawCoverageSheet(const PixelBuffer& mapImage, const std::vector<std::string>& title,
                              CoverageShow show) {
    const std::vector<LegendEntry> legend = CoverageLegend(show);
    PixelBuffer measure(1, 1);
    const CoverageSheetLayout layout =
        LayOutCoverageSheet(mapImage.Width(), mapImage.Height(), title, legend, measure);
    PixelBuffer sheet(layout.width, layout.height);
    sheet.Fill(kWhite);
    sheet.SetFontPixelSize(layout.fontPixels);
    for (std::size_t i = 0; i < layout.titleLines.size(); ++i)
        sheet.DrawText(kMargin, kMargin + layout.lineHeight * static_cast<int>(i),
                       layout.titleLines[i], kBlack, kWhite);
    sheet.CopyFrom(mapImage, layout.map);
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const PixelBox b = layout.legendBoxes[i];
        sheet.FillBox(b, kBlack);
        const Rgb day = LegendBoxColour(legend[i]);
        const PixelBox inside{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1};
        sheet.FillBox(inside, day);
        if (legend[i].night)
            sheet.FillBox(
                {(inside.left + inside.right) / 2, inside.top, inside.right, inside.bottom},
                NightColour(day));
        sheet.DrawText(b.right + 4, b.top - 2, legend[i].text, kBlack, kWhite);
    }
    return sheet;
}
