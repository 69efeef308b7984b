#pragma once

struct AppState;
class StatusLine;
class QWidget;

/// Checks the two cached base maps against the default terminal and redraws the stale
/// ones with the drawing window showing progress: nothing without a default terminal.
/// The status line shows "Please wait" and then the caption of the map being drawn, and
/// is cleared at the end. A map that cannot be saved is reported ("Unable to save
/// Rectangular Map to disk", the file and the reason) and the other map is still drawn;
/// the map windows then draw it in memory (CurrentBaseMap). Nothing but a regular file
/// is written (SaveBaseMap), so a FIFO in a map's place never blocks the start.
void EnsureBaseMaps(const AppState& state, StatusLine* statusLine, QWidget* parent);
