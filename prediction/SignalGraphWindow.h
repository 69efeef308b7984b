#pragma once

#include "graphs/SignalGraph.h"
#include "prediction/PredictionResultsWindow.h"

#include <QDialog>

class DrawingView;
class HeaderLinesDelegate;
class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

/// Per frequency, the signal level or the signal-to-noise ratio of the prediction over
/// the displayed day, every point marked with its availability letter, beside a
/// legend; a click on a curve names its frequency in the status bar. Prints the graph
/// with the header lines, and saves it as a PNG, SVG or PDF picture.
class SignalGraphWindow : public QDialog {
    Q_OBJECT
public:
    SignalGraphWindow(PredictionResultsInput input, PathKind kind, bool showSignalLevels,
                      QWidget* parent = nullptr);

    PathKind pathKind() const { return m_pathKind; }
    bool showsSignalLevels() const { return m_showSignalLevels; }
    /// The graph as the window shows it now, in pixels of the graph view.
    const SignalGraphModel& model() const { return m_model; }
    QString printDirectory() const { return m_printDirectory; }
    QString hintText() const;

    /// The frequency under a click at `position` of the graph view, as the window
    /// shows it ("14.1 MHz"), or nothing when no single curve is there.
    void identifyAt(QPointF position);

    /// Writes the picture (format by the extension); reports a failure by a message.
    bool savePictureTo(const QString& path);

public slots:
    void PathToggleBtnClick();
    void SigDisplayToggleBtnClick();
    void Print1Click();
    void SavePicture1Click();
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void Rebuild();
    void redraw();
    void setBusy(bool busy);
    SignalGraphData graphData() const;
    void clearIdentification();

    PredictionResultsInput m_input;
    PathKind m_pathKind;
    bool m_showSignalLevels;
    QString m_printDirectory;
    SignalGraphModel m_model;
    bool m_busy = false;
    bool m_identifying = false;

    QListWidget* m_headerList = nullptr;
    HeaderLinesDelegate* m_headerDelegate = nullptr;
    DrawingView* m_graph = nullptr;
    QPushButton* m_sigToggle = nullptr;
    QPushButton* m_pathToggle = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_hintPanel = nullptr;
    QLabel* m_helpPanel = nullptr;
    QAction* m_print = nullptr;
    QAction* m_savePicture = nullptr;
    QTimer* m_hintTimer = nullptr;
};
