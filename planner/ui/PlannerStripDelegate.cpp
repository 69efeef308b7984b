#include "planner/ui/PlannerStripDelegate.h"

#include "core/ReliabilityScale.h"
#include "planner/ui/PlannerTableModel.h"

#include <QPainter>

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

void PlannerStripDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QVariant strip = index.data(PlannerTableModel::StripRole);
    if (!strip.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QString text = strip.toString();
    const QVariantList reliability = index.data(PlannerTableModel::ReliabilityRole).toList();
    const QRectF area = QRectF(option.rect).adjusted(1, 2, -1, -2);
    const double cell = area.width() / 48.0;
    painter->save();
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, option.palette.highlight());
    for (int k = 0; k < text.size() && k < 48; ++k) {
        const QChar c = text.at(k);
        QColor colour = ClassColour(c.toUpper().toLatin1());
        // A P.533 strip: the circuit reliability on the continuous scale.
        if (k < reliability.size() && reliability[k].toFloat() >= 0.5f)
            colour = ScaleQColor(reliability[k].toFloat());
        else if (k < reliability.size())
            colour = ClassColour(' ');
        if (c.isLower())
            colour = colour.lighter(160);
        painter->fillRect(QRectF(area.left() + k * cell, area.top(), cell, area.height()), colour);
    }
    // Hour ticks every six hours, and now.
    painter->setPen(QPen(QColor(255, 255, 255), 1));
    for (int k = 12; k < 48; k += 12)
        painter->drawLine(QPointF(area.left() + k * cell, area.top()),
                          QPointF(area.left() + k * cell, area.bottom()));
    if (m_now >= 0) {
        painter->setPen(QPen(QColor(220, 0, 0), 2));
        const double x = area.left() + (m_now + 0.5) * cell;
        painter->drawLine(QPointF(x, option.rect.top()), QPointF(x, option.rect.bottom()));
    }
    painter->restore();
}

QSize PlannerStripDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    if (index.data(PlannerTableModel::StripRole).isValid())
        return {2 * 48 + 4, option.fontMetrics.height() + 6};
    return QStyledItemDelegate::sizeHint(option, index);
}
