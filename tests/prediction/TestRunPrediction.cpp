// A prediction run with its progress window, and the whole on-screen prediction
// from the menu: dialog, path information panel, progress, results.

#include "appstate/AppState.h"
#include "prediction/OnScreenPrediction.h"
#include "prediction/PathInfoPanel.h"
#include "prediction/PredictionDialog.h"
#include "prediction/PredictionResultsWindow.h"
#include "prediction/ProgressWindow.h"
#include "prediction/RunPrediction.h"
#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/AppendOrOverwriteQuestion.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <functional>

using namespace predictiontest;

namespace {

/// Runs `step` on every pass of the event loop until it returns true (it is then
/// stopped); a run processes events after every frequency, so this sees it early.
void Repeatedly(std::function<bool()> step) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
        if (step())
            timer->deleteLater();
    });
    timer->start(0);
}

QPushButton* Button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

AppState StationState() {
    AppState state;
    state.Dates = UsDates();
    state.UserSettings = TestSettings(true);
    state.PlaceAtlas = BuiltInTestAtlas();
    state.TimeZone.PredictionDate = DateFromCalendar(2026, 12, 8);
    state.Prediction.TerminalA = DefaultTerminal(state.UserSettings);
    state.Prediction.SolarIndexText = "F150.0";
    return state;
}

/// Fills terminal B of the open prediction dialog with `prefix` and presses OK.
bool AcceptDialogTo(const QString& prefix) {
    auto* dialog = TopLevel<PredictionDialog>();
    if (!dialog)
        return false;
    auto* b = dialog->findChild<QLineEdit*>(QStringLiteral("BPfxEdit"));
    b->setFocus();
    QTest::keyClicks(b, prefix);
    Button(dialog, "OKBtn")->click();
    return true;
}

} // namespace

class TestRunPrediction : public QObject {
    Q_OBJECT

private slots:
    void runReachesAllStepsThenWaitsForShow() {
        const PredictionRequest request = RequestTo(TestSettings(true), "JN58");
        FakeStatusLine status;
        int progressAtReady = -1;
        bool cancelHidden = false;
        QString caption;
        Repeatedly([&] {
            auto* form = TopLevel<ProgressWindow>();
            if (!form || form->state() != ProgressWindow::State::Ready)
                return false;
            progressAtReady =
                form->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value();
            cancelHidden = !Button(form, "CancelBtn")->isVisible();
            caption = form->windowTitle();
            QTest::keyClick(Button(form, "ShowPredBtn"), Qt::Key_Space); // swallowed
            if (form->state() != ProgressWindow::State::Ready)
                return true;
            QTest::keyClick(Button(form, "ShowPredBtn"), Qt::Key_Return);
            return true;
        });
        const PredictionResult result = RunPrediction(request, &status, 100);
        QVERIFY(result.Completed);
        QCOMPARE(result.StepsDone, kPredictionSteps);
        QCOMPARE(progressAtReady, kPredictionSteps);
        QVERIFY(cancelHidden);
        QCOMPARE(caption, QStringLiteral("Prediction Ready"));
        QCOMPARE(result.Paths[1].HeaderLines[0].size(), kHeaderLineWidth);
        QVERIFY(TopLevel<ProgressWindow>() == nullptr);
    }

    void escapeOnCancelStopsTheRun() {
        const PredictionRequest request = RequestTo(TestSettings(true), "JN58");
        QString caption;
        Repeatedly([&caption] {
            auto* form = TopLevel<ProgressWindow>();
            if (!form)
                return false;
            caption = form->windowTitle();
            QTest::keyClick(Button(form, "CancelBtn"), Qt::Key_Escape);
            return true;
        });
        const PredictionResult result = RunPrediction(request, nullptr, 100);
        QCOMPARE(caption, QStringLiteral("Computing Prediction. . ."));
        QVERIFY(!result.Completed);
        QVERIFY(result.StepsDone < kPredictionSteps);
        QVERIFY(TopLevel<ProgressWindow>() == nullptr);
    }

