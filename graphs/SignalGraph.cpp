#include "graphs/SignalGraph.h"

#include "core/Numeric.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kTopFraction = 0.08726;
constexpr double kHeightFraction = 0.79;
constexpr double kMarkerHeightFraction = 0.0198555956678700361;

double Nearest(double x) {
    return RoundHalfEven(x);
}

std::string EmptyMessage(const SignalGraphData& data, const SignalPoints& points) {
    if (data.frequencyCount <= 0)
        return kNoFrequenciesTitle;
    const std::string what = data.rules.showSignalLevels ? "signal levels" : "S/N";
    return "There are no displayable " + what +
           (points.anyMode ? " (all are suppressed)" : " (no modes were found)");
}

double SegmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

std::string DbLabel(double value) {
    return std::to_string(static_cast<int>(Nearest(value)));
}

// The legend's rows below "Frequencies": one a frequency, a gap of 1.5 rows down to
// "Availabilities", one an availability class.
double LegendRowsBelowTop(int frequencies, int availabilities) {
    return frequencies + availabilities + 1.5;
}

// Widens the legend (taking the width from the graph) until its headings, and its widest
// row text with a short stroke of colour, fit, and closes its rows up until the last one ends
// inside the area; a legend that cannot fit even at one line a row keeps that pitch.
void FitLegend(SignalGraphModel& model, const SignalGraphData& data, const FontStyle& font,
               const TextMeasure& measure) {
    SignalAreas& a = model.areas;
    const double lh = measure.height(font);
    const double needed = std::ceil(
        std::max({measure.width("000.0 MHz", font) + 2.5 * lh,
                  measure.width("Availabilities", font), measure.width("Frequencies", font)}));
    if (a.legendWidth < needed) {
        const double more = std::min(needed - a.legendWidth, std::max(0.0, a.graphWidth - 1));
        a.legendWidth += more;
        a.graphX += more;
        a.graphWidth -= more;
    }
    const int frequencies = static_cast<int>(model.points.series.size());
    const int availabilities = data.rules.showZeroAvailability ? 5 : 4;
    const double room = a.height - Nearest(kTopFraction * a.height) - lh;
    const double rows = LegendRowsBelowTop(frequencies, availabilities);
    model.legendPitch = std::max(lh, std::min(Nearest(1.5 * lh), std::floor(room / rows)));
}

} // namespace

SignalAreas SignalAreasFor(double width, double top, double bottom) {
    const double m = Nearest(0.03 * width);
    const double l = Nearest(0.14833 * width);
    SignalAreas areas;
    areas.legendX = m;
    areas.legendWidth = std::max(1.0, l - m);
    areas.graphX = 2 * m + l;
    areas.graphWidth = std::max(1.0, width - m - areas.graphX);
    areas.top = top;
    areas.height = std::max(1.0, bottom - top);
    return areas;
}

