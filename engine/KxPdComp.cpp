#include "engine/KxPdComp.h"

#include "core/Numeric.h"
#include "core/PathText.h"
#include "core/VectorState.h"
#include "engine/KxPdRousModes.h"
#include "engine/KxPdRousMuf.h"

int KIndexFromText(const std::string& kIndexText) {
    if (kIndexText.empty())
        return -1;
    const std::optional<int> k = ParseInteger(kIndexText);
    if (!k || *k < 0 || *k > 9)
        return -1;
    return *k;
}

bool ComputePredictionPath(const PredictionRequest& request, PathKind kind,
                           PredictionResult& result, const PredictionProgress& progress) {
    // A caller's progress step may run window-system code that leaves the upper
    // vector state dirty, which makes every later engine instruction several times
    // slower; clear it at the start and after each step handed back.
    ClearUpperVectorState();
    const auto stepDone = [&progress](int stepsDone) {
        if (!progress)
            return true;
        const bool goOn = progress(stepsDone);
        ClearUpperVectorState();
        return goOn;
    };
    const PathSetup setup = MakePathSetup(request, kind);
    const ControlPoints points = ComputeControlPoints(setup);
    PathResult& path = result.Paths[static_cast<int>(kind)];
    path.Geometry = kind == PathKind::Short ? request.ShortPath : request.LongPath;

    ModeSearch search(setup);
    std::array<ReliabilityRow, kHalfHours> reliabilities{};
    for (int j = 0; j < kHalfHours; ++j) {
        ReliabilityRow& row = reliabilities[j];
        path.Muf[j] = PathMuf(setup, points, 0.5f * j, &row);
        if (setup.frequencyCount == 0) {
            ++result.StepsDone;
            if (!stepDone(result.StepsDone))
                return false;
            continue;
        }
        for (int n = 0; n < setup.frequencyCount; ++n) {
            search.BestModeFor(n, j, path, row);
            if (n == setup.frequencyCount - 1)
                ++result.StepsDone;
            if (!stepDone(result.StepsDone))
                return false;
        }
    }

    // A frequency is supported only as far as both ends support it: the smaller of
    // the two reliabilities.
    for (int j = 0; j < kHalfHours; ++j)
        for (int n = 0; n < setup.frequencyCount; ++n)
            path.Reliability[j][n] =
                static_cast<float>(MinOf(reliabilities[j].atA[n], reliabilities[j].atB[n]));

    path.HeaderLines =
        BuildHeaderLines(request.TerminalA, request.TerminalB, path.Geometry, request.Ssn,
                         request.Flux, request.KIndexText, request.Sun, request.Zone);
    return true;
}

namespace {

// The result before any path runs: the solar numbers and the frequencies.
PredictionResult StartResult(const PredictionRequest& request) {
    PredictionResult result;
    result.Ssn = request.Ssn;
    result.Flux = request.Flux;
    result.FrequencyCount = std::clamp(request.FrequencyCount, 0, kMaxFrequencies);
    for (int n = 0; n < result.FrequencyCount; ++n)
        result.FrequencyMHz[n] = request.Frequencies[n].FrequencyMHz;
    return result;
}

} // namespace

PredictionResult ComputePredictionPaths(const PredictionRequest& request,
                                        const std::vector<PathKind>& kinds) {
    PredictionResult result = StartResult(request);
    for (PathKind kind : kinds)
        ComputePredictionPath(request, kind, result, {});
    result.Completed = true;
    return result;
}

PredictionResult ComputePrediction(const PredictionRequest& request,
                                   const PredictionProgress& progress) {
    PredictionResult result = StartResult(request);
    if (!ComputePredictionPath(request, PathKind::Short, result, progress))
        return result;
    if (!ComputePredictionPath(request, PathKind::Long, result, progress))
        return result;
    result.Completed = true;
    return result;
}
