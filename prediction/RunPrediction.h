#pragma once

#include "engine/Propagation.h"

class QWidget;
class StatusLine;

/// Runs a prediction on the user-interface thread with the progress window: both
/// paths are computed while pending events are processed after every frequency of
/// every half hour (so the window stays live and Cancel is heard), then the window
/// waits for "&Show Prediction". Returns the result; `Completed` is false when the
/// user cancelled (the result then holds what was filled so far).
/// `windowTop`: the progress window's top edge; `statusLine` may be null.
PredictionResult RunPrediction(const PredictionRequest& request, StatusLine* statusLine,
                               int windowTop, QWidget* parent = nullptr);
