#pragma once

#include <QStyledItemDelegate>

/// Draws the three header lines of a path and, on the third line of a polar path,
/// "THIS IS A POLAR PATH" in red, centred over the line.
class HeaderLinesDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit HeaderLinesDelegate(QObject* parent = nullptr);

    void setPolar(bool polar) { m_polar = polar; }
    bool polar() const { return m_polar; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    bool m_polar = false;
};
