#include "coverage/CoverageGrid.h"

#include <algorithm>
#include <cmath>

CoverageGrid MakeCoverageGrid(int cellDeg) {
    CoverageGrid grid;
    grid.cellDeg = std::clamp(cellDeg, kMinCellDeg, kMaxCellDeg);
    grid.rows = (180 + grid.cellDeg - 1) / grid.cellDeg;
    grid.cols = (360 + grid.cellDeg - 1) / grid.cellDeg;
    return grid;
}

double CellCentreLat(const CoverageGrid& grid, int row) {
    const double top = 90.0 - row * grid.cellDeg;
    const double bottom = std::max(-90.0, top - grid.cellDeg);
    return (top + bottom) / 2.0;
}

double CellCentreLon(const CoverageGrid& grid, int col) {
    // East of 180° W by `west`..`east` degrees; west-positive longitude is 180 − that.
    const double west = static_cast<double>(col) * grid.cellDeg;
    const double east = std::min(360.0, west + grid.cellDeg);
    return 180.0 - (west + east) / 2.0;
}

int CellRowAt(const CoverageGrid& grid, double latDeg) {
    const int row = static_cast<int>(std::floor((90.0 - latDeg) / grid.cellDeg));
    return std::clamp(row, 0, grid.rows - 1);
}

int CellColAt(const CoverageGrid& grid, double lonDeg) {
    double east = std::fmod(180.0 - lonDeg, 360.0);
    if (east < 0.0)
        east += 360.0;
    const int col = static_cast<int>(std::floor(east / grid.cellDeg));
    return std::clamp(col, 0, grid.cols - 1);
}

int CellAt(const CoverageGrid& grid, double latDeg, double lonDeg) {
    return CellRowAt(grid, latDeg) * grid.cols + CellColAt(grid, lonDeg);
}

CellEdges CellEdgesOf(const CoverageGrid& grid, int cell) {
    const int row = cell / grid.cols;
    const int col = cell % grid.cols;
    CellEdges edges;
    edges.north = 90.0 - row * grid.cellDeg;
    edges.south = std::max(-90.0, edges.north - grid.cellDeg);
    const double fromWest = static_cast<double>(col) * grid.cellDeg;
    edges.west = 180.0 - fromWest;
    edges.east = 180.0 - std::min(360.0, fromWest + grid.cellDeg);
    return edges;
}
