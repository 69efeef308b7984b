#include "maps/ui/StationMapInput.h"

#include "appstate/AppState.h"
#include "core/Numeric.h"
#include "widgets/QtText.h"
#include "widgets/StationDayFields.h"
#include "widgets/TerminalGroup.h"
#include "widgets/TimeEdit.h"

#include <cmath>

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

void FillStationMapFields(const StationDayFields& fields, TimeEdit* time,
                          const StationMapInput& input) {
    const StationMapRequest& previous = input.previous;
    if (input.settings.DefaultDefined)
        fields.terminal->setTerminal(previous.station);
    SetDayAndIndexTexts(fields.day(), previous.date, input.dates, previous.solarIndexText,
                        previous.kIndexText);
    const double shown = input.clock.utcNow - input.zone.UtcOffset;
    time->setText(Q(FormatHHMM(shown - std::floor(shown))));
}
