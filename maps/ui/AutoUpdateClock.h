#pragma once

#include <QObject>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

/// The Auto Update part of a map window's clock: the timer "Timer1" that steps the map
/// to the clock's time, the Auto Update button that turns it on and off, and the
/// "AUTO UPDATING" label shown meanwhile. The window sets the time itself: `tick` asks
/// it to read the clock again.
class AutoUpdateClock : public QObject {
    Q_OBJECT
public:
    AutoUpdateClock(QWidget* window, int intervalMs, QPushButton* button, QLabel* label);

    bool active() const { return m_active; }
    /// Turns Auto Update on: the label shows, the button offers to cancel, the timer runs.
    void start();
    /// Turns Auto Update off.
    void stop();
    /// Stops the timer only (the window closes).
    void pause();
    /// New Date or New Time: the timer pauses while `ask` runs. An accepted answer ends
    /// Auto Update and is then applied by `apply`; a cancelled one while Auto Update is
    /// on reads the clock again (`refresh`) and lets the timer run on.
    void askPaused(const std::function<bool()>& ask, const std::function<void()>& apply,
                   const std::function<void()>& refresh);

signals:
    /// The timer fired.
    void tick();

private:
    QTimer* m_timer;
    QPushButton* m_button;
    QLabel* m_label;
    bool m_active = false;
};
