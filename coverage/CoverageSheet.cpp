#include "coverage/CoverageSheet.h"

#include "coverage/CoverageTexts.h"

#include <algorithm>

std::vector<std::string> CoverageSheetTitle(const CoverageMap& map, const std::string& dateText,
                                            const std::string& utcText, CoverageShow show) {
    return {CoverageTitle(map),
            dateText + "   " + utcText + " UTC   colour by " +
                (show == CoverageShow::Snr ? std::string("S/N") : std::string("reliability"))};
}

namespace {

std::vector<std::string> LegendTexts(const std::vector<LegendEntry>& legend) {
    std::vector<std::string> texts;
    for (const LegendEntry& entry : legend)
        texts.push_back(entry.text);
    return texts;
}

} // namespace

CoverageSheetLayout LayOutCoverageSheet(int mapWidth, int mapHeight,
                                        const std::vector<std::string>& title,
                                        const std::vector<LegendEntry>& legend,
                                        PixelBuffer& measure) {
    return LayOutMapSheet(mapWidth, mapHeight, title, LegendTexts(legend), measure);
}

PixelBuffer DrawCoverageSheet(const PixelBuffer& mapImage, const std::vector<std::string>& title,
                              CoverageShow show) {
    const std::vector<LegendEntry> legend = CoverageLegend(show);
    return DrawMapSheet(mapImage, title, LegendTexts(legend),
                        [&legend](PixelBuffer& sheet, PixelBox inside, std::size_t i) {
                            const Rgb day = LegendBoxColour(legend[i]);
                            sheet.FillBox(inside, day);
                            if (legend[i].night)
                                sheet.FillBox({(inside.left + inside.right) / 2, inside.top,
                                               inside.right, inside.bottom},
                                              NightColour(day));
                        });
}
