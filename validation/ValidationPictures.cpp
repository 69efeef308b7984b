#include "validation/ValidationPictures.h"

#include "core/Numeric.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

constexpr Rgb kGrid{215, 215, 215};
constexpr Rgb kBand{236, 236, 236};
constexpr Rgb kGuide{120, 120, 120};
constexpr Rgb kClassicColour{230, 85, 13};
constexpr Rgb kP533Colour{49, 130, 189};
// The shades of the scatter's cells, lightest for a single hour.
constexpr Rgb kShades[] = {
    {198, 219, 239}, {158, 202, 225}, {107, 174, 214}, {49, 130, 189}, {8, 69, 148}};
constexpr const char* kShadeLabels[] = {"1 hour", "2-3 hours", "4-7 hours", "8-15 hours",
                                        "16 hours or more"};

const FontStyle kTitleFont{FontFace::Sans, true, 18.0};
const FontStyle kLabelFont{FontFace::Sans, false, 14.0};
const FontStyle kSmallFont{FontFace::Sans, false, 12.0};

/// A plot area and the values its edges stand for (y grows upward).
struct PlotArea {
    double left = 0, top = 0, width = 0, height = 0;
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;

    double X(double v) const { return left + (v - xMin) / (xMax - xMin) * width; }
    double Y(double v) const { return top + (yMax - v) / (yMax - yMin) * height; }
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

void Rect(Drawing& d, double x, double y, double w, double h, Rgb fill) {
    RectItem r;
    r.x = x;
    r.y = y;
    r.w = w;
    r.h = h;
    r.filled = true;
    r.fill = fill;
    d.items.push_back(r);
}

void Outline(Drawing& d, const PlotArea& a) {
    RectItem r;
    r.x = a.left;
    r.y = a.top;
    r.w = a.width;
    r.h = a.height;
    r.outlined = true;
    r.outline = kBlack;
    d.items.push_back(r);
}

/// A value with its sign: "+12.5", "−3.0" (a true minus sign), "0".
std::string Signed(double v, int decimals) {
    const double shown = RoundToShown(v, decimals);
    const std::string text = FormatFixed(std::fabs(v), 0, decimals);
    return (shown > 0.0 ? "+" : shown < 0.0 ? "−" : "") + text;
}

/// Horizontal grid lines and left labels every `step` dB.
void YGrid(Drawing& d, const PlotArea& a, double step) {
    for (double v = std::ceil(a.yMin / step) * step; v <= a.yMax + 1e-9; v += step) {
        d.Line(a.left, a.Y(v), a.Right(), a.Y(v), kGrid);
        d.Text(a.left - 8, a.Y(v), Signed(v, 0), kLabelFont, kBlack, HAlign::Right, VAlign::Middle);
    }
}

std::string SummaryLine(const ErrorSummary& s) {
    return FormatFixed(s.count, 0, 0) + " hours · mean error " + Signed(s.meanDb, 1) +
           " dB · rms " + FormatFixed(s.rmsDb, 0, 1) + " dB · " +
           FormatFixed(s.within10Percent, 0, 0) + " % within ±10 dB";
}

Rgb EngineColour(const std::string& engine) {
    return engine == "classic" ? kClassicColour : kP533Colour;
}

} // namespace

