#pragma once

#include "core/Dates.h"
#include "core/TimeZone.h"
#include "coverage/Coverage.h"
#include "coverage/CoverageRender.h"
#include "coverage/ui/CoverageDialog.h"
#include "coverage/ui/CoverageMapPainter.h"
#include "maps/MapDisplay.h"
#include "maps/VectorMap.h"
#include "settings/Settings.h"
#include "station/P533Offer.h"

#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>

class CoverageDayJob;
class PixelBuffer;
class QComboBox;
class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QSlider;
class QStatusBar;
class AutoUpdateClock;
class QTimer;

/// What the coverage display shows: the dialog's request, the settings, date order and
/// time zone, both base maps with their centre, the cell size and the clock for "Now".
struct CoverageDisplayInput {
    CoverageDialogResult request;
    Settings settings;
    DateConventions dates;
    TimeZoneState zone;
    std::shared_ptr<const PixelBuffer> rectangularBase;
    std::shared_ptr<const PixelBuffer> greatCircleBase;
    GeoPoint centre; ///< the base maps' centre (the default terminal)
    int cellDeg = kDefaultCellDeg;
    std::function<ClockReading()> clock;
    /// The P.533 engine offered beside the classic one (OfferP533), and the engine the
    /// window starts with.
    P533Offer p533;
    PredictionEngine startEngine = PredictionEngine::Classic;
};

/// "Hopscope Coverage Map": one frequency's MUF probability class or S/N from the
/// station to every cell of the world, rectangular or great-circle, with the night
/// side, the grey line, the Sun and the station; with the P.533 engine the circuit
/// reliability for the station and mode (continuous scale) or the S/N. The slider steps
/// through the day (computed once in the background: 48 half hours with the classic
/// engine, 24 hours with P.533), Play runs through it; Now, New Date, New Time and Auto
/// Update as on the other maps; a click on a cell shows its values.
class CoverageWindow : public QDialog {
    Q_OBJECT
public:
    explicit CoverageWindow(CoverageDisplayInput input, QWidget* parent = nullptr);
    ~CoverageWindow() override;

    // For tests and the owner.
    int halfHour() const { return m_halfHour; }
    DateValue mapDate() const { return m_date; }
    bool dayReady() const { return m_day != nullptr; }
    bool playing() const;
    bool autoUpdating() const;
    const CoverageMap* shownMap() const;
    QString readoutText() const;
    const QImage& frame() const { return m_frame; }
    /// Blocks until the background computation is done and its maps are taken in.
    void waitForDay();
    void setHalfHour(int halfHour);
    void setGreatCircle(bool greatCircle);
    void setShow(CoverageShow show);
    void setEngine(PredictionEngine engine);
    PredictionEngine engine() const { return m_request.engine.engine; }
    /// Saves the map with its legend as PNG, SVG or PDF (by the extension); empty text
    /// on success, else the message.
    QString savePicture(const QString& path) const;
    bool printTo(QPrinter& printer) const;
    /// The readout of the cell under `at` (map label coordinates).
    void mapClicked(QPoint at);

public slots:
    void NowBtnClick();
    void NewDateBtnClick();
    void NewTimeBtnClick();
    void AutoUpdateBtnClick();
    void PlayBtnClick();
    void SavePictureBtnClick();
    void PrintBtnClick();
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void startComputing();
    void takeMap(std::shared_ptr<const CoverageMap> map, bool wholeDay, int generation);
    void drawFrame();
    void drawLegend();
    void setNow();
    void stopPlay();
    void playStep();
    bool askModally(QDialog& form);
    /// The index of the shown half hour in the map shown, or −1.
    int shownIndex() const;
    /// What the cells are coloured by: the chosen colouring, the reliability being the
    /// circuit reliability with P.533.
    CoverageShow cellShow() const;
    /// Half hours a step of the day moves: 2 with P.533 (whole hours), else 1.
    int dayStep() const;
    /// The shown frame's drawing (empty map when none is shown).
    CoverageFrame coverageFrame() const;
    QSizeF pictureSize() const;
    /// The title row with the time: the saved picture's and the printout's title.
    QString pictureTitle() const;
    void paintPicture(QPainter& painter) const;

    CoverageDisplayInput m_input;
    CoverageRequest m_request;
    DateValue m_date = 0.0;
    int m_halfHour = 0;                         ///< UTC half hour 0..47
    std::shared_ptr<const CoverageMap> m_first; ///< the half hour computed first
    std::shared_ptr<const CoverageMap> m_day;   ///< the whole day, once ready
    std::unique_ptr<CoverageDayJob> m_job;
    int m_generation = 0;
    bool m_playWanted = false;
    CoverageShow m_show = CoverageShow::Reliability;
    bool m_greatCircle = false;
    WorldFrame m_mapFrame; ///< where the shown map lies in the label, logical pixels
    QImage m_frame;
    int m_readoutCell = -1;

    QLabel* m_title;
    QLabel* m_mapImage;
    QLabel* m_legend;
    QLabel* m_readout;
    QLabel* m_timeLbl;
    QLabel* m_autoUpdatingLbl;
    QSlider* m_slider;
    QComboBox* m_kind;
    QComboBox* m_showBox;
    QComboBox* m_engineBox;
    QLabel* m_stepLbl;
    QPushButton* m_play;
    QPushButton* m_autoUpdate;
    QStatusBar* m_statusBar;
    AutoUpdateClock* m_autoClock;
    QTimer* m_playTimer;
};
