#include "maps/ui/WorldMapPainter.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <list>

#include "core/Constants.h"

namespace {

const QColor kLandColour(255, 255, 0);
const QColor kSeaColour(0, 0, 255);
const QColor kGridColour(128, 128, 128);

QPolygonF ToPolygon(const MapPolyline& line) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(line.size()));
    for (const MapPointF& p : line)
        polygon.append(QPointF(p.x, p.y));
    return polygon;
}

QPainterPath RingsPath(const std::vector<MapPolyline>& rings) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const MapPolyline& ring : rings)
        if (ring.size() >= 3)
            path.addPolygon(ToPolygon(ring)), path.closeSubpath();
    return path;
}

void StrokeLines(QPainter& painter, const std::vector<MapPolyline>& lines) {
    for (const MapPolyline& line : lines) {
        if (line.size() == 1)
            painter.drawPoint(QPointF(line[0].x, line[0].y));
        else
            painter.drawPolyline(ToPolygon(line));
    }
}

// The map's own area: the disc or the box.
QPainterPath MapArea(const WorldFrame& f) {
    QPainterPath area;
    if (f.greatCircle)
        area.addEllipse(QPointF(f.CentreX(), f.CentreY()), f.DiscRadius(), f.DiscRadius());
    else
        area.addRect(QRectF(f.left, f.top, f.width, f.height));
    return area;
}

// Keeps drawing inside a rectangular map (a clip rectangle costs nothing; the
// great-circle drawings stay inside the disc by themselves, and what a caller draws
// beyond it is covered by the black surround afterwards).
void ClipToMap(QPainter& painter, const WorldFrame& f) {
    if (!f.greatCircle)
        painter.setClipRect(QRectF(f.left, f.top, f.width, f.height));
}

// The surround colour around the great-circle disc.
void FillSurround(QPainter& painter, const WorldFrame& f, double w, double h,
                  const QColor& colour) {
    if (!f.greatCircle)
        return;
    QPainterPath outside;
    outside.setFillRule(Qt::OddEvenFill);
    outside.addRect(QRectF(0, 0, w, h));
    outside.addEllipse(QPointF(f.CentreX(), f.CentreY()), f.DiscRadius(), f.DiscRadius());
    painter.fillPath(outside, colour);
}

// How far apart the points of a coastline may be, in logical pixels: under a device
// pixel, so that they bend with the projection's distortion near the rim.
double Tolerance(double dpr) {
    return 0.75 / std::max(dpr, 1.0);
}

// The same for the smooth curves (terminator, circles, paths): a chord of three device
// pixels strays less than a hundredth of a pixel from a curve of 100 pixels radius.
double CurveTolerance(double dpr) {
    return 3.0 / std::max(dpr, 1.0);
}

// Land and sea of a frame at a device size, kept for the last few sizes drawn.
struct WorldLayerKey {
    bool greatCircle;
    double lat, lon, w, h, dpr;
    QRgb surround;
    bool operator==(const WorldLayerKey&) const = default;
};

struct WorldLayer {
    WorldLayerKey key;
    QImage fill;             ///< sea and land, device pixels
    QPainterPath coastlines; ///< logical pixels
};

const WorldLayer& WorldLayerFor(const WorldFrame& f, QSize deviceSize, double dpr,
                                const QColor& surround) {
    static std::list<WorldLayer> cache;
    const WorldLayerKey key{f.greatCircle,
                            f.centre.lat,
                            f.centre.lon,
                            double(deviceSize.width()),
                            double(deviceSize.height()),
                            dpr,
                            surround.rgba()};
    for (auto it = cache.begin(); it != cache.end(); ++it)
        if (it->key == key) {
            cache.splice(cache.begin(), cache, it);
            return cache.front();
        }
    WorldLayer layer{key, QImage(deviceSize, QImage::Format_RGB32), {}};
    layer.fill.setDevicePixelRatio(dpr);
    layer.fill.fill(surround);
    const double tolerance = Tolerance(dpr);
    {
        QPainter p(&layer.fill);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(kSeaColour);
        p.drawPath(MapArea(f));
        ClipToMap(p, f);
        p.setBrush(kLandColour);
        p.drawPath(RingsPath(LandRings(f, tolerance)));
    }
    for (const MapPolyline& line : CoastlinePolylines(f, tolerance)) {
        if (line.empty())
            continue;
        layer.coastlines.moveTo(line[0].x, line[0].y);
        for (std::size_t i = 1; i < line.size(); ++i)
            layer.coastlines.lineTo(line[i].x, line[i].y);
    }
    cache.push_front(std::move(layer));
    if (cache.size() > 4)
        cache.pop_back();
    return cache.front();
}

