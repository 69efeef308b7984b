#include "prediction/ChildWindowParts.h"

#include "prediction/DrawingPainter.h"
#include "prediction/HeaderLinesDelegate.h"
#include "report/PredictionReport.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void DrawingView::setDrawing(Drawing drawing) {
    m_drawing = std::move(drawing);
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    PaintDrawing(painter, m_drawing);
}

void DrawingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    emit pressedOrLeft();
    QWidget::mousePressEvent(event);
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit leftReleased(event->position());
    QWidget::mouseReleaseEvent(event);
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position());
    QWidget::mouseMoveEvent(event);
}

void DrawingView::leaveEvent(QEvent* event) {
    emit pressedOrLeft();
    QWidget::leaveEvent(event);
}

QListWidget* MakeHeaderList(QWidget* parent, HeaderLinesDelegate*& delegate) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("HeaderListBox"));
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    delegate = new HeaderLinesDelegate(list);
    list->setItemDelegate(delegate);
    return list;
}

void FillHeaderList(QListWidget* list, HeaderLinesDelegate* delegate, const PathResult& path) {
    list->clear();
    for (const std::string& line : path.HeaderLines)
        list->addItem(QString::fromStdString(line));
    delegate->setPolar(path.Geometry.IsPolar);
    list->viewport()->update();
}

QFont FittedReportFont(const QWidget* window, int availableWidth) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    const QString line(static_cast<int>(kReportWidth), QLatin1Char('X'));
    double points = 14.0 * WindowScale(window);
    font.setPointSizeF(points);
    while (points > 4.0 && QFontMetrics(font).horizontalAdvance(line) > availableWidth) {
        points -= 0.5;
        font.setPointSizeF(points);
    }
    return font;
}

void SetHeaderListFont(QListWidget* list, const QFont& font) {
    list->setFont(font);
    const QFontMetrics metrics(font);
    list->setFixedHeight(3 * (metrics.height() + 2) + 2 * list->frameWidth() + 4);
}

QStatusBar* MakeStatusBar(QWidget* parent, QLabel*& hintPanel, QLabel*& helpPanel) {
    auto* statusBar = new QStatusBar(parent);
    statusBar->setObjectName(QStringLiteral("StatusBar"));
    statusBar->setSizeGripEnabled(false);
    hintPanel = new QLabel(statusBar);
    helpPanel = new QLabel(QString::fromLatin1(kPressF1ForHelp), statusBar);
    statusBar->addWidget(hintPanel, 5);
    statusBar->addPermanentWidget(helpPanel, 1);
    return statusBar;
}
