#pragma once

#include <functional>
#include <string>
#include <vector>

#include "maps/PixelBuffer.h"

// A map picture to keep: the title rows over the map image and a legend under it, on
// white. The command line's map pictures are drawn on such a sheet.

/// The white margin around the sheet's parts, pixels.
inline constexpr int kMapSheetMargin = 6;

/// Where the parts of a sheet lie, pixels.
struct MapSheetLayout {
    int width = 0;
    int height = 0;
    int fontPixels = 11;
    int lineHeight = 0;
    std::vector<std::string> titleLines; ///< the title wrapped to the width
    PixelBox map;                        ///< where the map image goes
    std::vector<PixelBox> legendBoxes;   ///< one box per legend entry
};

/// The layout of a sheet around a map image of mapWidth × mapHeight: a margin, the
/// title rows (wrapped at spaces to the width), the map, then the legend entries (a
/// box and its text) in rows as many as fit side by side. The sheet is the map's width
/// plus the margins, wider only when a legend entry is wider than the map. The font
/// grows with the map: its width / 60, from 11 to 20 pixels. `measure` gives a text's
/// width in pixels at that size.
MapSheetLayout LayOutMapSheet(int mapWidth, int mapHeight, const std::vector<std::string>& title,
                              const std::vector<std::string>& legendTexts, PixelBuffer& measure);

/// Fills the inside of legend box `index` (its black outline already drawn).
using LegendBoxPainter =
    std::function<void(PixelBuffer& sheet, PixelBox inside, std::size_t index)>;

/// The sheet: white, the title in black, `mapImage` 1:1, each legend box outlined in
/// black and filled by `paintBox`, with its text beside it.
PixelBuffer DrawMapSheet(const PixelBuffer& mapImage, const std::vector<std::string>& title,
                         const std::vector<std::string>& legendTexts,
                         const LegendBoxPainter& paintBox);
