#include "graphs/MufGraph.h"

#include "core/Numeric.h"
#include "report/PredictionTable.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kScaleMHz = 50;

} // namespace

MufGraphData MufGraphDataOf(const PredictionResult& result, PathKind kind,
                            const TimeZoneState& zone) {
    MufGraphData data;
    data.muf = result.Paths[static_cast<int>(kind)].Muf;
    data.utcOffsetDays = zone.UtcOffset;
    data.timeLabel = zone.TimeZoneLabel;
    data.kind = kind;
    return data;
}

MufGeometry MufScreenGeometry(double width, double height, double lineHeight) {
    const double lh = std::floor(lineHeight);
    MufGeometry g;
    TimeFrame& f = g.frame;
    f.cx = std::max(1.0, std::floor(width * 2 / 144));
    f.left = std::floor((width - kHalfHours * f.cx) / 2);
    f.right = f.left + kHalfHours * f.cx;
    g.pixelsPerMHz = std::max(1.0, std::floor((height - 6 * lh) / kScaleMHz));
    f.top = std::floor((height - kScaleMHz * g.pixelsPerMHz - 4 * lh) / 2 + 1.5 * lh);
    f.bottom = f.top + kScaleMHz * g.pixelsPerMHz;
    f.tick = std::floor(g.pixelsPerMHz / 2);
    return g;
}

MufGeometry MufPaperGeometry(double pageWidth, double pageHeight, double top, double lineHeight) {
    MufGeometry g;
    TimeFrame& f = g.frame;
    f.cx = std::max(1.0, std::floor(pageWidth * 2 / 144));
    f.left = std::floor((pageWidth - kHalfHours * f.cx) / 2);
    f.right = f.left + kHalfHours * f.cx;
    double a = kHalfHours * f.cx * 3 / 200;
    // The hour and time-zone labels take 2.5 lines below the frame.
    const double room = (pageHeight - top - 2.5 * lineHeight) / kScaleMHz;
    if (room < a)
        a = std::max(1.0, room);
    g.pixelsPerMHz = a;
    f.top = top;
    f.bottom = top + kScaleMHz * a;
    f.tick = a / 2;
    return g;
}

MufGraphModel BuildMufGraph(const MufGraphData& data, const MufGeometry& geometry) {
    MufGraphModel model;
    model.geometry = geometry;
    const TimeFrame& f = geometry.frame;
    model.title = data.kind == PathKind::Short ? "SHORT-PATH MUF" : "LONG-PATH MUF";
    model.timeLabel = data.timeLabel;
    for (int k = 0; k <= kHalfHours; ++k) {
        const double mhz = data.muf[DisplayedSlot(k % kHalfHours, data.utcOffsetDays)];
        model.curveMHz[k] = mhz;
        const double rise = std::isfinite(mhz) ? RoundHalfEven(geometry.pixelsPerMHz * mhz) : 0.0;
        model.curve.push_back({f.left + k * f.cx, f.bottom - rise});
    }
    model.hourLabels = HourLabels(f);
    for (int mhz = 0; mhz <= kScaleMHz; mhz += 10)
        model.mhzLabels.push_back({std::to_string(mhz), f.bottom - mhz * geometry.pixelsPerMHz});
    return model;
}

void DrawMufGraph(Drawing& drawing, const MufGraphModel& model, const GraphStyle& style,
                  const TextMeasure& measure) {
    const TimeFrame& f = model.geometry.frame;
    const double a = model.geometry.pixelsPerMHz;
    const double pen = style.lineWidth;
    DrawFrameBackground(drawing, f, style);
    DrawTimeGrid(drawing, f, style);
    for (int j = 2; j <= kHalfHours; j += 2) {
        const double y = f.bottom - j * a;
        if (j % 10 == 0) {
            drawing.Line(f.left, y, f.right, y, style.grid, pen);
            continue;
        }
        const double middle = f.left + 24 * f.cx;
        drawing.Line(f.left, y, f.left + f.tick, y, style.grid, pen);
        drawing.Line(middle - f.tick, y, middle + f.tick, y, style.grid, pen);
        drawing.Line(f.right - f.tick, y, f.right, y, style.grid, pen);
    }
    drawing.items.emplace_back(PolylineItem{model.curve, kBlack, style.curveWidth});
    DrawFrameOutline(drawing, f, style);

    const FontStyle& font = style.font;
    const double lh = measure.height(font);
    drawing.Text((f.left + f.right) / 2, f.top - 1.5 * lh, model.title, font, kBlack,
                 HAlign::Centre, VAlign::Top);
    DrawTimeAxis(drawing, f, model.timeLabel, font, lh);
    for (const AxisLabel& label : model.mhzLabels) {
        drawing.Text(f.left - f.tick, label.at, label.text, font, kBlack, HAlign::Right,
                     VAlign::Middle);
        drawing.Text(f.right + f.tick, label.at, label.text, font, kBlack, HAlign::Left,
                     VAlign::Middle);
    }
    const std::string word = "MEGAHERTZ";
    const double pitch = std::floor(5 * lh / 4);
    const double first = f.top + (f.bottom - f.top - 9 * pitch) / 2;
    const double leftX = f.left - f.tick - measure.width("XXXX", font);
    const double rightX = f.right + f.tick + measure.width("XXX", font);
    for (std::size_t i = 0; i < word.size(); ++i) {
        const std::string letter(1, word[i]);
        const double y = first + static_cast<double>(i) * pitch;
        drawing.Text(leftX, y, letter, font, kBlack, HAlign::Left, VAlign::Top);
        drawing.Text(rightX, y, letter, font, kBlack, HAlign::Left, VAlign::Top);
    }
}

Drawing MufScreenDrawing(const MufGraphData& data, double width, double height,
                         const GraphStyle& style, const TextMeasure& measure) {
    Drawing drawing;
    drawing.width = width;
    drawing.height = height;
    drawing.background = kWhite;
    const double lh = measure.height(style.font);
    DrawMufGraph(drawing, BuildMufGraph(data, MufScreenGeometry(width, height, lh)), style,
                 measure);
    return drawing;
}

Drawing MufPageDrawing(const MufGraphData& data, const PageHeader& header, double width,
                       double height, bool paper, const TextMeasure& measure) {
    Drawing drawing;
    drawing.width = width;
    drawing.height = height;
    const FontStyle headerFont = HeaderFontFor(width, measure);
    const double fontHeight = measure.height(headerFont);
    const double pen = PagePen(width);
    const GraphStyle style = paper ? PaperGraphStyle(headerFont.pixelSize, pen)
                                   : PictureGraphStyle(headerFont.pixelSize, pen);
    const double lh = measure.height(style.font);
    const double below = DrawPageHeader(drawing, header, headerFont, fontHeight + 2, measure, 2);
    MufGeometry geometry;
    if (paper) {
        geometry = MufPaperGeometry(width, height, 10 * fontHeight + 20, lh);
    } else {
        geometry = MufScreenGeometry(width, std::max(1.0, height - below), lh);
        geometry.frame.top += below;
        geometry.frame.bottom += below;
    }
    DrawMufGraph(drawing, BuildMufGraph(data, geometry), style, measure);
    return drawing;
}

std::string MufCaption(PathKind kind, const std::string& dateText) {
    return std::string("Hopscope ") + (kind == PathKind::Short ? "Short" : "Long") +
           "-Path MUF Prediction for " + dateText;
}

PageHeader PageHeaderOf(const PredictionResult& result, PathKind kind, const std::string& caption) {
    const PathResult& path = result.Paths[static_cast<int>(kind)];
    return {caption, path.HeaderLines, path.Geometry.IsPolar};
}
