// What the prediction dialog accepted goes into the prediction record and comes back
// as the next opening's starting values.

#include "appstate/AppState.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(AppState, AcceptedInputsComeBackAtTheNextOpening) {
    AppState state;
    state.Dates = {DateOrder::DayMonthYear, '.'};
    PredictionInputs inputs;
    inputs.terminalA.Prefix = "<Ins>";
    inputs.terminalA.LatitudeText = "51.5";
    inputs.terminalA.LongitudeText = "0.1";
    inputs.terminalB.Prefix = "JN58";
    inputs.terminalB.LatitudeText = "48 30 N";
    inputs.terminalB.LongitudeText = "11 E";
    inputs.date = DateFromCalendar(2026, 12, 8);
    inputs.solarIndexText = "S100.0";
    inputs.kIndexText = "3";
    const PreparedPrediction prepared = PreparePrediction(inputs, FactorySettings());
    ASSERT_TRUE(prepared.ok);

    StorePredictionInputs(state, inputs, prepared.request);
    EXPECT_EQ(state.Prediction.DateText, "08.12.26");
    EXPECT_DOUBLE_EQ(state.Prediction.ShortPath.Length, prepared.request.ShortPath.Length);

    const PredictionInputs next = PreviousPredictionInputs(state);
    EXPECT_EQ(next.terminalB.LatitudeText, "48 30 N");
    EXPECT_DOUBLE_EQ(next.terminalB.LatitudeDeg, prepared.request.TerminalB.LatitudeDeg);
    EXPECT_EQ(next.date, inputs.date);
    EXPECT_EQ(next.zone.PredictionDate, inputs.date);
    EXPECT_EQ(next.solarIndexText, "S100.0");
    EXPECT_EQ(next.kIndexText, "3");
}

TEST(AppState, ADialogDoesNotStartFromAPathWithoutBearing) {
    Terminal a;
    a.LatitudeRad = 0.7;
    a.LongitudeRad = 1.2;
    Terminal b = a;
    b.Name = "same place";
    EXPECT_EQ(StartingTerminalB(a, b).Name, "");
    b.LatitudeRad = -a.LatitudeRad; // the antipode
    b.LongitudeRad = a.LongitudeRad - std::acos(-1.0);
    EXPECT_EQ(StartingTerminalB(a, b).Name, "");
    b.LongitudeRad = a.LongitudeRad - 1.0;
    EXPECT_EQ(StartingTerminalB(a, b).Name, "same place");
}
