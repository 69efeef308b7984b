#include "maps/ui/MapWindows.h"

#include "appstate/AppState.h"
#include "core/Numeric.h"
#include "maps/ui/MapDialog.h"
#include "maps/ui/MapDisplayWindow.h"
#include "widgets/MessageBoxes.h"

namespace {

MapDisplayInput DisplayInput(const AppState& state, MapKind kind, const PathMapRequest& request,
                             const std::string& timeText) {
    MapDisplayInput input;
    input.kind = kind;
    input.paths = request.paths;
    input.date = request.date;
    input.timeText = timeText;
    input.zone = state.TimeZone;
    input.settings = state.UserSettings;
    input.dates = state.Dates;
    input.dataDir = state.DataDirectory;
    return input;
}

std::string TimeNow(const AppState& state) {
    return FormatHHMM(UtcNow(ReadSystemClock()) - state.TimeZone.UtcOffset);
}

} // namespace

bool CheckMapAvailable(QWidget* parent, const AppState& state, MapKind kind) {
    const std::optional<std::string> why = MapUnavailableText(state.UserSettings, kind);
    if (why)
        ShowInformation(parent, QString::fromStdString(*why));
    return !why;
}

void RunPathMap(QWidget* mainWindow, StatusLine* statusLine, AppState& state, MapKind kind,
                const AtlasPicker& picker) {
    MapDialogInput input{PreviousPredictionInputs(state),
                         state.UserSettings,
                         &state.PlaceAtlas,
                         state.Dates,
                         TimeNow(state),
                         &state.Countries};
    MapDialog dialog(kind, std::move(input), statusLine, mainWindow);
    dialog.setAtlasPicker(picker);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PathMapRequest& request = dialog.request();
    PredictionRecord& record = state.Prediction;
    record.TerminalA = request.paths.a;
    record.TerminalB = request.paths.b;
    record.ShortPath = request.paths.shortPath;
    record.LongPath = request.paths.longPath;
    record.DateText = FormatDateText(false, request.date, state.Dates);
    state.TimeZone.PredictionDate = request.date;
    MapDisplayWindow display(DisplayInput(state, kind, request, dialog.mapTimeText()), mainWindow);
    display.exec();
}

void ShowPredictionMap(QWidget* parent, const AppState& state, const PathMapRequest& request,
                       MapKind kind) {
    if (!CheckMapAvailable(parent, state, kind))
        return;
    MapDisplayWindow display(DisplayInput(state, kind, request, TimeNow(state)), parent);
    display.exec();
}
