#include "appstate/AppState.h"

#include "core/Geometry.h"

PredictionInputs PreviousPredictionInputs(const AppState& state) {
    PredictionInputs inputs;
    inputs.terminalA = state.Prediction.TerminalA;
    inputs.terminalB = state.Prediction.TerminalB;
    inputs.date = state.TimeZone.PredictionDate;
    inputs.solarIndexText = state.Prediction.SolarIndexText;
    inputs.kIndexText = state.Prediction.KIndexText;
    inputs.zone = state.TimeZone;
    return inputs;
}

Terminal StartingTerminalB(const Terminal& a, const Terminal& b) {
    if (InitialBearing(a.LatitudeRad, a.LongitudeRad, b.LatitudeRad, b.LongitudeRad).status ==
        BearingStatus::Indeterminate)
        return Terminal{};
    return b;
}

void StorePredictionInputs(AppState& state, const PredictionInputs& inputs,
                           const PredictionRequest& request) {
    PredictionRecord& record = state.Prediction;
    record.TerminalA = request.TerminalA;
    record.TerminalB = request.TerminalB;
    record.ShortPath = request.ShortPath;
    record.LongPath = request.LongPath;
    record.DateText = FormatDateText(false, inputs.date, state.Dates);
    record.SolarIndexText = inputs.solarIndexText;
    record.KIndexText = inputs.kIndexText;
    state.TimeZone.PredictionDate = inputs.date;
}