SignalGraphModel BuildSignalGraph(const SignalGraphData& data, const SignalAreas& areas,
                                  const FontStyle& font, const TextMeasure& measure) {
    SignalGraphModel model;
    model.areas = areas;
    model.timeLabel = data.timeLabel;
    model.points = BuildSignalPoints(data);
    if (!model.points.anyShown) {
        model.message = EmptyMessage(data, model.points);
        return model;
    }
    const std::string path = data.kind == PathKind::Short ? "SHORT-PATH " : "LONG-PATH ";
    model.title = path + (data.rules.showSignalLevels ? "SIGNAL LEVELS IN dB ABOVE 0.5 µV"
                                                      : "SIGNAL-TO-NOISE RATIOS IN dB");

    FitLegend(model, data, font, measure);
    const double areaH = model.areas.height;
    const double areaW = model.areas.graphWidth;
    const double gh = std::max(1.0, Nearest(kHeightFraction * areaH));
    const double graphTop = Nearest(kTopFraction * areaH);
    TimeFrame& f = model.frame;
    f.tick = std::floor(gh / 100);
    const double labelWidth = measure.width("-995", font);
    f.cx = std::max(1.0, std::trunc((areaW - 2 * labelWidth - 4 * f.tick) / kHalfHours));
    f.left = model.areas.graphX + std::floor((areaW - kHalfHours * f.cx) / 2);
    f.right = f.left + kHalfHours * f.cx;
    f.top = model.areas.top + graphTop;
    f.bottom = f.top + gh;
    model.graphHeight = gh;

    model.scale = ComputeSignalScale(model.points.minDb, model.points.maxDb);
    const double span = std::max(1, model.scale.top - model.scale.bottom);
    model.pixelsPerDb = gh / span;
    for (int j = 0; j <= 7; ++j)
        model.dbLabels.push_back(
            {DbLabel(model.scale.top - j * span / 7), f.top + Nearest(j * gh / 7)});
    model.hourLabels = HourLabels(f);

    for (const SignalSeries& series : model.points.series) {
        SignalCurve curve;
        curve.slot = series.slot;
        curve.colour = series.colour;
        bool inRun = false;
        for (int k = 0; k <= kHalfHours; ++k) {
            if (!series.shown[k]) {
                inRun = false;
                continue;
            }
            const Point at{f.left + k * f.cx, f.top + Nearest((model.scale.top - series.value[k]) *
                                                              model.pixelsPerDb)};
            if (!inRun)
                curve.runs.emplace_back();
            curve.runs.back().push_back(at);
            curve.markers.push_back({at, series.letter[k]});
            inRun = true;
        }
        model.curves.push_back(std::move(curve));
        model.frequencyRows.push_back({"", series.label, series.colour});
    }
    model.availabilityRows = {{"A", "75-100%", kBlack},
                              {"B", "50-75%", kBlack},
                              {"C", "25-50%", kBlack},
                              {"D", "1-25%", kBlack}};
    if (data.rules.showZeroAvailability)
        model.availabilityRows.push_back({"0", "0%", kBlack});

    model.markerFont = FontStyle{FontFace::Sans, false, 0.6 * font.pixelSize};
    for (int grow = 0; grow < 400; ++grow) {
        const double h = measure.height(model.markerFont);
        if (h >= kMarkerHeightFraction * areaH && h > 6)
            break;
        model.markerFont.pixelSize += 0.5;
    }
    return model;
}

namespace {

void DrawLegend(Drawing& drawing, const SignalGraphModel& model, const GraphStyle& style,
                const TextMeasure& measure) {
    const SignalAreas& a = model.areas;
    const FontStyle& font = style.font;
    const double lh = measure.height(font);
    const double pitch = model.legendPitch;
    const double lineEnd = a.legendX + a.legendWidth - measure.width("000.0 MHz", font);
    const double right = a.legendX + a.legendWidth;
    const double centre = a.legendX + a.legendWidth / 2;
    double y = a.top + Nearest(kTopFraction * a.height);
    drawing.Text(centre, y, "Frequencies", font, kBlack, HAlign::Centre, VAlign::Top);
    for (const LegendRow& row : model.frequencyRows) {
        y += pitch;
        drawing.Line(a.legendX, y + lh / 2, lineEnd, y + lh / 2, row.colour, style.curveWidth);
        drawing.Text(right, y, row.text, font, kBlack, HAlign::Right, VAlign::Top);
    }
    y += 1.5 * pitch;
    drawing.Text(centre, y, "Availabilities", font, kBlack, HAlign::Centre, VAlign::Top);
    for (const LegendRow& row : model.availabilityRows) {
        y += pitch;
        drawing.Line(a.legendX, y + lh / 2, lineEnd, y + lh / 2, kBlack, style.curveWidth);
        drawing.Text((a.legendX + lineEnd) / 2, y + lh / 2, row.letter, model.markerFont, kBlack,
                     HAlign::Centre, VAlign::Middle);
        drawing.Text(right, y, row.text, font, kBlack, HAlign::Right, VAlign::Top);
    }
}

} // namespace

