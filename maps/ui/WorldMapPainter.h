#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

#include "maps/GeoPoint.h"
#include "maps/MapOverlays.h"
#include "maps/NightMask.h"
#include "maps/VectorMap.h"

class QPainter;

// The world map drawn sharp at any size: land, sea and coastlines as vectors projected
// at the target's own pixel size, with the night side, grid, polar zones, Sun, paths,
// terminals and time label on top, in the colours of the base maps. The map windows,
// the station maps and any other world picture draw through here.

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

/// Strokes the coastlines of the frame with the painter's pen, their points closer than a
/// device pixel at `devicePixelRatio`.
void DrawCoastlines(QPainter& painter, const WorldFrame& f, double devicePixelRatio);

/// The Sun's star (radius in logical pixels) where the Sun stands overhead, with its copy
/// one map width away on the rectangular map, or the long way round at the disc's rim.
void DrawSunMarks(QPainter& painter, const WorldFrame& f, SubsolarPoint sun, double radius);

/// The time label, white on black, at the map's bottom right corner.
void DrawMapTimeLabel(QPainter& painter, const WorldFrame& f, const QString& label,
                      const QFont& font);
