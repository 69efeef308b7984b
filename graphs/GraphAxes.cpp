#include "graphs/GraphAxes.h"

#include "core/Numeric.h"
#include "engine/Propagation.h"
#include "report/PredictionReport.h"
#include "text/TextColumns.h"

#include <algorithm>
#include <cmath>

GraphStyle ScreenGraphStyle(double fontPixels, bool lowColourDisplay) {
    GraphStyle style;
    style.frameFill = lowColourDisplay ? kWhite : kFrameCream;
    style.font.pixelSize = fontPixels;
    return style;
}

GraphStyle PaperGraphStyle(double fontPixels, double pen) {
    GraphStyle style;
    style.frameFill = kWhite;
    style.grid = kBlack;
    style.curveWidth = 2.0 * pen;
    style.lineWidth = pen;
    style.font.pixelSize = fontPixels;
    return style;
}

GraphStyle PictureGraphStyle(double fontPixels, double pen) {
    GraphStyle style = ScreenGraphStyle(fontPixels);
    style.curveWidth = 2.0 * pen;
    style.lineWidth = pen;
    return style;
}

std::vector<AxisLabel> HourLabels(const TimeFrame& frame) {
    std::vector<AxisLabel> labels;
    for (int k = 0; k <= kHalfHours; k += 4) {
        const int hour = (k / 2) % 24;
        const std::string text{static_cast<char>('0' + hour / 10),
                               static_cast<char>('0' + hour % 10)};
        labels.push_back({text, frame.left + k * frame.cx});
    }
    return labels;
}

void DrawTimeGrid(Drawing& drawing, const TimeFrame& frame, const GraphStyle& style) {
    const Rgb colour = style.grid;
    const double pen = style.lineWidth;
    for (int i = 1; i < kHalfHours; ++i) {
        const double x = frame.left + i * frame.cx;
        if (i % 4 == 0) {
            drawing.Line(x, frame.top, x, frame.bottom, colour, pen);
            continue;
        }
        const double length = i % 2 == 1 ? frame.tick : 2 * frame.tick;
        drawing.Line(x, frame.top, x, frame.top + length, colour, pen);
        drawing.Line(x, frame.bottom, x, frame.bottom - length, colour, pen);
    }
}

void DrawFrameBackground(Drawing& drawing, const TimeFrame& frame, const GraphStyle& style) {
    drawing.items.emplace_back(RectItem{frame.left, frame.top, frame.right - frame.left,
                                        frame.bottom - frame.top, true, style.frameFill, true,
                                        kBlack, style.lineWidth});
}

void DrawFrameOutline(Drawing& drawing, const TimeFrame& frame, const GraphStyle& style) {
    drawing.items.emplace_back(RectItem{frame.left, frame.top, frame.right - frame.left,
                                        frame.bottom - frame.top, false, kWhite, true, kBlack,
                                        style.lineWidth});
}

void DrawTimeAxis(Drawing& drawing, const TimeFrame& frame, const std::string& timeLabel,
                  const FontStyle& font, double lineHeight) {
    for (const AxisLabel& label : HourLabels(frame))
        drawing.Text(label.at, frame.bottom + lineHeight / 2, label.text, font, kBlack,
                     HAlign::Centre, VAlign::Top);
    drawing.Text((frame.left + frame.right) / 2, frame.bottom + 1.5 * lineHeight, timeLabel, font,
                 kBlack, HAlign::Centre, VAlign::Top);
}

FontStyle HeaderFontFor(double width, const TextMeasure& measure) {
    // Measured at a large size first, where hinting hardly rounds the advances, then
    // corrected once at the size found.
    FontStyle font{FontFace::Mono, true, 100.0};
    const std::string line(kReportWidth + 1, 'X');
    for (int pass = 0; pass < 2; ++pass) {
        const double w = measure.width(line, font);
        if (!(w > 0) || !(width > 0))
            return font;
        font.pixelSize *= width / w;
    }
    // A backend that rounds (whole pixel sizes, hinted advances) may still draw the line
    // wider than the page at that size: smaller, until it fits.
    for (int step = 0; step < 40 && measure.width(line, font) > width && font.pixelSize > 1; ++step)
        font.pixelSize *= 0.98;
    return font;
}

double PagePen(double width) {
    return std::max(1.0, std::round(width / 1000.0));
}

double DrawPageHeader(Drawing& drawing, const PageHeader& header, const FontStyle& font,
                      double lineHeight, const TextMeasure& measure, int blankLinesAfter) {
    double y = lineHeight; // an empty line first
    drawing.Text(0, y, Centered(ToValidUtf8(header.caption), kReportWidth), font, kBlack,
                 HAlign::Left, VAlign::Top);
    y += 2 * lineHeight;
    for (std::size_t i = 0; i < header.headerLines.size(); ++i) {
        const std::string line = ToValidUtf8(header.headerLines[i]);
        drawing.Text(0, y, line, font, kBlack, HAlign::Left, VAlign::Top);
        if (i == 2 && header.isPolar) {
            // Over columns 42..61, on a white ground so the line's own text is hidden.
            const double column = measure.width("X", font);
            const std::string text = kPolarPathText;
            drawing.items.emplace_back(
                RectItem{41 * column, y, 20 * column, lineHeight, true, kWhite, false, kWhite});
            drawing.Text(41 * column, y, text, font, kRed, HAlign::Left, VAlign::Top);
        }
        y += lineHeight;
    }
    return y + blankLinesAfter * lineHeight;
}