Drawing ScatterPicture(const EngineFigures& engine) {
    constexpr double kCellDb = 2.0;
    constexpr double kPixelsPerDb = 4.5;
    PlotArea a;
    a.xMin = -60;
    a.xMax = 60;
    a.yMin = -60;
    a.yMax = 60;
    a.left = 80;
    a.top = 116;
    a.width = (a.xMax - a.xMin) * kPixelsPerDb;
    a.height = (a.yMax - a.yMin) * kPixelsPerDb;
    Drawing d;
    d.width = a.Right() + 40;
    d.height = a.Bottom() + 90;

    d.Text(d.width / 2, 14, engine.engine + " engine: predicted against measured field strength",
           kTitleFont, kBlack, HAlign::Centre, VAlign::Top);
    d.Text(d.width / 2, 44, SummaryLine(engine.overall), kLabelFont, kBlack, HAlign::Centre,
           VAlign::Top);
    d.Text(a.left - 60, a.top - 26, "predicted, dB(1 µV/m)", kLabelFont, kBlack, HAlign::Left,
           VAlign::Baseline);

    YGrid(d, a, 20.0);
    for (double v = a.xMin; v <= a.xMax + 1e-9; v += 20.0) {
        d.Line(a.X(v), a.top, a.X(v), a.Bottom(), kGrid);
        d.Text(a.X(v), a.Bottom() + 8, Signed(v, 0), kLabelFont, kBlack, HAlign::Centre,
               VAlign::Top);
    }
    d.Text(a.X((a.xMin + a.xMax) / 2), a.Bottom() + 36,
           "measured field strength, dB(1 µV/m) for 1 kW e.i.r.p.", kLabelFont, kBlack,
           HAlign::Centre, VAlign::Top);

    // The hours counted in cells; a value beyond an axis counts in the edge cell.
    std::map<std::pair<int, int>, int> cells;
    int beyond = 0;
    const int columns = static_cast<int>((a.xMax - a.xMin) / kCellDb);
    const int rows = static_cast<int>((a.yMax - a.yMin) / kCellDb);
    for (std::size_t i = 0; i < engine.measuredDbu.size(); ++i) {
        const int cx =
            std::clamp(static_cast<int>(std::floor((engine.measuredDbu[i] - a.xMin) / kCellDb)), 0,
                       columns - 1);
        const int cy = std::clamp(
            static_cast<int>(std::floor((engine.predictedDbu[i] - a.yMin) / kCellDb)), 0, rows - 1);
        ++cells[{cx, cy}];
        beyond += engine.predictedDbu[i] < a.yMin || engine.predictedDbu[i] >= a.yMax ||
                  engine.measuredDbu[i] < a.xMin || engine.measuredDbu[i] >= a.xMax;
    }
    if (beyond > 0)
        d.Text(a.Right(), a.Bottom() + 62,
               FormatFixed(beyond, 0, 0) + " hours beyond the axes are drawn at the edge",
               kSmallFont, kGuide, HAlign::Right, VAlign::Top);
    for (const auto& [cell, count] : cells) {
        const int shade = count >= 16 ? 4 : count >= 8 ? 3 : count >= 4 ? 2 : count >= 2 ? 1 : 0;
        const double x = a.X(a.xMin + cell.first * kCellDb);
        const double y = a.Y(a.yMin + (cell.second + 1) * kCellDb);
        Rect(d, x, y, kCellDb * kPixelsPerDb, kCellDb * kPixelsPerDb, kShades[shade]);
    }

    // The 1:1 line and the lines 10 dB above and below it.
    for (double offset : {-10.0, 0.0, 10.0}) {
        const double x1 = std::max(a.xMin, a.yMin - offset);
        const double x2 = std::min(a.xMax, a.yMax - offset);
        const bool diagonal = offset == 0.0;
        d.Line(a.X(x1), a.Y(x1 + offset), a.X(x2), a.Y(x2 + offset), diagonal ? kBlack : kGuide,
               diagonal ? 2.0 : 1.0);
        const std::string label = diagonal ? "1:1" : offset > 0 ? "+10 dB" : "−10 dB";
        d.Text(a.X(x2) - 4, a.Y(x2 + offset) + (offset < 0 ? 4 : -4), label, kSmallFont,
               diagonal ? kBlack : kGuide, HAlign::Right,
               offset < 0 ? VAlign::Top : VAlign::Baseline);
    }
    Outline(d, a);

    // The legend of the shades, in the empty upper left corner.
    double y = a.top + 14;
    d.Text(a.left + 14, y, "hours in a 2 dB × 2 dB cell", kSmallFont, kBlack, HAlign::Left,
           VAlign::Top);
    for (int k = 0; k < 5; ++k) {
        y += 20;
        Rect(d, a.left + 14, y, 12, 12, kShades[k]);
        d.Text(a.left + 34, y + 6, kShadeLabels[k], kSmallFont, kBlack, HAlign::Left,
               VAlign::Middle);
    }
    return d;
}

