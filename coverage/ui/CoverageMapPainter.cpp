#include "coverage/ui/CoverageMapPainter.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <list>

#include "coverage/CoverageGrid.h"
#include "maps/MapOverlays.h"
#include "maps/NightMask.h"
#include "maps/VectorMap.h"

namespace {

// Black over the night side, so that it shows at kNightBrightnessPercent.
constexpr int kNightAlpha = (100 - kNightBrightnessPercent) * 255 / 100;
// A picture on paper or in a file gets its cells as an image of about this many device
// pixels per logical pixel (and at most kMaxCellImageWidth wide) under the vector
// coastlines: small files, and no seams between neighbouring cells.
constexpr double kCellImageScale = 2.0;
constexpr int kMaxCellImageWidth = 4000;
const QColor kGreyLine(0xD0, 0xD0, 0xD0);
const QColor kLime(0, 255, 0);

QPolygonF ToPolygon(const MapPolyline& line) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(line.size()));
    for (const MapPointF& p : line)
        polygon.append(QPointF(p.x, p.y));
    return polygon;
}

// The cells' outlines in a frame: polygons, each with the cell it belongs to. The cell
// that holds a great-circle map's antipode comes out as a thin band along the rim: its
// outline plus the disc's, filled by the even-odd rule.
struct CellShapes {
    bool greatCircle = false;
    double lat = 0, lon = 0, left = 0, top = 0, width = 0, height = 0, tolerance = 0;
    int cellDeg = 0;
    std::vector<QPolygonF> polygons;
    std::vector<int> cellOf;
    int antipodeCell = -1;
    QPainterPath antipodeBand;
    /// Per device pixel of a raster target, 1 + the cell it shows (0: none); made on
    /// the first raster frame of this size.
    QImage index;

    bool Fits(const WorldFrame& f, int deg, double tol) const {
        return greatCircle == f.greatCircle && lat == f.centre.lat && lon == f.centre.lon &&
               left == f.left && top == f.top && width == f.width && height == f.height &&
               cellDeg == deg && tolerance == tol;
    }
};

CellShapes MakeCellShapes(const WorldFrame& f, const CoverageGrid& grid, double tolerance) {
    CellShapes shapes;
    shapes.greatCircle = f.greatCircle;
    shapes.lat = f.centre.lat;
    shapes.lon = f.centre.lon;
    shapes.left = f.left;
    shapes.top = f.top;
    shapes.width = f.width;
    shapes.height = f.height;
    shapes.tolerance = tolerance;
    shapes.cellDeg = grid.cellDeg;
    if (f.greatCircle)
        shapes.antipodeCell = CellAt(grid, -f.centre.lat, f.centre.lon + 180.0);
    for (int c = 0; c < grid.CellCount(); ++c) {
        const CellEdges e = CellEdgesOf(grid, c);
        const std::array<GeoPoint, 5> ring{GeoPoint{e.north, e.west}, GeoPoint{e.north, e.east},
                                           GeoPoint{e.south, e.east}, GeoPoint{e.south, e.west},
                                           GeoPoint{e.north, e.west}};
        if (c == shapes.antipodeCell) {
            shapes.antipodeBand.setFillRule(Qt::OddEvenFill);
            for (const MapPolyline& line : ProjectChain(f, ring, tolerance))
                shapes.antipodeBand.addPolygon(ToPolygon(line));
            shapes.antipodeBand.addPolygon(ToPolygon(DiscOutline(f)));
            continue;
        }
        for (const MapPolyline& line : ProjectChain(f, ring, tolerance)) {
            if (line.size() < 3)
                continue;
            shapes.polygons.push_back(ToPolygon(line));
            shapes.cellOf.push_back(c);
        }
    }
    return shapes;
}

// The shapes of the last two frames drawn (both projections at the window's size).
CellShapes& CellShapesFor(const WorldFrame& f, const CoverageGrid& grid, double tolerance) {
    static std::list<CellShapes> cache;
    for (auto it = cache.begin(); it != cache.end(); ++it)
        if (it->Fits(f, grid.cellDeg, tolerance)) {
            cache.splice(cache.begin(), cache, it);
            return cache.front();
        }
    cache.push_front(MakeCellShapes(f, grid, tolerance));
    if (cache.size() > 2)
        cache.pop_back();
    return cache.front();
}

