#pragma once

#include <QMainWindow>

/// The main window: the menu of every function and the status line.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
};
