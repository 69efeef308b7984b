#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QEventLoop;

/// The window shown while the program starts: the name, the icon and the credits,
/// without a title bar. A click, Enter or Escape dismisses it; otherwise it stays up
/// for at least three seconds.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    /// How long the splash stays up unless dismissed.
    static constexpr int kMinimumShowMs = 3000;

    explicit SplashWindow(QWidget* parent = nullptr);

    /// Shows the window at once and starts its clock.
    void showNow();
    /// The user clicked it or pressed Enter or Escape on it.
    bool dismissed() const { return m_dismissed; }
    /// Milliseconds since showNow().
    qint64 shownMs() const { return m_clock.isValid() ? m_clock.elapsed() : 0; }
    /// Waits (processing events) until `minimumMs` have passed since showNow() or the
    /// user dismisses the window, then closes it.
    void closeWhenDue(int minimumMs = kMinimumShowMs);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void dismiss();

    QElapsedTimer m_clock;
    QEventLoop* m_wait = nullptr;
    bool m_dismissed = false;
};
