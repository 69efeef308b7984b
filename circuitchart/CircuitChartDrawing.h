#pragma once

#include "circuitchart/CircuitChart.h"
#include "graphs/Drawing.h"

#include <optional>

// The circuit chart drawn: the title lines, the hours × frequencies grid coloured by
// circuit reliability, the operational MUF (and the classic MUF) over it, and a legend.
// The same drawing serves the window, the printer and the picture files.

/// Where the parts of a chart lie on a page of a given size (pixels, y down).
struct ChartLayout {
    double left = 0, top = 0, right = 0, bottom = 0; ///< the grid
    double cellWidth = 0, cellHeight = 0;
    int rows = 0;
    double legendLeft = 0; ///< the legend's column, right of the grid
    double fontPixels = 12;
    double lineHeight = 14;
    double titleTop = 0;
};

/// The layout of `chart` on a `width` × `height` page: a font of width/95 pixels
/// (between 9 and 40, smaller when the height is short), the title lines on top, the
/// legend in a column on the right, the grid in the rest.
ChartLayout LayoutCircuitChart(const CircuitChart& chart, double width, double height,
                               const TextMeasure& measure);

/// The colour of a circuit reliability of 0..100 %: light grey at 0 (and below), else
/// ReliabilityScaleColour.
Rgb ReliabilityColour(double percent);

/// The y (pixels) of a frequency on the grid's frequency axis: piecewise linear
/// through 0 MHz at the bottom and each row's frequency at the middle of its row, on
/// to the top edge half a row spacing above the last; clamped to the grid.
double ChartFrequencyY(const CircuitChart& chart, const ChartLayout& layout, double freqMHz);

/// The whole page: title, grid with the reliabilities written in the cells when they
/// fit, cells at or above the required reliability outlined, the MUF curves and the
/// legend. A chart with an error shows the error alone.
Drawing CircuitChartDrawing(const CircuitChart& chart, double width, double height,
                            const TextMeasure& measure);

/// The cell under (x, y): its hour column and frequency row, or none outside the grid.
struct ChartCellIndex {
    int column = 0;
    int row = 0;
    bool operator==(const ChartCellIndex&) const = default;
};
std::optional<ChartCellIndex> ChartCellAt(const ChartLayout& layout, double x, double y);