// Opaque, the same colour over land and sea as in the legend and the command line's
// pictures; the coastlines drawn over the cells tell land from sea.
QColor CellColour(const CellTint& tint) {
    return QColor::fromRgb(static_cast<QRgb>(tint.Shown()));
}

// The index image of a raster target of `size` device pixels: the cells' polygons filled
// with their numbers as colours.
QImage CellIndexImage(const CellShapes& shapes, QSize size, double dpr) {
    QImage index(size, QImage::Format_RGB32);
    index.setDevicePixelRatio(dpr);
    index.fill(0u);
    QPainter p(&index);
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < shapes.polygons.size(); ++i) {
        p.setBrush(QColor::fromRgb(static_cast<QRgb>(shapes.cellOf[i] + 1)));
        p.drawPolygon(shapes.polygons[i]);
    }
    if (shapes.antipodeCell >= 0)
        p.fillPath(shapes.antipodeBand,
                   QColor::fromRgb(static_cast<QRgb>(shapes.antipodeCell + 1)));
    return index;
}

// On the screen: one layer of the cells' colours made through the index image and laid
// over the map at once, far quicker than thousands of small polygons.
void PaintCellLayer(QPainter& painter, CellShapes& shapes, const std::vector<CellTint>& tints) {
    QPaintDevice* device = painter.device();
    const double dpr = device->devicePixelRatioF();
    const QSize deviceSize = static_cast<QImage*>(device)->size();
    if (shapes.index.size() != deviceSize || shapes.index.devicePixelRatio() != dpr)
        shapes.index = CellIndexImage(shapes, deviceSize, dpr);
    std::vector<QRgb> colours(tints.size() + 1, 0u);
    for (std::size_t c = 0; c < tints.size(); ++c)
        colours[c + 1] = CellColour(tints[c]).rgba();
    for (QRgb& colour : colours)
        colour = qPremultiply(colour);
    QImage layer(deviceSize, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(dpr);
    for (int y = 0; y < deviceSize.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(shapes.index.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < deviceSize.width(); ++x) {
            const std::uint32_t cell = in[x] & 0xFFFFFFu;
            out[x] = cell < colours.size() ? colours[cell] : 0u;
        }
    }
    painter.drawImage(QPointF(0, 0), layer);
}

// On paper and in files: the cells drawn into an image at a few device pixels per
// logical pixel, laid over the map as one picture.
void PaintCellImage(QPainter& painter, const WorldFrame& f, const CoverageFrame& frame,
                    const std::vector<CellTint>& tints) {
    const QRectF box = f.greatCircle ? QRectF(f.outerLeft, f.outerTop, f.outerSize, f.outerSize)
                                     : QRectF(f.left, f.top, f.width, f.height);
    const double scale = std::min(kCellImageScale, kMaxCellImageWidth / std::max(box.width(), 1.0));
    // The frame moved to the image's origin, in the image's logical pixels.
    WorldFrame shifted = f;
    shifted.left -= box.left();
    shifted.top -= box.top();
    shifted.outerLeft -= box.left();
    shifted.outerTop -= box.top();
    QImage image(std::max(1, static_cast<int>(std::ceil(box.width() * scale))),
                 std::max(1, static_cast<int>(std::ceil(box.height() * scale))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter imagePainter(&image);
        CellShapes& shapes = CellShapesFor(shifted, frame.map->grid, 1.0 / scale);
        PaintCellLayer(imagePainter, shapes, tints);
    }
    painter.save();
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(box, image);
    painter.restore();
}

void PaintCells(QPainter& painter, const WorldFrame& f, const CoverageFrame& frame) {
    const CoverageMap& map = *frame.map;
    const std::vector<CellTint> tints = CellTints(map, frame.slotIndex, frame.show);
    if (painter.device()->devType() == QInternal::Image && painter.transform().isIdentity()) {
        const double dpr = std::max(1.0, painter.device()->devicePixelRatioF());
        PaintCellLayer(painter, CellShapesFor(f, map.grid, 1.0 / dpr), tints);
        return;
    }
    PaintCellImage(painter, f, frame, tints);
}

SubsolarPoint SunOf(const CoverageFrame& frame) {
    return SubsolarPointAt(frame.utDate,
                           0.5 * frame.map->halfHours[static_cast<std::size_t>(frame.slotIndex)]);
}

void PaintNight(QPainter& painter, const WorldFrame& f, SubsolarPoint sun, double tolerance) {
    QPainterPath night;
    night.setFillRule(Qt::OddEvenFill);
    for (const MapPolyline& ring : NightRings(f, sun, tolerance))
        if (ring.size() >= 3)
            night.addPolygon(ToPolygon(ring)), night.closeSubpath();
    painter.fillPath(night, QColor(0, 0, 0, kNightAlpha));
}

QString StationLabel(const Terminal& t) {
    if (!t.Name.empty())
        return QString::fromStdString(t.Name);
    if (!t.Prefix.empty() && t.Prefix != "DEFAULT" && t.Prefix != "<Ins>")
        return QString::fromStdString(t.Prefix);
    return QStringLiteral("A");
}

void PaintStation(QPainter& painter, const WorldFrame& f, const Terminal& t, const QFont& font) {
    const ProjectedPoint p = ProjectToFrame(f, {t.LatitudeDeg, t.LongitudeDeg});
    if (!p.visible)
        return;
    const double arm = std::max(4.0, f.outerSize / 150.0);
    const double bar = std::max(2.0, arm / 1.5);
    const QPointF at(p.at.x, p.at.y);
    QPainterPath plus;
    plus.setFillRule(Qt::WindingFill);
    plus.addRect(QRectF(at.x() - bar / 2.0, at.y() - arm, bar, 2.0 * arm));
    plus.addRect(QRectF(at.x() - arm, at.y() - bar / 2.0, 2.0 * arm, bar));
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(kLime);
    painter.drawPath(plus.simplified());
    QFont bold = font;
    bold.setBold(true);
    bold.setPixelSize(std::max(11, static_cast<int>(f.outerSize / 55.0)));
    const QString label = StationLabel(t);
    const QFontMetricsF m(bold);
    QPointF textAt = at + QPointF(arm + 3.0, m.ascent() / 2.5);
    if (textAt.x() + m.horizontalAdvance(label) > f.outerLeft + f.outerSize)
        textAt.setX(at.x() - arm - 3.0 - m.horizontalAdvance(label));
    QPainterPath text;
    text.addText(textAt, bold, label);
    painter.setPen(QPen(Qt::black, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text); // a black halo reads on every colour of the map
    painter.fillPath(text, kLime);
}

} // namespace

WorldMapScene CoverageScene(const CoverageFrame& frame) {
    WorldMapScene scene;
    scene.greatCircle = frame.greatCircle;
    scene.centre = frame.centre;
    scene.font = frame.font;
    scene.timeLabel = frame.timeLabel;
    scene.polarZones = false;
    scene.coastColour = Qt::black;
    scene.surround = frame.surround;
    // The scene's own night side ANDs the colours down to their top bits, which would
    // make classes B and C alike; the cells' underlay darkens them itself.
    scene.night = false;
    if (!frame.map)
        return scene;
    const SubsolarPoint sun = SunOf(frame);
    scene.sun = sun;
    scene.underlay = [frame, sun](QPainter& painter, const WorldFrame& f) {
        PaintCells(painter, f, frame);
        const double dpr = std::max(1.0, painter.device()->devicePixelRatioF());
        PaintNight(painter, f, sun, 3.0 / dpr);
    };
    scene.overlay = [frame, sun](QPainter& painter, const WorldFrame& f) {
        const double dpr = std::max(1.0, painter.device()->devicePixelRatioF());
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kGreyLine, std::max(1.5, f.outerSize / 400.0)));
        for (const MapPolyline& line :
             ProjectCircle(f, {sun.declinationDeg, sun.longitudeDeg}, 90.0, 3.0 / dpr))
            painter.drawPolyline(ToPolygon(line));
        PaintStation(painter, f, frame.map->base.TerminalA, frame.font);
    };
    return scene;
}

