#pragma once

#include "circuitchart/CircuitChart.h"
#include "circuitchart/CircuitChartDrawing.h"
#include "engine/Propagation.h"
#include "prediction/ChildWindow.h"

class DrawingView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

/// What the circuit chart window shows: the circuit with the station and mode, and the
/// classic engine's request for its MUF beside the chart.
struct CircuitChartWindowInput {
    CircuitChartInput chart;
    PredictionRequest classic; ///< prepared as for an on-screen prediction
    QString printDirectory;
};

/// "Hopscope Circuit Chart": the P.533 circuit reliability over the hours of the day
/// at each frequency, for the short or the long path, with the operational MUF over it
/// and, on request, the classic MUF. The cell under the pointer (or clicked) is read
/// out below the chart. Prints the chart, saves it as a PNG, SVG or PDF picture and
/// its numbers as CSV.
class CircuitChartWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit CircuitChartWindow(CircuitChartWindowInput input, QWidget* parent = nullptr);

    const CircuitChart& chart() const { return m_chart; }
    const Drawing& drawing() const;
    QString readout() const;
    QString printDirectory() const { return m_printDirectory; }

    /// Write the picture (format by the extension) or the CSV; a failure shows a message.
    bool savePictureTo(const QString& path);
    bool saveCsvTo(const QString& path);

public slots:
    void PathToggleBtnClick();
    void Print1Click();
    void SavePicture1Click();
    void SaveCsv1Click();

private:
    void buildControls();
    void recompute();
    void redraw();
    void showCell(QPointF position);
    void enableControls(bool enabled) override;

    CircuitChartWindowInput m_input;
    QString m_printDirectory;
    bool m_longPath = false;
    CircuitChart m_chart;
    ChartLayout m_layout;

    DrawingView* m_image = nullptr;
    QComboBox* m_rows = nullptr;
    QCheckBox* m_classicMuf = nullptr;
    QLabel* m_readout = nullptr;
    QPushButton* m_pathToggle = nullptr;
    QPushButton* m_closeButton = nullptr;
    QAction* m_saveCsv = nullptr;
};
