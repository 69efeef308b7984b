#pragma once

#include <QSize>

class QWidget;

/// The size of the screen the widget is on (the primary screen before it is shown).
QSize ScreenSize(const QWidget* widget);

/// The factor every window scales itself by when it is created: screen width / 1024.
double WindowScale(const QWidget* widget);

/// A length in pixels designed for a 1024-pixel-wide screen, scaled for this one.
int Scaled(const QWidget* widget, int designPixels);

/// Scales the window's font by WindowScale, so that its layouts, and with them the
/// whole window, grow with the screen. Called once by each window when it is created.
void ScaleWindow(QWidget* window);

/// Places the window centred horizontally with its top at `verticalFraction` of the
/// free screen height (screen height minus window height); 0.5 centres it.
void CentreOnScreen(QWidget* window, double verticalFraction);
