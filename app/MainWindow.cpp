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
#include "maps/ui/CoverageTask.h"
#include "maps/ui/FreqMapTask.h"
#include "maps/ui/GreatCirclePrintDialog.h"
#include "maps/ui/MapWindows.h"
#include "planner/ui/PlannerWindow.h"
#include "prediction/OnScreenPrediction.h"
#include "prediction/PredictionResultsWindow.h"
#include "settings/SettingsFile.h"
#include "settings/ui/OptionsDialog.h"
#include "solar/SolarPreferences.h"
#include "widgets/HelpContext.h"
#include "widgets/HelpContexts.h"
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

void MainWindow::buildMenus() {
    QMenu* file = addMenu(nullptr, QStringLiteral("FileMenu"), QStringLiteral("&File"),
                          QStringLiteral("File actions"), 42);
    addItem(file, QStringLiteral("FileExit"), QStringLiteral("E&xit"),
            QStringLiteral("Close Hopscope"));

    QMenu* predictions =
        addMenu(nullptr, QStringLiteral("Predictions"), QStringLiteral("&Predictions"),
                QStringLiteral("Run a Hopscope propagation prediction"), 4);
    addItem(predictions, QStringLiteral("OnScreen1"), QStringLiteral("On-&Screen..."), QString());
    addItem(predictions, QStringLiteral("Batch1"), QStringLiteral("&Batch..."), QString());
    addItem(predictions, QStringLiteral("Planner1"), QStringLiteral("P&lanner..."),
            QStringLiteral("Which frequency opens to which atlas place, and when"));

    QMenu* maps =
        addMenu(nullptr, QStringLiteral("Maps"), QStringLiteral("&Maps"),
                QStringLiteral("Display the Frequency, Rectangular or Great Circle Map"), 14);
    addItem(maps, QStringLiteral("FrequencyMap1"), QStringLiteral("&Frequency Map..."),
            QStringLiteral(
                "Map display showing suggested frequencies to different areas of the world"));
    addItem(maps, QStringLiteral("CoverageMap1"), QStringLiteral("&Coverage Map..."),
            QStringLiteral("Map display showing where one frequency works, and how well, "
                           "through the day"));
    addItem(
        maps, QStringLiteral("RectangularMap1"), QStringLiteral("&Rectangular Map..."),
        QStringLiteral("Rectangular map display showing path, terminator, and path information"));
    addItem(
        maps, QStringLiteral("GreatCircleMap1"), QStringLiteral("&Great Circle Map..."),
        QStringLiteral("Great circle map display showing path, terminator, and path information"));
    addItem(maps, QStringLiteral("PrintGreatCircleMap2"),
            QStringLiteral("&Print Great Circle Map..."),
            QStringLiteral("Print great circle map centered on a location you specify"));

    QMenu* atlas =
        addMenu(nullptr, QStringLiteral("AtlasMenu"), QStringLiteral("&Atlas"),
                QStringLiteral("View or edit the Hopscope atlas or print a table of bearings"), 34);
    addItem(atlas, QStringLiteral("AtlasView"), QStringLiteral("&View"),
            QStringLiteral("View the entries in the Hopscope atlas"));
    QMenu* edit =
        addMenu(atlas, QStringLiteral("EditAtlas"), QStringLiteral("&Edit"),
                QStringLiteral("Add, modify, or delete entries in the Hopscope atlas"), 34);
    addItem(edit, QStringLiteral("AtlasAdd"), QStringLiteral("&Add..."),
            QStringLiteral("Add a new entry to the Hopscope atlas"));
    addItem(edit, QStringLiteral("AtlasModify"), QStringLiteral("&Modify..."),
            QStringLiteral("Modify an existing entry in the Hopscope atlas"));
    addItem(edit, QStringLiteral("AtlasDelete"), QStringLiteral("&Delete..."),
            QStringLiteral("Delete an existing entry in the Hopscope atlas"));
    const QString bearingsHint = QStringLiteral(
        "Print table of bearings from any location to all locations in the Hopscope atlas");
    addItem(atlas, QStringLiteral("PrintGreatCircleBearings"),
            QStringLiteral("Print Great Circle &Bearings..."), bearingsHint);

    addItem(nullptr, QStringLiteral("Options"), QStringLiteral("&Options"),
            QStringLiteral("View, set, or change default values and settings"));

    QMenu* aids =
        addMenu(nullptr, QStringLiteral("OperatingAids"), QStringLiteral("Operating A&ids"),
                QStringLiteral("Print great circle map or table of great circle bearings"), 26);
    addItem(aids, QStringLiteral("PrintGreatCircleBearings1"),
            QStringLiteral("Print Great Circle &Bearings..."), bearingsHint);
    addItem(aids, QStringLiteral("PrintGreatCircleMap1"),
            QStringLiteral("Print Great Circle &Map..."),
            QStringLiteral("Print great circle map centered on a location you specify"));

    QMenu* help = addMenu(nullptr, QStringLiteral("Help"), QStringLiteral("&Help"),
                          QStringLiteral("Hopscope Help"), 46);
    addItem(help, QStringLiteral("Contents1"), QStringLiteral("&Contents"),
            QStringLiteral("Major topics in Hopscope Help"));
    addItem(help, QStringLiteral("SearchforHelpOn1"), QStringLiteral("&Search for Help On..."),
            QStringLiteral("Search for help by keyword or phrase"));
    addItem(help, QStringLiteral("HowtoUseHelp1"), QStringLiteral("&How to Use Help"),
            QStringLiteral("Information about how to use Hopscope Help"));
    QAction* separator = help->addSeparator();
    separator->setObjectName(QStringLiteral("N1"));
    addItem(help, QStringLiteral("About"), QStringLiteral("&About Hopscope"),
            QStringLiteral("Information about Hopscope"));

    setMenuHandler(QStringLiteral("FileExit"), [this] { FileExitClick(); });
    setMenuHandler(QStringLiteral("Options"), [this] { OptionsClick(); });
    setMenuHandler(QStringLiteral("OnScreen1"), [this] {
        RunOnScreenPrediction(this, this, m_state, atlasPicker(),
                              [this](PredictionResultsWindow& results) {
                                  SetPredictionMapOpeners(results, m_state);
                              });
    });
    setMenuHandler(QStringLiteral("Planner1"), [this] { PlannerClick(); });
    for (const auto& [item, mapKind] : {std::pair{"RectangularMap1", MapKind::Rectangular},
                                        std::pair{"GreatCircleMap1", MapKind::GreatCircle}}) {
        const MapKind kind = mapKind; // clang 14 cannot capture a structured binding
        setMenuHandler(QLatin1String(item), [this, kind] {
            runMapTask([this, kind] { return CheckMapAvailable(this, m_state, kind); },
                       [this, kind] { RunPathMap(this, this, m_state, kind, atlasPicker()); });
        });
    }
    for (const char* item : {"PrintGreatCircleMap1", "PrintGreatCircleMap2"})
        setMenuHandler(QLatin1String(item), [this] {
            HideMenus();
            HideStatusLine();
            GreatCirclePrintDialog print(m_state.UserSettings, this, this);
            print.exec();
            RestoreMainWindow();
        });
    Atlas& places = m_state.PlaceAtlas;
    setMenuHandler(QStringLiteral("AtlasView"), [this, &places] {
        runAtlasTask(0, [&] { OpenAtlasView(places, this, this); });
    });
    setMenuHandler(QStringLiteral("AtlasAdd"), [this, &places] {
        runAtlasTask(-1, [&] { OpenAtlasAdd(places, this, this); });
    });
    setMenuHandler(QStringLiteral("AtlasModify"), [this, &places] {
        runAtlasTask(0, [&] { OpenAtlasModify(places, this, this); });
    });
    setMenuHandler(QStringLiteral("AtlasDelete"), [this, &places] {
        runAtlasTask(0, [&] { OpenAtlasDelete(places, this, this); });
    });
    for (const QString& item :
         {QStringLiteral("PrintGreatCircleBearings"), QStringLiteral("PrintGreatCircleBearings1")})
        setMenuHandler(item, [this, &places] {
            runAtlasTask(0, [&] { OpenPrintBearings(places, m_state.UserSettings, this, this); });
        });
    setMenuHandler(QStringLiteral("Batch1"), [this] {
        runBatchTask([this] {
            BatchWindowInput input{m_state.UserSettings, &m_state.PlaceAtlas, m_state.Dates,
                                   m_state.TimeZone,
                                   QString::fromStdString(m_state.DataDirectory.string())};
            BatchWindow batch(std::move(input), this, this);
            batch.setAtlasPicker(atlasPicker());
            batch.exec();
        });
    });
    setMenuHandler(QStringLiteral("FrequencyMap1"), [this] {
        runMapTask([this] { return FrequencyMapAvailable(this, m_state); },
                   [this] { RunFrequencyMapWindows(this, this, m_state, atlasPicker()); });
    });
    setMenuHandler(QStringLiteral("CoverageMap1"), [this] {
        runMapTask([this] { return CoverageMapAvailable(this, m_state); },
                   [this] { RunCoverageMapWindows(this, this, m_state, atlasPicker()); });
    });
    setMenuHandler(QStringLiteral("Contents1"), [this] { Contents1Click(); });
    setMenuHandler(QStringLiteral("SearchforHelpOn1"), [this] { SearchforHelpOn1Click(); });
    setMenuHandler(QStringLiteral("HowtoUseHelp1"), [this] { HowtoUseHelp1Click(); });
    setMenuHandler(QStringLiteral("About"), [this] { AboutClick(); });
}

