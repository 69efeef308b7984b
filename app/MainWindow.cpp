#include "app/MainWindow.h"

#include "app/AboutWindow.h"
#include "app/HelpSystem.h"
#include "app/NoDefaultTerminalQuestion.h"
#include "app/PredictionMapOpeners.h"
#include "appstate/AppState.h"
#include "appstate/OptionsSave.h"
#include "atlas/AtlasFile.h"
#include "atlas/ui/AtlasPicker.h"
#include "atlas/ui/AtlasWindows.h"
#include "batch/ui/BatchWindow.h"
#include "coverage/ui/CoverageTask.h"
#include "freqmap/ui/FreqMapTask.h"
#include "maps/ui/GreatCirclePrintDialog.h"
#include "maps/ui/MapWindows.h"
#include "planner/ui/PlannerWindow.h"
#include "prediction/OnScreenPrediction.h"
#include "prediction/PredictionResultsWindow.h"
#include "settings/SettingsFile.h"
#include "settings/StationSettings.h"
#include "settings/ui/OptionsDialog.h"
#include "solar/SolarPreferences.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

namespace {

// The help page F1 opens here.
constexpr int kMainHelpContext = 5;

constexpr int kTitleBarAllowance = 28;

} // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_help(new HelpSystem(this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Hopscope"));
    SetHelpContext(this, kMainHelpContext);
    ScaleWindow(this);
    buildMenus();
    OnPointerLeavingMenus(menuBar(), [this] { m_hintPanel->clear(); });
    buildStatusLine();
    placeOnScreen();
    ResetStatusLine();
    // Back from another program (the command line may have changed the atlas).
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState now) {
                if (now == Qt::ApplicationActive)
                    catchUpWithAtlasFile();
            });
}

void MainWindow::catchUpWithAtlasFile() {
    // Not under an open dialog, whose lists were built from the entries it was shown
    // with; each change re-reads the file anyway, so nothing is lost meanwhile.
    if (QApplication::activeModalWidget() == nullptr)
        ReloadAtlasIfChanged(m_state.PlaceAtlas);
}

MainWindow::~MainWindow() = default;

QMenu* MainWindow::addMenu(QMenu* parent, const QString& name, const QString& caption,
                           const QString& hint, int helpContext) {
    QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(name);
    // A pop-up is a window of its own and would keep the unscaled font of the desktop.
    menu->setFont(font());
    menu->menuAction()->setObjectName(name);
    menu->menuAction()->setStatusTip(hint);
    if (helpContext > 0)
        SetHelpContext(menu, helpContext);
    m_items.insert(name, menu->menuAction());
    return menu;
}

QAction* MainWindow::addItem(QMenu* menu, const QString& name, const QString& caption,
                             const QString& hint) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setStatusTip(hint);
    action->setEnabled(false); // until a window is attached to it
    if (menu)
        menu->addAction(action);
    else
        menuBar()->addAction(action);
    m_items.insert(name, action);
    return action;
}

void MainWindow::buildStatusLine() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    m_hintPanel = new QLabel(bar);
    m_hintPanel->setObjectName(QStringLiteral("HintPanel"));
    m_hintPanel->setFrameShape(QFrame::Panel);
    m_hintPanel->setFrameShadow(QFrame::Sunken);
    m_hintPanel->setMinimumWidth(1);
    m_helpPanel = new QLabel(bar);
    m_helpPanel->setObjectName(QStringLiteral("HelpPanel"));
    m_helpPanel->setFrameShape(QFrame::Panel);
    m_helpPanel->setFrameShadow(QFrame::Sunken);
    bar->addWidget(m_hintPanel, 1);
    bar->addPermanentWidget(m_helpPanel);
}

void MainWindow::placeOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect work = screen->availableGeometry();
    const int top = work.top() != area.top() ? kTitleBarAllowance : 0;
    move(area.left(), area.top() + top);
    resize(area.width(), area.height() - kTitleBarAllowance);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The right panel is one sixth of the status line.
    if (m_helpPanel)
        m_helpPanel->setFixedWidth(qMax(1, statusBar()->width() / 6));
}

QAction* MainWindow::menuItem(const QString& name) const {
    return m_items.value(name, nullptr);
}

void MainWindow::setMenuHandler(const QString& name, std::function<void()> handler) {
    QAction* action = menuItem(name);
    if (!action)
        return;
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    action->setEnabled(true);
}

void MainWindow::runMenuTask(const std::function<void()>& openWindow) {
    HideMenus();
    openWindow();
    RestoreMainWindow();
}

void MainWindow::runBatchTask(const std::function<void()>& openBatchWindow) {
    HideStatusLine();
    if (m_state.UserSettings.FrequencyCount == 0) {
        ShowInformation(
            this, QStringLiteral(
                      "There are currently no prediction frequencies.\r"
                      "Select Options on the Main Menu Bar to specify prediction frequencies."));
    } else {
        if (m_state.UserSettings.DefaultDefined)
            HideMenus();
        openBatchWindow();
    }
    RestoreMainWindow();
}

void MainWindow::runAtlasTask(int threshold, const std::function<void()>& openWindow) {
    HideStatusLine();
    const AtlasStatusResult status = AtlasStatus(m_state.PlaceAtlas, threshold);
    ShowUserMessage(this, status.message);
    if (status.count > threshold) {
        HideMenus();
        openWindow();
    }
    RestoreMainWindow();
}

