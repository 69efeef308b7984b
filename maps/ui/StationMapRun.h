#pragma once

#include "appstate/AppState.h"
#include "maps/ui/StationMapInput.h"
#include "widgets/DialogServices.h"

#include <QDialog>
#include <QString>

class QWidget;
class StatusLine;

/// Tells the user that the base map file is missing and the map cannot be shown.
void ShowMapFileMissing(QWidget* parent);

/// The run of a station map (frequency map, coverage map): the dialog starts from the
/// program's state with the atlas search and the solar figures, and on OK `display`
/// gets the dialog to read and shows the map. The state is only read.
template <class Dialog, class Display>
void RunStationMap(QWidget* parent, StatusLine* statusLine, const AppState& state,
                   const DialogServices& services, Display display) {
    Dialog dialog(StationMapInputOf(state), statusLine, parent);
    dialog.setAtlasPicker(services.atlasPicker);
    dialog.setSolarDataSource(services.solarData);
    if (dialog.exec() != QDialog::Accepted)
        return;
    display(dialog);
}

/// Fills what every station map's display takes from the program: the settings, the
/// date order, the time zone and the system clock.
template <class View> void FillStationMapView(View& view, const AppState& state) {
    view.settings = state.UserSettings;
    view.dates = state.Dates;
    view.zone = state.TimeZone;
    view.clock = [] { return ReadSystemClock(); };
}