void MainWindow::PlannerClick() {
    HideMenus();
    HideStatusLine();
    PlannerWindowInput input{PreviousPredictionInputs(m_state),
                             m_state.UserSettings,
                             &m_state.PlaceAtlas,
                             m_state.Dates,
                             m_state.TimeZone,
                             ReadSystemClock()};
    PlannerWindow planner(std::move(input), this, this);
    planner.setAtlasPicker(atlasPicker());
    planner.setPredictionOpener(
        [this](QWidget* parent, const PredictionInputs& inputs, PathKind kind) {
            ShowPredictionResults(
                parent, m_state, inputs, [this, kind](PredictionResultsWindow& results) {
                    SetPredictionMapOpeners(results, m_state);
                    if (kind == PathKind::Long)
                        if (auto* toggle =
                                results.findChild<QPushButton*>(QStringLiteral("PathToggleBtn")))
                            toggle->click();
                });
        });
    planner.exec();
    RestoreMainWindow();
}

AtlasPicker MainWindow::atlasPicker() {
    return PrefixSearchFormPicker(m_state.PlaceAtlas, this);
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
        if (options.exec() == QDialog::Accepted) {
            solar.fillOnOpen = options.solarFillOnOpen();
            WriteSolarPreferences(m_state.DataDirectory, solar); // silent, as the settings
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