Drawing ErrorByGroupPicture(const std::vector<EngineFigures>& engines, const std::string& grouping,
                            const std::string& title) {
    std::vector<std::string> labels;
    // bars[g][e]: engine e's figures for group g.
    std::vector<std::vector<ErrorSummary>> bars;
    double low = -20.0, high = 20.0;
    for (std::size_t e = 0; e < engines.size(); ++e) {
        std::size_t g = 0;
        for (const GroupFigures& f : engines[e].groups) {
            if (f.grouping != grouping)
                continue;
            if (e == 0) {
                labels.push_back(f.group);
                bars.emplace_back();
            }
            bars[g++].push_back(f.summary);
            low = std::min(low, f.summary.meanDb - f.summary.sdDb);
            high = std::max(high, f.summary.meanDb + f.summary.sdDb);
        }
    }
    PlotArea a;
    a.yMin = std::floor(low / 10.0) * 10.0;
    a.yMax = std::ceil(high / 10.0) * 10.0;
    a.left = 80;
    a.top = 110;
    a.width = 760;
    a.height = 5.0 * (a.yMax - a.yMin);
    Drawing d;
    d.width = a.Right() + 30;
    d.height = a.Bottom() + 100;

    d.Text(d.width / 2, 14, title, kTitleFont, kBlack, HAlign::Centre, VAlign::Top);
    d.Text(a.left - 60, a.top - 26, "error = predicted − measured, dB", kLabelFont, kBlack,
           HAlign::Left, VAlign::Baseline);
    // The legend: each engine's colour, and what a bar shows.
    double x = a.left;
    for (const EngineFigures& engine : engines) {
        Rect(d, x, 48, 14, 14, EngineColour(engine.engine));
        d.Text(x + 20, 55, engine.engine + " engine", kLabelFont, kBlack, HAlign::Left,
               VAlign::Middle);
        x += 160;
    }
    d.Text(x, 55, "bar: mean error · whisker: ±1 standard deviation · grey band: ±10 dB",
           kSmallFont, kBlack, HAlign::Left, VAlign::Middle);

    Rect(d, a.left, a.Y(10.0), a.width, a.Y(-10.0) - a.Y(10.0), kBand);
    YGrid(d, a, 10.0);
    d.Line(a.left, a.Y(0.0), a.Right(), a.Y(0.0), kBlack, 1.0);

    const double groupWidth = a.width / std::max<std::size_t>(1, bars.size());
    const double barWidth = groupWidth * 0.8 / std::max<std::size_t>(1, engines.size());
    for (std::size_t g = 0; g < bars.size(); ++g) {
        const double groupLeft = a.left + g * groupWidth + groupWidth * 0.1;
        int hours = 0;
        for (std::size_t e = 0; e < bars[g].size(); ++e) {
            const ErrorSummary& s = bars[g][e];
            hours = std::max(hours, s.count);
            if (s.count == 0)
                continue;
            const double left = groupLeft + e * barWidth + barWidth * 0.15;
            const double w = barWidth * 0.7;
            const double centre = left + w / 2;
            const double y0 = a.Y(0.0), y1 = a.Y(s.meanDb);
            Rect(d, left, std::min(y0, y1), w, std::fabs(y1 - y0), EngineColour(engines[e].engine));
            // The mean also as a line, which shows where the bar is too short to see.
            d.Line(left, y1, left + w, y1, EngineColour(engines[e].engine), 3.0);
            const double top = a.Y(s.meanDb + s.sdDb), bottom = a.Y(s.meanDb - s.sdDb);
            d.Line(centre, top, centre, bottom, kBlack, 1.5);
            d.Line(centre - 6, top, centre + 6, top, kBlack, 1.5);
            d.Line(centre - 6, bottom, centre + 6, bottom, kBlack, 1.5);
            d.Text(centre, a.Bottom() + 6, "rms " + FormatFixed(s.rmsDb, 0, 1), kSmallFont, kBlack,
                   HAlign::Centre, VAlign::Top);
        }
        const double middle = a.left + (g + 0.5) * groupWidth;
        d.Text(middle, a.Bottom() + 30, labels[g], kLabelFont, kBlack, HAlign::Centre, VAlign::Top);
        d.Text(middle, a.Bottom() + 52, FormatFixed(hours, 0, 0) + " hours", kSmallFont, kGuide,
               HAlign::Centre, VAlign::Top);
        if (g > 0)
            d.Line(a.left + g * groupWidth, a.top, a.left + g * groupWidth, a.Bottom(), kGrid);
    }
    Outline(d, a);
    return d;
}
