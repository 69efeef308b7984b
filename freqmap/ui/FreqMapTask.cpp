#include "freqmap/ui/FreqMapTask.h"

#include "appstate/AppState.h"
#include "freqmap/ui/FreqMapDialog.h"
#include "freqmap/ui/FreqMapWindow.h"
#include "maps/BaseMapFile.h"
#include "maps/BaseMaps.h"
#include "maps/ui/MapWindows.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"

bool FrequencyMapAvailable(QWidget* parent, const AppState& state) {
    return CheckMapAvailable(parent, state, MapKind::Rectangular);
}

void RunFrequencyMapWindows(QWidget* parent, StatusLine* statusLine, const AppState& state,
                            const DialogServices& services) {
    FreqMapDialog dialog(StationMapInputOf(state), statusLine, parent);
    dialog.setAtlasPicker(services.atlasPicker);
    dialog.setSolarDataSource(services.solarData);
    if (dialog.exec() != QDialog::Accepted)
        return;

    std::optional<PixelBuffer> base =
        CurrentBaseMap(state.UserSettings, state.DataDirectory, false);
    if (!base) {
        ShowInformation(parent, QStringLiteral("Map file Hopscope.REC not found"));
        return;
    }
    if (statusLine)
        statusLine->HideStatusLine();
    FreqMapDisplayInput view;
    view.request = dialog.request();
    view.settings = state.UserSettings;
    view.dates = state.Dates;
    view.zone = state.TimeZone;
    view.baseMap = std::make_shared<const PixelBuffer>(std::move(*base));
    const std::optional<GeoPoint> centre = BaseMapCentre(state.UserSettings);
    view.centreLonDeg = centre ? centre->lon : view.request.station.LongitudeDeg;
    view.clock = [] { return ReadSystemClock(); };
    FreqMapWindow display(std::move(view), parent);
    display.exec();
}