void DrawSun(QPainter& painter, QPointF at, double radius) {
    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        const double a = i * 22.5 * kRadPerDeg;
        const double r = i % 2 == 0 ? radius : radius / 2.0;
        star.append(at + QPointF(std::sin(a) * r, -std::cos(a) * r));
    }
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPolygon(star);
}

void DrawSuns(QPainter& painter, const WorldFrame& f, SubsolarPoint sun, double radius) {
    const GeoPoint s{sun.declinationDeg, sun.longitudeDeg};
    const ProjectedPoint p = ProjectToFrame(f, s);
    if (!p.visible)
        return;
    DrawSun(painter, QPointF(p.at.x, p.at.y), radius);
    if (!f.greatCircle) {
        const double shift = p.at.x < f.CentreX() ? f.width : -f.width;
        DrawSun(painter, QPointF(p.at.x + shift, p.at.y), radius);
        return;
    }
    // The same point the long way round, at or beyond the rim.
    const double dx = p.at.x - f.CentreX();
    const double dy = p.at.y - f.CentreY();
    const double d = std::hypot(dx, dy) / f.Scale();
    if (d * f.Scale() <= 1.0)
        return;
    const double factor = (360.0 - d) / d;
    DrawSun(painter, QPointF(f.CentreX() - dx * factor, f.CentreY() - dy * factor), radius);
}

void DrawGrid(QPainter& painter, const WorldFrame& f) {
    painter.setPen(QPen(kGridColour, 1.0));
    painter.setBrush(Qt::NoBrush);
    if (f.greatCircle) {
        const double reach = f.outerSize / 2.0 + 1.0;
        const QPointF c(f.CentreX(), f.CentreY());
        for (int i = 0; i < 12; ++i) {
            const double a = i * 30.0 * kRadPerDeg;
            painter.drawLine(c, c + QPointF(reach * std::cos(a), reach * std::sin(a)));
        }
        for (int i = 1; i <= 3; ++i)
            painter.drawEllipse(c, f.DiscRadius() * i / 4.0, f.DiscRadius() * i / 4.0);
        return;
    }
    for (int lat = -90; lat <= 90; lat += 30) {
        const double y = f.top + (90.0 - lat) * f.height / 180.0;
        painter.drawLine(QPointF(f.left, y), QPointF(f.left + f.width, y));
    }
    for (int lon = 0; lon < 360; lon += 60) {
        const double x = ProjectToFrame(f, {0.0, double(lon)}).at.x;
        painter.drawLine(QPointF(x, f.top), QPointF(x, f.top + f.height));
    }
}

std::vector<GeoPoint> PathPlaces(const MapPaths& paths, PathKind kind) {
    const PathGeometry& g = kind == PathKind::Short ? paths.shortPath : paths.longPath;
    const int n = std::max(PathSteps(g), 1);
    std::vector<GeoPoint> places{{paths.a.LatitudeDeg, paths.a.LongitudeDeg}};
    // Finer than a degree so that the paths stay smooth on large maps.
    const int steps = 4 * n;
    for (int k = 1; k <= steps; ++k)
        places.push_back(PathPoint(paths, kind, k, steps));
    return places;
}

QString TerminalLabel(const Terminal& t, const char* fallback) {
    if (!t.Name.empty())
        return QString::fromStdString(t.Name);
    if (!t.Prefix.empty() && t.Prefix != "DEFAULT" && t.Prefix != "<Ins>")
        return QString::fromStdString(t.Prefix);
    return QString::fromLatin1(fallback);
}

