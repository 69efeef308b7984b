#pragma once

#include "prediction/PredictionDialog.h"
#include "widgets/DialogServices.h"

#include <functional>

class QWidget;
class StatusLine;
struct AppState;
class PredictionResultsWindow;

/// Hands the results window the windows of its Advanced, MUF and Signals items.
void HandInPredictionWindows(PredictionResultsWindow& results);

/// Predictions → On-Screen...: the prediction dialog; after OK the main window is
/// disabled, the path information panel shows while the prediction is computed with
/// its progress window, and a completed run opens the results window. The menus
/// are hidden meanwhile (when a default terminal exists) and the idle main window is
/// restored at the end, also after Cancel. `prepareResults` hands the results window
/// the windows of its menus (maps, graphs) before it opens; `services` serve "Select
/// from &Atlas" and "Solar Data".
void RunOnScreenPrediction(
    QWidget* mainWindow, StatusLine* statusLine, AppState& state, const DialogServices& services,
    const std::function<void(PredictionResultsWindow&)>& prepareResults = {});

/// The on-screen prediction of `inputs` without the dialog (the planner's double-click):
/// the request as PreparePrediction builds it (a refusal is shown), both paths
/// computed, the inputs stored as the current prediction, and the results window
/// opened over `parent`, prepared as RunOnScreenPrediction prepares it.
void ShowPredictionResults(
    QWidget* parent, AppState& state, const PredictionInputs& inputs,
    const std::function<void(PredictionResultsWindow&)>& prepareResults = {});
