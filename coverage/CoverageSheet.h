#pragma once

#include <string>
#include <vector>

#include "coverage/CoverageRender.h"
#include "maps/PixelBuffer.h"

// A coverage picture to keep: the title over the map and the legend under it, on white.
// The command line's PNG files are drawn here.

/// The white margin around the sheet's parts, pixels.
inline constexpr int kCoverageSheetMargin = 6;

/// The title rows of a kept picture: CoverageTitle (station, frequency, solar index and
/// K), then "<date>  <HHMM> UTC  colour by reliability" (or "S/N").
std::vector<std::string> CoverageSheetTitle(const CoverageMap& map, const std::string& dateText,
                                            const std::string& utcText, CoverageShow show);

/// Where the parts of a sheet lie, pixels.
struct CoverageSheetLayout {
    int width = 0;
    int height = 0;
    int fontPixels = 11;
    int lineHeight = 0;
    std::vector<std::string> titleLines; ///< the title wrapped to the width
    PixelBox map;                        ///< where the map image goes
    std::vector<PixelBox> legendBoxes;   ///< one colour box per legend entry
};

/// The layout of a sheet around a map image of mapWidth × mapHeight: a margin, the
/// title rows (wrapped at spaces to the width), the map, then the legend entries in
/// rows as many as fit side by side. The sheet is the map's width plus the margins,
/// wider only when a legend entry is wider than the map. The font grows with the map: its width /
/// 60, from 11 to 20 pixels. `measure` gives a text's width in pixels at that size.
CoverageSheetLayout LayOutCoverageSheet(int mapWidth, int mapHeight,
                                        const std::vector<std::string>& title,
                                        const std::vector<LegendEntry>& legend,
                                        PixelBuffer& measure);

/// The sheet: white, the title in black, `mapImage` 1:1, the legend's boxes (outlined
/// in black, the night row's right half at NightColour) with their texts.
PixelBuffer DrawCoverageSheet(const PixelBuffer& mapImage, const std::vector<std::string>& title,
                              CoverageShow show);
