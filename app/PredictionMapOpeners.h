#pragma once

struct AppState;
class TPredResultsForm;

/// Gives the results window its two map items, which show the path of its prediction.
void SetPredictionMapOpeners(TPredResultsForm& results, const AppState& state);
