#pragma once

struct AppState;
class PredictionResultsWindow;

/// Gives the results window its two map items, which show the path of its prediction.
void SetPredictionMapOpeners(PredictionResultsWindow& results, const AppState& state);