int CoverageCellAtPixel(const WorldFrame& frame, const CoverageGrid& grid, double x, double y) {
    const std::optional<GeoPoint> place = PlaceAtPixel(frame, x, y);
    return place ? CellAt(grid, place->lat, place->lon) : -1;
}

QSizeF CoverageLegendSize(CoverageShow show, const QFont& font) {
    const double row = QFontMetricsF(font).height() + 4.0;
    return {180.0, row * static_cast<double>(CoverageLegend(show).size()) + 4.0};
}

void PaintCoverageLegend(QPainter& painter, QPointF topLeft, CoverageShow show, const QFont& font) {
    const std::vector<LegendEntry> legend = CoverageLegend(show);
    const double row = QFontMetricsF(font).height() + 4.0;
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const QRectF box(topLeft.x() + 2.0, topLeft.y() + 2.0 + row * static_cast<double>(i),
                         row - 4.0, row - 4.0);
        const Rgb day = LegendBoxColour(legend[i]);
        painter.setBrush(QColor::fromRgb(static_cast<QRgb>(day)));
        painter.drawRect(box);
        if (legend[i].night) {
            painter.setBrush(QColor::fromRgb(static_cast<QRgb>(NightColour(day))));
            painter.drawRect(QRectF(box.center().x(), box.top(), box.width() / 2.0, box.height()));
        }
        painter.drawText(QRectF(box.right() + 6.0, box.top() - 2.0, 170.0 - row, row),
                         Qt::AlignVCenter, QString::fromStdString(legend[i].text));
    }
    painter.restore();
}

