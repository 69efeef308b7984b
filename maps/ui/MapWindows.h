#pragma once

#include "maps/MapDisplay.h"
#include "maps/PathMapRequest.h"
#include "widgets/AtlasPicker.h"

struct AppState;
class StatusLine;
class QWidget;

/// The availability check of the map items: without a default terminal, or with the
/// kind's base map missing or out of date, the user is told why and false returned.
bool CheckMapAvailable(QWidget* parent, const AppState& state, MapKind kind);

/// The menu's map items: the map dialog and, on OK, the display of that path. The
/// dialog's terminals and date become the current prediction record's.
void RunPathMap(QWidget* mainWindow, StatusLine* statusLine, AppState& state, MapKind kind,
                const AtlasPicker& picker);

/// The results window's map items: the display of the shown prediction's path at the
/// present time of day, after the same availability check.
void ShowPredictionMap(QWidget* parent, const AppState& state, const PathMapRequest& request,
                       MapKind kind);
