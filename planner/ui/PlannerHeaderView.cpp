#include "planner/ui/PlannerHeaderView.h"

#include "planner/PlannerView.h"
#include "planner/ui/PlannerStripDelegate.h"
#include "planner/ui/PlannerStripPainter.h"

#include <QPainter>
#include <algorithm>

namespace {

QFont RulerFont(const QFont& font) {
    QFont small = font;
    small.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.8));
    return small;
}

} // namespace

PlannerHeaderView::PlannerHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

int PlannerHeaderView::bandColumnMinimum() const {
    return std::max(fontMetrics().horizontalAdvance(QStringLiteral("28.10 MHz")) + 16, 2 * 48 + 4);
}

QSize PlannerHeaderView::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(size.height() + QFontMetrics(RulerFont(font())).height() + 4);
    return size;
}

void PlannerHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (logicalIndex < kPlannerBandColumn) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    // The frame and the frequency (aligned to the top by the model) as any header...
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    // ...and the ruler over the strip below it.
    const QFont ruler = RulerFont(font());
    const int rulerHeight = QFontMetrics(ruler).height() + 2;
    const QRectF strip = PlannerStripDelegate::StripArea(rect);
    const QRectF area(strip.left(), rect.bottom() - rulerHeight, strip.width(), rulerHeight);
    painter->save();
    PaintHourRuler(*painter, area, ruler);
    painter->restore();
}