void DrawSignalGraph(Drawing& drawing, const SignalGraphModel& model, const GraphStyle& style,
                     const TextMeasure& measure) {
    const SignalAreas& a = model.areas;
    const FontStyle& font = style.font;
    if (!model.Drawn()) {
        drawing.Text(a.graphX + a.graphWidth / 2, a.top + a.height / 2, model.message, font, kRed,
                     HAlign::Centre, VAlign::Middle);
        return;
    }
    const TimeFrame& f = model.frame;
    const double pen = style.lineWidth;
    DrawFrameBackground(drawing, f, style);
    DrawTimeGrid(drawing, f, style);
    for (int i = 1; i < 35; ++i) {
        const double y = f.top + Nearest(i * model.graphHeight / 35);
        if (i % 5 == 0) {
            drawing.Line(f.left, y, f.right, y, style.grid, pen);
        } else {
            drawing.Line(f.left, y, f.left + f.tick, y, style.grid, pen);
            drawing.Line(f.right - f.tick, y, f.right, y, style.grid, pen);
        }
    }
    for (const SignalCurve& curve : model.curves)
        for (const std::vector<Point>& run : curve.runs)
            if (run.size() > 1)
                drawing.items.emplace_back(PolylineItem{run, curve.colour, style.curveWidth});
    for (const SignalCurve& curve : model.curves)
        for (const SignalMarker& marker : curve.markers)
            drawing.Text(marker.at.x, marker.at.y, std::string(1, marker.letter), model.markerFont,
                         curve.colour, HAlign::Centre, VAlign::Middle);
    DrawFrameOutline(drawing, f, style);

    const double lh = measure.height(font);
    drawing.Text((f.left + f.right) / 2, f.top - 1.5 * lh, model.title, font, kBlack,
                 HAlign::Centre, VAlign::Top);
    DrawTimeAxis(drawing, f, model.timeLabel, font, lh);
    for (const AxisLabel& label : model.dbLabels) {
        drawing.Text(f.left - 2 * f.tick, label.at, label.text, font, kBlack, HAlign::Right,
                     VAlign::Middle);
        drawing.Text(f.right + 2 * f.tick, label.at, label.text, font, kBlack, HAlign::Left,
                     VAlign::Middle);
    }
    DrawLegend(drawing, model, style, measure);
}

std::optional<int> IdentifyCurve(const SignalGraphModel& model, double x, double y,
                                 double tolerance) {
    const Point p{x, y};
    constexpr double kFar = std::numeric_limits<double>::infinity();
    double best = kFar, second = kFar;
    int bestSlot = -1;
    for (const SignalCurve& curve : model.curves) {
        double nearest = kFar;
        for (const std::vector<Point>& run : curve.runs) {
            for (std::size_t i = 0; i < run.size(); ++i)
                nearest =
                    std::min(nearest, i + 1 < run.size() ? SegmentDistance(p, run[i], run[i + 1])
                                                         : std::hypot(x - run[i].x, y - run[i].y));
        }
        if (nearest < best) {
            second = best;
            best = nearest;
            bestSlot = curve.slot;
        } else if (nearest < second) {
            second = nearest;
        }
    }
    if (bestSlot < 0 || best > tolerance || second - best <= 0.5)
        return std::nullopt;
    return bestSlot;
}

Drawing SignalScreenDrawing(const SignalGraphModel& model, double width, double height,
                            const GraphStyle& style, const TextMeasure& measure) {
    Drawing drawing;
    drawing.width = width;
    drawing.height = height;
    DrawSignalGraph(drawing, model, style, measure);
    return drawing;
}

Drawing SignalPageDrawing(const SignalGraphData& data, const PageHeader& header, double width,
                          double height, bool paper, const TextMeasure& measure) {
    Drawing drawing;
    drawing.width = width;
    drawing.height = height;
    const FontStyle headerFont = HeaderFontFor(width, measure);
    const double pen = PagePen(width);
    const GraphStyle style = paper ? PaperGraphStyle(headerFont.pixelSize, pen)
                                   : PictureGraphStyle(headerFont.pixelSize, pen);
    const double top =
        DrawPageHeader(drawing, header, headerFont, measure.height(headerFont) + 2, measure, 1);
    double bottom = height;
    if (paper) // the graph half the page width high, as far as the page allows
        bottom = std::min(height, top + Nearest(width / 2 / kHeightFraction));
    const SignalAreas areas = SignalAreasFor(width, top, bottom);
    DrawSignalGraph(drawing, BuildSignalGraph(data, areas, style.font, measure), style, measure);
    return drawing;
}

std::string SignalsCaption(PathKind kind, const std::string& dateText) {
    return std::string("Hopscope ") + (kind == PathKind::Short ? "Short" : "Long") +
           "-Path Prediction (Signals Graph) for " + dateText;
}
