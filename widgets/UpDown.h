#pragma once

#include <QWidget>

class QToolButton;

/// A pair of small up and down arrow buttons that step a position between a minimum
/// and a maximum without wrapping, tied to an entry field by the window.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int position() const { return m_position; }
    /// Sets the position (clamped to the range) without emitting positionChanged.
    void setPosition(int position);
    void setRange(int minimum, int maximum);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }

    /// One step up or down (the arrow buttons and the Up/Down keys).
    void stepBy(int steps);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    /// The user changed the position.
    void positionChanged(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
};
