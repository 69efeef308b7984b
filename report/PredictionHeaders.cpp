#include "report/PredictionHeaders.h"

#include "core/PathText.h"

namespace {

void AddPathHeaderLines(const PredictionRequest& request, PathKind kind, PredictionResult& result) {
    PathResult& path = result.Paths[static_cast<int>(kind)];
    path.HeaderLines =
        BuildHeaderLines(request.TerminalA, request.TerminalB, path.Geometry, request.Ssn,
                         request.Flux, request.KIndexText, request.Sun, request.Zone);
}

} // namespace

void AddHeaderLines(const PredictionRequest& request, PredictionResult& result) {
    // ComputePrediction runs the short path first: it ran to its end once half the
    // steps are done, the long path once all are.
    if (result.StepsDone >= kHalfHours)
        AddPathHeaderLines(request, PathKind::Short, result);
    if (result.StepsDone >= kPredictionSteps)
        AddPathHeaderLines(request, PathKind::Long, result);
}

PredictionResult Predict(const PredictionRequest& request, const PredictionProgress& progress) {
    PredictionResult result = ComputePrediction(request, progress);
    AddHeaderLines(request, result);
    return result;
}

PredictionResult PredictPaths(const PredictionRequest& request,
                              const std::vector<PathKind>& kinds) {
    PredictionResult result = ComputePredictionPaths(request, kinds);
    for (PathKind kind : kinds)
        AddPathHeaderLines(request, kind, result);
    return result;
}
