#pragma once

#include <optional>
#include <vector>

// The frequency map divides the world into bands of latitude and each band into cells
// of roughly equal area; every cell is one great-circle path from the station to its
// centre. Latitudes north positive, longitudes WEST positive, degrees.

/// The two grids of the frequency map: 9 bands (57 cells) or 37 bands (877 cells).
enum class FreqMapResolution { Low, High };

/// Bands of latitude of a resolution: 9 (low) or 37 (high).
int FreqMapBandCount(FreqMapResolution resolution);

/// Cells of a band centred on latitude latDeg for bands dLatDeg degrees high:
/// max(Trunc(180·cos φ / dφ), 3), raised to the next odd number, so that one cell is
/// centred on the map's central meridian.
int FreqMapCellsInBand(double latDeg, double dLatDeg);

/// A rectangle of pixels; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PixelRect&) const = default;
};

/// One cell of the grid.
struct FreqMapCell {
    int band = 1;  ///< 1..bands, north to south
    int index = 1; ///< 1..cells of the band, west to east
    PixelRect rect;
    double centreLatDeg = 0.0; ///< never ±90; the middle band is centred on the equator
    double centreLonDeg = 0.0; ///< west positive, the central meridian plus an offset (not reduced)
};

/// Every cell of the grid over the pixel area `area` (the map without its frame),
/// band by band from the north, cell by cell from the west. Band r covers the rows
/// round((r − 1)·H/rows) .. round(r·H/rows) − 1 and cell c of j the columns
/// round(W·(c − 1)/j) .. round(W·c/j) − 1 (counted from the area's corner, halves to
/// even), so the cells tile the area without gap or overlap. Centre of cell (r, c):
/// latitude (180/rows)·(rows div 2 − r + 1), longitude (360/j)·(j div 2 − c + 1) +
/// centreLonDeg. An empty area still gives every cell (with empty rectangles).
std::vector<FreqMapCell> FreqMapLayout(FreqMapResolution resolution, PixelRect area,
                                       double centreLonDeg);

/// The position in `cells` of the first cell whose rectangle holds pixel (x, y), in the
/// frame the layout was made in; nullopt outside every cell.
std::optional<int> FindFreqMapCell(const std::vector<FreqMapCell>& cells, int x, int y);

/// A west-positive longitude as the command line writes it: reduced into (−180, 180].
double ReducedLongitudeDeg(double lonDeg);
