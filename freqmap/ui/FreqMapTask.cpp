#include "freqmap/ui/FreqMapTask.h"

#include "appstate/AppState.h"
#include "freqmap/ui/FreqMapDialog.h"
#include "freqmap/ui/FreqMapWindow.h"
#include "maps/BaseMapFile.h"
#include "maps/BaseMaps.h"
#include "maps/ui/MapWindows.h"
#include "maps/ui/StationMapRun.h"
#include "widgets/StatusLine.h"

bool FrequencyMapAvailable(QWidget* parent, const AppState& state) {
    return CheckMapAvailable(parent, state, MapKind::Rectangular);
}

void RunFrequencyMapWindows(QWidget* parent, StatusLine* statusLine, const AppState& state,
                            const DialogServices& services) {
    RunStationMap<FreqMapDialog>(
        parent, statusLine, state, services, [&](const FreqMapDialog& dialog) {
            std::optional<PixelBuffer> base =
                CurrentBaseMap(state.UserSettings, state.DataDirectory, false);
            if (!base) {
                ShowMapFileMissing(parent);
                return;
            }
            if (statusLine)
                statusLine->HideStatusLine();
            FreqMapDisplayInput view;
            view.request = dialog.request();
            FillStationMapView(view, state);
            view.baseMap = std::make_shared<const PixelBuffer>(std::move(*base));
            const std::optional<GeoPoint> centre = BaseMapCentre(state.UserSettings);
            view.centreLonDeg = centre ? centre->lon : view.request.station.LongitudeDeg;
            FreqMapWindow display(std::move(view), parent);
            display.exec();
        });
}
