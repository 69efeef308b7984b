#pragma once

#include <QStyledItemDelegate>

/// The Qt colour of a circuit reliability (percent) on the continuous scale.
QColor ScaleQColor(double percent);

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

private:
    int m_now = -1;
};
