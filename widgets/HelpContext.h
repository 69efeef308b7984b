#pragma once

class QObject;
class QWidget;

/// Help is addressed by numeric contexts. A window (or a menu, or a page of a window)
/// carries its context as the property "helpContext"; the application's F1 handler
/// opens the help page of the focused widget's nearest context.
void SetHelpContext(QObject* object, int context);

/// The help context of `object` itself, 0 when it has none.
int OwnHelpContext(const QObject* object);

/// The nearest help context of `widget`, its parents and the windows that own them;
/// 0 when none has one.
int HelpContextOf(const QWidget* widget);