QSizeF CoverageMapSize(QSizeF available, bool greatCircle) {
    const double w = std::max(available.width(), 3.0);
    const double h = std::max(available.height(), 3.0);
    if (greatCircle) {
        const double side = std::min(w, h);
        return {side, side};
    }
    // Twice as wide as high inside the one-pixel frame around the map.
    const double inner = std::min(w - 2.0, 2.0 * (h - 2.0));
    return {inner + 2.0, inner / 2.0 + 2.0};
}

namespace {

double TitleHeight(const QString& title, double width, const QFont& font) {
    const QRectF bounds = QFontMetricsF(font).boundingRect(
        QRectF(0.0, 0.0, std::max(width - 8.0, 20.0), 1.0e6), Qt::TextWordWrap, title);
    return bounds.height() + 8.0;
}

} // namespace

QSizeF CoveragePictureSize(const QString& title, QSizeF available, const CoverageFrame& frame) {
    const QSizeF map = CoverageMapSize(available, frame.greatCircle);
    const QSizeF legend = CoverageLegendSize(frame.show, frame.font);
    const double width = map.width() + legend.width() + 16.0;
    return {width, std::max(map.height(), legend.height()) + TitleHeight(title, width, frame.font)};
}

void PaintCoveragePicture(QPainter& painter, const QString& title, QSizeF available,
                          const CoverageFrame& frame) {
    const QSizeF size = CoveragePictureSize(title, available, frame);
    const QSizeF mapSize = CoverageMapSize(available, frame.greatCircle);
    const double titleHeight = TitleHeight(title, size.width(), frame.font);
    CoverageFrame onPaper = frame;
    onPaper.surround = Qt::white;
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    painter.save();
    painter.translate(0.0, titleHeight);
    painter.setClipRect(QRectF(QPointF(0, 0), mapSize));
    PaintWorldMapOn(painter, mapSize.width(), mapSize.height(), CoverageScene(onPaper));
    painter.restore();
    // White over all but the map: an SVG reader that does not clip would otherwise show
    // the land beyond the map's edges.
    painter.fillRect(QRectF(0.0, 0.0, size.width(), titleHeight), Qt::white);
    painter.fillRect(QRectF(mapSize.width(), titleHeight, size.width() - mapSize.width(),
                            size.height() - titleHeight),
                     Qt::white);
    painter.fillRect(QRectF(0.0, titleHeight + mapSize.height(), mapSize.width(),
                            size.height() - titleHeight - mapSize.height()),
                     Qt::white);
    painter.setFont(frame.font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(4.0, 4.0, size.width() - 8.0, titleHeight - 4.0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title);
    PaintCoverageLegend(painter, QPointF(mapSize.width() + 8.0, titleHeight), frame.show,
                        frame.font);
    painter.restore();
}
