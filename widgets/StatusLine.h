#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

/// The main window's status line and menus, as the other windows see them. The main
/// window implements it; dialogs receive a pointer (which may be null in tests or when
/// a window is used on its own) and show the hint of their focused control through it.
class StatusLine {
public:
    virtual ~StatusLine() = default;
    /// Left panel = text; the status line is shown if hidden.
    virtual void SetStatusHint(const QString& text) = 0;
    /// Right panel "Press F1 for Help", left panel empty, status line shown.
    virtual void ResetStatusLine() = 0;
    /// Hides the status line (done before a modal window opens).
    virtual void HideStatusLine() = 0;
    /// Makes every menu item invisible while a modal task runs.
    virtual void HideMenus() = 0;
    /// Menus visible, hints to the left panel, ResetStatusLine, normal cursor, enabled.
    virtual void RestoreMainWindow() = 0;
};

/// The text of the right panel in the idle state.
inline const char* const kPressF1ForHelp = "Press F1 for Help";

/// The hint of a control: its own status tip, or else that of the nearest enclosing
/// group inside `window`; empty when none has one.
QString HintOf(const QWidget* control, const QWidget* window);

/// Shows in `statusLine` the hint of whichever control of `window` has the focus, as
/// the focus moves; a control without a hint resets the status line. The tracker is a
/// child of the window and ends with it.
class FocusHintTracker : public QObject {
    Q_OBJECT
public:
    FocusHintTracker(QWidget* window, StatusLine* statusLine);

    /// Shows the hint of the control that has the focus now.
    void refresh();

private:
    void focusChanged(QWidget* old, QWidget* now);

    QPointer<QWidget> m_window;
    StatusLine* m_statusLine;
};

/// Starts a FocusHintTracker for `window` when `statusLine` is not null.
void TrackFocusHints(QWidget* window, StatusLine* statusLine);

/// Calls `pointerLeft` whenever the mouse pointer leaves `menuBar` or one of its menus
/// (those present now and those added later), and when one of the menus closes, so
/// that the hint of the item last highlighted does not stay in the status line. The watcher is a
/// child of the menu bar and ends with it.
void OnPointerLeavingMenus(QWidget* menuBar, std::function<void()> pointerLeft);
