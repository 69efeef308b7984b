#pragma once

#include <functional>
#include <string>
#include <vector>

#include "maps/GeoPoint.h"
#include "maps/MapCanvas.h"

// The printed great-circle map: the world outline at printer resolution around any
// centre, with a bearing rose, as black lines on white.

/// Where the map goes on the printable area (device pixels).
struct GcPrintLayout {
    int cx = 0;       ///< centre column
    int cy = 0;       ///< centre row
    int R = 0;        ///< outer ring radius
    int Rd = 0;       ///< map disc radius, round(0.97·R)
    int top = 0;      ///< cy − R
    double scale = 0; ///< Rd/180 pixels per degree of arc
    int titleY = 0;   ///< baselines of the two title rows and the caption
    int subtitleY = 0;
    int captionY = 0;
};

/// The layout on a printable area of `width` × `height` pixels at `dpi`: centred
/// horizontally ((width − 1) div 2), lifted by dpi/6 above the middle, the ring as large
/// as the smaller half-extent allows with room for the titles above (5.5/6 inch) and the
/// caption below (3.5/6 inch plus a text line).
GcPrintLayout ComputeGcPrintLayout(int width, int height, int dpi);

/// "This map centered on " + name + latitude + longitude (left out at a pole), each
/// coordinate with its hemisphere letter as typed or from its sign.
std::string GcPrintCaption(const std::string& latText, const std::string& lonText,
                           const std::string& name, double latDeg);

/// Everything drawn on the page except the texts, as lines.
struct GcPrintDrawing {
    std::vector<std::vector<PixelPoint>> rose;      ///< 36 bearing lines
    std::vector<std::vector<PixelPoint>> coastline; ///< polylines; one point = a dot
};

/// The bearing rose (every 10°, from the centre every 30°, otherwise from the rim, out
/// to the ring) and the outline projected around `centre` at Rd/180 pixels per degree,
/// subdivided until neighbouring points are at most 2 pixels apart. A polyline breaks
/// where a point cannot be shown (the antipode) or where subdivision could not close a
/// gap, so nothing is drawn across the disc. `keepGoing` is asked before each outline
/// point; false stops the outline there.
GcPrintDrawing BuildGcPrintDrawing(const GcPrintLayout& layout, GeoPoint centre,
                                   const std::function<bool()>& keepGoing = {});
