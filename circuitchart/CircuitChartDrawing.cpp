#include "circuitchart/CircuitChartDrawing.h"

#include "core/Numeric.h"
#include "core/ReliabilityScale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Rgb kOpMufColour{0, 0, 0};
constexpr Rgb kClassicMufColour{30, 80, 220};
constexpr Rgb kOpenOutline{20, 20, 20};
constexpr double kRowLabelGap = 0.6; // em between the row labels and the grid

// An outlined rectangle.
RectItem Outline(double x, double y, double w, double h, Rgb colour, double width = 1.0) {
    RectItem rect;
    rect.x = x;
    rect.y = y;
    rect.w = w;
    rect.h = h;
    rect.outlined = true;
    rect.outline = colour;
    rect.outlineWidth = width;
    return rect;
}

// A cell with no reliability at all.
constexpr Rgb kClosedGrey{225, 225, 225};

FontStyle Font(const ChartLayout& layout, bool bold = false, double scale = 1.0) {
    return {FontFace::Sans, bold, layout.fontPixels * scale};
}

std::string Percent(double value) {
    return FormatFixed(value, 0, 0);
}

// The widest text of the legend column, so the layout leaves it room.
double LegendWidth(const CircuitChart& chart, const FontStyle& font, const TextMeasure& measure) {
    double widest = measure.width("Circuit reliability", {font.face, true, font.pixelSize});
    for (const char* text :
         {"Operational MUF", "Classic MUF", "100 %", "Reliability", "at least required"})
        widest = std::max(widest, measure.width(text, font) + 3.0 * font.pixelSize);
    (void)chart;
    return widest + font.pixelSize;
}

void DrawTitle(Drawing& drawing, const CircuitChart& chart, const ChartLayout& layout,
               double width) {
    double y = layout.titleTop;
    for (std::size_t i = 0; i < chart.titleLines.size(); ++i) {
        const FontStyle font = i == 0 ? Font(layout, true, 1.2) : Font(layout);
        drawing.Text(width / 2, y, chart.titleLines[i], font, kBlack, HAlign::Centre, VAlign::Top);
        y += layout.lineHeight * (i == 0 ? 1.5 : 1.25);
    }
}

void DrawCells(Drawing& drawing, const CircuitChart& chart, const ChartLayout& layout,
               const TextMeasure& measure) {
    const FontStyle small = Font(layout, false, 0.85);
    const bool numbers = layout.cellWidth > measure.width("100", small) + 2.0 &&
                         layout.cellHeight > measure.height(small);
    for (int c = 0; c < kChartHours; ++c)
        for (int i = 0; i < layout.rows && i < static_cast<int>(chart.cells[c].size()); ++i) {
            const double r = chart.cells[c][i].reliabilityPercent;
            RectItem cell;
            cell.x = layout.left + c * layout.cellWidth;
            cell.y = layout.bottom - (i + 1) * layout.cellHeight;
            cell.w = layout.cellWidth;
            cell.h = layout.cellHeight;
            cell.filled = true;
            cell.fill = ReliabilityColour(r);
            cell.outlined = true;
            cell.outline = kWhite;
            drawing.items.emplace_back(cell);
            // Whole percent cut down, so that a cell short of the required reliability
            // never reads as reaching it.
            if (numbers && r >= 1.0)
                drawing.Text(cell.x + cell.w / 2, cell.y + cell.h / 2, Percent(std::floor(r)),
                             small, kBlack, HAlign::Centre, VAlign::Middle);
        }
    // The open cells outlined over their neighbours.
    const double pen = std::max(1.5, layout.fontPixels / 6);
    for (int c = 0; c < kChartHours; ++c)
        for (int i = 0; i < layout.rows && i < static_cast<int>(chart.cells[c].size()); ++i)
            if (chart.cells[c][i].reliabilityPercent >= chart.requiredReliabilityPercent) {
                drawing.items.emplace_back(
                    Outline(layout.left + c * layout.cellWidth + pen / 2,
                            layout.bottom - (i + 1) * layout.cellHeight + pen / 2,
                            layout.cellWidth - pen, layout.cellHeight - pen, kOpenOutline, pen));
            }
}

