#pragma once

#include <QDialog>

class QProgressBar;
class QPushButton;
class StatusLine;
class ProgressCancelButton;

/// The small window that shows a prediction being computed: a progress bar over
/// the 96 half-hour steps of both paths and a Cancel button; when the run is done,
/// the "&Show Prediction" button takes Cancel's place. It stays on top and passes
/// only Enter and Esc to its buttons.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    enum class State { Computing, Ready, Cancelled, Shown };

    /// `top`: the top edge the window takes (under the path information panel);
    /// `statusLine` may be null.
    ProgressWindow(StatusLine* statusLine, int top, QWidget* parent = nullptr);

    State state() const { return m_state; }
    /// The run's progress, 0..96 half-hour steps.
    void setProgress(int stepsDone);
    /// Both paths done: Cancel gives way to "&Show Prediction", which gets the focus.
    void setReady();

signals:
    /// Cancel was clicked (or Enter/Esc pressed on it) while computing.
    void cancelRequested();
    /// "&Show Prediction" was clicked.
    void showRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CancelClick();
    void ShowPredBtnClick();

    StatusLine* m_statusLine;
    State m_state = State::Computing;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_showButton = nullptr;
    ProgressCancelButton* m_cancelButton = nullptr;
};
