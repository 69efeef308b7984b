#include "freqmap/FreqMapCells.h"

#include <algorithm>
#include <cmath>

#include "core/Constants.h"
#include "core/Numeric.h"

int FreqMapBandCount(FreqMapResolution resolution) {
    return resolution == FreqMapResolution::High ? 37 : 9;
}

int FreqMapCellsInBand(double latDeg, double dLatDeg) {
    int cells = static_cast<int>(360.0 / (2.0 * dLatDeg / std::cos(latDeg * kRadPerDeg)));
    cells = std::max(cells, 3);
    return cells % 2 == 0 ? cells + 1 : cells;
}

std::vector<FreqMapCell> FreqMapLayout(FreqMapResolution resolution, PixelRect area,
                                       double centreLonDeg) {
    const int rows = FreqMapBandCount(resolution);
    const double dLat = 180.0 / rows;
    const int width = std::max(area.right - area.left, 0);
    const int height = std::max(area.bottom - area.top, 0);
    std::vector<FreqMapCell> cells;
    for (int r = 1; r <= rows; ++r) {
        const int top = area.top + static_cast<int>(RoundHalfEven((r - 1) * double(height) / rows));
        const int bottom = area.top + static_cast<int>(RoundHalfEven(r * double(height) / rows));
        const double lat = dLat * (rows / 2 - r + 1);
        const int j = FreqMapCellsInBand(lat, dLat);
        for (int c = 1; c <= j; ++c) {
            FreqMapCell cell;
            cell.band = r;
            cell.index = c;
            cell.rect = {area.left + static_cast<int>(RoundHalfEven(double(width) * (c - 1) / j)),
                         top, area.left + static_cast<int>(RoundHalfEven(double(width) * c / j)),
                         bottom};
            cell.centreLatDeg = lat;
            cell.centreLonDeg = (360.0 / j) * (j / 2 - c + 1) + centreLonDeg;
            cells.push_back(cell);
        }
    }
    return cells;
}

std::optional<int> FindFreqMapCell(const std::vector<FreqMapCell>& cells, int x, int y) {
    for (std::size_t n = 0; n < cells.size(); ++n)
        if (cells[n].rect.Contains(x, y))
            return static_cast<int>(n);
    return std::nullopt;
}

double ReducedLongitudeDeg(double lonDeg) {
    const double reduced = PositiveMod(360, lonDeg); // [0, 360)
    return reduced > 180.0 ? reduced - 360.0 : reduced;
}
