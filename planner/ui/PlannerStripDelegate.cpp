#include "planner/ui/PlannerStripDelegate.h"

#include "planner/ui/PlannerStripPainter.h"
#include "planner/ui/PlannerTableModel.h"

#include <QPainter>

void PlannerStripDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QVariant strip = index.data(PlannerTableModel::StripRole);
    if (!strip.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QVariantList reliability = index.data(PlannerTableModel::ReliabilityRole).toList();
    const QRectF area = StripArea(option.rect);
    const double cell = area.width() / 48.0;
    painter->save();
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, option.palette.highlight());
    PaintPlannerStrip(*painter, area, strip.toString(), reliability);
    if (m_now >= 0) {
        painter->setPen(QPen(QColor(220, 0, 0), 2));
        const double x = area.left() + (m_now + 0.5) * cell;
        painter->drawLine(QPointF(x, option.rect.top()), QPointF(x, option.rect.bottom()));
    }
    painter->restore();
}

QRectF PlannerStripDelegate::StripArea(const QRect& cell) {
    return QRectF(cell).adjusted(1, 2, -1, -2);
}

QSize PlannerStripDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    if (index.data(PlannerTableModel::StripRole).isValid())
        return {2 * 48 + 4, option.fontMetrics.height() + 6};
    return QStyledItemDelegate::sizeHint(option, index);
}
