#pragma once

#include "widgets/AtlasPicker.h"
#include "widgets/DialogServices.h"
#include "widgets/StatusLine.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

class QLabel;
class QMenu;
class QAction;
class HelpSystem;
struct AppState;

/// The main window: the menu bar that offers every function, and the two-panel
/// status line (hints on the left, "Press F1 for Help" on the right) that every
/// window of the program writes its hints to.
///
/// Each menu item is a QAction whose objectName is the item's name (FileExit,
/// OnScreen1, AtlasView...). Items whose windows exist are enabled with a handler
/// (setMenuHandler); the others stay visible but disabled until a handler is set.
class MainWindow : public QMainWindow, public StatusLine {
    Q_OBJECT
public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// The menu item `name` (e.g. "OnScreen1"), or null.
    QAction* menuItem(const QString& name) const;
    /// Enables the item `name` and runs `handler` when it is chosen.
    void setMenuHandler(const QString& name, std::function<void()> handler);
    /// Runs `openWindow` the way every menu function runs: menus hidden while the
    /// window is open, the idle main window restored afterwards.
    void runMenuTask(const std::function<void()>& openWindow);
    /// "&Batch...": with no frequencies in the settings, the information message
    /// that there are none and nothing opens; otherwise `openBatchWindow` runs with
    /// the menus hidden (when a default terminal is defined). Then the idle window.
    void runBatchTask(const std::function<void()>& openBatchWindow);
    /// The atlas items and the bearings printout: AtlasStatus with `threshold` (-1
    /// before adding, 0 for the others) tells the user why not when the atlas cannot
    /// serve; otherwise `openWindow` runs with the menus hidden. Then the idle window.
    void runAtlasTask(int threshold, const std::function<void()>& openWindow);
    /// "Select from &Atlas" of every window: the atlas search window over the places.
    AtlasPicker atlasPicker();
    /// The atlas search and the published solar figures, for the windows that offer them.
    DialogServices dialogServices();
    /// The map items: the map's own precondition first (false: nothing opens), then
    /// `openWindows` (the dialog and, on OK, the display) with the menus hidden.
    void runMapTask(const std::function<bool()>& precondition,
                    const std::function<void()>& openWindows);

    /// The check of the cached base maps, run at the first activation and after the
    /// Options window (empty until the maps exist).
    void setBaseMapCheck(std::function<void()> check) { m_baseMapCheck = std::move(check); }

    /// The state the windows share.
    AppState& state() { return m_state; }
    /// Help by context number, keyword search and the page on using help.
    HelpSystem& help() { return *m_help; }

    // StatusLine
    void SetStatusHint(const QString& text) override;
    void ResetStatusLine() override;
    void HideStatusLine() override;
    void HideMenus() override;
    void RestoreMainWindow() override;

    /// The left and right panel texts, for tests.
    QString hintPanelText() const;
    QString helpPanelText() const;

    /// Holds back the first-activation work (base-map check, no-default question)
    /// while the splash window is still up; releasing it runs the work when the
    /// window is already active.
    void holdFirstActivation(bool hold);

    /// Whether the first activation has run, and whether the no-default question
    /// has been asked in this run.
    bool firstActivationDone() const { return m_firstActivationDone; }
    bool noDefaultQuestionAsked() const { return m_noDefaultAsked; }

public slots:
    void FileExitClick();
    void OptionsClick();
    void PlannerClick();
    void CircuitChartClick();
    void Contents1Click();
    void SearchforHelpOn1Click();
    void HowtoUseHelp1Click();
    void AboutClick();

signals:
    /// The first activation (base-map check, no-default question) has finished.
    void firstActivationFinished();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    QMenu* addMenu(QMenu* parent, const QString& name, const QString& caption, const QString& hint,
                   int helpContext);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QString& hint);
    void buildStatusLine();
    void placeOnScreen();
    /// Queues FormActivate once, unless it has run, is queued or is held back.
    void queueFirstActivation();
    void FormActivate();
    /// Reloads the atlas when another program changed its file since it was read.
    void catchUpWithAtlasFile();
    void askForDefaultTerminal();
    void checkBaseMaps();

    AppState& m_state;
    HelpSystem* m_help;
    QLabel* m_hintPanel = nullptr;
    QLabel* m_helpPanel = nullptr;
    QHash<QString, QAction*> m_items;
    std::function<void()> m_baseMapCheck;
    int m_lastOptionsPage = -1;
    bool m_firstActivationDone = false;
    bool m_firstActivationQueued = false;
    bool m_firstActivationHeld = false;
    bool m_noDefaultAsked = false;
};
