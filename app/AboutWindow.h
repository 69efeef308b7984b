#pragma once

#include <QDialog>
#include <QString>

/// "About Hopscope": the icon, the name and version, credits, where to report
/// problems, the folder that holds the user's data files, and the screen advice; OK
/// (Enter or Escape) closes it.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(const QString& dataDirectory, QWidget* parent = nullptr);
};
