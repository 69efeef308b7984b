#include "widgets/WindowScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtMath>

namespace {

QScreen* ScreenOf(const QWidget* widget) {
    QScreen* screen = widget ? widget->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

QSize ScreenSize(const QWidget* widget) {
    QScreen* screen = ScreenOf(widget);
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

double WindowScale(const QWidget* widget) {
    return ScreenSize(widget).width() / 1024.0;
}

int Scaled(const QWidget* widget, int designPixels) {
    return qRound(designPixels * WindowScale(widget));
}

void ScaleWindow(QWidget* window) {
    const double factor = WindowScale(window);
    if (qFuzzyCompare(factor, 1.0))
        return;
    QFont font = window->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
    window->setFont(font);
}

void CentreOnScreen(QWidget* window, double verticalFraction) {
    QScreen* screen = ScreenOf(window);
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->size().expandedTo(window->sizeHint());
    // A window wider than the screen keeps its left edge, with the title and the first
    // fields, on the screen.
    const int x = area.x() + qMax(0, (area.width() - size.width()) / 2);
    const int y = area.y() + qMax(0, qRound((area.height() - size.height()) * verticalFraction));
    window->move(x, y);
}
