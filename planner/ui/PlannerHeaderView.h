#pragma once

#include <QHeaderView>

/// The planner table's column headers: the place columns as usual; over each band's
/// strip its frequency on top and an hour ruler (00 to 24 in the strips' time) beneath,
/// twice as tall as a plain header.
class PlannerHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit PlannerHeaderView(QWidget* parent = nullptr);

    /// The smallest width of a band's column: its header text and two pixels per half hour.
    int bandColumnMinimum() const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sizeHint() const override;
};