void DrawTerminal(QPainter& painter, const WorldFrame& f, const Terminal& t, const QString& label,
                  const QFont& font, double size) {
    const ProjectedPoint p = ProjectToFrame(f, {t.LatitudeDeg, t.LongitudeDeg});
    if (!p.visible)
        return;
    const QPointF at(p.at.x, p.at.y);
    painter.setPen(QPen(Qt::black, std::max(1.0, size / 4.0)));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, size, size);
    painter.setFont(font);
    const QFontMetricsF m(font);
    QPointF textAt = at + QPointF(size * 1.6, m.ascent() / 2.5);
    if (textAt.x() + m.horizontalAdvance(label) > f.left + f.width)
        textAt.setX(at.x() - size * 1.6 - m.horizontalAdvance(label));
    // White letters with a black halo read on every colour of the map.
    painter.setPen(Qt::black);
    const double halo = std::max(1.0, size / 3.0);
    for (const QPointF d :
         {QPointF(-halo, 0), QPointF(halo, 0), QPointF(0, -halo), QPointF(0, halo),
          QPointF(-halo, -halo), QPointF(halo, halo), QPointF(-halo, halo), QPointF(halo, -halo)})
        painter.drawText(textAt + d, label);
    painter.setPen(Qt::white);
    painter.drawText(textAt, label);
}

void DrawTimeLabel(QPainter& painter, const WorldFrame& f, const QString& label,
                   const QFont& font) {
    painter.setFont(font);
    const QFontMetricsF m(font);
    const QSizeF size(m.horizontalAdvance(label), m.height());
    const double right = f.outerLeft + f.outerSize;
    const double bottom = f.greatCircle ? f.outerTop + f.outerSize : f.top + f.height;
    const QRectF box(right - size.width(), bottom - size.height(), size.width(), size.height());
    painter.fillRect(box, Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, label);
}

// The night side: AND of the picture with grey, the base maps' way of darkening (yellow
// land turns olive, blue sea navy, green coasts dark green).
void DarkenNight(QPainter& painter, const WorldFrame& f, SubsolarPoint sun, double tolerance) {
    painter.save();
    painter.setPen(Qt::NoPen);
    if (painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.setBrush(QColor(128, 128, 128));
    } else {
        painter.setBrush(QColor(0, 0, 0, 128)); // SVG and PDF: about the same darkness
    }
    painter.drawPath(RingsPath(NightRings(f, sun, tolerance)));
    painter.restore();
}

} // namespace

void DrawCoastlines(QPainter& painter, const WorldFrame& f, double devicePixelRatio) {
    StrokeLines(painter, CoastlinePolylines(f, Tolerance(devicePixelRatio)));
}

void DrawSunMarks(QPainter& painter, const WorldFrame& f, SubsolarPoint sun, double radius) {
    DrawSuns(painter, f, sun, radius);
}

void DrawMapTimeLabel(QPainter& painter, const WorldFrame& f, const QString& label,
                      const QFont& font) {
    DrawTimeLabel(painter, f, label, font);
}

WorldFrame SceneFrame(const WorldMapScene& scene, double w, double h) {
    WorldFrame f = FitWorldFrame(scene.greatCircle, scene.centre, w, h);
    if (!scene.greatCircle) {
        // One pixel of the red frame around the map.
        f = FitWorldFrame(false, scene.centre, std::max(w - 2.0, 1.0), std::max(h - 2.0, 1.0));
        f.left += 1.0;
        f.top += 1.0;
        f.outerLeft = f.left;
        f.outerTop = f.top;
    }
    return f;
}

