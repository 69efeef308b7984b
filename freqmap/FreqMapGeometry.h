#pragma once

#include <vector>

#include "freqmap/FreqMapCells.h"

// Where the parts of the frequency map's display go, in pixels of the window's client
// area, from the screen and window sizes. Rows of text are counted in line units.

/// The sizes the display is laid out for.
struct FreqMapScreen {
    int screenWidth = 1024;
    int screenHeight = 768;
    int clientWidth = 1024;
    int clientHeight = 768;
    int statusBarHeight = 20;
};

/// The display's fixed geometry.
struct FreqMapDisplayGeometry {
    int lineUnit = 1;       ///< Trunc((client height − status bar) × 0.0348331…), at least 1
    double rowOffset = 0.0; ///< 10 / lineUnit: rows start 10 pixels down
    PixelRect map;          ///< the map image: odd width and height, right-aligned
    /// The y of text row `row` (a real): round((row + rowOffset) × lineUnit).
    int RowY(double row) const;
};

/// The map image fits in round(client width × 625/1024) by round(0.85 × (client
/// height − status bar)), each less 1 when even, with its area inside the one-pixel
/// frame twice as wide as high (the smaller side kept, odd), right-aligned, top at
/// round(80 × 0.0014513788 × (client height − status bar)).
FreqMapDisplayGeometry ComputeFreqMapDisplayGeometry(const FreqMapScreen& screen);

/// The margins of the info panel between its content edges a and b: box width
/// w = (b − a)/7, gap d = round((b − a − 5w) × 0.2), text from a + d/2 to b − d/2.
struct PanelMargins {
    int boxWidth = 0;
    int gap = 0;
    int left = 0;
    int right = 0;
};
PanelMargins FreqMapPanelMargins(int a, int b);

/// One legend box with the place of its label.
struct LegendBox {
    int klass = 1; ///< 1..classCount
    PixelRect box; ///< w × w
    int labelCentreX = 0;
    int labelTop = 0; ///< lineUnit/10 below the box
};

/// The legend boxes for classes 1..classCount (the last left out while one class is
/// selected): the first ⌈classCount/2⌉ on the row at line 13.05, the others at line
/// 16.5, w + d apart and each row centred between a and b; w is at most 2.5 line
/// units, so that the first row and its labels stay clear of the second row.
std::vector<LegendBox> FreqMapLegendBoxes(const FreqMapDisplayGeometry& geometry, int a, int b,
                                          int classCount, bool oneClassSelected);

/// The class of the legend box holding (x, y) that can be selected alone (the last,
/// no-listed-frequency box cannot), or 0.
int FreqMapLegendHit(const std::vector<LegendBox>& boxes, int classCount, int x, int y);
