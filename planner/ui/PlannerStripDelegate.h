#pragma once

#include <QStyledItemDelegate>

/// Paints a band's 48 half hours (the model's strip text, StripText) as a row of
/// cells coloured by availability class (a P.533 band: by its circuit reliability on
/// the continuous scale), pale where below the threshold, grey where nothing is shown,
/// with the current half hour marked by a red line.
class PlannerStripDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    /// The displayed half hour (0..47) of now, or −1 for no mark.
    void setNowHalfHour(int halfHour) { m_now = halfHour; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// Where the strip lies in a cell of the table (the header's ruler lies over it).
    static QRectF StripArea(const QRect& cell);

private:
    int m_now = -1;
};
