#include "app/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap ProgramIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF globe(size * 0.06, size * 0.06, size * 0.88, size * 0.88);
    QRadialGradient sea(globe.center() - QPointF(size * 0.15, size * 0.15), size * 0.6);
    sea.setColorAt(0.0, QColor(0x6f, 0xb7, 0xf0));
    sea.setColorAt(1.0, QColor(0x12, 0x4a, 0x8c));
    painter.setPen(QPen(QColor(0x0b, 0x2f, 0x5c), qMax(1.0, size / 40.0)));
    painter.setBrush(sea);
    painter.drawEllipse(globe);
    // Meridians and the equator.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 90), qMax(1.0, size / 64.0)));
    painter.drawEllipse(globe.adjusted(size * 0.22, 0, -size * 0.22, 0));
    painter.drawLine(QPointF(globe.left(), globe.center().y()),
                     QPointF(globe.right(), globe.center().y()));
    painter.drawLine(QPointF(globe.center().x(), globe.top()),
                     QPointF(globe.center().x(), globe.bottom()));
    // The path: an arc from one station to the other, with the two ends marked.
    const QPointF a(size * 0.24, size * 0.66);
    const QPointF b(size * 0.78, size * 0.36);
    QPainterPath path(a);
    path.quadTo(QPointF(size * 0.42, size * 0.12), b);
    painter.setPen(
        QPen(QColor(0xff, 0xd0, 0x30), qMax(1.5, size / 16.0), Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0x20, 0x20));
    const double dot = size * 0.085;
    painter.drawEllipse(a, dot, dot);
    painter.drawEllipse(b, dot, dot);
    return pixmap;
}