    void onScreenPredictionEndsInTheTable() {
        RecordingPresenter presenter;
        AppState state = StationState();
        FakeStatusLine status;
        bool panelSeen = false;
        QString topTime;
        QString titleSeen;
        Repeatedly([] { return AcceptDialogTo(QStringLiteral("ZS")); });
        Repeatedly([&] {
            if (auto* panel = TopLevel<PathInfoPanel>())
                panelSeen = !panel->withClose();
            auto* form = TopLevel<ProgressWindow>();
            if (!form || form->state() != ProgressWindow::State::Ready)
                return false;
            Button(form, "ShowPredBtn")->click();
            return true;
        });
        Repeatedly([&] {
            auto* results = TopLevel<PredictionResultsWindow>();
            if (!results)
                return false;
            QApplication::processEvents();
            auto* grid = results->findChild<QTableWidget*>(QStringLiteral("PredGrid"));
            topTime = grid->item(grid->rowAt(0), 0)->text();
            titleSeen = results->windowTitle();
            results->reject();
            return true;
        });
        RunOnScreenPrediction(nullptr, &status, state, {});
        QVERIFY2(presenter.messages.empty(), qPrintable(presenter.lastText()));
        QVERIFY(panelSeen);
        QCOMPARE(topTime, QStringLiteral("0000"));
        QCOMPARE(titleSeen, QStringLiteral("Hopscope Short-Path Prediction for 12/08/2026"));
        // The prediction record keeps what was predicted, for the next dialog.
        QCOMPARE(state.Prediction.TerminalB.Name, std::string("South Africa"));
        QCOMPARE(state.Prediction.DateText, std::string("12/08/26"));
        QVERIFY(state.Prediction.ShortPath.Length > 1.0);
        QVERIFY(TopLevel<PathInfoPanel>() == nullptr);
    }

    void cancelledRunOpensNoResults() {
        RecordingPresenter presenter;
        AppState state = StationState();
        bool resultsSeen = false;
        Repeatedly([] { return AcceptDialogTo(QStringLiteral("VK")); });
        Repeatedly([] {
            auto* form = TopLevel<ProgressWindow>();
            if (!form)
                return false;
            Button(form, "CancelBtn")->click();
            return true;
        });
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (auto* results = TopLevel<PredictionResultsWindow>()) {
                resultsSeen = true;
                results->reject();
            }
        });
        watch.start(5);
        RunOnScreenPrediction(nullptr, nullptr, state, {});
        watch.stop();
        QVERIFY(!resultsSeen);
        QVERIFY(TopLevel<ProgressWindow>() == nullptr);
        QVERIFY(TopLevel<PathInfoPanel>() == nullptr);
    }

    void pathInformationInBothModes() {
        const PredictionRequest request = RequestTo(TestSettings(true), "JN58");
        PathInfoPanel panel(request, UsDates(), false);
        panel.show();
        QVERIFY(!panel.findChild<QPushButton*>());
        QVERIFY(!panel.close()); // only its owner closes the panel
        QTest::keyClick(&panel, Qt::Key_Escape);
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.progressTop(), panel.y() + panel.height() - panel.lineHeight());
        panel.closeByOwner();
        QVERIFY(!panel.isVisible());

        for (Qt::Key key : {Qt::Key_Return, Qt::Key_C, Qt::Key_Escape}) {
            PathInfoPanel window(request, UsDates(), true);
            window.show();
            QCOMPARE(window.windowTitle(), QStringLiteral("Hopscope Path Information"));
            QCOMPARE(Button(&window, "ClosePanel")->text(), QStringLiteral("&Close"));
            QTest::keyClick(&window, key, Qt::AltModifier);
            QVERIFY(window.isVisible()); // not with Alt held
            QTest::keyClick(&window, key);
            QVERIFY(!window.isVisible());
        }
        // 21 lines and the Close panel fit the window.
        PathInfoPanel window(request, UsDates(), true);
        QVERIFY(window.height() >= 21 * window.lineHeight());
    }

    void appendOrOverwriteQuestion() {
        const QString name = QStringLiteral("/tmp/a/very/long/folder/name/report.txt");
        AppendOrOverwriteQuestion dialog(name);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Append or Overwrite?"));
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("Label1"))
                    ->text()
                    .endsWith(QStringLiteral("report.txt already exists.")));
        const int width = Button(&dialog, "AppendBtn")->width();
        QCOMPARE(Button(&dialog, "OverwriteBtn")->width(), width);
        QCOMPARE(Button(&dialog, "CancelBtn")->width(), width);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.choice(), AppendOrOverwriteQuestion::Choice::Cancel);
        Repeatedly([] {
            auto* asked = TopLevel<AppendOrOverwriteQuestion>();
            if (!asked)
                return false;
            Button(asked, "OverwriteBtn")->click();
            return true;
        });
        QCOMPARE(AppendOrOverwriteQuestion::Ask(name),
                 AppendOrOverwriteQuestion::Choice::Overwrite);
    }

    void cancelledDialogLeavesTheRecord() {
        AppState state = StationState();
        Repeatedly([] {
            auto* dialog = TopLevel<PredictionDialog>();
            if (!dialog)
                return false;
            dialog->findChild<QLineEdit*>(QStringLiteral("BPfxEdit"))
                ->setText(QStringLiteral("ZS"));
            Button(dialog, "CancelBtn")->click();
            return true;
        });
        RunOnScreenPrediction(nullptr, nullptr, state, {});
        QCOMPARE(state.Prediction.TerminalB.Prefix, std::string());
        QVERIFY(TopLevel<ProgressWindow>() == nullptr);
    }
};

QTEST_MAIN(TestRunPrediction)
#include "TestRunPrediction.moc"
