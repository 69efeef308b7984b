#pragma once

#include "core/Dates.h"
#include "maps/MapOverlays.h"

struct PredictionRequest;

/// What a path map shows: the two terminals and both paths between them, and the map
/// date in the user's time zone.
struct PathMapRequest {
    MapPaths paths;
    DateValue date = 0.0;
};

/// The path map of a prepared prediction: its terminals, both paths and its date.
PathMapRequest PathMapRequestOf(const PredictionRequest& request);
