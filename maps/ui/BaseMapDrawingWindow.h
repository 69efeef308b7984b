#pragma once

#include <QDialog>

class QProgressBar;

/// The small always-on-top window shown while a base map is drawn: its caption names
/// the map, its progress bar counts outline points. The user cannot close it.
class BaseMapDrawingWindow : public QDialog {
    Q_OBJECT
public:
    explicit BaseMapDrawingWindow(QWidget* parent = nullptr);

    /// The caption and the bar back at 0.
    void startMap(const QString& caption);
    /// Outline points drawn so far.
    void setProgress(int done);

    QProgressBar* progressBar() const { return m_bar; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();

    QProgressBar* m_bar = nullptr;
};
