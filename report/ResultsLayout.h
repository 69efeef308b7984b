#pragma once

// The arithmetic of laying out the results table and the printed report: font sizes
// that fit 101 columns, the table's column widths and how many rows it shows. The
// windows measure text with their fonts and hand the measurements in.

#include <functional>
#include <vector>

/// The point size of the printed report's fixed-pitch font: 120 / (101 characters per
/// printable inch) truncated, at least 1 (8 in printable → 9 points). A width ≤ 0 (or
/// NaN) gives 1.
int ReportFontPoints(double printableWidthInches);

/// The largest point size, from `startPoints` down in steps of 0.5 to no less than 4,
/// at which `lineWidthAt(points)` (pixels) is at most `availablePx`; 4 (or
/// `startPoints` when that is smaller) when none fits.
double LargestFittingPoints(double startPoints, int availablePx,
                            const std::function<int(double points)>& lineWidthAt);

/// The twelve column widths of the results table, in pixels: the time and MUF columns
/// as measured, and the rest of `totalPx` shared by the ten frequency columns, the
/// pixels left over going one each to the last columns. A table narrower than the
/// first two columns gives the frequency columns 0.
std::vector<int> ResultsColumnWidths(int totalPx, int timePx, int mufPx);

/// The rows a table of `viewportPx` shows at once with rows `rowPx` high (at least 1):
/// a last row missing at most a quarter of its height still counts as seen.
int VisibleRowCount(int viewportPx, int rowPx);
