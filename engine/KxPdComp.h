#pragma once

#include <functional>
#include <vector>

#include "engine/PredictionRecord.h"

/// Told after every frequency of every half hour (and after every half hour when
/// the list is empty) how many of the 96 half-hour steps are complete (a half
/// hour counts once its last frequency is done). Return false to cancel the run.
using PredictionProgress = std::function<bool(int stepsDone)>;

/// The prediction run: for the short path and then the long path, the hop geometry,
/// then for each of the 48 half hours the path MUF with its control-point
/// reliabilities and, for each frequency, the best mode and its signal; then the
/// combined reliabilities and the path's header lines. Re-entrant: it reads only
/// the request. A cancelled run returns what it filled so far (Completed false;
/// the reliabilities of a path are combined only when all its half hours ran).
PredictionResult ComputePrediction(const PredictionRequest& request,
                                   const PredictionProgress& progress = {});

/// The run of the paths `kinds` only, in that order, without progress; a path not
/// asked for stays empty. Each path comes out as ComputePrediction computes it.
PredictionResult ComputePredictionPaths(const PredictionRequest& request,
                                        const std::vector<PathKind>& kinds);

/// The step of one path: fills result.Paths[kind] (its geometry, MUFs, modes,
/// signals, reliabilities and header lines) and advances `stepsDone` by one per
/// half hour. Returns false when `progress` cancelled; the path is then partly filled.
bool ComputePredictionPath(const PredictionRequest& request, PathKind kind,
                           PredictionResult& result, const PredictionProgress& progress);
