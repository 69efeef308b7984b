#pragma once

#include "core/Dates.h"
#include "core/TimeZone.h"
#include "freqmap/FreqMapGeometry.h"
#include "freqmap/FreqMapRender.h"
#include "freqmap/FreqMapSession.h"
#include "maps/MapDisplay.h"
#include "settings/Settings.h"

#include <QDialog>
#include <QImage>
#include <QSizeF>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class PixelBuffer;
class QLabel;
class QPainter;
class QPushButton;
class QStatusBar;
class AutoUpdateClock;
class QTimer;

/// What the frequency-map display shows: the dialog's request, the settings (frequency
/// list, resolution, minimum angle, update interval), the date order, the time zone,
/// the rectangular base map and its central meridian, and the clock for "Now".
struct FreqMapDisplayInput {
    StationMapRequest request;
    Settings settings;
    DateConventions dates;
    TimeZoneState zone;
    std::shared_ptr<const PixelBuffer> baseMap;
    double centreLonDeg = 0.0;
    std::function<ClockReading()> clock;
};

/// "Hopscope Frequency Map": the map of the highest listed frequency below the
/// short-path MUF from the station to every area of the world, with the info panel
/// and legend beside it. A click on a legend box maps that frequency alone ("&Restore
/// All Frequencies" or a click on the status bar shows all again); a click on the map
/// tells the frequency of the area. Now, New Date, New Time and Auto Update step the
/// map or let it follow the clock. The display works on its own copy of everything.
class FreqMapWindow : public QDialog {
    Q_OBJECT
public:
    explicit FreqMapWindow(FreqMapDisplayInput input, QWidget* parent = nullptr);
    ~FreqMapWindow() override;

    // For tests and the owner.
    const MapClock& mapTime() const { return m_time; }
    int selectedClass() const { return m_selectedClass; }
    bool autoUpdating() const;
    const FreqMapComputed& computed() const { return m_computed; }
    /// The picture "Save Picture" writes: the title rows (FreqMapSheetTitle) over the
    /// info panel with its legend and the map, as the window shows them.
    QImage picture() const;
    /// Writes that picture as PNG, SVG or PDF (by the name's extension); SVG and PDF
    /// keep the map's coastlines and marks as vectors. An empty text on success, else
    /// the message.
    QString savePicture(const QString& path) const;
    const std::vector<LegendBox>& legendBoxes() const { return m_boxes; }
    QString statusText(int panel) const;
    /// The area readout shown after a click on the map; empty when none is shown.
    QString readoutText() const;
    /// Lays out and draws everything (done by the first show).
    void layOutAndDraw();

public slots:
    void NowBtnClick();
    void NewDateBtnClick();
    void NewTimeBtnClick();
    void AutoUpdateBtnClick();
    void SavePictureBtnClick();
    void ShowAllBtnClick();
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void reject() override;

private:
    void redraw(bool info, bool top, bool map);
    void drawInfo();
    void drawTop();
    void drawMap();
    /// What the map shows now.
    FreqMapPicture mapPicture() const;
    std::vector<std::string> pictureTitle() const;
    QSizeF pictureSize() const;
    void paintPicture(QPainter& painter) const;
    void setNow();
    /// Runs a New Date or New Time window; true when it was confirmed.
    bool askModally(QDialog& form);
    void selectClass(int klass);
    void mapClicked(QPoint at);
    void setStatus(const QString& panel0, const QString& panel1);
    void hideReadout();
    QFont panelFont(const QString& family, int rule) const;

    FreqMapDisplayInput m_input;
    MapClock m_time;
    bool m_busy = false;
    bool m_laidOut = false;
    bool m_asking = false; ///< a New Date or New Time window is open
    int m_selectedClass = 0;
    FreqMapDisplayGeometry m_geometry;
    FreqMapComputed m_computed;
    std::vector<LegendBox> m_boxes;

    QLabel* m_mapImage;
    /// The map as last drawn, read when the pointer moves over it.
    QImage m_drawnMap;
    QLabel* m_topText;
    QLabel* m_info;
    QLabel* m_clickBoxLbl;
    QLabel* m_autoUpdatingLbl;
    QPushButton* m_showAll;
    QPushButton* m_now;
    QPushButton* m_newDate;
    QPushButton* m_newTime;
    QPushButton* m_autoUpdate;
    QPushButton* m_close;
    QPushButton* m_savePicture;
    QStatusBar* m_statusBar;
    QLabel* m_panel0;
    QLabel* m_panel1;
    AutoUpdateClock* m_autoClock;
    QLabel* m_readout;
    QTimer* m_readoutTimer;
};
