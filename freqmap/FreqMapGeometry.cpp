#include "freqmap/FreqMapGeometry.h"

#include <algorithm>

#include "core/Numeric.h"

namespace {

int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

int OddBelow(int n) {
    return n % 2 == 0 ? n - 1 : n;
}

} // namespace

int FreqMapDisplayGeometry::RowY(double row) const {
    return Round((row + rowOffset) * lineUnit);
}

FreqMapDisplayGeometry ComputeFreqMapDisplayGeometry(const FreqMapScreen& s) {
    FreqMapDisplayGeometry g;
    const int usable = std::max(s.clientHeight - s.statusBarHeight, 1);
    g.lineUnit = std::max(static_cast<int>(usable * 0.034833131881720617), 1);
    g.rowOffset = 10.0 / g.lineUnit;
    // The window's share (not the screen's), so the map follows the window's size; twice
    // as wide as high inside its one-pixel frame, as the world is in this projection.
    int width = std::max(OddBelow(Round(s.clientWidth * 625.0 / 1024.0)), 1);
    int height = std::max(OddBelow(Round(0.85 * usable)), 1);
    if (width - 2 > 2 * (height - 2))
        width = std::max(OddBelow(2 * (height - 2) + 2), 1);
    else
        height = std::max(OddBelow((width - 2) / 2 + 2), 1);
    const int top = Round(80 * 0.001451378809869376 * usable);
    const int left = s.clientWidth - width;
    g.map = {left, top, left + width, top + height};
    return g;
}

PanelMargins FreqMapPanelMargins(int a, int b) {
    PanelMargins m;
    m.boxWidth = (b - a) / 7;
    m.gap = Round((b - a - 5 * m.boxWidth) * 0.2);
    m.left = a + m.gap / 2;
    m.right = b - m.gap / 2;
    return m;
}

std::vector<LegendBox> FreqMapLegendBoxes(const FreqMapDisplayGeometry& g, int a, int b,
                                          int classCount, bool oneClassSelected) {
    const PanelMargins m = FreqMapPanelMargins(a, b);
    // On a wide screen the panel's seventh would make the first row's boxes run into
    // the second row: a box is never taller than 2.5 lines.
    const int w = std::min(m.boxWidth, static_cast<int>(2.5 * g.lineUnit));
    const int firstRow = (classCount + 1) / 2;
    std::vector<LegendBox> boxes;
    for (int row = 0; row < 2; ++row) {
        const int from = row == 0 ? 1 : firstRow + 1;
        const int to = row == 0 ? firstRow : classCount;
        const int count = to - from + 1;
        if (count <= 0)
            continue;
        const int rowWidth = count * w + (count - 1) * m.gap;
        const int left = a + (b - a - rowWidth) / 2;
        const int top = g.RowY(row == 0 ? 13.05 : 16.5);
        for (int k = from; k <= to; ++k) {
            if (k == classCount && oneClassSelected)
                continue;
            const int x = left + (k - from) * (w + m.gap);
            boxes.push_back({k, {x, top, x + w, top + w}, x + w / 2, top + w + g.lineUnit / 10});
        }
    }
    return boxes;
}

int FreqMapLegendHit(const std::vector<LegendBox>& boxes, int classCount, int x, int y) {
    for (const LegendBox& box : boxes)
        if (box.klass < classCount && box.box.Contains(x, y))
            return box.klass;
    return 0;
}
