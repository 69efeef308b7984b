#pragma once

#include <string>

#include "core/Dates.h"

class MapCanvas;

// The Sun on a map: the point where it stands overhead, its star symbol and the label
// of the map's time.

/// The subsolar point: latitude δ and west-positive longitude λs = PositiveMod(360,
/// 15·tUT + (L − α) − 180), degrees, from SunCoordinates at the UT instant `utc`.
struct SubsolarPoint {
    double latDeg = 0.0;
    double lonDeg = 0.0; ///< west positive, [0, 360)
};
SubsolarPoint SubsolarPointAt(DateValue utc);

/// A 16-pointed star centred on (x, y): vertex i at i·22.5° clockwise from up, at
/// `radius` pixels for even i and radius/2 for odd i; yellow, outlined in black.
void DrawSunSymbol(MapCanvas& canvas, int x, int y, int radius);

/// " " + time + " " + zone label + " " in white on black, in the canvas' font, with
/// its bottom right corner at (right, bottom) (inclusive pixels).
void DrawTimeLabel(MapCanvas& canvas, const std::string& timeText, const std::string& zoneLabel,
                   int right, int bottom);
