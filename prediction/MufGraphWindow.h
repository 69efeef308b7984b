#pragma once

#include "graphs/Drawing.h"
#include "prediction/PredictionResultsWindow.h"

#include <QDialog>

class DrawingView;
class HeaderLinesDelegate;
class QAction;
class QLabel;
class QListWidget;
class QPushButton;

/// The path MUF of the prediction over the displayed day as a line graph, for the
/// short or the long path, under the path's header lines. Prints the graph with the
/// header lines, and saves it as a PNG, SVG or PDF picture.
class MufGraphWindow : public QDialog {
    Q_OBJECT
public:
    MufGraphWindow(PredictionResultsInput input, PathKind kind, QWidget* parent = nullptr);

    PathKind pathKind() const { return m_pathKind; }
    /// The graph as the window shows it now.
    const Drawing& drawing() const;
    QString printDirectory() const { return m_printDirectory; }
    QString hintText() const;

    /// Writes the picture (format by the extension); reports a failure by a message.
    bool savePictureTo(const QString& path);

public slots:
    void PathToggleBtnClick();
    void Print1Click();
    void SavePicture1Click();
    /// Closes the window, except while it prints or saves.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void Rebuild();
    void redraw();
    void setBusy(bool busy);
    Drawing pageDrawing(double width, double height, bool paper, const TextMeasure& measure) const;

    PredictionResultsInput m_input;
    PathKind m_pathKind;
    QString m_printDirectory;
    bool m_busy = false;

    QListWidget* m_headerList = nullptr;
    HeaderLinesDelegate* m_headerDelegate = nullptr;
    DrawingView* m_image = nullptr;
    QPushButton* m_pathToggle = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_hintPanel = nullptr;
    QLabel* m_helpPanel = nullptr;
    QAction* m_print = nullptr;
    QAction* m_savePicture = nullptr;
};
