#include "report/ResultsLayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFrequencyColumns = 10;
constexpr double kSmallestPoints = 4.0;
constexpr double kPointStep = 0.5;

} // namespace

int ReportFontPoints(double printableWidthInches) {
    if (!(printableWidthInches > 0.0))
        return 1;
    const double charactersPerInch = 101.0 / printableWidthInches;
    return std::max(1, static_cast<int>(std::trunc(120.0 / charactersPerInch)));
}

double LargestFittingPoints(double startPoints, int availablePx,
                            const std::function<int(double points)>& lineWidthAt) {
    double points = startPoints;
    while (points > kSmallestPoints && lineWidthAt(points) > availablePx)
        points -= kPointStep;
    return points;
}

std::vector<int> ResultsColumnWidths(int totalPx, int timePx, int mufPx) {
    const int rest = std::max(0, totalPx - timePx - mufPx);
    const int each = rest / kFrequencyColumns;
    const int leftOver = rest - kFrequencyColumns * each;
    std::vector<int> widths{timePx, mufPx};
    for (int c = 0; c < kFrequencyColumns; ++c)
        widths.push_back(each + (c >= kFrequencyColumns - leftOver ? 1 : 0));
    return widths;
}

int VisibleRowCount(int viewportPx, int rowPx) {
    const int row = std::max(1, rowPx);
    return std::max(1, (viewportPx + row / 4) / row);
}
