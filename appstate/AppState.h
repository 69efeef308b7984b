#pragma once

// The process-wide records of the running program, owned by the application and
// handed to the windows that read or change them. Nothing else holds program state:
// a window takes what it needs from here (or a copy) and gives its result back.

#include "atlas/Atlas.h"
#include "atlas/CountryFile.h"
#include "core/Dates.h"
#include "core/Terminal.h"
#include "core/TimeZone.h"
#include "report/PredictionSetup.h"
#include "settings/Settings.h"

#include <filesystem>
#include <string>

/// The inputs of the current on-screen prediction: the two terminals with their
/// paths and the texts the prediction dialog stored. Cleared at start-up; terminal A
/// becomes the default terminal when the settings define one.
struct PredictionRecord {
    Terminal TerminalA;
    Terminal TerminalB;
    PathGeometry ShortPath;
    PathGeometry LongPath;
    std::string DateText;
    std::string SolarIndexText;
    std::string KIndexText;
};

/// Everything the windows share, owned by main().
struct AppState {
    /// Where "Hopscope.SAV", "Hopscope.ATL" and the base maps live.
    std::filesystem::path DataDirectory;
    /// The date order and separator, fixed at start-up from the locale.
    DateConventions Dates;
    /// The user's settings; changed only by the Options window, start-up and shutdown.
    Settings UserSettings;
    /// UTC or local time, set from the settings and by the Options window.
    TimeZoneState TimeZone;
    /// The atlas; changed only by the atlas windows.
    Atlas PlaceAtlas;
    /// The country file that places callsigns the atlas lacks; read at start-up.
    CountryFileLoad Countries;
    /// The current prediction.
    PredictionRecord Prediction;
};

/// The prediction dialog's starting values from the current prediction record: its
/// terminals, texts and the time-zone state with the last prediction date.
PredictionInputs PreviousPredictionInputs(const AppState& state);

/// The prediction dialog's terminal B at its opening: the last prediction's, or an
/// empty terminal when the path from `a` to it has no bearing (the same place or its
/// antipode), which would only be refused again.
Terminal StartingTerminalB(const Terminal& a, const Terminal& b);

/// Stores what the prediction dialog accepted into the prediction record: both
/// terminals with their coordinates, both paths, the date (also the time-zone state's
/// prediction date), the solar index and K index texts.
void StorePredictionInputs(AppState& state, const PredictionInputs& inputs,
                           const PredictionRequest& request);
