#include <algorithm>
#include <deque>
#include <memory>
#include <mutex>

#include "core/Numeric.h"
#include "core/VectorState.h"
#include "engine/ModeSearch.h"
#include "engine/PathMuf.h"
#include "engine/Propagation.h"
#include "parallel/ParallelTasks.h"

namespace {

using ReliabilityRows = std::array<ReliabilityRow, kHalfHours>;

// Half hour j: a frequency is supported only as far as both ends support it (the
// smaller of the two reliabilities).
void CombineReliabilities(int frequencyCount, const ReliabilityRow& row, int j, PathResult& path) {
    for (int n = 0; n < frequencyCount; ++n)
        path.Reliability[j][n] = static_cast<float>(MinOf(row.atA[n], row.atB[n]));
}

// The end of a path's run: the combined reliabilities of every half hour.
void FinishPath(int frequencyCount, const ReliabilityRows& reliabilities, PathResult& path) {
    for (int j = 0; j < kHalfHours; ++j)
        CombineReliabilities(frequencyCount, reliabilities[j], j, path);
}

} // namespace

int KIndexFromText(const std::string& kIndexText) {
    if (kIndexText.empty())
        return -1;
    const std::optional<int> k = ParseInteger(kIndexText);
    if (!k || *k < 0 || *k > 9)
        return -1;
    return *k;
}

namespace {

// One path at the half hours `halfHours`: every frequency slot, or slot `only` alone
// when it is not negative.
void ComputeHalfHours(const PredictionRequest& request, PathKind kind,
                      std::span<const int> halfHours, int only, PathResult& path) {
    ClearUpperVectorState();
    const PathSetup setup = MakePathSetup(request, kind);
    if (only >= setup.frequencyCount)
        return;
    const ControlPoints points = ComputeControlPoints(setup);
    path.Geometry = kind == PathKind::Short ? request.ShortPath : request.LongPath;
    ModeSearch search(setup);
    for (int j : halfHours) {
        if (j < 0 || j >= kHalfHours)
            continue;
        ReliabilityRow row{};
        path.Muf[j] = PathMuf(setup, points, 0.5f * j, &row);
        if (only >= 0) {
            search.BestModeOfSlot(only, j, path, row);
            path.Reliability[j][only] = static_cast<float>(MinOf(row.atA[only], row.atB[only]));
            continue;
        }
        for (int n = 0; n < setup.frequencyCount; ++n)
            search.BestModeFor(n, j, path, row);
        CombineReliabilities(setup.frequencyCount, row, j, path);
    }
}

} // namespace

void ComputePathAt(const PredictionRequest& request, PathKind kind, std::span<const int> halfHours,
                   PathResult& path) {
    ComputeHalfHours(request, kind, halfHours, -1, path);
}

void ComputeSlotAt(const PredictionRequest& request, PathKind kind, int slot,
                   std::span<const int> halfHours, PathResult& path) {
    if (slot >= 0)
        ComputeHalfHours(request, kind, halfHours, slot, path);
}

namespace {

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

    FinishPath(setup.frequencyCount, reliabilities, path);
    return true;
}

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

// The parts each path's day is cut into when they can run at the same time: every
// part has a mode search of its own and shares only the path's candidate geometries,
// which are built once whichever part asks first. No value depends on the number of
// parts or of threads: a mode search gives the same values whatever it worked out
// before. Run in order, one part per path saves making its caches twice.
int PartsPerPath() {
    return ParallelTaskSlots() > 1 ? 2 : 1;
}

// The paths `kinds` without progress, their half hours in parts that may run at once
// (RunParallelTasks); the values are those of ComputePredictionPath.
void ComputePathsAtOnce(const PredictionRequest& request, const std::vector<PathKind>& kinds,
                        PredictionResult& result) {
    // What the parts of a path share, made by whichever of them starts first so that
    // the two paths' are made at the same time.
    struct Shared {
        Shared(const PredictionRequest& request, PathKind kind)
            : setup(MakePathSetup(request, kind)), points(ComputeControlPoints(setup)),
              geometries(setup) {}
        PathSetup setup;
        ControlPoints points;
        CandidateGeometries geometries;
    };
    struct PathWork {
        explicit PathWork(PathKind pathKind) : kind(pathKind) {}
        PathKind kind;
        std::once_flag once;
        std::unique_ptr<Shared> shared;
        ReliabilityRows reliabilities{};
        Shared& SharedOf(const PredictionRequest& request) {
            std::call_once(once, [&] { shared = std::make_unique<Shared>(request, kind); });
            return *shared;
        }
    };
    std::deque<PathWork> work;
    for (PathKind kind : kinds) {
        if (std::any_of(work.begin(), work.end(),
                        [kind](const PathWork& w) { return w.kind == kind; }))
            continue; // a path named twice comes out the same; work it out once
        work.emplace_back(kind);
        result.Paths[static_cast<int>(kind)].Geometry =
            kind == PathKind::Short ? request.ShortPath : request.LongPath;
    }
    // Task t is part t / paths of the path paths − 1 − t % paths: the first part of
    // each path, the last path (the long one, three times the work of the short one)
    // first, then the second parts. A thread that is done takes the next task, so the
    // first two tasks start together and neither thread waits long for the other at
    // the end.
    const int paths = static_cast<int>(work.size());
    const int parts = PartsPerPath();
    RunParallelTasks(paths * parts, [&](int task) {
        ClearUpperVectorState();
        PathWork& w = work[paths - 1 - task % paths];
        const int part = task / paths;
        Shared& shared = w.SharedOf(request);
        PathResult& path = result.Paths[static_cast<int>(w.kind)];
        ModeSearch search(shared.setup, shared.geometries);
        for (int j = part * kHalfHours / parts; j < (part + 1) * kHalfHours / parts; ++j) {
            ReliabilityRow& row = w.reliabilities[j];
            path.Muf[j] = PathMuf(shared.setup, shared.points, 0.5f * j, &row);
            for (int n = 0; n < shared.setup.frequencyCount; ++n)
                search.BestModeFor(n, j, path, row);
        }
    });
    for (PathWork& w : work) {
        FinishPath(w.shared->setup.frequencyCount, w.reliabilities,
                   result.Paths[static_cast<int>(w.kind)]);
        result.StepsDone += kHalfHours;
    }
}

} // namespace

PredictionResult ComputePredictionPaths(const PredictionRequest& request,
                                        const std::vector<PathKind>& kinds) {
    PredictionResult result = StartResult(request);
    ComputePathsAtOnce(request, kinds, result);
    result.Completed = true;
    return result;
}

PredictionResult ComputePrediction(const PredictionRequest& request,
                                   const PredictionProgress& progress) {
    PredictionResult result = StartResult(request);
    if (!progress) {
        ComputePathsAtOnce(request, {PathKind::Short, PathKind::Long}, result);
        result.Completed = true;
        return result;
    }
    if (!ComputePredictionPath(request, PathKind::Short, result, progress))
        return result;
    if (!ComputePredictionPath(request, PathKind::Long, result, progress))
        return result;
    result.Completed = true;
    return result;
}
