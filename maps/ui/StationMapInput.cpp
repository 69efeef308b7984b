#include "maps/ui/StationMapInput.h"

#include "appstate/AppState.h"

StationMapInput StationMapInputOf(const AppState& state) {
    StationMapInput input;
    input.previous.station = state.Prediction.TerminalA;
    input.previous.date = state.TimeZone.PredictionDate;
    input.previous.solarIndexText = state.Prediction.SolarIndexText;
    input.previous.kIndexText = state.Prediction.KIndexText;
    input.settings = state.UserSettings;
    input.atlas = &state.PlaceAtlas;
    input.countries = &state.Countries;
    input.dates = state.Dates;
    input.zone = state.TimeZone;
    input.clock = ReadSystemClock();
    return input;
}
