#include "prediction/OnScreenPrediction.h"

#include "atlas/ui/TPrefixSearchForm.h"
#include "prediction/RunPrediction.h"
#include "prediction/TPathInfoForm.h"
#include "prediction/TPredHopsForm.h"
#include "prediction/TPredMUFForm.h"
#include "prediction/TPredResultsForm.h"
#include "prediction/TSigGraphForm.h"
#include "report/AppState.h"
#include "widgets/KxStatusLine.h"
#include "widgets/KxText.h"

#include <QApplication>

AtlasPicker PrefixSearchPicker(const Atlas& atlas, StatusLine* statusLine) {
    return [&atlas, statusLine](QWidget* parent) -> std::optional<std::string> {
        TPrefixSearchForm form(atlas, statusLine, parent);
        if (form.exec() != QDialog::Accepted)
            return std::nullopt;
        const QString prefix = form.selectedPrefix();
        if (prefix.isEmpty())
            return std::nullopt;
        return S(prefix);
    };
}

void HandInPredictionWindows(TPredResultsForm& results) {
    results.setWindowOpener(QStringLiteral("Advanced"),
                            [](QWidget* parent, const PredictionResultsInput& input, PathKind kind,
                               bool) { TPredHopsForm(input, kind, parent).exec(); });
    results.setWindowOpener(QStringLiteral("MUF1"),
                            [](QWidget* parent, const PredictionResultsInput& input, PathKind kind,
                               bool) { TPredMUFForm(input, kind, parent).exec(); });
    results.setWindowOpener(
        QStringLiteral("Signals1"),
        [](QWidget* parent, const PredictionResultsInput& input, PathKind kind, bool signalLevels) {
            TSigGraphForm(input, kind, signalLevels, parent).exec();
        });
}

void RunOnScreenPrediction(QWidget* mainWindow, StatusLine* statusLine, AppState& state,
                           const std::function<void(TPredResultsForm&)>& prepareResults) {
    auto restore = [statusLine] {
        if (statusLine)
            statusLine->RestoreMainWindow();
    };
    if (statusLine && state.UserSettings.DefaultDefined)
        statusLine->HideMenus();

    PredictionDialogInput input{PreviousPredictionInputs(state), state.UserSettings,
                                &state.PlaceAtlas, state.Dates, std::nullopt};
    TPredDlgForm dialog(std::move(input), statusLine, mainWindow);
    dialog.setAtlasPicker(PrefixSearchPicker(state.PlaceAtlas, statusLine));
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
        TPathInfoForm panel(request, state.Dates, false, nullptr);
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
        PredictionResultsInput view{request, result, state.UserSettings, state.Dates,
                                    Q(state.DataDirectory.string())};
        TPredResultsForm results(std::move(view), mainWindow);
        HandInPredictionWindows(results);
        if (prepareResults)
            prepareResults(results);
        results.exec();
    }
    restore();
}