void DrawAxes(Drawing& drawing, const CircuitChart& chart, const ChartLayout& layout) {
    drawing.items.emplace_back(Outline(layout.left, layout.top, layout.right - layout.left,
                                       layout.bottom - layout.top, kBlack));
    const FontStyle font = Font(layout);
    for (int c = 0; c < kChartHours; c += 2) {
        const double x = layout.left + (c + 0.5) * layout.cellWidth;
        drawing.Line(x, layout.bottom, x, layout.bottom + layout.fontPixels * 0.3, kBlack);
        drawing.Text(x, layout.bottom + layout.fontPixels * 0.4,
                     (c < 10 ? "0" : "") + std::to_string(c), font, kBlack, HAlign::Centre,
                     VAlign::Top);
    }
    drawing.Text((layout.left + layout.right) / 2, layout.bottom + layout.lineHeight * 1.5,
                 "Hour (UTC)", font, kBlack, HAlign::Centre, VAlign::Top);
    const double labelX = layout.left - layout.fontPixels * kRowLabelGap;
    for (int i = 0; i < layout.rows; ++i)
        drawing.Text(labelX, layout.bottom - (i + 0.5) * layout.cellHeight, chart.rowLabels[i],
                     font, kBlack, HAlign::Right, VAlign::Middle);
    drawing.Text(labelX, layout.top - layout.lineHeight * 0.3, "MHz", Font(layout, true), kBlack,
                 HAlign::Right, VAlign::Baseline);
}

// One MUF curve: a polyline through its points, broken where there is no MUF, over a
// white line so that it stays visible on every colour.
void DrawCurve(Drawing& drawing, const std::vector<std::vector<Point>>& pieces, Rgb colour,
               double pen) {
    for (const std::vector<Point>& piece : pieces) {
        if (piece.size() < 2)
            continue;
        drawing.items.emplace_back(PolylineItem{piece, kWhite, pen * 2.5});
        drawing.items.emplace_back(PolylineItem{piece, colour, pen});
    }
}

template <std::size_t N>
std::vector<std::vector<Point>> CurvePieces(const CircuitChart& chart, const ChartLayout& layout,
                                            const std::array<double, N>& mufMHz,
                                            double hoursPerPoint) {
    std::vector<std::vector<Point>> pieces(1);
    for (std::size_t k = 0; k < N; ++k) {
        if (mufMHz[k] <= 0.0) {
            pieces.emplace_back();
            continue;
        }
        const double x = layout.left + (k * hoursPerPoint + 0.5) * layout.cellWidth;
        pieces.back().push_back({x, ChartFrequencyY(chart, layout, mufMHz[k])});
    }
    return pieces;
}

void DrawLegend(Drawing& drawing, const CircuitChart& chart, const ChartLayout& layout) {
    const double x = layout.legendLeft;
    const double em = layout.fontPixels;
    double y = layout.top;
    drawing.Text(x, y, "Circuit reliability", Font(layout, true), kBlack, HAlign::Left,
                 VAlign::Top);
    y += layout.lineHeight * 1.4;
    const double barWidth = 1.6 * em;
    const double barHeight = std::max(4.0 * em, (layout.bottom - layout.top) * 0.5);
    constexpr int kSteps = 50;
    for (int s = 0; s < kSteps; ++s) {
        RectItem band;
        band.x = x;
        band.w = barWidth;
        band.h = barHeight / kSteps + 0.5;
        band.y = y + barHeight - (s + 1) * barHeight / kSteps;
        band.filled = true;
        band.fill = ReliabilityColour((s + 0.5) * 100.0 / kSteps);
        drawing.items.emplace_back(band);
    }
    drawing.items.emplace_back(Outline(x, y, barWidth, barHeight, kBlack));
    for (int p = 0; p <= 100; p += 20) {
        const double ty = y + barHeight * (1.0 - p / 100.0);
        drawing.Line(x + barWidth, ty, x + barWidth + em * 0.4, ty, kBlack);
        drawing.Text(x + barWidth + em * 0.6, ty, std::to_string(p) + " %", Font(layout), kBlack,
                     HAlign::Left, VAlign::Middle);
    }
    y += barHeight + layout.lineHeight;
    RectItem open = Outline(x, y, barWidth, layout.lineHeight, kOpenOutline, std::max(1.5, em / 6));
    open.filled = true;
    open.fill = ReliabilityColour(chart.requiredReliabilityPercent);
    drawing.items.emplace_back(open);
    drawing.Text(x + barWidth + em * 0.6, y + layout.lineHeight / 2,
                 "at least " + Percent(chart.requiredReliabilityPercent) + " %", Font(layout),
                 kBlack, HAlign::Left, VAlign::Middle);
    y += layout.lineHeight * 2;
    const double pen = std::max(2.0, em / 6);
    const auto sample = [&](Rgb colour, const char* text) {
        drawing.Line(x, y, x + barWidth, y, colour, pen);
        drawing.Text(x + barWidth + em * 0.6, y, text, Font(layout), kBlack, HAlign::Left,
                     VAlign::Middle);
        y += layout.lineHeight * 1.4;
    };
    sample(kOpMufColour, "Operational MUF");
    if (chart.hasClassicMuf)
        sample(kClassicMufColour, "Classic MUF");
}

} // namespace

