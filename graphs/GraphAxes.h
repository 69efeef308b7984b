#pragma once

#include "graphs/Drawing.h"

#include <array>
#include <string>
#include <vector>

// What the MUF graph and the signals graph share: the frame over 48 half hours, the
// time grid and the hour labels.

/// The colours and pens of one kind of output.
struct GraphStyle {
    Rgb frameFill = kFrameCream;                ///< the frame's background
    Rgb grid = kGridGrey;                       ///< grid lines and ticks
    double curveWidth = 1.0;                    ///< pen of the curves and the legend's lines
    double lineWidth = 1.0;                     ///< pen of the frame and the grid
    FontStyle font{FontFace::Sans, true, 12.0}; ///< titles and labels
};

/// The look on screen: a cream frame (white on a display of fewer than 7 bits per
/// pixel), a grey grid, thin curves.
GraphStyle ScreenGraphStyle(double fontPixels, bool lowColourDisplay = false);
/// The look on paper: a white frame, a black grid, curves two pixels wide; `pen` is the
/// pixels of a thin line on the page (more than 1 on a high-resolution printer).
GraphStyle PaperGraphStyle(double fontPixels, double pen = 1.0);
/// The look of a saved picture: the screen's colours, thin lines `pen` pixels wide and
/// curves twice that.
GraphStyle PictureGraphStyle(double fontPixels, double pen);

/// A text placed on an axis: its text and its position along the axis (pixels).
struct AxisLabel {
    std::string text;
    double at = 0.0;
    bool operator==(const AxisLabel&) const = default;
};

/// The frame of a graph over the 48 half hours of the day: x = left + k·cx for
/// half hour k = 0..48, between top and bottom.
struct TimeFrame {
    double left = 0, right = 0, top = 0, bottom = 0;
    double cx = 1;   ///< pixels per half hour
    double tick = 0; ///< length of a short tick
};

/// The hour labels every four half hours: "00", "02", ... "22", "00", centred at
/// left + k·cx.
std::vector<AxisLabel> HourLabels(const TimeFrame& frame);

/// The vertical grid: at x = left + i·cx for i = 1..47 a full line for every fourth i,
/// ticks of `tick` from top and bottom for odd i and of 2·tick for the other even i.
void DrawTimeGrid(Drawing& drawing, const TimeFrame& frame, const GraphStyle& style);

/// The frame's filled background (with its outline).
void DrawFrameBackground(Drawing& drawing, const TimeFrame& frame, const GraphStyle& style);
/// The frame's outline, drawn again over the curves.
void DrawFrameOutline(Drawing& drawing, const TimeFrame& frame, const GraphStyle& style);

/// The hour labels at bottom + LH/2 and the time-zone label centred under them at
/// bottom + 1.5·LH.
void DrawTimeAxis(Drawing& drawing, const TimeFrame& frame, const std::string& timeLabel,
                  const FontStyle& font, double lineHeight);

/// The three header lines above a printed graph or a picture, in the fixed-pitch bold
/// font, with "THIS IS A POLAR PATH" in red over the third line of a polar path.
struct PageHeader {
    std::string caption;
    std::array<std::string, 3> headerLines;
    bool isPolar = false;
};

/// The fixed-pitch bold font whose 102 "X" span `width` pixels.
FontStyle HeaderFontFor(double width, const TextMeasure& measure);

/// The pixels of a thin line on a page or picture `width` pixels wide: 1 up to 1000
/// pixels, more on a high-resolution page so that lines stay visible.
double PagePen(double width);

/// Draws an empty line, the caption centred in 101 columns, an empty line, the three
/// header lines and `blankLinesAfter` empty lines, from y = 0 with `lineHeight` per
/// line. Returns the y below the last line.
double DrawPageHeader(Drawing& drawing, const PageHeader& header, const FontStyle& font,
                      double lineHeight, const TextMeasure& measure, int blankLinesAfter);
