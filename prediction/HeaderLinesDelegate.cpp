#include "prediction/HeaderLinesDelegate.h"

#include "report/PredictionReport.h"

#include <QPainter>

HeaderLinesDelegate::HeaderLinesDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void HeaderLinesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QStyledItemDelegate::paint(painter, plain, index);
    if (!m_polar || index.row() != 2)
        return;
    const QString line = index.data().toString();
    const QFontMetrics metrics(option.font);
    const int lineWidth = metrics.horizontalAdvance(line);
    const QString text = QString::fromLatin1(kPolarPathText);
    const int textWidth = metrics.horizontalAdvance(text);
    // The item's text starts a few pixels in from its left edge (the style's margin).
    const int left = option.rect.left() + 3 + qMax(0, (lineWidth - textWidth) / 2);
    const QRect box(left, option.rect.top(), textWidth, option.rect.height());
    painter->save();
    painter->fillRect(box, option.palette.base());
    painter->setFont(option.font);
    painter->setPen(Qt::red);
    painter->drawText(box, Qt::AlignCenter, text);
    painter->restore();
}
