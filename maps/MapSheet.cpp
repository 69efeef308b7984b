#include "maps/MapSheet.h"

#include <algorithm>

namespace {

constexpr int kMargin = kMapSheetMargin;

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

MapSheetLayout LayOutMapSheet(int mapWidth, int mapHeight, const std::vector<std::string>& title,
                              const std::vector<std::string>& legendTexts, PixelBuffer& measure) {
    MapSheetLayout layout;
    layout.fontPixels = std::clamp(mapWidth / 60, 11, 20);
    measure.SetFontPixelSize(layout.fontPixels);
    layout.lineHeight = measure.MeasureText("Ag").height + 2;
    // As wide as the map, or as the widest legend entry when the map is narrower.
    const int box = layout.lineHeight - 4;
    int widest = mapWidth;
    for (const std::string& text : legendTexts)
        widest = std::max(widest, box + 4 + measure.MeasureText(text).width);
    layout.width = widest + 2 * kMargin;
    for (const std::string& row : title)
        for (std::string& line : Wrap(row, widest, measure))
            layout.titleLines.push_back(std::move(line));
    int y = kMargin + layout.lineHeight * static_cast<int>(layout.titleLines.size()) + kMargin / 2;
    layout.map = {kMargin, y, kMargin + mapWidth, y + mapHeight};
    y += mapHeight + kMargin;
    int x = kMargin;
    for (const std::string& text : legendTexts) {
        const int entryWidth = box + 4 + measure.MeasureText(text).width + 2 * kMargin;
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

PixelBuffer DrawMapSheet(const PixelBuffer& mapImage, const std::vector<std::string>& title,
                         const std::vector<std::string>& legendTexts,
                         const LegendBoxPainter& paintBox) {
    PixelBuffer measure(1, 1);
    const MapSheetLayout layout =
        LayOutMapSheet(mapImage.Width(), mapImage.Height(), title, legendTexts, measure);
    PixelBuffer sheet(layout.width, layout.height);
    sheet.Fill(kWhite);
    sheet.SetFontPixelSize(layout.fontPixels);
    for (std::size_t i = 0; i < layout.titleLines.size(); ++i)
        sheet.DrawText(kMargin, kMargin + layout.lineHeight * static_cast<int>(i),
                       layout.titleLines[i], kBlack, kWhite);
    sheet.CopyFrom(mapImage, layout.map);
    for (std::size_t i = 0; i < legendTexts.size(); ++i) {
        const PixelBox b = layout.legendBoxes[i];
        sheet.FillBox(b, kBlack);
        paintBox(sheet, {b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, i);
        sheet.DrawText(b.right + 4, b.top - 2, legendTexts[i], kBlack, kWhite);
    }
    return sheet;
}
