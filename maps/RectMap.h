#pragma once

#include "maps/MapCanvas.h"
#include "maps/VectorMap.h"

/// The drawing rectangle of a rectangular map: left, top, right, bottom pixels, all
/// inside the map. right − left and bottom − top must be even, so the central meridian
/// and the equator fall on a pixel.
struct MapRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

/// The row of latitude `lat` (degrees): top + round((90 − lat)·(bottom − top)/180),
/// ties to even. 90 is the top row, −90 the bottom row.
int RectMapY(MapRect rect, double lat);

/// The column of longitude `lon` (degrees, west positive) on an equirectangular map
/// whose central meridian is `centreLon`: left + round(mod360(centreLon − 180 − lon)·
/// (right − left)/360). The central meridian is the middle column, the left edge lies
/// 180° west of it, east is to the right; the left edge's meridian maps to `left`.
int RectMapX(MapRect rect, double lon, double centreLon);

/// Moves to (draw false) or draws to (draw true) the point in the canvas' pen, from
/// `last`, which becomes the point's pixel. A move sets the point's pixel. A draw that
/// would cross more than half the map is drawn as two pieces, one leaving across the
/// nearer side edge and one entering from the other side; the end pixel is always set.
void RectMapPlot(PixelPoint& last, bool draw, double lat, double lon, double centreLon,
                 MapCanvas& canvas, MapRect rect);

/// The vector frame of the map drawn in `rect`, pixel centres at whole numbers + 0.5, so
/// that ProjectToFrame puts a place on the centre of the pixel RectMapX and RectMapY give.
WorldFrame RectMapFrame(MapRect rect, double centreLon);
