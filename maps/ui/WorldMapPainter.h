#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

#include "maps/FreqMapRender.h"
#include "maps/MapOverlays.h"
#include "maps/VectorMap.h"

class QPainter;

// The world map drawn sharp at any size: land, sea and coastlines as vectors projected
// at the target's own pixel size, with the night side, grid, polar zones, Sun, paths,
// terminals and time label on top, in the colours of the base maps. The map windows,
// the frequency map and any other world picture draw through here.

/// A drawing step of the caller's, in the painter's logical pixels, with the frame the
/// map lies in (project places with ProjectToFrame / ProjectChain, find the place under
/// a pixel with PlaceAtPixel). The painter is clipped to the map (box or disc).
using MapLayerPainter = std::function<void(QPainter&, const WorldFrame&)>;

/// What one map picture shows.
struct WorldMapScene {
    bool greatCircle = false;
    /// The great-circle centre; the rectangular map's central meridian is centre.lon.
    GeoPoint centre;
    std::optional<SubsolarPoint> sun; ///< night side and the Sun's star need it
    bool night = true;
    bool grid = true;
    bool polarZones = true;
    /// Both paths, long in black under short in red, and terminals A and B marked with
    /// a dot and their name (else prefix).
    std::optional<MapPaths> paths;
    QString timeLabel;             ///< TimeLabelText(...); empty for none
    QFont font;                    ///< the time label's and the terminals' font
    QColor coastColour{0, 255, 0}; ///< the coastlines' colour
    QColor surround{0, 0, 0};      ///< outside the map (letterbox bars, beyond the disc)
    /// Drawn over land and sea, under the coastlines and the night side (cells of a
    /// coverage map, for example).
    MapLayerPainter underlay;
    /// Drawn last, over everything.
    MapLayerPainter overlay;
};

/// The frame of a map of the scene's kind letterboxed in a target of logical size w × h.
WorldFrame SceneFrame(const WorldMapScene& scene, double w, double h);

/// Draws the scene over the whole of `image` (any size; its devicePixelRatio sets how
/// many device pixels a logical pixel has, and the picture is drawn at device
/// resolution). Outside the map (letterbox bars, beyond the disc) is the scene's
/// surround colour (black unless the scene says otherwise). Returns the
/// frame in logical pixels. The land and sea of the last four sizes are kept, so a new
/// time or date at the same size redraws only what changed; call from the UI thread.
WorldFrame PaintWorldMap(QImage& image, const WorldMapScene& scene);

/// Draws the scene on any painter (SVG, PDF, a printer) over the box (0, 0, w, h) of its
/// logical coordinates, everything as vectors, land and sea too; the night side darkens
/// by half where the device has no raster operations. Returns the frame.
WorldFrame PaintWorldMapOn(QPainter& painter, double w, double h, const WorldMapScene& scene);

/// An image of logical size w × h at `devicePixelRatio` with the scene drawn on it.
QImage RenderWorldMap(int w, int h, double devicePixelRatio, const WorldMapScene& scene);

/// The frequency map at the image's resolution: black, each cell of a shown class
/// filled with its dot pattern (cyan, per device pixel), the coastlines in white over
/// them, the station's lime-green plus sign (arms `markerArm` logical pixels, again one
/// map width away), the Sun's star, the time label and the red frame. The cells are in
/// the image's logical pixels and lie over (1, 1, w − 1, h − 1).
void PaintFreqMapPicture(QImage& image, const FreqMapPicture& picture, const QFont& font);

/// A frequency-map dot pattern as a w × w image: cyan where lit, black elsewhere, the
/// pattern repeated from the corner (the legend's boxes).
QImage FreqMapPatternImage(int pattern, int w);
