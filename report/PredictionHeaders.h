#pragma once

#include <vector>

#include "engine/Propagation.h"

// A prediction as the tables, graphs and reports show it: the engine's numbers with
// the three header lines of each path that ran.

/// The three header lines of every path of `result` that ran to its last half hour
/// (BuildHeaderLines from the request's terminals, solar numbers, K index, Sun and
/// time zone). A path that did not run, or was cancelled, keeps empty lines.
void AddHeaderLines(const PredictionRequest& request, PredictionResult& result);

/// ComputePrediction with the header lines.
PredictionResult Predict(const PredictionRequest& request, const PredictionProgress& progress = {});

/// ComputePredictionPaths with the header lines of the paths asked for.
PredictionResult PredictPaths(const PredictionRequest& request, const std::vector<PathKind>& kinds);
