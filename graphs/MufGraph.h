#pragma once

#include "core/Terminal.h"
#include "engine/Propagation.h"
#include "graphs/GraphAxes.h"

#include <array>
#include <string>
#include <vector>

// The MUF graph: the path MUF over the 24 hours of the displayed day, on a fixed
// scale of 0 to 50 MHz.

/// What the graph shows.
struct MufGraphData {
    std::array<float, kHalfHours> muf{}; ///< MHz per UTC half hour
    double utcOffsetDays = 0.0;          ///< UTC minus displayed time, days
    std::string timeLabel = "UTC";
    PathKind kind = PathKind::Short;
};

/// The MUF of one path of a prediction.
MufGraphData MufGraphDataOf(const PredictionResult& result, PathKind kind,
                            const TimeZoneState& zone);

/// The graph's geometry: the frame over 48 half hours and a pixels per MHz.
struct MufGeometry {
    TimeFrame frame;
    double pixelsPerMHz = 1;
};

/// On screen, in an image of `width` × `height` pixels whose text line is `lineHeight`
/// (the text height of "X"), all in whole pixels: cx = width·2/144, left = (width −
/// 48·cx)/2, a = (height − 6·LH)/50 pixels per MHz (at least 1, so a small window still
/// has a graph), top = (height − 50·a − 4·LH)/2 + 1.5·LH, tick = a/2.
MufGeometry MufScreenGeometry(double width, double height, double lineHeight);

/// On a page `pageWidth` wide: cx = pageWidth·2/144, a = 48·cx·3/200, top = `top`; a is
/// made smaller when the graph with its labels would run below `pageHeight` (as on a
/// landscape page).
MufGeometry MufPaperGeometry(double pageWidth, double pageHeight, double top, double lineHeight);

/// The graph in graph units and pixels.
struct MufGraphModel {
    MufGeometry geometry;
    std::string title;                             ///< "SHORT-PATH MUF" or "LONG-PATH MUF"
    std::string timeLabel;                         ///< under the hour labels
    std::array<double, kHalfHours + 1> curveMHz{}; ///< displayed half hours 0..48 (48 = 0)
    std::vector<Point> curve;                      ///< the same points in pixels (not clipped)
    std::vector<AxisLabel> hourLabels;             ///< "00" .. "00" every 2 hours, x
    std::vector<AxisLabel> mhzLabels;              ///< "0" .. "50" every 10 MHz, y of the value
};

/// The model of the graph in the given geometry: displayed half hour k shows UTC slot
/// (k + h + 48) mod 48 with h the offset in half hours, at y = bottom − round(a·MUF).
MufGraphModel BuildMufGraph(const MufGraphData& data, const MufGeometry& geometry);

/// Draws the model: frame, grid (every 10 MHz a full line, every 2 MHz ticks at the
/// edges and the middle), the curve in black, the frame outline again, the title,
/// the time and MHz labels and "MEGAHERTZ" written downwards on both sides.
void DrawMufGraph(Drawing& drawing, const MufGraphModel& model, const GraphStyle& style,
                  const TextMeasure& measure);

/// The whole MUF graph as an image of the window's graph area.
Drawing MufScreenDrawing(const MufGraphData& data, double width, double height,
                         const GraphStyle& style, const TextMeasure& measure);

/// A printed page (`paper`) or a picture of `width` × `height`: the caption and the
/// header lines in the fixed-pitch bold font (102 columns across the width), then
/// the graph, laid out as on paper or, for a picture, filling the rest of the height.
Drawing MufPageDrawing(const MufGraphData& data, const PageHeader& header, double width,
                       double height, bool paper, const TextMeasure& measure);

/// "Hopscope Short-Path MUF Prediction for " + date (or Long-Path).
std::string MufCaption(PathKind kind, const std::string& dateText);

/// The page header of one path of a prediction: `caption`, the path's header lines and
/// its polar flag.
PageHeader PageHeaderOf(const PredictionResult& result, PathKind kind, const std::string& caption);
