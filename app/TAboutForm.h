#pragma once

#include <QDialog>

/// "About Hopscope": the icon, the name and version, credits, where to report
/// problems, and the screen advice; OK (Enter or Escape) closes it.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
};
