#include "freqmap/ui/FreqMapPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "freqmap/FreqMapTexts.h"
#include "maps/MapOverlays.h"
#include "maps/VectorMap.h"
#include "maps/ui/WorldMapPainter.h"

namespace {

PixelRect AreaOf(double w, double h) {
    return FreqMapArea(static_cast<int>(std::lround(w)), static_cast<int>(std::lround(h)));
}

} // namespace

void PaintFreqMapCells(QImage& image, const FreqMapPicture& p) {
    const double dpr = image.devicePixelRatio();
    const PixelRect area = AreaOf(image.width() / dpr, image.height() / dpr);
    image.fill(Qt::black);
    // The cells' dot patterns, one dot per device pixel as on the screen's grid.
    if (p.cells && p.classes && p.freqSlots) {
        const std::size_t count = std::min(p.cells->size(), p.classes->size());
        for (std::size_t n = 0; n < count; ++n) {
            const int klass = (*p.classes)[n];
            if (p.selectedClass != 0 && p.selectedClass != klass)
                continue;
            const int pattern = FreqMapPatternOf(*p.freqSlots, klass);
            if (pattern == 8)
                continue;
            const PixelRect r = (*p.cells)[n].rect;
            const int top = static_cast<int>(std::lround(std::max(r.top, area.top) * dpr));
            const int bottom = static_cast<int>(std::lround(std::min(r.bottom, area.bottom) * dpr));
            const int left = static_cast<int>(std::lround(std::max(r.left, area.left) * dpr));
            const int right = static_cast<int>(std::lround(std::min(r.right, area.right) * dpr));
            const int ox = static_cast<int>(std::lround(area.left * dpr));
            const int oy = static_cast<int>(std::lround(area.top * dpr));
            for (int y = top; y < bottom; ++y) {
                auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = left; x < right; ++x)
                    if (FreqMapPatternLit(pattern, x - ox, y - oy))
                        row[x] = qRgb(0, 255, 255);
            }
        }
    }
}

void PaintFreqMapOverlay(QPainter& painter, double w, double h, double dpr, const FreqMapPicture& p,
                         const QFont& font) {
    const PixelRect area = AreaOf(w, h);
    painter.save();
    WorldFrame f;
    f.centre = {0.0, p.centreLonDeg};
    f.left = area.left;
    f.top = area.top;
    f.width = area.right - area.left;
    f.height = area.bottom - area.top;
    f.outerLeft = f.left;
    f.outerTop = f.top;
    f.outerSize = f.width;
    painter.setClipRect(QRectF(f.left, f.top, f.width, f.height));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, std::max(1.0, f.width / 1200.0)));
    DrawCoastlines(painter, f, dpr);
    // The station's plus sign, and its copy one map width away.
    const ProjectedPoint a = ProjectToFrame(f, p.station);
    const double arm = p.markerArm;
    const double bar = std::max(1.0, 2.0 * (p.markerArm / 3) + 1.0);
    for (const double shift : {0.0, a.at.x > f.CentreX() ? -f.width : f.width}) {
        const QPointF c(a.at.x + shift, a.at.y);
        painter.fillRect(QRectF(c.x() - bar / 2.0, c.y() - arm, bar, 2.0 * arm), QColor(0, 255, 0));
        painter.fillRect(QRectF(c.x() - arm, c.y() - bar / 2.0, 2.0 * arm, bar), QColor(0, 255, 0));
    }
    DrawSunMarks(painter, f, p.sun, std::max(4.0, w / 47.0));
    painter.setClipping(false);
    DrawMapTimeLabel(painter, f, QString::fromStdString(TimeLabelText(p.timeText, p.zoneLabel)),
                     font);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::red, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, 0, w - 1.0, h - 1.0));
    painter.restore();
}

void PaintFreqMapPicture(QImage& image, const FreqMapPicture& picture, const QFont& font) {
    PaintFreqMapCells(image, picture);
    const double dpr = image.devicePixelRatio();
    QPainter painter(&image);
    PaintFreqMapOverlay(painter, image.width() / dpr, image.height() / dpr, dpr, picture, font);
}

QImage FreqMapPatternImage(int pattern, int w) {
    QImage box(std::max(w, 1), std::max(w, 1), QImage::Format_RGB32);
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            box.setPixel(x, y, FreqMapPatternLit(pattern, x, y) ? 0xFF00FFFFu : 0xFF000000u);
    return box;
}
