#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/TimeZone.h"
#include "maps/MapDisplay.h"
#include "widgets/StatusLine.h"

class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

/// What a map display shows: its own copy of the path, so that stepping the map's date
/// never changes the prediction record, and the settings and clock conventions.
struct MapDisplayInput {
    MapKind kind = MapKind::Rectangular;
    MapPaths paths;       ///< terminals with their reals, both paths
    DateValue date = 0.0; ///< the map date (local to the time zone)
    std::string timeText; ///< "hhmm" in the user's time zone
    TimeZoneState zone;
    Settings settings;
    DateConventions dates;
    std::filesystem::path dataDir;
};

/// The rectangular or great-circle map of a path with the night side at the map's date
/// and time, the sun, grid, polar zones and both paths, and beside it the text panel of
/// both terminals and paths. The date and time step by New Date, New Time and Now, or
/// follow the clock with Auto Update.
class MapDisplayWindow : public QDialog, public StatusLine {
    Q_OBJECT
public:
    explicit MapDisplayWindow(MapDisplayInput input, QWidget* parent = nullptr);
    ~MapDisplayWindow() override;

    /// The clock Now and the timer read; tests replace it.
    void setClock(std::function<ClockReading()> clock) { m_clock = std::move(clock); }
    /// Replaces the date and time windows (tests): each returns the entered text or
    /// nothing when cancelled.
    void setDateAsker(std::function<std::optional<QString>()> ask) { m_askDate = std::move(ask); }
    void setTimeAsker(std::function<std::optional<QString>()> ask) { m_askTime = std::move(ask); }

    DateValue mapDate() const { return m_input.date; }
    QString mapTime() const { return QString::fromStdString(m_input.timeText); }
    bool autoUpdating() const { return m_autoUpdating; }
    const QImage& mapImage() const { return m_mapImage; }
    const MapDisplayLayout& layout() const { return m_layout; }
    int redrawCount() const { return m_redraws; }

    // StatusLine: the window's own status bar.
    void SetStatusHint(const QString& text) override;
    void ResetStatusLine() override;
    void HideStatusLine() override {}
    void HideMenus() override {}
    void RestoreMainWindow() override { ResetStatusLine(); }

public slots:
    void NowBtnClick();
    void NewDateBtnClick();
    void NewTimeBtnClick();
    void AutoUpdateBtnClick();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum Part { SidePanel = 1, TopPanel = 2, CenteredOn = 4, Map = 8 };
    void FormCreate();
    void layOut();
    void redraw(int parts);
    void drawSidePanel();
    void drawTopPanel();
    void drawCenteredOn();
    void drawMap();
    void setNow();
    void stopAutoUpdate();
    QImage panelImage(QLabel* label) const;

    MapDisplayInput m_input;
    std::function<ClockReading()> m_clock;
    std::function<std::optional<QString>()> m_askDate;
    std::function<std::optional<QString>()> m_askTime;
    MapDisplayLayout m_layout;
    QFont m_panelFont;
    QImage m_mapImage;
    QLabel* m_map = nullptr;
    QLabel* m_top = nullptr;
    QLabel* m_side = nullptr;
    QLabel* m_centeredOn = nullptr;
    QLabel* m_autoLabel = nullptr;
    QPushButton* m_now = nullptr;
    QPushButton* m_newDate = nullptr;
    QPushButton* m_newTime = nullptr;
    QPushButton* m_autoUpdate = nullptr;
    QPushButton* m_close = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_panel0 = nullptr;
    QLabel* m_panel1 = nullptr;
    QTimer* m_timer = nullptr;
    bool m_autoUpdating = false;
    bool m_busy = false;
    bool m_laidOut = false;
    int m_redraws = 0;
};
