#pragma once

#include "engine/Propagation.h"
#include "graphs/Drawing.h"

#include <QWidget>

class HeaderLinesDelegate;
class QLabel;
class QListWidget;
class QStatusBar;

// Pieces that the hops window and the two graph windows share.

/// Paints a drawing that its window composes for its size, and reports the mouse.
class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(QWidget* parent = nullptr);
    void setDrawing(Drawing drawing);
    const Drawing& drawing() const { return m_drawing; }

signals:
    /// The view's size changed: its window composes a new drawing.
    void resized();
    /// The left button went up at `position` (pixels of the view).
    void leftReleased(QPointF position);
    /// A mouse button went down, or the pointer left the view.
    void pressedOrLeft();
    /// The pointer moved to `position` (only while mouse tracking is on).
    void moved(QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Drawing m_drawing;
};

/// The read-only list of a path's three header lines, drawn by `delegate`.
QListWidget* MakeHeaderList(QWidget* parent, HeaderLinesDelegate*& delegate);

/// Shows the path's header lines and its polar flag.
void FillHeaderList(QListWidget* list, HeaderLinesDelegate* delegate, const PathResult& path);

/// The fixed-pitch bold font, as large as lets 101 characters fit `availableWidth`
/// (starting from 14 points times the window scale).
QFont FittedReportFont(const QWidget* window, int availableWidth);

/// Gives the header list `font` and the height of three lines.
void SetHeaderListFont(QListWidget* list, const QFont& font);

/// A status bar with a hint panel and the "Press F1 for Help" panel (a sixth of the
/// screen width).
QStatusBar* MakeStatusBar(QWidget* parent, QLabel*& hintPanel, QLabel*& helpPanel);
