#include <algorithm>

#include "core/Numeric.h"
#include "core/VectorState.h"
#include "engine/KxPdRousModes.h"
#include "engine/KxPdRousMuf.h"
#include "engine/Propagation.h"

int KIndexFromText(const std::string& kIndexText) {
    if (kIndexText.empty())
        return -1;
    const std::optional<int> k = ParseInteger(kIndexText);
    if (!k || *k < 0 || *k > 9)
        return -1;
    return *k;
}

namespace {

// Half hour j of one path: the path MUF with its control-point reliabilities in
// `row`, then the best mode of each frequency in slot order (`frequencyDone` is told
// after each). Returns false as soon as frequencyDone does.
template <typename FrequencyDone>
bool ComputeHalfHour(const PathSetup& setup, const ControlPoints& points, ModeSearch& search, int j,
                     PathResult& path, ReliabilityRow& row, FrequencyDone&& frequencyDone) {
    path.Muf[j] = PathMuf(setup, points, 0.5f * j, &row);
    for (int n = 0; n < setup.frequencyCount; ++n) {
        search.BestModeFor(n, j, path, row);
        if (!frequencyDone(n))
            return false;
    }
    return true;
}

// A frequency is supported only as far as both ends support it: the smaller of the
// two reliabilities.
void CombineReliabilities(const PathSetup& setup, const ReliabilityRow& row, int j,
                          PathResult& path) {
    for (int n = 0; n < setup.frequencyCount; ++n)
        path.Reliability[j][n] = static_cast<float>(MinOf(row.atA[n], row.atB[n]));
}

// Returns false when `progress` cancelled; the path is then partly filled.
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
        const bool goOn =
            ComputeHalfHour(setup, points, search, j, path, reliabilities[j], [&](int n) {
                if (n == setup.frequencyCount - 1)
                    ++result.StepsDone;
                return stepDone(result.StepsDone);
            });
        if (!goOn)
            return false;
        if (setup.frequencyCount == 0) {
            ++result.StepsDone;
            if (!stepDone(result.StepsDone))
                return false;
        }
    }
    for (int j = 0; j < kHalfHours; ++j)
        CombineReliabilities(setup, reliabilities[j], j, path);
    return true;
}

} // namespace

void ComputePathAt(const PredictionRequest& request, PathKind kind, std::span<const int> halfHours,
                   PathResult& path) {
    ClearUpperVectorState();
    const PathSetup setup = MakePathSetup(request, kind);
    const ControlPoints points = ComputeControlPoints(setup);
    path.Geometry = kind == PathKind::Short ? request.ShortPath : request.LongPath;
    ModeSearch search(setup);
    for (int j : halfHours) {
        if (j < 0 || j >= kHalfHours)
            continue;
        ReliabilityRow row{};
        ComputeHalfHour(setup, points, search, j, path, row, [](int) { return true; });
        CombineReliabilities(setup, row, j, path);
    }
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