ChartLayout LayoutCircuitChart(const CircuitChart& chart, double width, double height,
                               const TextMeasure& measure) {
    ChartLayout layout;
    layout.fontPixels = std::clamp(std::min(width / 95.0, height / 45.0), 9.0, 40.0);
    const FontStyle font{FontFace::Sans, false, layout.fontPixels};
    layout.lineHeight = measure.height(font);
    const double em = layout.fontPixels;
    layout.titleTop = em;
    const double titleHeight = layout.lineHeight * (1.5 + 1.25 * 2);
    double labelWidth = measure.width("MHz", {FontFace::Sans, true, em});
    for (const std::string& label : chart.rowLabels)
        labelWidth = std::max(labelWidth, measure.width(label, font));
    layout.rows = static_cast<int>(chart.freqsMHz.size());
    layout.left = em + labelWidth + em * kRowLabelGap;
    layout.top = layout.titleTop + titleHeight + layout.lineHeight;
    layout.bottom = std::max(layout.top + 1.0, height - em - layout.lineHeight * 2.6);
    layout.legendLeft = width - em - LegendWidth(chart, font, measure);
    layout.right = std::max(layout.left + kChartHours, layout.legendLeft - 1.5 * em);
    layout.cellWidth = (layout.right - layout.left) / kChartHours;
    layout.cellHeight = (layout.bottom - layout.top) / std::max(1, layout.rows);
    return layout;
}

Rgb ReliabilityColour(double percent) {
    if (!(percent > 0.0))
        return kClosedGrey;
    const ScaleColour c = ReliabilityScaleColour(percent);
    return {c.r, c.g, c.b};
}

double ChartFrequencyY(const CircuitChart& chart, const ChartLayout& layout, double freqMHz) {
    const std::vector<double>& f = chart.freqsMHz;
    if (f.empty())
        return layout.bottom;
    std::vector<Point> anchors{{0.0, layout.bottom}}; // x: MHz, y: pixels
    for (std::size_t i = 0; i < f.size(); ++i)
        anchors.push_back({f[i], layout.bottom - (i + 0.5) * layout.cellHeight});
    const double step = f.size() > 1 ? f.back() - f[f.size() - 2] : f.back();
    anchors.push_back({f.back() + step / 2, layout.top});
    if (freqMHz <= 0.0)
        return layout.bottom;
    for (std::size_t k = 1; k < anchors.size(); ++k)
        if (freqMHz <= anchors[k].x) {
            const Point& a = anchors[k - 1];
            const Point& b = anchors[k];
            return a.y + (b.y - a.y) * (freqMHz - a.x) / (b.x - a.x);
        }
    return layout.top;
}

Drawing CircuitChartDrawing(const CircuitChart& chart, double width, double height,
                            const TextMeasure& measure) {
    Drawing drawing;
    drawing.width = width;
    drawing.height = height;
    const ChartLayout layout = LayoutCircuitChart(chart, width, height, measure);
    if (!chart.error.empty()) {
        drawing.Text(width / 2, height / 2, chart.error, {FontFace::Sans, true, layout.fontPixels},
                     kBlack, HAlign::Centre, VAlign::Middle);
        return drawing;
    }
    DrawTitle(drawing, chart, layout, width);
    DrawCells(drawing, chart, layout, measure);
    DrawAxes(drawing, chart, layout);
    const double pen = std::max(2.0, layout.fontPixels / 6);
    if (chart.hasClassicMuf)
        DrawCurve(drawing, CurvePieces(chart, layout, chart.classicMufMHz, 0.5), kClassicMufColour,
                  pen);
    DrawCurve(drawing, CurvePieces(chart, layout, chart.opMufMHz, 1.0), kOpMufColour, pen);
    DrawLegend(drawing, chart, layout);
    return drawing;
}

std::optional<ChartCellIndex> ChartCellAt(const ChartLayout& layout, double x, double y) {
    if (layout.rows <= 0 || x < layout.left || x >= layout.right || y < layout.top ||
        y >= layout.bottom)
        return std::nullopt;
    const int column =
        std::clamp(static_cast<int>((x - layout.left) / layout.cellWidth), 0, kChartHours - 1);
    const int fromTop = static_cast<int>((y - layout.top) / layout.cellHeight);
    return ChartCellIndex{column, std::clamp(layout.rows - 1 - fromTop, 0, layout.rows - 1)};
}
