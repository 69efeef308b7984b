// The map windows as the user reaches them: the main window's Maps items (dialog, then
// display) and the results window's Maps items (display of the shown path), with the
// prediction record left as the results window found it.

#include "tests/widgets/RecordingPresenter.h"

#include "app/MainWindow.h"
#include "app/PredictionMapOpeners.h"
#include "appstate/AppState.h"
#include "core/Geometry.h"
#include "maps/BaseMapFile.h"
#include "maps/ui/MapDisplayWindow.h"
#include "maps/ui/MapWindows.h"
#include "prediction/PredictionResultsWindow.h"
#include "settings/DefaultTerminal.h"
#include "settings/SettingsFile.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

/// Runs `answer` on the next modal window of class `name` that opens (once).
void WhenModalOpens(const char* name, std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, name, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == QLatin1String(name)) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

AppState StateWithMaps(const QTemporaryDir& dir) {
    AppState state;
    state.DataDirectory = dir.path().toStdString();
    state.UserSettings = FactorySettings();
    state.UserSettings.DefaultLatitudeText = "51 30 N";
    state.UserSettings.DefaultLongitudeText = "0 7 W";
    state.UserSettings.DefaultName = "Home";
    state.UserSettings.DefaultDefined = true;
    state.UserSettings.NoDefaultMessageOff = -1;
    state.Prediction.TerminalA = DefaultTerminal(state.UserSettings);
    for (bool gc : {false, true})
        if (!SaveBaseMap(*DrawBaseMapFor(state.UserSettings, gc), gc, state.UserSettings,
                         state.DataDirectory))
            qFatal("cannot write the base map");
    return state;
}

} // namespace

class TestMapMenus : public QObject {
    Q_OBJECT
private slots:
    void menuItemRefusesWithoutADefaultTerminal() {
        QTemporaryDir dir;
        RecordingPresenter messages;
        AppState state;
        state.DataDirectory = dir.path().toStdString();
        state.UserSettings = FactorySettings();
        state.UserSettings.NoDefaultMessageOff = -1;
        MainWindow form(state);
        form.menuItem(QStringLiteral("RectangularMap1"))->trigger();
        QVERIFY(messages.lastText().startsWith(QStringLiteral("The Hopscope maps will not")));
    }

    void menuItemOpensTheDialogAndThenTheMap() {
        QTemporaryDir dir;
        RecordingPresenter messages;
        AppState state = StateWithMaps(dir);
        MainWindow form(state);
        bool displayed = false;
        WhenModalOpens("TMapDlgForm", [&](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Hopscope Great Circle Map"));
            auto* b = dialog->findChild<QLineEdit*>(QStringLiteral("BPfxEdit"));
            b->setFocus();
            b->setText(QStringLiteral("JN58"));
            WhenModalOpens("TMapsDisplayForm", [&](QWidget* display) {
                displayed = true;
                display->close();
            });
            dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        form.menuItem(QStringLiteral("GreatCircleMap1"))->trigger();
        QCOMPARE(messages.lastText(), QString());
        QVERIFY(displayed);
        QCOMPARE(state.Prediction.TerminalB.Prefix, std::string("JN58"));
    }

    void resultsItemShowsThePathAndLeavesTheRecordAlone() {
        QTemporaryDir dir;
        AppState state = StateWithMaps(dir);
        PredictionResultsInput input;
        input.request.TerminalA.LatitudeText = "51.5";
        input.request.TerminalA.LongitudeText = "0.1";
        input.request.TerminalB.LatitudeText = "40.7";
        input.request.TerminalB.LongitudeText = "74";
        ComputePathGeometry(input.request.TerminalA, input.request.TerminalB,
                            input.request.ShortPath, input.request.LongPath);
        input.request.Date = DateFromCalendar(2026, 6, 21);
        state.TimeZone.PredictionDate = input.request.Date;
        const DateValue before = state.TimeZone.PredictionDate;
        PredictionResultsWindow results(input);
        SetPredictionMapOpeners(results, state);
        auto* item = results.findChild<QAction*>(QStringLiteral("RectangularMap1"));
        QVERIFY(item->isEnabled());
        DateValue shown = 0;
        WhenModalOpens("TMapsDisplayForm", [&](QWidget* window) {
            auto* display = static_cast<MapDisplayWindow*>(window);
            shown = display->mapDate();
            display->setDateAsker([&] {
                return std::optional<QString>(QString::fromStdString(
                    FormatDateText(false, DateFromCalendar(2026, 12, 21), state.Dates)));
            });
            display->NewDateBtnClick();
            display->close();
        });
        item->trigger();
        QCOMPARE(shown, input.request.Date);
        QCOMPARE(state.TimeZone.PredictionDate, before);
    }
};

QTEST_MAIN(TestMapMenus)
#include "TestMapMenus.moc"
