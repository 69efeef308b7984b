#pragma once

#include "core/ClockScroll.h"
#include "core/Dates.h"
#include "engine/Propagation.h"
#include "report/PredictionTable.h"
#include "settings/Settings.h"
#include "widgets/StatusLine.h"

#include <QDialog>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableWidget;
class QToolButton;
class HeaderLinesDelegate;

/// Everything the results window shows: the prediction that was run, its results,
/// the settings it was run with, the date order, and the folder offered first by
/// "Save as Text...".
struct PredictionResultsInput {
    PredictionRequest request;
    PredictionResult result;
    Settings settings;
    DateConventions dates;
    QString printDirectory;
    /// Where a fetched solar index came from (SolarFigureRecord); empty when typed.
    std::string solarSource;
};

/// Opens a window about the shown prediction from the results window's menus: the
/// maps, the graphs and the hops table, for the current path kind, starting on
/// signal levels or S/N as the table shows them.
using ResultsWindowOpener = std::function<void(QWidget* parent, const PredictionResultsInput& input,
                                               PathKind kind, bool showSignalLevels)>;

/// The results of one prediction: for the short or the long path, the 24-hour table
/// of the MUF and, per frequency, the signal level or the signal-to-noise ratio with
/// its availability letter, under the path's three header lines. The table scrolls
/// around the clock without a seam; the window prints the table and saves it as the
/// 101-column text report. Its own status bar shows the hints of its items (the
/// window is its own StatusLine).
class PredictionResultsWindow : public QDialog, public StatusLine {
    Q_OBJECT
public:
    explicit PredictionResultsWindow(PredictionResultsInput input, QWidget* parent = nullptr);

    PathKind pathKind() const { return m_pathKind; }
    bool showsSignalLevels() const { return m_showSignalLevels; }
    /// The folder "Save as Text..." offers next.
    QString printDirectory() const { return m_printDirectory; }
    /// Rows visible at once (V) and the table's current view and selection.
    int visibleRows() const { return m_visibleRows; }
    ClockScrollState scrollState() const { return m_scroll; }
    /// The table as built for the current path and display.
    const PredictionTable& table() const { return m_table; }
    /// The text report of the current path and display, line by line.
    std::vector<std::string> reportLines() const;

    /// Writes the text report to `path`; for an existing file the append-or-overwrite
    /// dialog asks first. Failures are reported by a message naming the operation.
    /// Returns true when the file was written.
    bool saveReportTo(const QString& path);

    /// The window that opens the path information (the modal window with Close by
    /// default); tests replace it.
    void setPathInfoOpener(std::function<void(QWidget*)> opener) {
        m_pathInfoOpener = std::move(opener);
    }
    /// The window behind the menu item `itemName` (RectangularMap1, GreatCirclemap1,
    /// MUF1, Signals1 or Advanced); an item is enabled once it has one (Signals1 and
    /// Advanced only when there are frequencies).
    void setWindowOpener(const QString& itemName, ResultsWindowOpener opener);

    // StatusLine: the window's own status bar.
    void SetStatusHint(const QString& text) override;
    void ResetStatusLine() override;
    void HideStatusLine() override {}
    void HideMenus() override {}
    void RestoreMainWindow() override { ResetStatusLine(); }
    QString hintText() const;

public slots:
    void PathToggleBtnClick();
    void SigDisplayToggleBtnClick();
    void Print1Click();
    void SaveAsText1Click();
    void Info1Click();
    /// Closes the window, except while a print or save is running.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    /// Time, MUF and ten frequency columns.
    static constexpr int kGridColumns = 12;

    void buildMenus(QMenuBar* bar);
    void buildControls();
    void Rebuild();
    void fitFont();
    void layoutColumns();
    void applyScroll(ClockScrollState state);
    void gridScrolled(int value);
    void setBusy(bool busy);
    /// Path toggle, signal toggle and Close.
    void setButtonsEnabled(bool enabled);
    /// Shows a child window with the buttons below the table disabled until it closes.
    void runChildWindow(const std::function<void()>& show);
    int computeVisibleRows() const;
    void updateOpenerItems();
    void openWindow(const QString& itemName);

    PredictionResultsInput m_input;
    std::vector<std::string> m_frequencyTexts;
    PathKind m_pathKind = PathKind::Short;
    bool m_showSignalLevels = true;
    QString m_printDirectory;
    PredictionTable m_table;
    ClockScrollState m_scroll;
    int m_visibleRows = 1;
    int m_wheelDelta = 0;
    bool m_adjusting = false;
    bool m_busy = false;
    std::function<void(QWidget*)> m_pathInfoOpener;
    std::map<QString, ResultsWindowOpener> m_openers;
    std::map<QString, QAction*> m_openerItems;

    QListWidget* m_headerList = nullptr;
    HeaderLinesDelegate* m_headerDelegate = nullptr;
    QLabel* m_topLabel = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_footerLabel = nullptr;
    QPushButton* m_pathToggle = nullptr;
    QPushButton* m_sigToggle = nullptr;
    QPushButton* m_closeButton = nullptr;
    QToolButton* m_upButton = nullptr;
    QToolButton* m_downButton = nullptr;
    QLabel* m_hintPanel = nullptr;
    QLabel* m_helpPanel = nullptr;
    QAction* m_print = nullptr;
    QAction* m_saveAsText = nullptr;
    QAction* m_info = nullptr;
    QAction* m_advanced = nullptr;
    QAction* m_signals = nullptr;
    QMenu* m_mapsMenu = nullptr;
    QMenu* m_graphsMenu = nullptr;
};
