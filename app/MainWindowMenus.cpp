// The main window's menus: every item with its hint, and what each one opens.
#include "app/MainWindow.h"

#include "app/AboutWindow.h"
#include "app/HelpSystem.h"
#include "app/NoDefaultTerminalQuestion.h"
#include "app/PredictionMapOpeners.h"
#include "app/PublishedSolarData.h"
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
#include "prediction/CircuitChartRun.h"
#include "prediction/OnScreenPrediction.h"
#include "prediction/PredictionResultsWindow.h"
#include "settings/SettingsFile.h"
#include "settings/StationSettings.h"
#include "settings/ui/OptionsDialog.h"
#include "solar/SolarPreferences.h"
#include "station/P533Offer.h"
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
    addItem(predictions, QStringLiteral("CircuitChart1"), QStringLiteral("Circuit &Chart..."),
            QStringLiteral("How reliable one circuit is for your station and mode, hour by "
                           "hour and frequency by frequency"));

    QMenu* maps = addMenu(
        nullptr, QStringLiteral("Maps"), QStringLiteral("&Maps"),
        QStringLiteral("Display the Frequency, Coverage, Rectangular or Great Circle Map"), 14);
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
        RunOnScreenPrediction(this, this, m_state, dialogServices(),
                              [this](PredictionResultsWindow& results) {
                                  SetPredictionMapOpeners(results, m_state);
                              });
    });
    setMenuHandler(QStringLiteral("Planner1"), [this] { PlannerClick(); });
    setMenuHandler(QStringLiteral("CircuitChart1"), [this] { CircuitChartClick(); });
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
            batch.setSolarDataSource(PublishedSolarData(m_state.DataDirectory));
            batch.exec();
        });
    });
    setMenuHandler(QStringLiteral("FrequencyMap1"), [this] {
        runMapTask([this] { return FrequencyMapAvailable(this, m_state); },
                   [this] { RunFrequencyMapWindows(this, this, m_state, dialogServices()); });
    });
    setMenuHandler(QStringLiteral("CoverageMap1"), [this] {
        runMapTask([this] { return CoverageMapAvailable(this, m_state); },
                   [this] { RunCoverageMapWindows(this, this, m_state, dialogServices()); });
    });
    setMenuHandler(QStringLiteral("Contents1"), [this] { Contents1Click(); });
    setMenuHandler(QStringLiteral("SearchforHelpOn1"), [this] { SearchforHelpOn1Click(); });
    setMenuHandler(QStringLiteral("HowtoUseHelp1"), [this] { HowtoUseHelp1Click(); });
    setMenuHandler(QStringLiteral("About"), [this] { AboutClick(); });
}

void MainWindow::PlannerClick() {
    HideMenus();
    HideStatusLine();
    PlannerWindowInput input;
    input.previous = PreviousPredictionInputs(m_state);
    input.settings = m_state.UserSettings;
    input.atlas = &m_state.PlaceAtlas;
    input.dates = m_state.Dates;
    input.zone = m_state.TimeZone;
    input.clock = ReadSystemClock();
    const StationSettingsRead station = ReadStationSettings(m_state.DataDirectory);
    if (station.status == StationReadStatus::Damaged)
        ShowError(this, QString::fromStdString(station.message));
    input.p533 = OfferP533(station.settings, m_state.DataDirectory,
                           m_state.UserSettings.MinRadiationAngleDeg);
    input.startEngine = station.settings.startEngine;
    input.countries = &m_state.Countries;
    PlannerWindow planner(std::move(input), this, this);
    planner.setAtlasPicker(atlasPicker());
    planner.setSolarDataSource(PublishedSolarData(m_state.DataDirectory));
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

void MainWindow::CircuitChartClick() {
    const StationSettingsRead station = ReadStationSettings(m_state.DataDirectory);
    if (station.status == StationReadStatus::Damaged)
        ShowError(this, QString::fromStdString(station.message));
    CircuitChartInput input;
    const std::string patternError =
        ApplyStationSettings(station.settings, m_state.DataDirectory, input);
    if (!patternError.empty())
        ShowError(this, QString::fromStdString(patternError));
    RunCircuitChart(this, this, m_state, dialogServices(), input);
}

AtlasPicker MainWindow::atlasPicker() {
    return AtlasSearchPicker(m_state.PlaceAtlas, this);
}

DialogServices MainWindow::dialogServices() {
    return {atlasPicker(), PublishedSolarData(m_state.DataDirectory)};
}
