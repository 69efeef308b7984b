#pragma once

// Shared set-up of the prediction window tests: a station with a default
// terminal, the built-in atlas, and a real prediction to show.

#include "atlas/Atlas.h"
#include "atlas/BuiltInAtlas.h"
#include "core/Dates.h"
#include "core/Syntax.h"
#include "engine/Propagation.h"
#include "report/PredictionSetup.h"
#include "settings/DefaultTerminal.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QWidget>

namespace predictiontest {

inline DateConventions UsDates() {
    return {DateOrder::MonthDayYear, '/'};
}

/// Factory settings, with the default terminal W1AW (41.71 N 72.73 W) when asked.
inline Settings TestSettings(bool withDefault) {
    Settings settings = FactorySettings();
    if (withDefault) {
        settings.DefaultLatitudeText = "41.71";
        settings.DefaultLongitudeText = "72.73";
        settings.DefaultName = "W1AW";
    }
    DeriveSettings(settings);
    return settings;
}

inline Atlas BuiltInTestAtlas() {
    return AtlasOf(BuiltInAtlasEntries());
}

/// A prepared request from W1AW to the grid square `locator` on 8 Dec 2026, flux 150.
inline PredictionRequest RequestTo(const Settings& settings, const std::string& locator) {
    PredictionInputs inputs;
    inputs.terminalA = DefaultTerminal(settings);
    const LocatorResult b = GridLocatorToCoordinates(locator, false);
    inputs.terminalB.Prefix = locator;
    inputs.terminalB.LatitudeText = b.latitudeText;
    inputs.terminalB.LongitudeText = b.longitudeText;
    inputs.date = DateFromCalendar(2026, 12, 8);
    inputs.solarIndexText = "F150.0";
    return PreparePrediction(inputs, settings).request;
}

/// The visible top-level widget of class T, or null.
template <typename T> T* TopLevel() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            return t;
    return nullptr;
}

} // namespace predictiontest
