#include "prediction/CircuitChartRun.h"

#include "appstate/AppState.h"
#include "core/Numeric.h"
#include "prediction/CircuitChartWindow.h"
#include "prediction/PredictionDialog.h"
#include "report/PredictionSetup.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/StatusLine.h"

namespace {

// The help page F1 opens in the dialog: the chart's own.
constexpr int kCircuitChartHelpContext = 92;

} // namespace

void RunCircuitChart(QWidget* mainWindow, StatusLine* statusLine, AppState& state,
                     const DialogServices& services, const CircuitChartInput& station) {
    if (statusLine && state.UserSettings.DefaultDefined)
        statusLine->HideMenus();
    PredictionDialogInput input{PreviousPredictionInputs(state), state.UserSettings,
                                &state.PlaceAtlas, state.Dates};
    PredictionDialog dialog(std::move(input), statusLine, mainWindow);
    dialog.setWindowTitle(QStringLiteral("Hopscope Circuit Chart"));
    SetHelpContext(&dialog, kCircuitChartHelpContext);
    dialog.setAtlasPicker(services.atlasPicker);
    dialog.setSolarDataSource(services.solarData);
    if (dialog.exec() == QDialog::Accepted) {
        StorePredictionInputs(state, dialog.inputs(), dialog.request());
        CircuitChartWindowInput chart{station, dialog.request(), Q(state.DataDirectory.string())};
        for (const std::string& text : FrequencyTexts(state.UserSettings))
            if (const std::optional<double> mhz = ParseDecimal(text, false))
                chart.chart.userFrequenciesMHz.push_back(*mhz);
        chart.chart.amateurBands = chart.chart.userFrequenciesMHz.empty();
        const std::string refused = FillCircuitFromPrediction(
            dialog.request(), dialog.inputs().solarIndexText, chart.chart);
        if (!refused.empty()) {
            ShowError(mainWindow, Q(refused));
        } else {
            if (statusLine)
                statusLine->HideStatusLine();
            CircuitChartWindow(std::move(chart), mainWindow).exec();
        }
    }
    if (statusLine)
        statusLine->RestoreMainWindow();
}
