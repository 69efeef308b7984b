#pragma once

#include <QPushButton>

/// The Cancel button of the progress window: a push button that takes Enter and Esc
/// itself (the window passes no other key), so either of them cancels the run as a
/// click does.
class ProgressCancelButton : public QPushButton {
    Q_OBJECT
public:
    explicit ProgressCancelButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
