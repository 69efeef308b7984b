#pragma once

#include <optional>
#include <string>

#include "maps/MapOverlays.h"
#include "maps/PixelBuffer.h"

/// What goes on a map image besides the base map.
struct MapOverlays {
    std::optional<SubsolarPoint> sun; ///< night side and sun symbol need it
    bool night = true;                ///< darken the night side (needs `sun`)
    bool grid = true;
    bool polarZones = true;
    std::optional<MapPaths> paths; ///< short and long path
    int screenWidth = 1024;        ///< sets the path pen width
    std::string timeLabel;         ///< TimeLabelText(...); empty for none
};

/// The disc radius of a great-circle map image of odd size `mapSize`:
/// trunc(half / 1.03) + 1 with half = mapSize div 2.
int GreatCircleDiscRadius(int mapSize);

/// The smallest odd great-circle image whose disc holds a base map of `baseSize` pixels
/// unscaled (2·discRadius + 1 = baseSize); 365 for 355.
int GreatCircleImageSize(int baseSize);

/// Composes the great-circle map image on `image` (odd square) from the base map
/// (`centre` its centre): the night side darkened by AND with the mask drawn in the base
/// map's geometry, the result scaled into the disc, black outside the red rim, the suns,
/// grid (grey), polar zones (white), paths, the rim again and the time label.
void ComposeGreatCircleMap(const PixelBuffer& base, GeoPoint centre, MapCanvas& image,
                           const MapOverlays& overlays);

/// Composes the rectangular map image on `image` from the base map (central meridian
/// `centreLon`): night side, the base scaled into (1, 1, w − 1, h − 1), grid, polar
/// zones, suns, paths, time label and a red frame around the whole image.
void ComposeRectangularMap(const PixelBuffer& base, double centreLon, MapCanvas& image,
                           const MapOverlays& overlays);
