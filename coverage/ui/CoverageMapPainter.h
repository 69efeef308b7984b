#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include "core/Dates.h"
#include "coverage/Coverage.h"
#include "coverage/CoverageRender.h"
#include "maps/ui/WorldMapPainter.h"

class QPainter;

// The coverage map drawn as the other world maps are, sharp at any size: the cells as
// polygons of their outlines projected into the frame, under black coastlines, with the
// night side, the grey line, the Sun, the grid, terminal A and the time label. The
// window, its saved pictures and its printouts all draw through here.

/// What one frame of the coverage map shows.
struct CoverageFrame {
    const CoverageMap* map = nullptr;
    int slotIndex = 0; ///< index into map->halfHours
    CoverageShow show = CoverageShow::Reliability;
    bool greatCircle = false;
    GeoPoint centre;        ///< the great-circle centre; its longitude centres the rectangle
    DateValue utDate = 0.0; ///< the UT day of the frame (the Sun and the night side)
    QString timeLabel;      ///< TimeLabelText(...)
    QFont font;
    QColor surround = Qt::black; ///< beside a rectangular map, around the disc
};

/// The scene of the frame: cells and night side in the underlay (tinted cells at 85 %,
/// closed ones greyed, the night side at 55 % brightness so that the colours stay apart),
/// the grey line and terminal A (a lime-green plus sign with its name or prefix) on top.
/// The scene keeps pointers into `frame.map`: use it while the map lives.
WorldMapScene CoverageScene(const CoverageFrame& frame);

/// The cell under the pixel (x, y) of a picture drawn in `frame`; −1 off the map.
int CoverageCellAtPixel(const WorldFrame& frame, const CoverageGrid& grid, double x, double y);

/// The legend's size in logical pixels and its drawing at `topLeft`.
QSizeF CoverageLegendSize(CoverageShow show, const QFont& font);
void PaintCoverageLegend(QPainter& painter, QPointF topLeft, CoverageShow show, const QFont& font);

/// The largest map of the projection in `available` without bars beside it: a square
/// for the great-circle map, twice as wide as high (inside its one-pixel frame) for the
/// rectangular one.
QSizeF CoverageMapSize(QSizeF available, bool greatCircle);

/// The size of a saved or printed picture: the title (wrapped to the width) over the map
/// of CoverageMapSize(available), the legend beside it.
QSizeF CoveragePictureSize(const QString& title, QSizeF available, const CoverageFrame& frame);

/// Draws the title, the map (as vectors with its cells as one image under them: SVG and
/// PDF get real coastlines) and the legend on a white ground over
/// (0, 0)..CoveragePictureSize.
void PaintCoveragePicture(QPainter& painter, const QString& title, QSizeF available,
                          const CoverageFrame& frame);
