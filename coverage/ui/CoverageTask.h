#pragma once

#include "widgets/DialogServices.h"

class QWidget;
class StatusLine;
struct AppState;

/// Maps → Coverage Map...: the map items' availability check (a default terminal and
/// its rectangular base map), the dialog, and on OK the display. The great-circle base
/// map is read when present and drawn in memory otherwise. The current prediction is
/// only read.
bool CoverageMapAvailable(QWidget* parent, const AppState& state);
void RunCoverageMapWindows(QWidget* parent, StatusLine* statusLine, const AppState& state,
                           const DialogServices& services);