void MainWindow::runMapTask(const std::function<bool()>& precondition,
                            const std::function<void()>& openWindows) {
    HideStatusLine();
    if (!precondition || precondition()) {
        HideMenus();
        openWindows();
    }
    RestoreMainWindow();
}

void MainWindow::SetStatusHint(const QString& text) {
    m_hintPanel->setText(text);
    statusBar()->show();
}

void MainWindow::ResetStatusLine() {
    m_helpPanel->setText(QString::fromLatin1(kPressF1ForHelp));
    m_hintPanel->clear();
    statusBar()->show();
}

void MainWindow::HideStatusLine() {
    statusBar()->hide();
}

void MainWindow::HideMenus() {
    for (QAction* action : menuBar()->actions())
        action->setVisible(false);
}

void MainWindow::RestoreMainWindow() {
    for (QAction* action : menuBar()->actions())
        action->setVisible(true);
    ResetStatusLine();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    unsetCursor();
    setEnabled(true);
    // The closed window may have left no window active (no window manager, say).
    if (isVisible() && !QApplication::activeWindow())
        activateWindow();
}

QString MainWindow::hintPanelText() const {
    return m_hintPanel->text();
}

QString MainWindow::helpPanelText() const {
    return m_helpPanel->text();
}

bool MainWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::StatusTip:
        // Menu hints go to the left panel instead of covering the whole status line.
        m_hintPanel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    case QEvent::WindowActivate:
        queueFirstActivation();
        catchUpWithAtlasFile();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void MainWindow::holdFirstActivation(bool hold) {
    m_firstActivationHeld = hold;
    if (!hold && isActiveWindow())
        queueFirstActivation();
}

void MainWindow::queueFirstActivation() {
    if (m_firstActivationDone || m_firstActivationQueued || m_firstActivationHeld)
        return;
    m_firstActivationQueued = true;
    // Leave the activation event first: the activation work opens windows.
    QTimer::singleShot(0, this, &MainWindow::FormActivate);
}

void MainWindow::checkBaseMaps() {
    setEnabled(false);
    HideMenus();
    if (m_baseMapCheck)
        m_baseMapCheck();
    RestoreMainWindow();
}

void MainWindow::FormActivate() {
    m_firstActivationDone = true;
    checkBaseMaps();
    askForDefaultTerminal();
    emit firstActivationFinished();
}

void MainWindow::askForDefaultTerminal() {
    if (m_noDefaultAsked || m_state.UserSettings.DefaultDefined ||
        m_state.UserSettings.NoDefaultMessageOff != 0)
        return;
    m_noDefaultAsked = true;
    NoDefaultTerminalQuestion question(this);
    const int answer = question.exec();
    if (answer == NoDefaultTerminalQuestion::Cancelled)
        return;
    if (answer == NoDefaultTerminalQuestion::AnsweredYes)
        OptionsClick();
    m_state.UserSettings.NoDefaultMessageOff = question.dontShowAgain() ? -1 : 0;
}

void MainWindow::FileExitClick() {
    close();
}

void MainWindow::OptionsClick() {
    HideMenus();
    {
        OptionsDialog options(m_state.UserSettings, m_lastOptionsPage, this, this);
        SolarPreferences solar = ReadSolarPreferences(m_state.DataDirectory);
        options.setSolarFillOnOpen(solar.fillOnOpen);
        options.setSolarServer(QString::fromStdString(solar.baseUrl));
        options.setSolarServerCheck([](const QString& text) {
            return QString::fromStdString(CheckSolarServerAddress(text.toStdString()).error);
        });
        const StationSettingsRead station = ReadStationSettings(m_state.DataDirectory);
        if (station.status == StationReadStatus::Damaged)
            ShowError(this, QString::fromStdString(station.message));
        options.setStationSettings(station.settings,
                                   QString::fromStdString(m_state.DataDirectory.string()));
        if (options.exec() == QDialog::Accepted) {
            solar.fillOnOpen = options.solarFillOnOpen();
            solar.baseUrl = CheckSolarServerAddress(options.solarServer().toStdString()).address;
            WriteSolarPreferences(m_state.DataDirectory, solar); // silent, as the settings
            // The station file is written only when the page changed something, so a
            // damaged file the user was told about stays for them to look at.
            if (options.stationSettings() != station.settings)
                if (const StationSettingsWrite written =
                        WriteStationSettings(m_state.DataDirectory, options.stationSettings());
                    !written)
                    ShowError(this, QString::fromStdString(written.error));
            const FileWriteResult saved =
                SaveOptions(m_state, options.settings(), ReadSystemClock());
            if (!saved)
                ShowError(this, QString::fromStdString(SettingsNotSavedText(
                                    SettingsFilePath(m_state.DataDirectory), saved.error, false)));
        }
        m_lastOptionsPage = options.lastPage();
    }
    checkBaseMaps();
}

void MainWindow::Contents1Click() {
    m_help->showContents();
}

void MainWindow::SearchforHelpOn1Click() {
    m_help->showSearch();
}

void MainWindow::HowtoUseHelp1Click() {
    m_help->showHowToUseHelp();
}

void MainWindow::AboutClick() {
    HideMenus();
    HideStatusLine();
    AboutWindow about(QString::fromStdString(m_state.DataDirectory.string()), this);
    about.exec();
    RestoreMainWindow();
}
