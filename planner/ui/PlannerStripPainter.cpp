#include "planner/ui/PlannerStripPainter.h"

#include "core/ReliabilityScale.h"
#include "planner/PlannerSheet.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cstdio>

namespace {

QColor ClassColour(char letter) {
    switch (letter) {
    case 'A':
        return {0, 150, 60};
    case 'B':
        return {120, 200, 60};
    case 'C':
        return {240, 210, 60};
    case 'D':
        return {240, 140, 60};
    default:
        return {228, 228, 228};
    }
}

} // namespace

QColor ScaleQColor(double percent) {
    const ScaleColour c = ReliabilityScaleColour(percent);
    return {c.r, c.g, c.b};
}

void PaintPlannerStrip(QPainter& painter, const QRectF& area, const QString& strip,
                       const QVariantList& reliability) {
    const double cell = area.width() / 48.0;
    for (int k = 0; k < strip.size() && k < 48; ++k) {
        const QChar c = strip.at(k);
        QColor colour = ClassColour(c.toUpper().toLatin1());
        if (k < reliability.size())
            colour = reliability[k].toFloat() >= 0.5f ? ScaleQColor(reliability[k].toFloat())
                                                      : ClassColour(' ');
        if (c.isLower())
            colour = colour.lighter(160);
        painter.fillRect(QRectF(area.left() + k * cell, area.top(), cell, area.height()), colour);
    }
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255), 1));
    for (int k = 12; k < 48; k += 12)
        painter.drawLine(QPointF(area.left() + k * cell, area.top()),
                         QPointF(area.left() + k * cell, area.bottom()));
    painter.restore();
}

void PaintHourRuler(QPainter& painter, const QRectF& area, const QFont& font) {
    const QFontMetricsF metrics(font, painter.device());
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("00"));
    painter.save();
    painter.setFont(font);
    painter.setPen(QPen(QColor(60, 60, 60), 0));
    for (const HourMark& mark : HourRulerMarks(area.width(), labelWidth)) {
        const double x = area.left() + mark.x;
        const double tick = mark.labelled ? area.height() * 0.35 : area.height() * 0.15;
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() - tick));
        if (!mark.labelled)
            continue;
        char text[4];
        std::snprintf(text, sizeof text, "%02d", mark.hour);
        const QString label = QString::fromLatin1(text);
        const double w = metrics.horizontalAdvance(label);
        // The end labels stay inside the strip.
        const double left = std::clamp(x - w / 2.0, area.left(), area.right() - w);
        painter.drawText(QRectF(left, area.top(), w, area.height() * 0.65), Qt::AlignCenter, label);
    }
    painter.restore();
}
