#pragma once

#include <functional>
#include <optional>

#include "maps/GeoPoint.h"
#include "maps/MapCanvas.h"
#include "settings/Settings.h"

// The two base maps: the coloured world (yellow land, blue sea, lime-green coasts)
// drawn once for the default terminal and cached, so the map windows only draw on top.

/// The size of the cached rectangular base map, pixels.
inline constexpr int kRectangularBaseWidth = 355;
inline constexpr int kRectangularBaseHeight = 359;
/// The size of the cached great-circle base map (square), pixels.
inline constexpr int kGreatCircleBaseSize = 355;

/// Reports progress while a base map is drawn: outline points done so far of `total`.
/// Called every few hundred points and once at the end; the windows let pending events
/// run from it.
using BaseMapProgress = std::function<void(int done, int total)>;

/// The rectangular base map's height for a width (both odd; 355 → 359): the spans
/// keep the ratio 358/354 rounded to an even number.
int RectangularBaseHeight(int width);

/// The default terminal of the settings as the base maps' centre; nullopt when no
/// default terminal is defined or its texts do not read as coordinates.
std::optional<GeoPoint> BaseMapCentre(const Settings& settings);

/// Draws the rectangular base map over the whole canvas (odd width and height): yellow,
/// the outline in lime green by RectMapPlot around the central meridian `centreLon`
/// (degrees, west positive), then each sea seed's yellow region filled blue (4-connected,
/// continuing across the side edges).
void DrawRectangularBaseMap(MapCanvas& canvas, double centreLon,
                            const BaseMapProgress& progress = {});

/// Draws the great-circle base map over the whole square canvas (odd size w): black, the
/// yellow disc in the box (−1, −1, w + 1, w + 1), the outline in lime green by
/// AzimuthalSegment around `centre` at (w + 1)/360 pixels per degree, the sea seeds'
/// regions filled blue, and the disc's rim redrawn in black.
void DrawGreatCircleBaseMap(MapCanvas& canvas, GeoPoint centre,
                            const BaseMapProgress& progress = {});
