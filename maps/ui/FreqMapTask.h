#pragma once

#include "maps/ui/TerminalGroupBox.h"

class QWidget;
class StatusLine;
struct AppState;

/// Maps → Frequency Map...: without a default terminal, the message that the maps are
/// unavailable; without the rectangular base map, "Map file Hopscope.REC not found";
/// otherwise the dialog, and on OK the display of the map. Returns false when nothing
/// could open. The current prediction is only read.
bool FrequencyMapAvailable(QWidget* parent, const AppState& state);
void RunFrequencyMapWindows(QWidget* parent, StatusLine* statusLine, const AppState& state,
                            TerminalPicker picker);
