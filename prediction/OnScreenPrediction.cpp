#include "prediction/OnScreenPrediction.h"

#include "appstate/AppState.h"
#include "prediction/HopsWindow.h"
#include "prediction/MufGraphWindow.h"
#include "prediction/PathInfoPanel.h"
#include "prediction/PredictionResultsWindow.h"
#include "prediction/RunPrediction.h"
#include "prediction/SignalGraphWindow.h"
#include "report/PredictionHeaders.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/StatusLine.h"

#include <QApplication>

void HandInPredictionWindows(PredictionResultsWindow& results) {
    results.setWindowOpener(QStringLiteral("Advanced"),
                            [](QWidget* parent, const PredictionResultsInput& input, PathKind kind,
                               bool) { HopsWindow(input, kind, parent).exec(); });
    results.setWindowOpener(QStringLiteral("MUF1"),
                            [](QWidget* parent, const PredictionResultsInput& input, PathKind kind,
                               bool) { MufGraphWindow(input, kind, parent).exec(); });
    results.setWindowOpener(
        QStringLiteral("Signals1"),
        [](QWidget* parent, const PredictionResultsInput& input, PathKind kind, bool signalLevels) {
            SignalGraphWindow(input, kind, signalLevels, parent).exec();
        });
}

void RunOnScreenPrediction(QWidget* mainWindow, StatusLine* statusLine, AppState& state,
                           const DialogServices& services,
                           const std::function<void(PredictionResultsWindow&)>& prepareResults) {
    auto restore = [statusLine] {
        if (statusLine)
            statusLine->RestoreMainWindow();
    };
    if (statusLine && state.UserSettings.DefaultDefined)
        statusLine->HideMenus();

    PredictionDialogInput input{PreviousPredictionInputs(state), state.UserSettings,
                                &state.PlaceAtlas, state.Dates, &state.Countries};
    PredictionDialog dialog(std::move(input), statusLine, mainWindow);
    dialog.setAtlasPicker(services.atlasPicker);
    dialog.setSolarDataSource(services.solarData);
    if (dialog.exec() != QDialog::Accepted) {
        restore();
        return;
    }
    StorePredictionInputs(state, dialog.inputs(), dialog.request());
    const PredictionRequest request = dialog.request();

    // The panel and the progress window are top-level windows of their own, so that
    // disabling the main window leaves them alive.
    if (mainWindow)
        mainWindow->setEnabled(false);
    PredictionResult result;
    {
        PathInfoPanel panel(request, state.Dates, false, nullptr);
        panel.show();
        QApplication::processEvents();
        result = RunPrediction(request, statusLine, panel.progressTop(), nullptr);
        panel.closeByOwner();
    }
    if (mainWindow)
        mainWindow->setEnabled(true);

    if (result.Completed) {
        if (statusLine)
            statusLine->HideStatusLine();
        PredictionResultsInput view{request,
                                    result,
                                    state.UserSettings,
                                    state.Dates,
                                    Q(state.DataDirectory.string()),
                                    dialog.inputs().solarSource};
        PredictionResultsWindow results(std::move(view), mainWindow);
        HandInPredictionWindows(results);
        if (prepareResults)
            prepareResults(results);
        results.exec();
    }
    restore();
}

void ShowPredictionResults(QWidget* parent, AppState& state, const PredictionInputs& inputs,
                           const std::function<void(PredictionResultsWindow&)>& prepareResults) {
    const PreparedPrediction prepared = PreparePrediction(inputs, state.UserSettings);
    if (!prepared) {
        ShowUserMessage(parent, prepared.message);
        return;
    }
    StorePredictionInputs(state, inputs, prepared.request);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PredictionResult result = Predict(prepared.request);
    QApplication::restoreOverrideCursor();
    PredictionResultsInput view{
        prepared.request,  result, state.UserSettings, state.Dates, Q(state.DataDirectory.string()),
        inputs.solarSource};
    PredictionResultsWindow results(std::move(view), parent);
    HandInPredictionWindows(results);
    if (prepareResults)
        prepareResults(results);
    results.exec();
}
