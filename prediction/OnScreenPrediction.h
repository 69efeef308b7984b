#pragma once

#include "prediction/TPredDlgForm.h"

class QWidget;
class StatusLine;
struct AppState;

/// "Select from &Atlas" through the atlas search window over `atlas`.
AtlasPicker PrefixSearchPicker(const Atlas& atlas, StatusLine* statusLine);

/// Predictions → On-Screen...: the prediction dialog; after OK the main window is
/// disabled, the path information panel shows while the prediction is computed with
/// its progress window, and a completed run opens the results window. The menus
/// are hidden meanwhile (when a default terminal exists) and the idle main window is
/// restored at the end, also after Cancel.
void RunOnScreenPrediction(QWidget* mainWindow, StatusLine* statusLine, AppState& state);
