#pragma once

#include "widgets/DialogServices.h"

class QWidget;
class StatusLine;
struct AppState;

/// Maps → Frequency Map...: the map items' availability check for the rectangular base
/// map (a default terminal, and Hopscope.REC present and drawn for it; otherwise the
/// user is told why and false returned); then the dialog, and on OK the display of the
/// map. The current prediction is only read.
bool FrequencyMapAvailable(QWidget* parent, const AppState& state);
void RunFrequencyMapWindows(QWidget* parent, StatusLine* statusLine, const AppState& state,
                            const DialogServices& services);
