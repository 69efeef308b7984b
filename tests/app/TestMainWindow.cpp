// The main window: its menu tree with captions, access keys and hints, the status
// line operations, the first activation with the no-default-terminal question, and
// the Options and help commands.

#include "tests/widgets/RecordingPresenter.h"

#include "app/HelpSystem.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/NoDefaultTerminalQuestion.h"
#include "appstate/AppState.h"
#include "atlas/AtlasFile.h"
#include "settings/SettingsFile.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

/// Runs `answer` on the next modal window that opens (once).
void WhenModalOpens(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

AppState StateWithoutDefault(const QTemporaryDir& dir) {
    AppState state;
    state.DataDirectory = dir.path().toStdString();
    state.UserSettings = FactorySettings();
    return state;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void anAtlasChangedByAnotherProgramIsReloadedOnActivation() {
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        state.UserSettings.NoDefaultMessageOff = -1;
        LoadAtlas(state.PlaceAtlas, state.DataDirectory);
        MainWindow form(state);
        // The command line adds a place while the window is open.
        Atlas other;
        LoadAtlas(other, state.DataDirectory);
        QVERIFY(InsertAtlasEntry(other, MakeAtlasEntry("0ZZ", "1", "2", "From the CLI")));
        QVERIFY(!FindAtlasEntry(state.PlaceAtlas, "0ZZ"));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&form, &activate);
        QVERIFY(FindAtlasEntry(state.PlaceAtlas, "0ZZ"));
        QCOMPARE(state.PlaceAtlas.Count, other.Count);
    }

    void menuTreeHasItsCaptionsAndHints() {
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        state.UserSettings.NoDefaultMessageOff = -1;
        MainWindow form(state);
        QCOMPARE(form.windowTitle(), QString("Hopscope"));
        const QList<QPair<QString, QString>> items = {
            {"FileMenu", "&File"},
            {"FileExit", "E&xit"},
            {"Predictions", "&Predictions"},
            {"OnScreen1", "On-&Screen..."},
            {"Batch1", "&Batch..."},
            {"Maps", "&Maps"},
            {"FrequencyMap1", "&Frequency Map..."},
            {"RectangularMap1", "&Rectangular Map..."},
            {"GreatCircleMap1", "&Great Circle Map..."},
            {"PrintGreatCircleMap2", "&Print Great Circle Map..."},
            {"AtlasMenu", "&Atlas"},
            {"AtlasView", "&View"},
            {"EditAtlas", "&Edit"},
            {"AtlasAdd", "&Add..."},
            {"AtlasModify", "&Modify..."},
            {"AtlasDelete", "&Delete..."},
            {"PrintGreatCircleBearings", "Print Great Circle &Bearings..."},
            {"Options", "&Options"},
            {"OperatingAids", "Operating A&ids"},
            {"PrintGreatCircleBearings1", "Print Great Circle &Bearings..."},
            {"PrintGreatCircleMap1", "Print Great Circle &Map..."},
            {"Help", "&Help"},
            {"Contents1", "&Contents"},
            {"SearchforHelpOn1", "&Search for Help On..."},
            {"HowtoUseHelp1", "&How to Use Help"},
            {"About", "&About Hopscope"}};
        for (const auto& [name, caption] : items) {
            QAction* item = form.menuItem(name);
            QVERIFY2(item, qPrintable(name));
            QCOMPARE(item->text(), caption);
        }
        QCOMPARE(form.menuItem("Maps")->statusTip(),
                 QString("Display the Frequency, Coverage, Rectangular or Great Circle Map"));
        QCOMPARE(form.menuItem("PrintGreatCircleBearings1")->statusTip(),
                 form.menuItem("PrintGreatCircleBearings")->statusTip());
        QVERIFY(form.menuItem("OnScreen1")->statusTip().isEmpty());
        // The atlas windows are attached; a handler set later replaces the one there and
        // enables the item.
        QVERIFY(form.menuItem("AtlasView")->isEnabled());
        QVERIFY(form.menuItem("PrintGreatCircleBearings1")->isEnabled());
        QVERIFY(form.menuItem("Options")->isEnabled());
        form.menuItem("AtlasView")->setEnabled(false);
        bool ran = false;
        form.setMenuHandler("AtlasView", [&] { ran = true; });
        QVERIFY(form.menuItem("AtlasView")->isEnabled());
        form.menuItem("AtlasView")->trigger();
        QVERIFY(ran);
    }

    void statusLineOperations() {
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        state.UserSettings.NoDefaultMessageOff = -1;
        MainWindow form(state);
        form.show();
        QCOMPARE(form.helpPanelText(), QString("Press F1 for Help"));
        form.SetStatusHint("Select a frequency");
        QCOMPARE(form.hintPanelText(), QString("Select a frequency"));
        // A menu item's hint goes to the left panel while the menu is browsed.
        QStatusTipEvent tip(form.menuItem("AtlasAdd")->statusTip());
        QApplication::sendEvent(&form, &tip);
        QCOMPARE(form.hintPanelText(), QString("Add a new entry to the Hopscope atlas"));
        form.HideStatusLine();
        QVERIFY(!form.statusBar()->isVisible());
        form.HideMenus();
        for (QAction* action : form.menuBar()->actions())
            QVERIFY(!action->isVisible());
        form.setEnabled(false);
        form.RestoreMainWindow();
        for (QAction* action : form.menuBar()->actions())
            QVERIFY(action->isVisible());
        QVERIFY(form.isEnabled());
        QVERIFY(form.statusBar()->isVisible());
        QCOMPARE(form.hintPanelText(), QString());
        // The right panel is a sixth of the status line.
        QVERIFY(qAbs(form.findChild<QLabel*>("HelpPanel")->width() -
                     form.statusBar()->width() / 6) <= 1);
    }

    void noDefaultQuestionOnceAndItsCheckBox() {
        RecordingPresenter presenter;
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        int baseMapChecks = 0;
        MainWindow form(state);
        form.setBaseMapCheck([&] { ++baseMapChecks; });
        QString caption;
        WhenModalOpens([&](QWidget* modal) {
            caption = modal->windowTitle();
            QVERIFY(qobject_cast<NoDefaultTerminalQuestion*>(modal));
            modal->findChild<QCheckBox*>("CheckBox1")->setChecked(true);
            modal->findChild<QPushButton*>("NoBtn")->click();
        });
        QSignalSpy finished(&form, &MainWindow::firstActivationFinished);
        form.show();
        form.activateWindow();
        QVERIFY(finished.wait(3000));
        QCOMPARE(caption, QString("Hopscope"));
        QVERIFY(form.noDefaultQuestionAsked());
        QCOMPARE(state.UserSettings.NoDefaultMessageOff, -1);
        QCOMPARE(baseMapChecks, 1);
        QVERIFY(form.isEnabled());
        // A second activation asks nothing.
        form.hide();
        form.show();
        form.activateWindow();
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
    }

    void escapeLeavesTheCheckBoxUnstored() {
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        MainWindow form(state);
        WhenModalOpens([](QWidget* modal) {
            modal->findChild<QCheckBox*>("CheckBox1")->setChecked(true);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QSignalSpy finished(&form, &MainWindow::firstActivationFinished);
        form.show();
        form.activateWindow();
        QVERIFY(finished.wait(3000));
        QCOMPARE(state.UserSettings.NoDefaultMessageOff, 0);
    }

    void yesOpensOptionsThenStoresTheCheckBox() {
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        MainWindow form(state);
        QString optionsCaption;
        WhenModalOpens([&](QWidget* question) {
            question->findChild<QCheckBox*>("CheckBox1")->setChecked(true);
            WhenModalOpens([&](QWidget* options) {
                optionsCaption = options->windowTitle();
                QTest::keyClick(options, Qt::Key_Escape);
            });
            question->findChild<QPushButton*>("YesBtn")->click();
        });
        QSignalSpy finished(&form, &MainWindow::firstActivationFinished);
        form.show();
        form.activateWindow();
        QVERIFY(finished.wait(5000));
        QCOMPARE(optionsCaption, QString("Hopscope Options"));
        QCOMPARE(state.UserSettings.NoDefaultMessageOff, -1);
        // Cancelled Options write nothing.
        QVERIFY(!QFile::exists(dir.filePath("Hopscope.SAV")));
    }

    void savingOptionsReachesTerminalAAndTheFile() {
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        state.UserSettings.NoDefaultMessageOff = -1;
        state.Prediction.TerminalA.Prefix = "DEFAULT";
        MainWindow form(state);
        bool menusHidden = false;
        WhenModalOpens([&](QWidget* options) {
            menusHidden = !form.menuBar()->actions().first()->isVisible();
            options->findChild<QLineEdit*>("LatEdit")->setText("48 12 N");
            options->findChild<QLineEdit*>("LonEdit")->setText("16 22 E");
            options->findChild<QLineEdit*>("NameEdit")->setText("OE1XYZ");
            options->findChild<QPushButton*>("SaveBtn")->click();
        });
        form.menuItem("Options")->trigger();
        QVERIFY(menusHidden);
        QVERIFY(form.menuBar()->actions().first()->isVisible());
        QVERIFY(state.UserSettings.DefaultDefined);
        QCOMPARE(state.Prediction.TerminalA.Name, std::string("OE1XYZ"));
        QVERIFY(qAbs(state.Prediction.TerminalA.LongitudeDeg + (16.0 + 22.0 / 60.0)) < 1e-9);
        QCOMPARE(LoadSettings(SettingsFilePath(state.DataDirectory)).settings.DefaultLatitudeText,
                 std::string("48 12 N"));
    }

    void noQuestionWhenTurnedOffOrDefined() {
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        state.UserSettings.DefaultDefined = true;
        MainWindow form(state);
        QSignalSpy finished(&form, &MainWindow::firstActivationFinished);
        form.show();
        form.activateWindow();
        QVERIFY(finished.wait(3000));
        QVERIFY(!form.noDefaultQuestionAsked());
    }

    void batchAndAtlasItemsCheckFirst() {
        RecordingPresenter presenter;
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        state.UserSettings.NoDefaultMessageOff = -1;
        MainWindow form(state);
        int opened = 0;
        const auto open = [&] {
            ++opened;
            for (QAction* action : form.menuBar()->actions())
                QVERIFY(!action->isVisible());
        };

        state.UserSettings.FrequencyCount = 0;
        form.runBatchTask(open);
        QCOMPARE(opened, 0);
        QCOMPARE(presenter.lastText(),
                 QString("There are currently no prediction frequencies.\n"
                         "Select Options on the Main Menu Bar to specify prediction frequencies."));
        QCOMPARE(presenter.messages.back().kind, MessageKind::Information);
        state.UserSettings.FrequencyCount = 5;
        state.UserSettings.DefaultDefined = true;
        form.runBatchTask(open);
        QCOMPARE(opened, 1);

        // An empty atlas refuses viewing but allows adding.
        presenter.clear();
        state.PlaceAtlas.Count = 0;
        form.runAtlasTask(0, open);
        QCOMPARE(opened, 1);
        QCOMPARE(presenter.lastText(), QString("The atlas is empty."));
        QCOMPARE(presenter.alerts, 1);
        form.runAtlasTask(-1, open);
        QCOMPARE(opened, 2);
        form.runMapTask([] { return false; }, open);
        QCOMPARE(opened, 2);
        form.runMapTask([] { return true; }, open);
        QCOMPARE(opened, 3);
        for (QAction* action : form.menuBar()->actions())
            QVERIFY(action->isVisible());
    }

    void helpOpensAtTheContextOfTheFocusedWindow() {
        QTemporaryDir dir;
        AppState state = StateWithoutDefault(dir);
        state.UserSettings.NoDefaultMessageOff = -1;
        MainWindow form(state);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F1);
        QVERIFY(form.help().window());
        QCOMPARE(form.help().window()->currentFile(), QString(":/help/main.html"));
        form.menuItem("Contents1")->trigger();
        QCOMPARE(form.help().window()->currentFile(), QString(":/help/contents.html"));
        form.menuItem("HowtoUseHelp1")->trigger();
        QCOMPARE(form.help().window()->currentFile(), QString(":/help/usinghelp.html"));
        form.menuItem("SearchforHelpOn1")->trigger();
        QVERIFY(form.help().window()->findChild<QLineEdit*>("IndexEdit")->isVisible());
        form.help().window()->close();
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