namespace {

// Everything over the land and sea: the caller's underlay, the coastlines, the night
// side, grid, polar zones, Sun, paths, terminals, time label, frame and overlay.
void PaintOverWorld(QPainter& painter, const WorldFrame& f, double w, double h,
                    const WorldMapScene& scene, const QPainterPath& coastlines, double tolerance,
                    bool onScreen) {
    const double size = f.outerSize;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    ClipToMap(painter, f);
    if (scene.underlay) {
        scene.underlay(painter, f);
        FillSurround(painter, f, w, h, scene.surround);
    }
    painter.setBrush(Qt::NoBrush);
    // On the screen a cosmetic pen one device pixel wide takes the painter's fast line
    // drawing; on paper and in files a line one logical pixel wide.
    QPen coast(scene.coastColour, 1.0);
    coast.setCosmetic(onScreen);
    painter.setPen(coast);
    painter.drawPath(coastlines);
    painter.restore();
    if (scene.sun && scene.night)
        DarkenNight(painter, f, *scene.sun, tolerance);

    const double sunRadius = std::max(4.0, size / 47.0);
    const QPointF centre(f.CentreX(), f.CentreY());
    if (f.greatCircle && scene.sun) {
        painter.save();
        painter.setClipRect(QRectF(f.outerLeft, f.outerTop, f.outerSize, f.outerSize));
        DrawSuns(painter, f, *scene.sun, sunRadius);
        painter.restore();
    }
    if (scene.grid)
        DrawGrid(painter, f);
    painter.save();
    ClipToMap(painter, f);
    if (scene.polarZones) {
        painter.setPen(QPen(Qt::white, 1.0));
        painter.setBrush(Qt::NoBrush);
        for (const bool north : {true, false}) {
            const GeoPoint c = north ? GeoPoint{kNorthPolarPointLatDeg, kNorthPolarPointLonDeg}
                                     : GeoPoint{kSouthPolarPointLatDeg, kSouthPolarPointLonDeg};
            StrokeLines(painter, ProjectCircle(f, c, 25.5, tolerance));
        }
    }
    if (!f.greatCircle && scene.sun)
        DrawSuns(painter, f, *scene.sun, sunRadius);
    if (scene.paths) {
        const double width = std::max(1.5, size / (f.greatCircle ? 300.0 : 400.0));
        for (const PathKind kind : {PathKind::Long, PathKind::Short}) {
            painter.setPen(QPen(kind == PathKind::Short ? Qt::red : Qt::black, width, Qt::SolidLine,
                                Qt::RoundCap, Qt::RoundJoin));
            StrokeLines(painter, ProjectChain(f, PathPlaces(*scene.paths, kind), tolerance));
        }
    }
    painter.restore();
    if (scene.paths) {
        QFont font = scene.font;
        font.setBold(true);
        font.setPixelSize(std::max(11, static_cast<int>(size / 55.0)));
        const double dot = std::max(3.0, size / 220.0);
        DrawTerminal(painter, f, scene.paths->a, TerminalLabel(scene.paths->a, "A"), font, dot);
        DrawTerminal(painter, f, scene.paths->b, TerminalLabel(scene.paths->b, "B"), font, dot);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::red, 1.0));
    if (f.greatCircle)
        painter.drawEllipse(centre, f.DiscRadius(), f.DiscRadius());
    if (!scene.timeLabel.isEmpty())
        DrawTimeLabel(painter, f, scene.timeLabel, scene.font);
    if (!f.greatCircle) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawRect(QRectF(0, 0, w - 1.0, h - 1.0));
    }
    if (scene.overlay) {
        painter.save();
        ClipToMap(painter, f);
        scene.overlay(painter, f);
        painter.restore();
    }
}

QPainterPath CoastlinePath(const WorldFrame& f, double tolerance) {
    QPainterPath path;
    for (const MapPolyline& line : CoastlinePolylines(f, tolerance)) {
        if (line.empty())
            continue;
        path.moveTo(line[0].x, line[0].y);
        for (std::size_t i = 1; i < line.size(); ++i)
            path.lineTo(line[i].x, line[i].y);
    }
    return path;
}

} // namespace

WorldFrame PaintWorldMap(QImage& image, const WorldMapScene& scene) {
    const double dpr = image.devicePixelRatio();
    const double w = image.width() / dpr;
    const double h = image.height() / dpr;
    const WorldFrame f = SceneFrame(scene, w, h);
    const WorldLayer& world = WorldLayerFor(f, image.size(), dpr, scene.surround);
    QPainter painter(&image);
    painter.drawImage(QPointF(0, 0), world.fill);
    PaintOverWorld(painter, f, w, h, scene, world.coastlines, CurveTolerance(dpr), true);
    return f;
}

WorldFrame PaintWorldMapOn(QPainter& painter, double w, double h, const WorldMapScene& scene) {
    const WorldFrame f = SceneFrame(scene, w, h);
    constexpr double kTolerance = 0.25;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, w, h), scene.surround);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSeaColour);
    painter.drawPath(MapArea(f));
    painter.save();
    ClipToMap(painter, f);
    painter.setBrush(kLandColour);
    painter.drawPath(RingsPath(LandRings(f, kTolerance)));
    painter.restore();
    PaintOverWorld(painter, f, w, h, scene, CoastlinePath(f, kTolerance), kTolerance, false);
    painter.restore();
    return f;
}

QImage RenderWorldMap(int w, int h, double devicePixelRatio, const WorldMapScene& scene) {
    const double dpr = std::max(devicePixelRatio, 0.5);
    QImage image(std::max(1, static_cast<int>(std::lround(w * dpr))),
                 std::max(1, static_cast<int>(std::lround(h * dpr))), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    PaintWorldMap(image, scene);
    return image;
}
