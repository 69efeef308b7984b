#include "appstate/OptionsSave.h"

#include "appstate/AppState.h"
#include "settings/DefaultTerminal.h"
#include "settings/SettingsFile.h"

FileWriteResult SaveOptions(AppState& state, const Settings& edited, const ClockReading& clock) {
    state.UserSettings = edited;
    DeriveSettings(state.UserSettings);
    state.TimeZone = SetTimeZone(state.UserSettings.UseUtc, clock);
    ApplyDefaultTerminal(state.UserSettings, state.Prediction.TerminalA,
                         state.Prediction.TerminalB);
    return SaveSettings(SettingsFilePath(state.DataDirectory), state.UserSettings);
}
