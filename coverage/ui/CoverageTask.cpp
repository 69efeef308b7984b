#include "coverage/ui/CoverageTask.h"

#include "appstate/AppState.h"
#include "coverage/ui/CoverageDialog.h"
#include "coverage/ui/CoverageWindow.h"
#include "maps/BaseMapFile.h"
#include "maps/BaseMaps.h"
#include "maps/ui/MapWindows.h"
#include "maps/ui/StationMapRun.h"
#include "settings/StationSettings.h"
#include "station/P533Offer.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"

bool CoverageMapAvailable(QWidget* parent, const AppState& state) {
    return CheckMapAvailable(parent, state, MapKind::Rectangular);
}

void RunCoverageMapWindows(QWidget* parent, StatusLine* statusLine, const AppState& state,
                           const DialogServices& services) {
    RunStationMap<CoverageDialog>(
        parent, statusLine, state, services, [&](const CoverageDialog& dialog) {
            std::optional<PixelBuffer> rectangular =
                CurrentBaseMap(state.UserSettings, state.DataDirectory, false);
            std::optional<PixelBuffer> greatCircle =
                CurrentBaseMap(state.UserSettings, state.DataDirectory, true);
            const std::optional<GeoPoint> centre = BaseMapCentre(state.UserSettings);
            if (!rectangular || !greatCircle || !centre) {
                ShowMapFileMissing(parent);
                return;
            }
            if (statusLine)
                statusLine->HideStatusLine();
            CoverageDisplayInput view;
            view.request = dialog.result();
            FillStationMapView(view, state);
            view.rectangularBase = std::make_shared<const PixelBuffer>(std::move(*rectangular));
            view.greatCircleBase = std::make_shared<const PixelBuffer>(std::move(*greatCircle));
            view.centre = *centre;
            const StationSettingsRead station = ReadStationSettings(state.DataDirectory);
            if (station.status == StationReadStatus::Damaged)
                ShowError(parent, QString::fromStdString(station.message));
            view.p533 = OfferP533(station.settings, state.DataDirectory,
                                  state.UserSettings.MinRadiationAngleDeg);
            view.startEngine = station.settings.startEngine;
            CoverageWindow display(std::move(view), parent);
            display.exec();
        });
}
