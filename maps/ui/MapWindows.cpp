#include "maps/ui/MapWindows.h"

#include "appstate/AppState.h"
#include "core/Numeric.h"
#include "maps/ui/MapDialog.h"
#include "maps/ui/MapDisplayWindow.h"
#include "widgets/MessageBoxes.h"

namespace {

MapDisplayInput DisplayInput(const AppState& state, MapKind kind, const Terminal& a,
                             const Terminal& b, const PathGeometry& shortPath,
                             const PathGeometry& longPath, DateValue date,
                             const std::string& timeText) {
    MapDisplayInput input;
    input.kind = kind;
    input.paths = {a, b, shortPath, longPath};
    input.date = date;
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
    const PredictionRequest& request = dialog.request();
    PredictionRecord& record = state.Prediction;
    record.TerminalA = request.TerminalA;
    record.TerminalB = request.TerminalB;
    record.ShortPath = request.ShortPath;
    record.LongPath = request.LongPath;
    record.DateText = FormatDateText(false, request.Date, state.Dates);
    state.TimeZone.PredictionDate = request.Date;
    MapDisplayWindow display(DisplayInput(state, kind, request.TerminalA, request.TerminalB,
                                          request.ShortPath, request.LongPath, request.Date,
                                          dialog.mapTimeText()),
                             mainWindow);
    display.exec();
}

void ShowPredictionMap(QWidget* parent, const AppState& state, const PredictionRequest& request,
                       MapKind kind) {
    if (!CheckMapAvailable(parent, state, kind))
        return;
    MapDisplayWindow display(DisplayInput(state, kind, request.TerminalA, request.TerminalB,
                                          request.ShortPath, request.LongPath, request.Date,
                                          TimeNow(state)),
                             parent);
    display.exec();
}
