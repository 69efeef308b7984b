#pragma once

// The world grid of a coverage map: latitude/longitude cells of a whole number of
// degrees, row 0 at the north pole, column 0 starting at 180° W and running east.

/// The smallest and largest cell size, degrees, and the default.
inline constexpr int kMinCellDeg = 1;
inline constexpr int kMaxCellDeg = 10;
inline constexpr int kDefaultCellDeg = 2;

/// A grid of cells `cellDeg` degrees on a side. When the size does not divide 180 (or
/// 360) the last row (column) is the narrower rest, its centre the middle of that rest.
struct CoverageGrid {
    int cellDeg = kDefaultCellDeg; ///< 1..10
    int rows = 90;                 ///< ⌈180 / cellDeg⌉
    int cols = 180;                ///< ⌈360 / cellDeg⌉
    int CellCount() const { return rows * cols; }
};

/// The grid of cells `cellDeg` degrees (held to 1..10) on a side.
CoverageGrid MakeCoverageGrid(int cellDeg);

/// Latitude of the centre of row `row` (0 = northmost), degrees north; a multiple of 0.5.
double CellCentreLat(const CoverageGrid& grid, int row);

/// Longitude of the centre of column `col` (0 = westmost, from 180° W), degrees WEST
/// positive (−180..180); a multiple of 0.5.
double CellCentreLon(const CoverageGrid& grid, int col);

/// The row holding latitude `latDeg` (−90..90; 90 is row 0, −90 the last row).
int CellRowAt(const CoverageGrid& grid, double latDeg);

/// The column holding the west-positive longitude `lonDeg` (any value, taken modulo 360;
/// 180° W is column 0).
int CellColAt(const CoverageGrid& grid, double lonDeg);

/// The cell holding a place (latitude north, longitude west positive), row-major.
int CellAt(const CoverageGrid& grid, double latDeg, double lonDeg);

/// The edges of a cell: latitudes north and south, longitudes west positive with
/// `west` − `east` equal to the cell's width (`west` may be 180, never more).
struct CellEdges {
    double north = 0.0;
    double south = 0.0;
    double west = 0.0;
    double east = 0.0;
};
CellEdges CellEdgesOf(const CoverageGrid& grid, int cell);
